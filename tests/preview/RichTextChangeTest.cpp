#include "preview/RichTextChange.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(RichTextChange, ReplacesTheChangedRunsInsideTheirElements) {
    const auto change = FindRichTextChange(
        "<p align=\"center\"><b><span style=\"color:#000000;\">ab</span>&lt;c</b></p>",
        "<p align=\"center\"><b><span style=\"color:#000000;\">ab</span>X<br />&lt;c</b></p>");
    ASSERT_TRUE(change);
    EXPECT_EQ(change->OldText, "ab<c");
    EXPECT_EQ(change->NewText, "abX\n<c");
    EXPECT_EQ(change->Start, 2u);
    EXPECT_EQ(change->OldEnd, 2u);
    EXPECT_EQ(change->NewEnd, 4u);
    EXPECT_EQ(change->Html, "<b>X</b><b><br /></b>");
}

// Texts whose characters only the rich text engine can tell, and changes of what every
// line depends on, are read anew.
TEST(RichTextChange, LeavesToTheEngineWhatItAloneCanTell) {
    const char* const kCases[][2] = {
        {"ab", "a&copy;b"},
        {"ab", "a  b"},
        {"ab", "ab "},
        {"ab", "a\tb"},
        {"<p>ab</p>", "<p>ab</p><p>c</p>"},
        {"<p>ab</p>", "<p align=\"right\">ab</p>"},
        {"ab", "Xb"},
        {"ab", "a\x81\x40"
               "b"},
    };
    for (const auto& [before, after] : kCases) {
        EXPECT_FALSE(FindRichTextChange(before, after)) << after;
    }
}

} // namespace
} // namespace quillet
