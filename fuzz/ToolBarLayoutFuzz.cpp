// Tool-bar layout records: whatever parses serializes back to the same bytes.
#include "fuzz/FuzzInput.h"
#include "resources/ToolBarLayout.h"

using quillet::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto layout = quillet::ParseToolBarLayout(bytes);
    if (layout) {
        Require(quillet::SerializeToolBarLayout(layout.Value()) == bytes, "the record round-trips");
        Require(layout.Value().ImageCount() >= 0 &&
                    layout.Value().ImageCount() <= static_cast<int>(layout.Value().itemIds.size()),
                "no more images than items");
    }
    return 0;
}
