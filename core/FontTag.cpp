#include "core/FontTag.h"

#include "core/ColorPalette.h"
#include "core/ComposerTexts.h"
#include "core/HtmlAttribute.h"

#include <algorithm>
#include <array>

namespace quillet {
namespace {

constexpr std::array<FontSizeRow, 8> kFontSizes{{
    {"標準", 0, 19},
    {"1(最小)", 1, 13},
    {"2", 2, 15},
    {"3", 3, 17},
    {"4", 4, 19},
    {"5", 5, 23},
    {"6", 6, 29},
    {"7(最大)", 7, 41},
}};

// The style elements, innermost first: the opening text puts them in front of the font
// element in this order, the closing text appends them after "</Font>".
struct StyleElement {
    bool ComposerState::*Flag;
    std::string_view Open;
    std::string_view Close;
};

constexpr std::array<StyleElement, 4> kStyles{{
    {&ComposerState::Strike, "<S>", "</S>"},
    {&ComposerState::Underline, "<U>", "</U>"},
    {&ComposerState::Italic, "<I>", "</I>"},
    {&ComposerState::Bold, "<B>", "</B>"},
}};

bool HasFace(const ComposerState& state) {
    return state.FontFace != StandardFontFace();
}

bool HasSize(const FontSizeRow* size) {
    return size != nullptr && size->Digit != 0;
}

// The same test for both ends, so that a size outside the list, which writes no attribute,
// cannot leave a closing "</Font>" without its opening.
bool HasFontElement(const ComposerState& state, const FontSizeRow* size) {
    return HasFace(state) || HasSize(size) || !IsStandard(state.FontColor);
}

} // namespace

std::span<const FontSizeRow> FontSizeTable() {
    return kFontSizes;
}

const FontSizeRow* FindFontSize(std::string_view item) {
    const auto found = std::ranges::find(kFontSizes, item, &FontSizeRow::Item);
    return found == kFontSizes.end() ? nullptr : &*found;
}

void AppendFontOpenTag(std::string& out, const ComposerState& state, SampleFont* sample) {
    for (auto style = kStyles.rbegin(); style != kStyles.rend(); ++style) {
        if (state.*style->Flag) {
            out += style->Open;
        }
    }

    const FontSizeRow* size = FindFontSize(state.FontSize);
    if (HasFontElement(state, size)) {
        out += "<Font";
        if (HasFace(state)) {
            AppendAttribute(out, "Face", state.FontFace, state.Quote);
        }
        if (HasSize(size)) {
            const char digit = static_cast<char>('0' + size->Digit);
            AppendAttribute(out, "Size", std::string_view(&digit, 1), state.Quote);
        }
        if (!IsStandard(state.FontColor)) {
            AppendAttribute(out, "Color", HtmlColorText(state.FontColor), state.Quote);
        }
        out += '>';
    }

    if (sample != nullptr) {
        sample->Face = HasFace(state) ? state.FontFace : std::string(SampleFallbackFace());
        sample->PixelHeight = size != nullptr ? size->SampleHeight : state.SampleHeight;
        sample->Bold = state.Bold;
        sample->Italic = state.Italic;
        sample->Underline = state.Underline;
        sample->Strike = state.Strike;
    }
}

void AppendFontCloseTag(std::string& out, const ComposerState& state) {
    if (HasFontElement(state, FindFontSize(state.FontSize))) {
        out += "</Font>";
    }
    for (const StyleElement& style : kStyles) {
        if (state.*style.Flag) {
            out += style.Close;
        }
    }
}

std::string FontOpenTag(const ComposerState& state, SampleFont* sample) {
    std::string text;
    AppendFontOpenTag(text, state, sample);
    return text;
}

std::string FontCloseTag(const ComposerState& state) {
    std::string text;
    AppendFontCloseTag(text, state);
    return text;
}

} // namespace quillet
