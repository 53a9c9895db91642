#pragma once

#include "platform/Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// The layout record of a tool bar: little-endian 16-bit version, image width, image
// height, item count, then one command id per item, 0 for a separator. The image strip
// of the same number holds one image per non-separator item, side by side.
struct ToolBarLayout {
    int version = 1;
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<int> itemIds;

    // Images are numbered over the non-separator items only.
    int ImageCount() const;
};

enum class LayoutError {
    TooShort,     // fewer bytes than the header or the items it announces
    TrailingData, // more bytes than the items it announces
    NoImageSize,  // a zero image width or height
};

Result<ToolBarLayout, LayoutError> ParseToolBarLayout(std::string_view bytes);

// The record for a layout, the inverse of the parser.
std::string SerializeToolBarLayout(const ToolBarLayout& layout);

} // namespace quillet
