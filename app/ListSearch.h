#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// Index of the first entry that begins with `prefix`, letters compared without regard to
// case (code page 932 aware); -1 when none does. The drop-down lists select this way.
int FindFirstWithPrefix(std::span<const std::string> entries, std::string_view prefix);

// The face list: "標準フォント" first, then the families sorted without regard to case,
// without vertical-writing variants (names beginning with "@") and without repeats. A
// family installed from several foundries comes as "C059 [urw]", "C059 [UKWN]": it is
// listed once by its plain name, the one a browser matches. The font system's generic
// aliases ("Sans Serif", "Serif", "Monospace") name no typeface and are left out.
std::vector<std::string> BuildFaceList(std::vector<std::string> families);

} // namespace quillet
