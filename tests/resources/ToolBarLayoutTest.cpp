#include "resources/ToolBarLayout.h"
#include "tests/resources/ShippedLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

using test::ShippedLayout;

struct ShippedCase {
    int id;
    std::vector<int> items;
    int images;
};

class ShippedLayoutTest : public testing::TestWithParam<ShippedCase> {};

TEST_P(ShippedLayoutTest, HoldsItsItemsWithSixteenByFifteenImages) {
    const auto& [id, items, images] = GetParam();
    const auto layout = ParseToolBarLayout(ShippedLayout(id));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout.Value().version, 1);
    EXPECT_EQ(layout.Value().imageWidth, 16);
    EXPECT_EQ(layout.Value().imageHeight, 15);
    EXPECT_EQ(layout.Value().itemIds, items);
    EXPECT_EQ(layout.Value().ImageCount(), images);
}

INSTANTIATE_TEST_SUITE_P(ToolBarLayout, ShippedLayoutTest,
                         testing::Values(ShippedCase{136, {102, 103, 104, 57688, 57687}, 5},
                                         ShippedCase{140, {106, 106, 57672, 0, 57670}, 4},
                                         ShippedCase{143,
                                                     {57684, 57685, 57686, 57673, 57674, 57675,
                                                      57676, 57677, 57678, 57679, 0, 57682, 57683},
                                                     12},
                                         ShippedCase{144, {32783}, 1}),
                         [](const auto& info) {
                             return "Resource" + std::to_string(info.param.id);
                         });

TEST(ToolBarLayout, FieldsAreLittleEndian) {
    const std::string bytes("\x01\x00\x10\x00\x0F\x00\x02\x00\x66\x00\x88\xE1", 12);
    const auto layout = ParseToolBarLayout(bytes);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout.Value().itemIds, (std::vector<int>{102, 57736}));
}

TEST(ToolBarLayout, VersionIsIgnored) {
    const std::string bytes("\x07\x00\x10\x00\x0F\x00\x01\x00\x66\x00", 10);
    EXPECT_TRUE(ParseToolBarLayout(bytes));
}

TEST(ToolBarLayout, SerializedLayoutParsesBack) {
    const ToolBarLayout layout{1, 20, 20, {1, 0, 65535}};
    const auto parsed = ParseToolBarLayout(SerializeToolBarLayout(layout));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed.Value().itemIds, layout.itemIds);
    EXPECT_EQ(parsed.Value().imageWidth, 20);
}

struct DamagedCase {
    const char* name;
    std::string bytes;
    LayoutError error;
};

class DamagedLayoutTest : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedLayoutTest, IsRejected) {
    const auto layout = ParseToolBarLayout(GetParam().bytes);
    ASSERT_FALSE(layout);
    EXPECT_EQ(layout.Failure(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    ToolBarLayout, DamagedLayoutTest,
    testing::Values(
        DamagedCase{"Empty", "", LayoutError::TooShort},
        DamagedCase{"HalfAHeader", std::string("\x01\x00\x10\x00\x0F\x00\x05", 7),
                    LayoutError::TooShort},
        DamagedCase{"FewerItemsThanCounted",
                    std::string("\x01\x00\x10\x00\x0F\x00\x03\x00\x66\x00\x67\x00", 12),
                    LayoutError::TooShort},
        DamagedCase{"HalfAnItem", std::string("\x01\x00\x10\x00\x0F\x00\x01\x00\x66", 9),
                    LayoutError::TooShort},
        DamagedCase{"HugeCount", std::string("\x01\x00\x10\x00\x0F\x00\xFF\xFF", 8),
                    LayoutError::TooShort},
        DamagedCase{"BytesAfterTheItems",
                    std::string("\x01\x00\x10\x00\x0F\x00\x01\x00\x66\x00\x00", 11),
                    LayoutError::TrailingData},
        DamagedCase{"ZeroImageWidth", std::string("\x01\x00\x00\x00\x0F\x00\x01\x00\x66\x00", 10),
                    LayoutError::NoImageSize},
        DamagedCase{"ZeroImageHeight", std::string("\x01\x00\x10\x00\x00\x00\x00\x00", 8),
                    LayoutError::NoImageSize}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillet
