#pragma once

#include "controls/Geometry.h"
#include "platform/Result.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quillet {

// The values kept between runs, section "Window" and section "Mark". Numbers are stored as
// read; the main window clamps them where it applies them. A switch is on only at exactly
// 1 and is written as 0 or 1.
struct AppSettings {
    int WindowWidth = 200;
    int WindowHeight = 200;
    bool WindowTop = false;
    bool WindowSource = false;
    int TabPage = 0;
    int ToolBarIndex = 0;
    std::string TypeIndex; // code page 932; its default is a Japanese text, see DefaultSettings
    int ColumnName = 80;
    int ColumnType = 60;
    int ColumnContent = 200;
    // "Window": on while the preview window is open. Files from before it lack the key.
    bool WindowPreview = false;
    // "Window": 1 for fragments in HTML5 style, anything else the present style.
    int OutputStyle = 0;
    // "Window": the folder of the last save, code page 932; empty before the first.
    std::string SaveFolder;
    // "Window": where the source window and the preview last stood, written "x,y,w,h": the
    // left and top of the frame, the width and height inside it. None before a window first
    // closed, and for a value that is not four numbers in range.
    std::optional<geom::Rect> SourceRect;
    std::optional<geom::Rect> PreviewRect;

    bool operator==(const AppSettings&) const = default;
};

AppSettings DefaultSettings();

// $XDG_CONFIG_HOME/quillet/ (default ~/.config/quillet/) + the executable's base name + ".INI".
std::filesystem::path SettingsFilePath();

// A missing file, section or key gives that key's default. Nothing is validated or clamped,
// except that a window's place is none unless it is four numbers in range.
AppSettings LoadSettings(const std::filesystem::path& iniPath);
// Every key in one atomic write. Creates the folder and the file when missing; keeps
// every other line of the file. An existing file that cannot be read is left alone and
// its error returned.
[[nodiscard]] Status SaveSettings(const AppSettings& settings,
                                  const std::filesystem::path& iniPath);

} // namespace quillet
