#include "core/LinkTag.h"
#include "core/ParagraphTag.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

struct ParagraphRow {
    const char* Align;
    const char* Vertical;
    const char* Open;
    const char* Close;
};

class ParagraphRowTest : public ::testing::TestWithParam<ParagraphRow> {};

TEST_P(ParagraphRowTest, PositionEnclosesTheAlignedParagraph) {
    ComposerState state = MakeInitialState({});
    state.Align = GetParam().Align;
    state.VerticalPosition = GetParam().Vertical;
    EXPECT_EQ(ParagraphOpenTag(state), GetParam().Open);
    EXPECT_EQ(ParagraphCloseTag(state), GetParam().Close);
}

INSTANTIATE_TEST_SUITE_P(
    AlignAndPosition, ParagraphRowTest,
    ::testing::Values(ParagraphRow{"", "", "", ""},
                      ParagraphRow{"Center", "", "<P Align=\"Center\">", "</P>"},
                      ParagraphRow{"", "Sup", "<Sup>", "</Sup>"},
                      ParagraphRow{"Left", "Sub", "<Sub><P Align=\"Left\">", "</P></Sub>"},
                      ParagraphRow{"Right", "Sub", "<Sub><P Align=\"Right\">", "</P></Sub>"}));

struct LinkRow {
    const char* Url;
    const char* Target;
    const char* Open;
};

class LinkRowTest : public ::testing::TestWithParam<LinkRow> {};

TEST_P(LinkRowTest, WritesAnElementForAnAddressOrANonDefaultTarget) {
    ComposerState state = MakeInitialState({});
    state.LinkUrl = GetParam().Url;
    state.LinkTarget = GetParam().Target;
    const std::string open = GetParam().Open;
    EXPECT_EQ(LinkOpenTag(state), open);
    EXPECT_EQ(LinkCloseTag(state), open.empty() ? "" : "</A>");
}

INSTANTIATE_TEST_SUITE_P(
    AddressAndTarget, LinkRowTest,
    ::testing::Values(
        LinkRow{"", "同じウィンドウ", ""}, LinkRow{"a.htm", "同じウィンドウ", "<A Href=\"a.htm\">"},
        LinkRow{"", "新しいウィンドウ", "<A Target=\"_blank\">"},
        LinkRow{"index.htm", "ウィンドウをクリア", "<A Href=\"index.htm\" Target=\"_top\">"},
        // An address is written exactly as typed, spaces and double-byte characters kept.
        LinkRow{"my page/ページ.htm?a=1&b=\"2\"", "新しいウィンドウ",
                "<A Href=\"my page/ページ.htm?a=1&b=\"2\"\" Target=\"_blank\">"},
        // A target outside the list writes no attribute but still makes a link element.
        LinkRow{"", "_parent", "<A>"}));

} // namespace
