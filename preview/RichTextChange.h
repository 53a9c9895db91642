#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// The difference between two texts of the rich text PreviewDocument writes, as one stretch
// of the shown characters replaced by another: what lets the preview lay out again only the
// part of a long text that changed. Texts are code page 932.
struct RichTextChange {
    // The shown characters before and after, as Qt's engine makes them of the markup, with
    // "\n" for a line break and "\r" for an image. Offsets are bytes of these texts.
    std::string OldText;
    std::string NewText;
    std::size_t Start = 0;
    std::size_t OldEnd = 0;
    std::size_t NewEnd = 0;
    // The replacing stretch as markup of its own: each piece inside the inline elements it
    // stands in, so that it gets the formats it has in the whole text.
    std::string Html;
};

// The shown characters of one paragraph of rich text; nothing when the text holds more than
// one paragraph, references, or white space that the engine might fold, whose characters
// only the engine itself can tell.
std::optional<std::string> RichTextCharacters(std::string_view html);

// Nothing when either text is one RichTextCharacters cannot read.
std::optional<RichTextChange> FindRichTextChange(std::string_view oldHtml,
                                                 std::string_view newHtml);

} // namespace quillet
