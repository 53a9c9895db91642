#include "preview/MarkupTokens.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(MarkupTokens, AttributesInEveryQuotingAndCase) {
    const std::vector<MarkupToken> tokens =
        TokenizeMarkup("<FONT face='A B' SIZE=5 color = \"Red\" Size=\"7\" noshade>x</Font >");
    ASSERT_EQ(tokens.size(), 3u);
    const MarkupToken& font = tokens[0];
    EXPECT_EQ(font.kind, MarkupToken::Kind::Open);
    EXPECT_EQ(font.Name, "font");
    EXPECT_EQ(font.Attribute("Face"), "A B");
    // The first of two attributes of one name counts.
    EXPECT_EQ(font.Attribute("size"), "5");
    EXPECT_EQ(font.Attribute("COLOR"), "Red");
    EXPECT_TRUE(font.HasAttribute("noshade"));
    EXPECT_FALSE(font.HasAttribute("align"));
    EXPECT_EQ(tokens[1].Name, "x");
    EXPECT_EQ(tokens[2].kind, MarkupToken::Kind::Close);
    EXPECT_EQ(tokens[2].Name, "font");
}

TEST(MarkupTokens, DoubleByteTextKeepsItsBytes) {
    // "ソ", "表" and "能" end in byte 5C; "<" and ">" are never a second byte.
    const std::vector<MarkupToken> tokens = TokenizeMarkup("ソ表<B>能</B>");
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[0].Name, "ソ表");
    EXPECT_EQ(tokens[2].Name, "能");
}

} // namespace
} // namespace quillet
