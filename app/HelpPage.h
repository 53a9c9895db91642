#pragma once

#include "platform/Result.h"

#include <QString>

namespace quillet {

// The help page ships inside the program; a browser cannot read it there, so it is written
// to the user's cache folder first and opened from that copy.
Status OpenHelpPage();

QString HelpErrorText(const FileError& error);

} // namespace quillet
