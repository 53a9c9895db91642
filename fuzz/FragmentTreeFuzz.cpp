// The direct reader of well-formed fragments: whatever it takes, its tree is the one the
// full parser builds. The input is read twice: as a fragment, and as a choice of pieces of
// markup, which reaches well-formed fragments far more often than bytes at random do.
#include "fuzz/FuzzInput.h"
#include "preview/GumboTreeDifference.h"
#include "preview/HtmlFragmentTree.h"

#include <string>
#include <string_view>

using quillet::HtmlFragmentTree;

namespace {

constexpr std::string_view kPieces[] = {
    "<b>",
    "</b>",
    "<i>",
    "</i>",
    "<u>",
    "</u>",
    "<s>",
    "</s>",
    "<tt>",
    "</tt>",
    "<small>",
    "</small>",
    "<FONT Color=\"#ff0000\">",
    "<font face='x y' size=5>",
    "<font color=red>",
    "</font>",
    "<FONT>",
    "</FONT>",
    "<p>",
    "<P Align=\"Center\">",
    "</p>",
    "<div align=right>",
    "</div>",
    "<center>",
    "</center>",
    "<a href=x>",
    "<A Href=\"a?b=c\">",
    "</a>",
    "<marquee>",
    "<marquee behavior=alternate bgcolor=#ffffcc>",
    "</marquee>",
    "<span>",
    "</span>",
    "<sub>",
    "</sub>",
    "<br>",
    "<BR />",
    "<img src=a.png>",
    "<IMG Src=\"b.gif\" Width=\"10\"/>",
    " ",
    "\n",
    "\t",
    "text",
    "\x8a\xbf",
    "&amp;",
    "&#32;",
    "&#x6F22;",
    "&nbsp;",
    "&lt;",
    "<table>",
    "<li>",
    "<h1>",
    "</br>",
    "<!--c-->",
    "<",
    "&",
    "<b x=1 x=2>",
    "\r",
};

void CheckFragment(const std::string& fragment) {
    const HtmlFragmentTree direct(fragment);
    if (!direct.ReadByFullParser()) {
        const HtmlFragmentTree parsed(fragment, HtmlFragmentTree::Reader::FullParser);
        quillet::fuzz::Require(quillet::GumboTreeDifference(direct.Root(), parsed.Root()).empty(),
                               "the direct reader's tree is the parser's", fragment);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckFragment(std::string(reinterpret_cast<const char*>(data), size));
    std::string pieces;
    for (std::size_t i = 0; i < size; ++i) {
        pieces += kPieces[data[i] % std::size(kPieces)];
    }
    CheckFragment(pieces);
    return 0;
}
