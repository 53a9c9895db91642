#pragma once

#include "platform/Result.h"

#include <QString>

class QWidget;

#include <optional>

namespace quillet {

class Prompts;

// An installed program opens its installed page. Otherwise the page ships inside the
// program; a browser cannot read it there, so it is written to the user's cache folder
// first and opened from that copy. The page opens in the background; when no browser
// takes it, a message through `prompts` names the page, so the user can open it by hand.
void OpenHelpPage(QWidget& parent, Prompts& prompts);

// PREFIX/share/quillet/help/index.html of an installed program, when it is there.
std::optional<QString> InstalledHelpPage();

// Writes the shipped page to $XDG_CACHE_HOME/quillet/help/ and returns the copy's path.
Result<QString> WriteHelpCopy();

QString HelpErrorText(const FileError& error);
QString HelpNotOpenedText(const QString& page);

} // namespace quillet
