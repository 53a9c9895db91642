#pragma once

#include <filesystem>
#include <optional>

// Where the program and the user's files are, the Linux way.
namespace quillet {

// The running executable, from /proc/self/exe; empty when that cannot be read.
std::filesystem::path ExecutablePath();

// $HOME, or the home folder of the password database when HOME is unset or empty.
std::filesystem::path HomeFolder();

// $XDG_CONFIG_HOME, or ~/.config when it is unset, empty or not an absolute path.
std::filesystem::path ConfigHome();

// $XDG_DATA_HOME, or ~/.local/share when it is unset, empty or not an absolute path.
std::filesystem::path DataHome();

// PREFIX/share/quillet for a program installed as PREFIX/bin/quillet, where the help page
// and translations are; nothing when it runs from a build tree or an unpacked folder.
std::optional<std::filesystem::path> InstalledDataFolder(const std::filesystem::path& executable);

// ~/Favorites when it is a folder, the place of the user's Internet shortcut files.
std::optional<std::filesystem::path> FavoritesFolder();

} // namespace quillet
