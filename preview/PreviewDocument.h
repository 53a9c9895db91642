#pragma once

#include "preview/MarqueeMotion.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// Text in one look, which the preview lays out and draws itself: what a long gradation is
// made of, one run a character.
struct PreviewRun {
    std::string Text;   // UTF-8, white space as written
    std::string Family; // an installed face; empty for the page's
    double Pixels = 16; // whole, or a fraction Qt reads as points to a thousandth
    bool Bold = false;
    bool Italic = false;
    std::string Color; // "#rrggbb" or a colour name
    // Lines under and through the text in the colour of the element that draws them; empty
    // for none.
    std::string Underline{};
    std::string Strike{};
    bool Link = false;
    std::string Href{}; // UTF-8; a link leads nowhere in the preview, but its markup keeps it

    bool SameLook(const PreviewRun& other) const {
        return Family == other.Family && Pixels == other.Pixels && Bold == other.Bold &&
               Italic == other.Italic && Color == other.Color && Underline == other.Underline &&
               Strike == other.Strike && Link == other.Link && Href == other.Href;
    }
    bool operator==(const PreviewRun&) const = default;
};

struct PreviewParagraph {
    std::string Align; // "", "left", "center" or "right"
    int MarginTop = 0; // pixels above it, the margins met
    std::vector<PreviewRun> Runs;

    bool operator==(const PreviewParagraph&) const = default;
};

// What the preview shows for a fragment: a column of blocks, each either rich text for
// Qt's text engine or a scrolling text, which that engine cannot move. Texts are code page
// 932; characters outside it are numeric character references.
struct PreviewBlock {
    bool Marquee = false;
    std::string Html; // empty for a block of Paragraphs: see RichTextOf
    // Scrolling text only.
    std::string BgColor; // "#rrggbb" or a colour name; empty for none
    MarqueeBehavior Behavior = MarqueeBehavior::Scroll;
    int Amount = kDefaultScrollAmount;
    // Rich text only: pixels above its first paragraph and below its last, as the page's
    // and the paragraphs' margins meet there.
    int MarginTop = 0;
    int MarginBottom = 0;
    // Rich text only: the same text as paragraphs of runs, when it holds nothing but text
    // in faces, sizes, weights, slants, colours, lines and links; empty otherwise.
    std::vector<PreviewParagraph> Paragraphs;

    bool operator==(const PreviewBlock&) const = default;
};

// An image of the fragment, named PreviewImageName(index) in the blocks' rich text.
struct PreviewImage {
    enum class Where { Absolute, Relative, Remote };
    std::string Source; // the Src as written
    Where where = Where::Relative;
    std::string Path; // Absolute: the path without a "file:" prefix; Relative: the Src

    bool operator==(const PreviewImage&) const = default;
};

struct PreviewDocument {
    std::vector<PreviewBlock> Blocks;
    std::vector<PreviewImage> Images;
};

// Whether a typeface is installed. A face that is not falls back to the default face, and
// a symbol face that is not shows the characters its glyphs depict.
using FaceInstalled = std::function<bool(std::string_view face)>;

// Reads the fragment as a browser would and writes it as the subset of HTML that Qt's rich
// text engine takes: sizes in pixels, colours with "#", a span per font element.
PreviewDocument MakePreviewDocument(std::string_view fragment, const FaceInstalled& installed);

// The block as rich text for Qt's engine: a block of runs has it written out only when
// asked, since the preview draws such a block itself.
std::string RichTextOf(const PreviewBlock& block);

std::string PreviewImageName(std::size_t index);

// Browser pixel sizes of font sizes 1 to 7; a size outside is clamped to them.
int FontSizePixels(int size);

} // namespace quillet
