#pragma once

#include "platform/Result.h"

#include <QString>

#include <optional>

namespace quillet {

// An installed program opens its installed page. Otherwise the page ships inside the
// program; a browser cannot read it there, so it is written to the user's cache folder
// first and opened from that copy.
Status OpenHelpPage();

// PREFIX/share/quillet/help/index.html of an installed program, when it is there.
std::optional<QString> InstalledHelpPage();

// Writes the shipped page to $XDG_CACHE_HOME/quillet/help/ and returns the copy's path.
Result<QString> WriteHelpCopy();

QString HelpErrorText(const FileError& error);

} // namespace quillet
