#include "core/ColorPalette.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

struct PaletteRow {
    int Number;
    int SwatchId;
    const char* Name;
    unsigned Red, Green, Blue;
    const char* Html;
};

const PaletteRow kRows[] = {
    {1, 1003, "白", 255, 255, 255, "White"},
    {2, 1005, "銀色", 138, 138, 138, "Silver"},
    {3, 1008, "灰色", 56, 56, 56, "Gray"},
    {4, 1010, "黒", 0, 0, 0, "Black"},
    {5, 1013, "ピンク", 255, 137, 149, "Pink"},
    {6, 1092, "トマト", 255, 33, 16, "Tomato"},
    {7, 1093, "赤", 255, 0, 0, "Red"},
    {8, 1094, "茶色", 128, 0, 0, "Brown"},
    {9, 1095, "黄色", 255, 255, 0, "Yellow"},
    {10, 1096, "金色", 255, 177, 0, "Gold"},
    {11, 1097, "オレンジ", 255, 97, 0, "Orange"},
    {12, 1098, "オリーブ", 128, 128, 0, "Olive"},
    {13, 1099, "シャルトルーズ", 56, 255, 0, "Chartreuse"},
    {14, 1100, "黄緑", 0, 255, 0, "Lime"},
    {15, 1101, "ライムグリーン", 6, 156, 6, "LimeGreen"},
    {16, 1102, "緑", 0, 128, 0, "Green"},
    {17, 1103, "アクアマリン", 56, 255, 177, "AquaMarine"},
    {18, 1104, "水色", 0, 255, 255, "Aqua"},
    {19, 1105, "青緑", 14, 192, 163, "Turquoise"},
    {20, 1106, "子がも", 0, 128, 128, "Teal"},
    {21, 1107, "ラベンダー", 207, 207, 240, "Lavender"},
    {22, 1108, "空", 64, 163, 207, "SkyBlue"},
    {23, 1109, "青", 0, 0, 255, "Blue"},
    {24, 1110, "紺", 0, 0, 128, "Navy"},
    {25, 1111, "赤紫", 255, 0, 255, "Fuchsia"},
    {26, 1112, "すみれ", 223, 60, 223, "Violet"},
    {27, 1113, "らん", 177, 42, 177, "Orchid"},
    {28, 1114, "紫", 128, 0, 128, "Purple"},
};

class PaletteRowTest : public ::testing::TestWithParam<PaletteRow> {};

TEST_P(PaletteRowTest, HoldsItsPlaceSwatchValueAndHtmlName) {
    const PaletteRow& row = GetParam();
    ASSERT_EQ(ColorPalette().size(), 28U);
    const PaletteColor& color = ColorPalette()[static_cast<std::size_t>(row.Number - 1)];
    EXPECT_EQ(color.Name, row.Name);
    EXPECT_EQ(color.SwatchId, row.SwatchId);
    EXPECT_EQ(color.Value, MakeRgb(row.Red, row.Green, row.Blue));
    EXPECT_EQ(color.HtmlName, row.Html);
}

TEST_P(PaletteRowTest, IsFoundByNameAndSwatchAndWritesItsHtmlName) {
    const PaletteRow& row = GetParam();
    const PaletteColor* byName = FindPaletteColorByName(row.Name);
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(FindPaletteColorBySwatch(row.SwatchId), byName);
    EXPECT_EQ(HtmlColorText(ChoiceOf(*byName)), row.Html);
}

INSTANTIATE_TEST_SUITE_P(AllColors, PaletteRowTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.Html); });

TEST(HtmlColorText, StandardAndUnknownNamesWriteNothing) {
    EXPECT_EQ(HtmlColorText({"標準", MakeRgb(255, 0, 0)}), "");
    EXPECT_EQ(HtmlColorText({"朱色", MakeRgb(255, 0, 0)}), "");
    EXPECT_EQ(HtmlColorText({"", MakeRgb(255, 0, 0)}), "");
}

TEST(HtmlColorText, OtherWritesSixLowerCaseDigitsRedFirst) {
    EXPECT_EQ(HtmlColorText(OtherColor(MakeRgb(255, 128, 0))), "ff8000");
    EXPECT_EQ(HtmlColorText(OtherColor(MakeRgb(0, 0, 0))), "000000");
    EXPECT_EQ(HtmlColorText(OtherColor(MakeRgb(18, 52, 86))), "123456");
    EXPECT_EQ(HtmlColorText(OtherColor(MakeRgb(0, 0, 128))), "000080");
    // Bits above the blue byte are no part of the colour.
    EXPECT_EQ(HtmlColorText({"その他", 0xFF0000FFU}), "ff0000");
}

TEST(ColorPalette, LookupOfAnUnknownNameOrSwatchFindsNothing) {
    EXPECT_EQ(FindPaletteColorByName("標準"), nullptr);
    EXPECT_EQ(FindPaletteColorBySwatch(1004), nullptr);
    EXPECT_EQ(FindPaletteColorBySwatch(1034), nullptr);
}

} // namespace
