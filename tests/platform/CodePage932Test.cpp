#include "platform/CodePage932.h"

#include <gtest/gtest.h>

#include <string>

using namespace quillet;

namespace {

std::string Bytes(std::initializer_list<unsigned> values) {
    std::string bytes;
    for (const unsigned value : values) {
        bytes += static_cast<char>(value);
    }
    return bytes;
}

std::string RoundTrip(std::string_view bytes) {
    return cp932::FromUtf16(cp932::ToUtf16(bytes));
}

TEST(CodePage932Stepping, DoubleByteCharacterTakesTwoBytesAndLoneLeadAtTheEndOne) {
    const std::string text = "a漢\xB1" + Bytes({0xFC, 0x40, 0x81});
    EXPECT_EQ(cp932::CharLength(text, 0), 1U);
    EXPECT_EQ(cp932::CharLength(text, 1), 2U);
    EXPECT_EQ(cp932::CharLength(text, 3), 1U); // half-width katakana
    EXPECT_EQ(cp932::CharLength(text, 4), 2U); // last lead byte of the range
    EXPECT_EQ(cp932::CharLength(text, 6), 1U); // lead byte with nothing after it
}

TEST(CodePage932Stepping, CharCountCountsCharactersNotBytes) {
    EXPECT_EQ(cp932::CharCount(""), 0U);
    EXPECT_EQ(cp932::CharCount("abc"), 3U);
    EXPECT_EQ(cp932::CharCount("あいう"), 3U);
    EXPECT_EQ(cp932::CharCount("A漢\xA7\xAA\xFF"), 5U);
    EXPECT_EQ(cp932::CharCount(Bytes({0x82, 0xA0, 0x9F})), 2U);
    // The byte after a lead byte belongs to it even when it is ASCII.
    EXPECT_EQ(cp932::CharCount(Bytes({0x83, 0x5C, 0x5C})), 2U);
}

TEST(CodePage932Compare, AsciiAndFullWidthLettersFoldCaseButNotWidth) {
    EXPECT_EQ(cp932::CompareNoCase("Heart", "hEART"), 0);
    EXPECT_EQ(cp932::CompareNoCase("ＡＢＺ", "ａｂｚ"), 0);
    EXPECT_LT(cp932::CompareNoCase("apple", "Banana"), 0);
    EXPECT_GT(cp932::CompareNoCase("ｂ", "Ａ"), 0);
    EXPECT_NE(cp932::CompareNoCase("A", "Ａ"), 0);
}

TEST(CodePage932Compare, SingleByteSortsBeforeDoubleByteAndPrefixFirst) {
    EXPECT_LT(cp932::CompareNoCase("\xDF", "　"), 0); // half-width katakana before a space
    EXPECT_LT(cp932::CompareNoCase("z", "あ"), 0);
    EXPECT_LT(cp932::CompareNoCase("ハート", "ハートA"), 0);
    EXPECT_LT(cp932::CompareNoCase("あ", "い"), 0);
}

TEST(CodePage932RoundTrip, EverySingleByteSurvives) {
    for (unsigned byte = 0; byte < 0x100; ++byte) {
        const std::string bytes(1, static_cast<char>(byte));
        EXPECT_EQ(RoundTrip(bytes), bytes) << byte;
    }
}

TEST(CodePage932RoundTrip, EveryTwoByteSequenceSurvives) {
    int failures = 0;
    std::string bytes(2, '\0');
    for (unsigned first = 0; first < 0x100; ++first) {
        for (unsigned second = 0; second < 0x100; ++second) {
            bytes[0] = static_cast<char>(first);
            bytes[1] = static_cast<char>(second);
            if (RoundTrip(bytes) != bytes && ++failures <= 5) {
                ADD_FAILURE() << std::hex << first << ' ' << second;
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(CodePage932RoundTrip, MixedTextsSurviveByteForByte) {
    const std::string texts[] = {
        "漢字とかな、ASCII & <b>",
        "\xA7\xA8\xA9\xAA",                  // half-width katakana
        "♪\xFF" + Bytes({0x81, 0x20, 0xFF}), // glyph bytes that are no characters
        Bytes({0xED, 0x40, 0xFA, 0x5C}),     // one kanji at its two codes
        Bytes({0x87, 0x90, 0x81, 0xE0}),     // one symbol at its two codes
        Bytes({0xF0, 0x40, 0x82}),           // user-defined area, lone lead byte last
    };
    for (const std::string& text : texts) {
        EXPECT_EQ(RoundTrip(text), text);
    }
}

TEST(CodePage932Decode, CharactersBecomeTheirUnicodeAndStrayBytesPrivateUse) {
    EXPECT_EQ(cp932::ToUtf16("aあ漢\xB1"), u"aあ漢ｱ");
    EXPECT_EQ(cp932::ToUtf16("\xFF"), std::u16string(1, cp932::kRawByteBase + 0xFF));
    EXPECT_EQ(cp932::ToUtf16(Bytes({0x81, 0x20})),
              (std::u16string{static_cast<char16_t>(cp932::kRawByteBase + 0x81), u' '}));
    // The first code of a character that has two decodes; both bytes of the second stay
    // raw, whatever the trail byte would read as alone.
    EXPECT_EQ(cp932::ToUtf16(Bytes({0xFA, 0x5C})), u"纊");
    for (const unsigned second : {0xED40U, 0xEEB1U, 0x879AU, 0xFA54U}) {
        EXPECT_EQ(cp932::ToUtf16(Bytes({second >> 8, second & 0xFF})),
                  (std::u16string{static_cast<char16_t>(cp932::kRawByteBase + (second >> 8)),
                                  static_cast<char16_t>(cp932::kRawByteBase + (second & 0xFF))}))
            << std::hex << second;
    }
}

TEST(CodePage932Encode, CharactersOutsideTheCodePageBecomeDecimalReferences) {
    EXPECT_EQ(cp932::FromUtf16(u"\u00E9"), "&#233;");
    EXPECT_EQ(cp932::FromUtf16(u"a\U0001F600b"), "a&#128512;b");
    EXPECT_EQ(cp932::FromUtf16(u"x\xD800y"), "x&#65533;y");
    EXPECT_EQ(cp932::FromUtf16(u"ハート\u2665"), "ハート&#9829;");
}

TEST(CodePage932Encode, JisMappingVariantsBecomeTheCodePageCharacters) {
    EXPECT_EQ(cp932::FromUtf16(u"\u301C\u2016\u2212\u00A2\u00A3\u00AC"), "～∥－￠￡￢");
}

} // namespace
