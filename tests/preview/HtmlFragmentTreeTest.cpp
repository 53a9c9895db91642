#include "preview/HtmlFragmentTree.h"
#include "core/Gradation.h"
#include "preview/GumboTreeDifference.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

using Reader = HtmlFragmentTree::Reader;

std::string Repeated(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

std::string Gradation() {
    std::string fragment = "<B>";
    AppendGradation(fragment, "aa漢字 bc", MakeRgb(255, 0, 0), MakeRgb(0, 0, 255), "\"");
    return fragment + "</B>";
}

// The markup the program writes, and well-formed variations of it, are read without the
// full parser into the very tree it builds.
TEST(HtmlFragmentTree, WellFormedMarkupIsReadDirectlyAsTheParserReadsIt) {
    const std::string fragments[] = {
        Gradation(),
        "<P Align=\"Center\"><A Href=\"a.cgi?q=1\" title=\"<b>\"><B>..</B></A></P>",
        "<FONT Face=\"ＭＳ ゴシック\" Size=\"5\" Color=\"#ff0000\">漢字</FONT>",
        "<marquee behavior=alternate scrollamount=3>moving</marquee>",
        "<IMG Src=\"a.png\" Width=\"10\"><BR><br/><br /><img src=a/b/>",
        "",
        "plain text",
        " \n\t <b> </b>\f<i>x </i>  ", // white space apart and with letters
        "a&amp;b&lt;&gt;&quot;&apos;&nbsp;&#65;&#x6F22;&#X5b57;", // references join the text
        "<b>&#32;&#10;</b>&#9;x", // spaces by reference are white space
        "<font color=red Size='3' face=\"a'b\" bare>x</font>",
        "<div align=center><center><span>a<sub>2</sub><sup>3</sup></span></center></div>",
        "<p>a</p><p>b</p><div><p>c</p></div>",
        "<b><i><u><s><strike><em><strong><big><small><tt><code>x", // left open
        "<b><b><b>x</b></b></b><a href=1>y</a><a href=2>z</a>",
        "<marquee><p><a href=x>in</a></p></marquee><font\ncolor=red\t>x</font>",
        Repeated("<span>", 512) + "deep",
    };
    for (const std::string& fragment : fragments) {
        const HtmlFragmentTree direct(fragment);
        const HtmlFragmentTree parsed(fragment, Reader::FullParser);
        EXPECT_FALSE(direct.ReadByFullParser()) << fragment;
        EXPECT_EQ(GumboTreeDifference(direct.Root(), parsed.Root()), "") << fragment;
    }
}

// Markup the parser would repair, reopen or read as something else goes to it.
TEST(HtmlFragmentTree, MarkupToRepairGoesToTheFullParser) {
    const std::string fragments[] = {
        "<b><i></b></i>",
        "<p><div>x</div></p>",
        "<a href=1><a href=2>x</a></a>",
        "<b><b><b><b>x</b></b></b></b>",
        "a &foo; b",
        "a & b",
        "&#128;&#0;",
        "x<!-- note -->y",
        "<table><tr><td>x</td></tr></table>",
        "a < b",
        "<b>x</i>",
        "</p>",
        "<br></br>",
        "<b/>x",
        "<img src=\"a&amp;b\">",
        "<font color=red COLOR=blue>x</font>",
        "<font color=\"red\"size=3>x</font>",
        "<b",
        "a\rb",
        Repeated("<span>", 513) + "deep",
    };
    for (const std::string& fragment : fragments) {
        EXPECT_TRUE(HtmlFragmentTree(fragment).ReadByFullParser()) << fragment;
    }
}

} // namespace
} // namespace quillet
