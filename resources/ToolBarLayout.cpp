#include "resources/ToolBarLayout.h"

#include <algorithm>
#include <string>

namespace quillet {

namespace {

constexpr std::size_t kHeaderSize = 8;

int ReadWord(std::string_view bytes, std::size_t offset) {
    const auto low = static_cast<unsigned char>(bytes[offset]);
    const auto high = static_cast<unsigned char>(bytes[offset + 1]);
    return low | (high << 8);
}

void AppendWord(std::string& out, int value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

} // namespace

int ToolBarLayout::ImageCount() const {
    return static_cast<int>(std::ranges::count_if(itemIds, [](int id) { return id != 0; }));
}

Result<ToolBarLayout, LayoutError> ParseToolBarLayout(std::string_view bytes) {
    if (bytes.size() < kHeaderSize) {
        return LayoutError::TooShort;
    }
    ToolBarLayout layout;
    layout.version = ReadWord(bytes, 0);
    layout.imageWidth = ReadWord(bytes, 2);
    layout.imageHeight = ReadWord(bytes, 4);
    const auto count = static_cast<std::size_t>(ReadWord(bytes, 6));
    const std::size_t size = kHeaderSize + 2 * count;
    if (bytes.size() < size) {
        return LayoutError::TooShort;
    }
    if (bytes.size() > size) {
        return LayoutError::TrailingData;
    }
    if (layout.imageWidth == 0 || layout.imageHeight == 0) {
        return LayoutError::NoImageSize;
    }
    layout.itemIds.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        layout.itemIds.push_back(ReadWord(bytes, kHeaderSize + 2 * i));
    }
    return layout;
}

std::string SerializeToolBarLayout(const ToolBarLayout& layout) {
    std::string out;
    AppendWord(out, layout.version);
    AppendWord(out, layout.imageWidth);
    AppendWord(out, layout.imageHeight);
    AppendWord(out, static_cast<int>(layout.itemIds.size()));
    for (const int id : layout.itemIds) {
        AppendWord(out, id);
    }
    return out;
}

} // namespace quillet
