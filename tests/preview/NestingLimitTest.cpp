#include "preview/NestingLimit.h"
#include "preview/PreviewDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

std::string Repeated(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

TEST(NestingLimit, LeavesOutOnlyTagsBeyondTheDepth) {
    struct Case {
        const char* markup;
        const char* limited;
    };
    const Case cases[] = {
        {"<b><i>x</i></b>", "<b><i>x</i></b>"},
        {"<b><i><u>x</u></i></b>y", "<b><i>x</i></b>y"},
        {"<b><i><br><img src=a>x</i></b>", "<b><i><br><img src=a>x</i></b>"}, // void elements
        {"<b><i title=\"a>b\"><u>x</u></i></b>", "<b><i title=\"a>b\">x</i></b>"},
        {"<b><!-- <i><u> --><i><u>x", "<b><!-- <i><u> --><i>x"},
        {"<b></b><i></i><u>x</u>", "<b></b><i></i><u>x</u>"}, // closed ones make room
        {"a < b <i><u><s x", "a < b <i><u>"},                 // an unclosed tag runs to the end
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LimitNesting(c.markup, 2), c.limited) << c.markup;
    }
}

// Markup nested far beyond any page, as a damaged symbol file may hold it, is read at once
// and keeps its text.
TEST(NestingLimit, DeepMarkupIsReadWithItsText) {
    for (const char* tag : {"<b>", "<div>", "<font color=red>", "<p><b>"}) {
        const PreviewDocument document = MakePreviewDocument(Repeated(tag, 100'000) + "end",
                                                             [](std::string_view) { return true; });
        ASSERT_FALSE(document.Blocks.empty()) << tag;
        EXPECT_NE(RichTextOf(document.Blocks.back()).find("end"), std::string::npos) << tag;
    }
}

} // namespace
} // namespace quillet
