#pragma once

#include <string>

namespace quillet {

// A named piece of HTML. All three texts are code page 932 bytes and are kept byte for
// byte, including bytes that are not characters of the code page.
struct SymbolRecord {
    std::string name;
    std::string type;
    std::string content;

    bool operator==(const SymbolRecord&) const = default;
};

// Indexes into the symbol list's six icons: one per built-in group, then the user's.
enum SymbolIcon : int {
    CardsIcon = 0,
    ComputerIcon = 1,
    DangerIcon = 2,
    NatureIcon = 3,
    OtherIcon = 4,
    UserIcon = 5,
};

inline constexpr int kSymbolIconCount = 6;

// One row of the symbol list: the row owns its record.
struct SymbolRow {
    SymbolRecord record;
    int icon = UserIcon;

    bool operator==(const SymbolRow&) const = default;
};

} // namespace quillet
