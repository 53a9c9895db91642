#include "preview/PreviewDocument.h"

#include "core/SymbolFaceGlyphs.h"
#include "symbols/BuiltInSymbols.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

bool NothingInstalled(std::string_view) {
    return false;
}

PreviewDocument Preview(std::string_view fragment,
                        const FaceInstalled& installed = NothingInstalled) {
    return MakePreviewDocument(fragment, installed);
}

std::string OnlyHtml(std::string_view fragment, const FaceInstalled& installed = NothingInstalled) {
    const PreviewDocument document = Preview(fragment, installed);
    EXPECT_EQ(document.Blocks.size(), 1u) << fragment;
    return document.Blocks.empty() ? std::string() : document.Blocks[0].Html;
}

TEST(PreviewDocument, GradationPiecesKeepTheirColours) {
    EXPECT_EQ(OnlyHtml("<Font Color=\"ff0000\">赤</Font><Font Color=\"0000FF\">青</Font>"),
              "<span style=\"color:#ff0000;\">赤</span><span style=\"color:#0000FF;\">青</span>");
}

TEST(PreviewDocument, FontLinkAndParagraphNestAsWritten) {
    // A face that is not installed falls back to the default face; size 5 is 24 pixels.
    EXPECT_EQ(OnlyHtml("<P Align=\"Center\"><A Href=\"http://example.com/\" Target=\"_blank\">"
                       "<B><U><Font Face=\"No Such Face\" Size=\"5\" Color=\"Red\">リンク"
                       "</Font></U></B></A></P>"),
              "<p align=\"center\"><a href=\"http://example.com/\"><b><u>"
              "<span style=\"font-size:24px;color:red;\">リンク</span></u></b></a></p>");
    const auto installed = [](std::string_view face) { return face == "Mine"; };
    EXPECT_EQ(
        OnlyHtml("<Font Face=\"Mine\" Size=\"+9\">x</Font><Sub>1</Sub><Sup>2</Sup>", installed),
        "<span style=\"font-family:'Mine';font-size:48px;\">x</span><sub>1</sub><sup>2</sup>");
}

TEST(PreviewDocument, ReadsMarkupAsABrowserDoes) {
    // "<" before no letter, an unknown "&" and ">" are text; references pass through;
    // unknown elements and comments vanish but keep their text; a cut-off tag is dropped.
    EXPECT_EQ(OnlyHtml("a < b & c > d &copy;&#9829;&#x2665;<Blink>e</Blink><!-- x -->f<I"),
              "a &lt; b &amp; c &gt; d &copy;&#9829;&#x2665;ef");
    EXPECT_EQ(OnlyHtml("<b>bold<i>both</b>after"), "<b>bold<i>both</i></b>after");
    EXPECT_EQ(OnlyHtml("<A HREF='q\"x'>y</A>"), "<a href=\"q&quot;x\">y</a>");
    EXPECT_TRUE(Preview("").Blocks.empty());
    EXPECT_TRUE(Preview("<P Align=\"Right\"> </P>").Blocks.empty());
}

TEST(PreviewDocument, MissingSymbolFacesShowTheCharactersTheirGlyphsDepict) {
    EXPECT_EQ(OnlyHtml("<Font Face=\"Symbol\">\xA9</Font>"), "<span>&#x2665;</span>");
    EXPECT_EQ(OnlyHtml("<Font Face=\"Wingdings\">N<B>\xFF</B></Font>"),
              "<span>&#x2620;<b>&#x229E;</b></span>");
    // Installed, the face draws its own glyphs from the byte values.
    EXPECT_EQ(OnlyHtml("<Font Face=\"Symbol\">\xA9</Font>", [](std::string_view) { return true; }),
              "<span style=\"font-family:'Symbol';\">&#xA9;</span>");
}

TEST(PreviewDocument, EveryBuiltInSymbolGlyphHasItsCharacter) {
    for (const SymbolRow& row : BuiltInSymbols()) {
        const std::string& content = row.record.content;
        if (!content.starts_with("<Font")) {
            continue; // the two character entities
        }
        const std::size_t glyph = content.find('>') + 1;
        const SymbolFace face = SymbolFaceNamed(content.substr(12, glyph - 14));
        ASSERT_NE(face, SymbolFace::None) << content;
        EXPECT_NE(SymbolGlyph(face, static_cast<unsigned char>(content[glyph])), 0u) << content;
    }
}

TEST(PreviewDocument, ImagesAreNamedByIndexAndTheirAddressesClassified) {
    const PreviewDocument document = Preview(
        "<Img Src=\"pic.gif\"><Img Src=\"/home/u/a.png\"><Img Src=\"FILE:///tmp/b%20c.png\">"
        "<Img Src=\"http://example.com/d.png\">");
    ASSERT_EQ(document.Blocks.size(), 1u);
    EXPECT_EQ(document.Blocks[0].Html,
              "<img src=\"preview-image:0\" /><img src=\"preview-image:1\" />"
              "<img src=\"preview-image:2\" /><img src=\"preview-image:3\" />");
    using Where = PreviewImage::Where;
    EXPECT_EQ(document.Images, (std::vector<PreviewImage>{
                                   {"pic.gif", Where::Relative, "pic.gif"},
                                   {"/home/u/a.png", Where::Absolute, "/home/u/a.png"},
                                   {"FILE:///tmp/b%20c.png", Where::Absolute, "/tmp/b%20c.png"},
                                   {"http://example.com/d.png", Where::Remote, ""}}));
}

TEST(PreviewDocument, ScrollingTextIsABlockOfItsOwnInsideItsParagraph) {
    const PreviewDocument document =
        Preview("<P Align=\"Right\">a<Marquee BgColor=\"Yellow\" Behavior=\"Alternate\" "
                "ScrollAmount=\"10\"><B>m</P></B></Marquee>b</P>");
    ASSERT_EQ(document.Blocks.size(), 3u);
    EXPECT_EQ(document.Blocks[0], (PreviewBlock{false, "<p align=\"right\">a</p>", "",
                                                MarqueeBehavior::Scroll, kDefaultScrollAmount}));
    // The closing paragraph inside the scrolling text cannot end the one around it.
    EXPECT_EQ(document.Blocks[1], (PreviewBlock{true, "<p align=\"right\"><b>m</b></p>", "yellow",
                                                MarqueeBehavior::Alternate, 10}));
    EXPECT_EQ(document.Blocks[2].Html, "<p align=\"right\">b</p>");

    // Written even around nothing, and left open at the end, it still shows.
    const PreviewDocument empty = Preview("<Marquee Behavior=\"Slide\">");
    ASSERT_EQ(empty.Blocks.size(), 1u);
    EXPECT_EQ(empty.Blocks[0], (PreviewBlock{true, "", "", MarqueeBehavior::Slide, 6}));
}

} // namespace
} // namespace quillet
