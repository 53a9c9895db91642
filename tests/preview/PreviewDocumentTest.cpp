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
    return document.Blocks.empty() ? std::string() : RichTextOf(document.Blocks[0]);
}

// A paragraph as the preview writes it, with no margins of its own.
std::string Paragraph(std::string_view inner, std::string_view align = {}) {
    std::string open = "<p";
    if (!align.empty()) {
        open += " align=\"" + std::string(align) + "\"";
    }
    return open + " style=\"margin-top:0px;margin-bottom:0px;\">" + std::string(inner) + "</p>";
}

// One paragraph of one run at the page's size and colour, as the preview draws it itself.
std::vector<PreviewParagraph> PlainParagraph(std::string text, std::string align = {}) {
    return {{std::move(align), 0, {{std::move(text), "", 16, false, false, "#000000"}}}};
}

// A text at the page's size and colour, with what the case adds to its style.
std::string Span(std::string_view text, std::string_view style = "font-size:16px;color:#000000;") {
    return "<span style=\"" + std::string(style) + "\">" + std::string(text) + "</span>";
}

TEST(PreviewDocument, GradationPiecesKeepTheirColours) {
    EXPECT_EQ(OnlyHtml("<Font Color=\"ff0000\">赤</Font><Font Color=\"0000FF\">青</Font>"),
              Paragraph(Span("赤", "font-size:16px;color:#ff0000;") +
                        Span("青", "font-size:16px;color:#0000FF;")));
}

TEST(PreviewDocument, FontLinkAndParagraphMakeOneStyle) {
    // A face that is not installed falls back to the default face; size 5 is 24 pixels.
    const PreviewDocument document =
        Preview("<P Align=\"Center\"><A Href=\"http://example.com/\" Target=\"_blank\">"
                "<B><U><Font Face=\"No Such Face\" Size=\"5\" Color=\"Red\">リンク"
                "</Font></U></B></A></P>");
    ASSERT_EQ(document.Blocks.size(), 1u);
    EXPECT_EQ(RichTextOf(document.Blocks[0]),
              Paragraph("<a href=\"http://example.com/\">" +
                            Span("リンク", "font-size:24px;font-weight:bold;color:red;"
                                           "text-decoration:underline;"
                                           "text-decoration-color:#0000ee;") +
                            "</a>",
                        "center"));
    // The page's 8 pixels and the paragraph's 16 meet: 8 more above and below.
    EXPECT_EQ(document.Blocks[0].MarginTop, 8);
    EXPECT_EQ(document.Blocks[0].MarginBottom, 8);
    const auto installed = [](std::string_view face) { return face == "Mine"; };
    EXPECT_EQ(OnlyHtml("<Font Face=\"Mine\" Size=\"+9\">x</Font>", installed),
              Paragraph(Span("x", "font-family:'Mine';font-size:48px;color:#000000;")));
}

TEST(PreviewDocument, ReadsMarkupAsABrowserDoes) {
    // "<" before no letter, an unknown "&" and ">" are text; references are read; unknown
    // elements and comments vanish but keep their text; a cut-off tag is dropped.
    EXPECT_EQ(OnlyHtml("a < b & c > d &copy;&#9829;&#x2665;<Blink>e</Blink><!-- x -->f<I"),
              Paragraph(Span("a &lt; b &amp; c &gt; d &#169;&#9829;&#9829;ef")));
    EXPECT_EQ(OnlyHtml("<A HREF='q\"x'>y</A>"),
              Paragraph("<a href=\"q&quot;x\">" +
                        Span("y", "font-size:16px;color:#0000ee;text-decoration:underline;"
                                  "text-decoration-color:#0000ee;") +
                        "</a>"));
    EXPECT_TRUE(Preview("").Blocks.empty());
    EXPECT_TRUE(Preview("<P Align=\"Right\"> </P>").Blocks.empty());
}

TEST(PreviewDocument, RepairsMisnestedAndUnclosedMarkupAsABrowserDoes) {
    const std::string bold = "font-size:16px;font-weight:bold;color:#000000;";
    const std::string italic = "font-size:16px;font-style:italic;color:#000000;";
    const struct {
        std::string_view fragment;
        std::string html;
    } cases[] = {
        // The italic closed with the bold opens again after it.
        {"<b>bold<i>both</b>after",
         Paragraph(Span("bold", bold) +
                   Span("both", "font-size:16px;font-weight:bold;font-style:italic;"
                                "color:#000000;") +
                   Span("after", italic))},
        // A font left open colours the paragraph inside it and what follows, a paragraph's
        // margin below.
        {"<Font Color=\"Red\"><P>x</P>y", Paragraph(Span("x", "font-size:16px;color:red;")) +
                                              "<p style=\"margin-top:16px;margin-bottom:0px;\">" +
                                              Span("y", "font-size:16px;color:red;") + "</p>"},
        // A second link ends the first.
        {"<A Href=\"a\">1<A Href=\"b\">2",
         Paragraph("<a href=\"a\">" +
                   Span("1", "font-size:16px;color:#0000ee;text-decoration:underline;"
                             "text-decoration-color:#0000ee;") +
                   "</a><a href=\"b\">" +
                   Span("2", "font-size:16px;color:#0000ee;text-decoration:underline;"
                             "text-decoration-color:#0000ee;") +
                   "</a>")},
    };
    for (const auto& [fragment, html] : cases) {
        EXPECT_EQ(OnlyHtml(fragment), html) << fragment;
    }
}

TEST(PreviewDocument, SizesHoldInsideSubscriptAndSuperscript) {
    // A fifth of the size around lowers, a third raises; inside, the text is a sixth
    // smaller unless a font size says otherwise. 13⅓ pixels are 10 points.
    EXPECT_EQ(OnlyHtml("<Sub><Font Size=\"5\">x</Font>y</Sub><Sup>z</Sup>"),
              Paragraph("<span style=\"font-size:24px;color:#000000;\" title=\"shift:-4.2;\">x"
                        "</span><span style=\"font-size:10.000pt;color:#000000;\" "
                        "title=\"shift:-4.2;\">y</span><span style=\"font-size:10.000pt;"
                        "color:#000000;\" title=\"shift:6.333;\">z</span>"));
    // A paragraph inside is a block of its own: smaller, neither raised nor lowered, with
    // margins of its own size.
    const PreviewDocument document =
        Preview("<Sup><P Align=\"Left\">上</P></Sup><Sub><P Align=\"Left\">下</P></Sub>");
    ASSERT_EQ(document.Blocks.size(), 1u);
    EXPECT_EQ(RichTextOf(document.Blocks[0]),
              Paragraph(Span("上", "font-size:10.000pt;color:#000000;"), "left") +
                  "<p align=\"left\" style=\"margin-top:13px;margin-bottom:0px;\">" +
                  Span("下", "font-size:10.000pt;color:#000000;") + "</p>");
    EXPECT_EQ(document.Blocks[0].MarginTop, 5);
}

TEST(PreviewDocument, DecorationsKeepTheColourOfTheElementThatDrawsThem) {
    EXPECT_EQ(OnlyHtml("<U><Font Color=\"Red\">x</Font></U>"),
              Paragraph(Span("x", "font-size:16px;color:red;text-decoration:underline;"
                                  "text-decoration-color:#000000;")));
    EXPECT_EQ(OnlyHtml("<A Href=\"a\"><S><Font Color=\"Red\">x</Font></S></A>"),
              Paragraph("<a href=\"a\"><span style=\"font-size:16px;color:red;"
                        "text-decoration:underline line-through;text-decoration-color:#0000ee;"
                        "\" title=\"strike:#0000ee;\">x</span></a>"));
}

TEST(PreviewDocument, MissingSymbolFacesShowTheCharactersTheirGlyphsDepict) {
    EXPECT_EQ(OnlyHtml("<Font Face=\"Symbol\">\xA9</Font>"), Paragraph(Span("&#x2665;")));
    EXPECT_EQ(OnlyHtml("<Font Face=\"Wingdings\">N<B>\xFF</B></Font>"),
              Paragraph(Span("&#x2620;") +
                        Span("&#x229E;", "font-size:16px;font-weight:bold;color:#000000;")));
    // Installed, the face draws its own glyphs from the byte values.
    EXPECT_EQ(OnlyHtml("<Font Face=\"Symbol\">\xA9</Font>", [](std::string_view) { return true; }),
              Paragraph(Span("&#xA9;", "font-family:'Symbol';font-size:16px;color:#000000;")));
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
    EXPECT_EQ(RichTextOf(document.Blocks[0]),
              Paragraph("<img src=\"preview-image:0\" /><img src=\"preview-image:1\" />"
                        "<img src=\"preview-image:2\" /><img src=\"preview-image:3\" />"));
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
    EXPECT_EQ(document.Blocks[0],
              (PreviewBlock{false, "", "", MarqueeBehavior::Scroll, kDefaultScrollAmount, 8, 0,
                            PlainParagraph("a", "right")}));
    // The closing paragraph inside the scrolling text cannot end the one around it.
    EXPECT_EQ(document.Blocks[1],
              (PreviewBlock{
                  true,
                  Paragraph(Span("m", "font-size:16px;font-weight:bold;color:#000000;"), "right"),
                  "yellow",
                  MarqueeBehavior::Alternate,
                  10,
                  0,
                  0,
                  {}}));
    EXPECT_EQ(document.Blocks[2],
              (PreviewBlock{false, "", "", MarqueeBehavior::Scroll, kDefaultScrollAmount, 0, 8,
                            PlainParagraph("b", "right")}));

    // Written even around nothing, and left open at the end, it still shows.
    const PreviewDocument empty = Preview("<Marquee Behavior=\"Slide\">");
    ASSERT_EQ(empty.Blocks.size(), 1u);
    EXPECT_EQ(empty.Blocks[0], (PreviewBlock{true, "", "", MarqueeBehavior::Slide, 6, 0, 0, {}}));
}

// Text in faces, sizes, weights, slants, colours, lines and links is drawn by the preview
// itself; anything else in the block leaves all of it to the rich text engine.
TEST(PreviewDocument, PlainTextComesAsRunsOfOneLook) {
    const auto installed = [](std::string_view face) { return face == "Mine"; };
    const PreviewDocument document = Preview(
        "<P Align=\"Center\"><Font Face=\"Mine\" Color=\"Red\">a\n b</Font> <Font "
        "Color=\"#ff0000\">c</Font><B><I><Font Size=\"5\">&#x4E00;</Font></I></B></P><P>d</P>",
        installed);
    ASSERT_EQ(document.Blocks.size(), 1u);
    EXPECT_EQ(document.Blocks[0].Paragraphs,
              (std::vector<PreviewParagraph>{{"center",
                                              0,
                                              {{"a\n b", "Mine", 16, false, false, "red"},
                                               {" ", "", 16, false, false, "#000000"},
                                               {"c", "", 16, false, false, "#ff0000"},
                                               {"\xE4\xB8\x80", "", 24, true, true, "#000000"}}},
                                             {"", 16, {{"d", "", 16, false, false, "#000000"}}}}));

    for (const char* rich :
         {"a<BR>b", "a<Img Src=\"x.png\">", "<Sup>a</Sup>", "<Font Face=\"Symbol\">a</Font>",
          "<P Align=\"Justify\">a</P>", "a&#x5D0;", "a\x81"}) {
        const PreviewDocument mixed = Preview(std::string("plain ") + rich, installed);
        ASSERT_EQ(mixed.Blocks.size(), 1u) << rich;
        EXPECT_TRUE(mixed.Blocks[0].Paragraphs.empty()) << rich;
        // What came before is written out as the rich text it would have been.
        EXPECT_TRUE(mixed.Blocks[0].Html.starts_with(
            "<p style=\"margin-top:0px;margin-bottom:0px;\">" + Span("plain ").substr(0, 50)))
            << rich;
    }
}

// Lines and links drawn by the preview are written as the rich text the walk writes for them
// from the start: "%" is where a left-to-right mark, which keeps the text rich, goes.
TEST(PreviewDocument, DecoratedRunsAreTheRichTextTheWalkWrites) {
    const auto installed = [](std::string_view) { return true; };
    for (const std::string fragment :
         {"<A Href=\"h&amp;\"><Font Color=\"#ff0000\">%a</Font><Font Color=\"#ff0000\">b</Font>"
          "<Font Color=\"#0000ff\">c</Font></A>",
          "<U><Font Color=\"Red\">%a</Font> b</U>",
          "<S><U>%x</U></S><B><A Href=\"y\">z</A></B><Strike>w</Strike>"}) {
        std::string plain = fragment;
        plain.erase(plain.find('%'), 1);
        std::string marked = fragment;
        marked.replace(marked.find('%'), 1, "&#x200E;");
        const PreviewDocument drawn = Preview(plain, installed);
        const PreviewDocument rich = Preview(marked, installed);
        ASSERT_EQ(drawn.Blocks.size(), 1u) << fragment;
        ASSERT_EQ(rich.Blocks.size(), 1u) << fragment;
        EXPECT_FALSE(drawn.Blocks[0].Paragraphs.empty()) << fragment;
        std::string html = rich.Blocks[0].Html;
        html.erase(html.find("&#8206;"), 7);
        EXPECT_EQ(RichTextOf(drawn.Blocks[0]), html) << fragment;
    }
}

} // namespace
} // namespace quillet
