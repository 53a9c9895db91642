#include "platform/Utf8Text.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

TEST(Utf8Text, ReferencesToCharactersOutsideTheCodePageBecomeTheCharacters) {
    const struct {
        std::string cp932;
        std::string utf8;
    } rows[] = {
        {"&#9829;", Utf8(u8"\u2665")},
        {"\x90\xE1&#9731;!", Utf8(u8"\u96EA\u2603!")},
        {"&#128163;", Utf8(u8"\U0001F4A3")},
        // Characters the code page holds, markup, controls and non-characters stay written.
        {"&#12354;&#38;&#60;", "&#12354;&#38;&#60;"},
        {"&#1;&#65535;&#55296;&#1114112;", "&#1;&#65535;&#55296;&#1114112;"},
        {"&#x2603;&#9731&copy;", "&#x2603;&#9731&copy;"},
        // A byte that is no character keeps its private-use code point.
        {"\xFF", Utf8(u8"\uF7FF")},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Utf8WithCharacters(row.cp932), row.utf8) << row.cp932;
        EXPECT_TRUE(IsValidUtf8(Utf8WithCharacters(row.cp932)));
    }
}

TEST(Utf8Text, MalformedUtf8IsRecognised) {
    for (const std::string bad :
         {"\xC0\xAF", "\xE3\x81", "\xED\xA0\x80", "\xF5\x80\x80\x80", "\x82"}) {
        EXPECT_FALSE(IsValidUtf8(bad));
    }
    EXPECT_TRUE(IsValidUtf8(Utf8(u8"\u30DA\u30FC\u30B8\U0001D11E")));
}

} // namespace
