#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet {

// Browsers stop nesting elements at this depth.
constexpr std::size_t kMaxNestingDepth = 512;

// The markup with every start tag that would open an element deeper than `depth` left out,
// with its end tag; the text inside stays. Markup that deep reaches the parser only as a
// damaged or hostile file, and the parser's time grows with the square of the depth.
std::string LimitNesting(std::string_view markup, std::size_t depth = kMaxNestingDepth);

} // namespace quillet
