#pragma once

#include <string_view>

// The program's string table: code page 932 texts keyed by command id. An entry is
// "\n" separated; the part after the first "\n" is the tool tip.
namespace quillet {

// The entry with that id; empty when the table has none.
std::string_view LoadString(int id);

// The second "\n"-separated part of an entry: from after the first "\n" up to the next one
// or the end. Empty when the entry holds no "\n".
std::string_view TipText(std::string_view entry);

// The tool tip of a command, empty for a command without a string.
inline std::string_view CommandTip(int id) {
    return TipText(LoadString(id));
}

} // namespace quillet
