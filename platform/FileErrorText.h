#pragma once

#include "platform/Result.h"

#include <QString>

namespace quillet {

// The one message for every file error the user meets, all in Japanese:
//   <what>「<file>」<verb for the failed step>。
//   <why>
//   <the old file is unchanged, when a write kept it>
// `what` names the file's role ("設定ファイル"); empty for a file the user chose.
QString FileErrorText(const QString& what, const FileError& error);

// Why an operation failed, in Japanese: a phrase for each system error number the program
// can meet and for the program's own reasons; never the system's English text.
QString FileErrorReason(int errorNumber);

} // namespace quillet
