#pragma once

#include <string>
#include <string_view>

namespace quillet {

// One space, the name, "=", and the value between quotes; the value is never escaped.
inline void AppendAttribute(std::string& out, std::string_view name, std::string_view value,
                            std::string_view quote) {
    out += ' ';
    out += name;
    out += '=';
    out += quote;
    out += value;
    out += quote;
}

} // namespace quillet
