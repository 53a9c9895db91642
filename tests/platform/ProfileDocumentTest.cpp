#include "platform/ProfileDocument.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

using namespace quillet;

namespace {

struct ReadCase {
    const char* label;
    std::string ini;
    const char* section;
    const char* key;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) {
    return out << c.label;
}

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsTheValueTheClassicWay) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ProfileDocument(c.ini).String(c.section, c.key, "(default)"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lookup, ProfileRead,
    ::testing::Values(
        ReadCase{"names ignore ASCII case", "[wINDOW]\r\nkEY=v\r\n", "Window", "Key", "v"},
        ReadCase{"blanks trimmed", " \t[ Window ] \r\n  Key \t=  a b \t\r\n", " Window", "Key ",
                 "a b"},
        ReadCase{"one pair of quotes removed", "[S]\r\nk=\"\" x \"\"\r\n", "S", "k", "\" x \""},
        ReadCase{"unmatched quote kept", "[S]\r\nk=\"x\r\n", "S", "k", "\"x"},
        ReadCase{"single quotes kept", "[S]\r\nk='x'\r\n", "S", "k", "'x'"},
        ReadCase{"empty value is no default", "[S]\r\nk=\r\n", "S", "k", ""},
        ReadCase{"LF lines, no last break", "[S]\nj=1\nk=2", "S", "k", "2"},
        ReadCase{"key of another section", "[S]\r\n[T]\r\nk=2\r\n", "S", "k", "(default)"},
        ReadCase{"comment", "[S]\r\n;k=2\r\n", "S", ";k", "(default)"},
        ReadCase{"header without bracket", "[S\r\nk=1\r\n", "S", "k", "(default)"},
        ReadCase{"first duplicate wins", "[S]\r\nk=1\r\nK=2\r\n[s]\r\nk=3\r\n", "S", "k", "1"},
        ReadCase{"value stops at NUL", "[S]\r\nk=" + std::string("a\0b", 3), "S", "k", "a"},
        ReadCase{"double-byte value", "[Mark]\r\nTypeIndex=トランプ\r\n", "Mark", "TypeIndex",
                 "トランプ"},
        // The second byte of ゾ is ']'.
        ReadCase{"bracket as second byte", "[ゾ]\r\nk=1\r\n", "ゾ", "k", "1"},
        // ア and ヂ differ in their second byte as A and a do.
        ReadCase{"second bytes never fold", "[ア]\r\nk=1\r\n", "ヂ", "k", "(default)"}));

struct IntCase {
    const char* value;
    int expected;
};

std::ostream& operator<<(std::ostream& out, const IntCase& c) {
    return out << '"' << c.value << '"';
}

class ProfileReadInt : public ::testing::TestWithParam<IntCase> {};

TEST_P(ProfileReadInt, ParsesLikeTheClassicProfileFunctions) {
    const ProfileDocument document("[S]\r\nk=" + std::string(GetParam().value) + "\r\n");
    EXPECT_EQ(document.Int("S", "k", 77), GetParam().expected);
    EXPECT_EQ(document.Int("S", "missing", 77), 77);
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileReadInt,
                         ::testing::Values(IntCase{"-45", -45}, IntCase{"+007", 7},
                                           IntCase{"12abc", 12}, IntCase{"0x10", 0},
                                           IntCase{"abc", 0}, IntCase{"- 5", 0}, IntCase{"", 77},
                                           IntCase{"\" 42\"", 42}, IntCase{"2147483648", INT_MAX},
                                           IntCase{"99999999999999999999999", INT_MAX},
                                           IntCase{"-2147483648", INT_MIN},
                                           IntCase{"-2147483649", INT_MIN}));

// Comments, blank lines, unknown keys, other sections, an LF line and a last line without
// a line break must all come back as they were.
const std::string kHandWritten = "; Quillet\r\n"
                                 "[Window]\r\n"
                                 "  windowWidth = 300  \r\n"
                                 "Unknown=keep me\n"
                                 "\r\n"
                                 "; about the marks\r\n"
                                 "[Mark]\r\n"
                                 "TypeIndex=記号\r\n"
                                 "[Other]\r\n"
                                 "x=1";

TEST(ProfileWrite, ChangesOnlyTheValueOfAnExistingKey) {
    ProfileDocument document(kHandWritten);
    EXPECT_EQ(document.Bytes(), kHandWritten);
    ASSERT_TRUE(document.SetInt("WINDOW", "WindowWidth", 640));
    std::string expected = kHandWritten;
    expected.replace(expected.find("300  "), 5, "640");
    EXPECT_EQ(document.Bytes(), expected);
}

TEST(ProfileWrite, AddsKeysAtTheEndOfTheirSectionAndSectionsAtTheEnd) {
    ProfileDocument document(kHandWritten);
    ASSERT_TRUE(document.SetInt("Window", "WindowTop", 1));
    ASSERT_TRUE(document.SetInt("Mark", "ColumnName", -80));
    ASSERT_TRUE(document.SetString("New", "k", "v"));
    std::string expected = kHandWritten + "\r\n[New]\r\nk=v\r\n";
    expected.insert(expected.find("\r\n; about"), "WindowTop=1\r\n");
    expected.insert(expected.find("[Other]"), "ColumnName=-80\r\n");
    EXPECT_EQ(document.Bytes(), expected);
}

struct ValueCase {
    const char* label;
    std::string value;
};

std::ostream& operator<<(std::ostream& out, const ValueCase& c) {
    return out << c.label;
}

class ProfileValueRoundTrip : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ProfileValueRoundTrip, ReadsBackWhatWasWritten) {
    const std::string& value = GetParam().value;
    ProfileDocument document("[S]\r\nk=old\r\n");
    ASSERT_TRUE(document.SetString("S", "k", value));
    ASSERT_TRUE(document.SetString("S", "new", value));
    const ProfileDocument reread(document.Bytes());
    EXPECT_EQ(reread.String("S", "k", "(default)"), value);
    EXPECT_EQ(reread.String("S", "new", "(default)"), value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileValueRoundTrip,
    ::testing::Values(ValueCase{"empty", ""}, ValueCase{"blanks at the ends", " a\t"},
                      ValueCase{"quoted", "\"quoted\""}, ValueCase{"lone quote", "\""},
                      ValueCase{"section-like", "[x]"}, ValueCase{"double byte", "ゾ"},
                      ValueCase{"raw bytes", std::string("\xFF\x81", 2)}));

struct RejectedCase {
    const char* label;
    const char* section;
    const char* key;
    std::string value;
};

std::ostream& operator<<(std::ostream& out, const RejectedCase& c) {
    return out << c.label;
}

class ProfileRejectedWrite : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(ProfileRejectedWrite, LeavesTheDocumentAsItWas) {
    const RejectedCase& c = GetParam();
    ProfileDocument document(kHandWritten);
    EXPECT_FALSE(document.SetString(c.section, c.key, c.value));
    EXPECT_EQ(document.Bytes(), kHandWritten);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ProfileRejectedWrite,
    ::testing::Values(RejectedCase{"line break in value", "Window", "k", "a\r\n[Window]"},
                      RejectedCase{"NUL in value", "Window", "k", std::string("a\0", 2)},
                      RejectedCase{"bracket in section", "a]b", "k", "v"},
                      RejectedCase{"equals in key", "Window", "a=b", "v"},
                      RejectedCase{"key like a comment", "Window", ";k", "v"},
                      RejectedCase{"section ending in a lead byte", "Window\x81", "k", "v"},
                      RejectedCase{"key like a section", "Window", "[k]", "v"}));

} // namespace
