#pragma once

#include "platform/Result.h"

#include <QString>

namespace quillet {

// The help page ships inside the program; a browser cannot read it there, so it is written
// to the user's cache folder first and opened from that copy.
Status OpenHelpPage();

// Writes the shipped page to $XDG_CACHE_HOME/quillet/help/ and returns the copy's path.
Result<QString> WriteHelpCopy();

QString HelpErrorText(const FileError& error);

} // namespace quillet
