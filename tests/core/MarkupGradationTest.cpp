#include "core/MarkupGradation.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

struct MarkupRow {
    const char* Content;
    const char* Expected;
};

class MarkupGradationTest : public ::testing::TestWithParam<MarkupRow> {};

// Black to white: two pieces are 000000 and ffffff, three add 7f7f7f between them.
TEST_P(MarkupGradationTest, TagsPassWholeAndReferencesColourAsOneCharacter) {
    std::string out = "x";
    AppendGradationOverMarkup(out, GetParam().Content, MakeRgb(0, 0, 0), MakeRgb(255, 255, 255),
                              "\"");
    EXPECT_EQ(out, std::string("x") + GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, MarkupGradationTest,
    ::testing::Values(
        MarkupRow{"<B>ab</B>",
                  "<B><Font Color=\"000000\">a</Font><Font Color=\"ffffff\">b</Font></B>"},
        // Fewer than two characters to colour: the content stays as it is.
        MarkupRow{"<Font Face=\"Wingdings\">N</Font>", "<Font Face=\"Wingdings\">N</Font>"},
        MarkupRow{"<Font Face=\"Symbol\">\xFF</Font>", "<Font Face=\"Symbol\">\xFF</Font>"},
        MarkupRow{"&#9731;", "&#9731;"}, MarkupRow{"", ""},
        MarkupRow{"&copy;&#x41;",
                  "<Font Color=\"000000\">&copy;</Font><Font Color=\"ffffff\">&#x41;</Font>"},
        // A quoted '>' does not end a tag; double-byte characters are never split.
        MarkupRow{"<A Title=\"a>b\">漢字</A>", "<A Title=\"a>b\"><Font Color=\"000000\">漢</Font>"
                                               "<Font Color=\"ffffff\">字</Font></A>"},
        // What is neither a tag nor a reference is an ordinary character.
        MarkupRow{"1<2", "<Font Color=\"000000\">1</Font><Font Color=\"7f7f7f\"><</Font>"
                         "<Font Color=\"ffffff\">2</Font>"},
        MarkupRow{"&x<", "<Font Color=\"000000\">&</Font><Font Color=\"7f7f7f\">x</Font>"
                         "<Font Color=\"ffffff\"><</Font>"}));

} // namespace
