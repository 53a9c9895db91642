#include "controls/ImageMenuItem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

const std::vector<ImageMapEntry> kOutputImages{
    {0, 102}, {1, 103}, {2, 104}, {3, 57688}, {4, 57687}};

TEST(ImageMenuItem, CommandTakesTheImageOfItsToolBarButton) {
    const ImageMenuItem item = MakeCommandItem("記号に登録(&R)...", 57688, kOutputImages);
    EXPECT_EQ(item.image, 3);
    EXPECT_EQ(item.kind, 57688);
    EXPECT_EQ(item.text, "記号に登録(&R)...");
}

TEST(ImageMenuItem, CommandWithoutButtonHasNoImage) {
    EXPECT_EQ(MakeCommandItem("ヘルプ", 57670, kOutputImages).image, -1);
}

TEST(ImageMenuItem, SpecialEntriesCarryTheirKindAsImage) {
    const ImageMenuItem separator = MakeSeparatorItem();
    EXPECT_TRUE(separator.IsSeparator());
    EXPECT_EQ(separator.image, ImageMenuItem::SeparatorKind);
    EXPECT_EQ(separator.text, "--");
    EXPECT_EQ(MakeSubmenuItem("表示", false).kind, ImageMenuItem::SubmenuKind);
    EXPECT_EQ(MakeSubmenuItem("表示", true).image, ImageMenuItem::MenuBarKind);
}

TEST(ImageMenuItem, LongTextKeepsAtMost127Bytes) {
    EXPECT_EQ(ClipItemText(std::string(200, 'a')).size(), 127u);
    EXPECT_EQ(ClipItemText(std::string(127, 'a')).size(), 127u);
}

TEST(ImageMenuItem, ClippingNeverSplitsADoubleByteCharacter) {
    // 126 single bytes, then a two-byte character that would end at byte 128.
    const std::string text = std::string(126, 'a') + "字";
    EXPECT_EQ(ClipItemText(text), std::string(126, 'a'));
    const std::string fits = std::string(125, 'a') + "字";
    EXPECT_EQ(ClipItemText(fits), fits);
}

} // namespace
} // namespace quillet
