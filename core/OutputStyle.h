#pragma once

namespace quillet {

// Which markup the fragment is written in: the program's own mixed-case elements, or
// conforming HTML5 with CSS, written as UTF-8 when it leaves the program.
enum class OutputStyle { Present = 0, Html5 = 1 };

// The value of the "OutputStyle" setting: 1 is HTML5, anything else the present style.
constexpr OutputStyle OutputStyleFromSetting(int value) {
    return value == 1 ? OutputStyle::Html5 : OutputStyle::Present;
}

constexpr int SettingOf(OutputStyle style) {
    return style == OutputStyle::Html5 ? 1 : 0;
}

} // namespace quillet
