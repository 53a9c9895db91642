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
// without vertical-writing variants (names beginning with "@") and without repeats.
std::vector<std::string> BuildFaceList(std::vector<std::string> families);

} // namespace quillet
