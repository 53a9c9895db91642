#include "core/Html5Elements.h"

#include "core/ComposerTexts.h"
#include "core/FontTag.h"
#include "core/HexColor.h"
#include "core/Html5Css.h"
#include "core/LinkTag.h"
#include "core/MarkupUnits.h"
#include "platform/AsciiText.h"

#include <algorithm>
#include <array>

namespace quillet {
namespace {

struct StyleElement {
    bool ComposerState::*Flag;
    std::string_view Open;
    std::string_view Close;
};

// Innermost first, as in the present style.
constexpr std::array<StyleElement, 4> kStyles{{
    {&ComposerState::Strike, "<s>", "</s>"},
    {&ComposerState::Underline, "<u>", "</u>"},
    {&ComposerState::Italic, "<i>", "</i>"},
    {&ComposerState::Bold, "<b>", "</b>"},
}};

// The declarations of the font span; empty when the font page sets nothing.
std::string FontDeclarations(const ComposerState& state) {
    std::string css;
    const auto add = [&css](std::string_view property) {
        if (!css.empty()) {
            css += ';';
        }
        css += property;
        css += ':';
    };
    if (state.FontFace != StandardFontFace()) {
        add("font-family");
        AppendCssFamily(css, state.FontFace);
    }
    if (const FontSizeRow* size = FindFontSize(state.FontSize); size != nullptr) {
        if (const std::string_view keyword = CssFontSizeKeyword(size->Digit); !keyword.empty()) {
            add("font-size");
            css += keyword;
        }
    }
    if (const std::string color = CssColor(state.FontColor); !color.empty()) {
        add("color");
        css += color;
    }
    return css;
}

bool HasLink(const ComposerState& state) {
    return !state.LinkUrl.empty() || state.LinkTarget != SameWindowTarget();
}

std::string_view VerticalElement(const ComposerState& state) {
    if (state.VerticalPosition == "Sub") {
        return "sub";
    }
    if (state.VerticalPosition == "Sup") {
        return "sup";
    }
    return {};
}

// The file name of a source without its folder, query, fragment and extension.
std::string_view ImageStem(std::string_view src) {
    src = src.substr(0, std::min(src.find('?'), src.find('#')));
    if (const std::size_t slash = src.find_last_of("/\\"); slash != std::string_view::npos) {
        src.remove_prefix(slash + 1);
    }
    if (const std::size_t dot = src.rfind('.'); dot != std::string_view::npos && dot > 0) {
        src = src.substr(0, dot);
    }
    return src;
}

} // namespace

void AppendHtml5FontOpenTag(std::string& out, const ComposerState& state, SampleFont* sample) {
    if (sample != nullptr) {
        std::string present;
        AppendFontOpenTag(present, state, sample); // the sample is the same in both styles
    }
    for (auto style = kStyles.rbegin(); style != kStyles.rend(); ++style) {
        if (state.*style->Flag) {
            out += style->Open;
        }
    }
    if (const std::string css = FontDeclarations(state); !css.empty()) {
        out += "<span";
        AppendHtml5Attribute(out, "style", css);
        out += '>';
    }
}

void AppendHtml5FontCloseTag(std::string& out, const ComposerState& state) {
    if (!FontDeclarations(state).empty()) {
        out += "</span>";
    }
    for (const StyleElement& style : kStyles) {
        if (state.*style.Flag) {
            out += style.Close;
        }
    }
}

void AppendHtml5ParagraphOpenTag(std::string& out, const ComposerState& state) {
    if (!state.Align.empty()) {
        out += "<p";
        AppendHtml5Attribute(out, "style", "text-align:" + AsciiLower(state.Align));
        out += '>';
    }
    if (const std::string_view element = VerticalElement(state); !element.empty()) {
        out += '<';
        out += element;
        out += '>';
    }
}

void AppendHtml5ParagraphCloseTag(std::string& out, const ComposerState& state) {
    if (const std::string_view element = VerticalElement(state); !element.empty()) {
        out += "</";
        out += element;
        out += '>';
    }
    if (!state.Align.empty()) {
        out += "</p>";
    }
}

void AppendHtml5LinkOpenTag(std::string& out, const ComposerState& state) {
    if (!HasLink(state)) {
        return;
    }
    out += "<a";
    if (!state.LinkUrl.empty()) {
        AppendHtml5UrlAttribute(out, "href", state.LinkUrl);
        if (const std::string_view target = LinkTargetOf(state); !target.empty()) {
            AppendHtml5Attribute(out, "target", target);
        }
    }
    out += '>';
}

void AppendHtml5LinkCloseTag(std::string& out, const ComposerState& state) {
    if (HasLink(state)) {
        out += "</a>";
    }
}

void AppendHtml5ImageTag(std::string& out, const ComposerState& state) {
    if (state.ImageSrc.empty()) {
        return;
    }
    out += "<img";
    AppendHtml5UrlAttribute(out, "src", state.ImageSrc);
    AppendHtml5Attribute(out, "alt", ImageStem(state.ImageSrc));
    out += '>';
}

std::string Html5ImageTag(const ComposerState& state) {
    std::string text;
    AppendHtml5ImageTag(text, state);
    return text;
}

void AppendHtml5Gradation(std::string& out, std::string_view text, Rgb start, Rgb end,
                          bool markup) {
    const std::vector<MarkupUnit> units = SplitMarkupUnits(text, markup);
    const auto count = static_cast<std::size_t>(
        std::ranges::count_if(units, [](const MarkupUnit& unit) { return !unit.Tag; }));
    if (count < 2) {
        if (markup) {
            out += text;
        }
        return;
    }
    std::size_t index = 0;
    for (const MarkupUnit& unit : units) {
        const std::string_view piece = text.substr(unit.Pos, unit.Length);
        if (unit.Tag) {
            out += piece;
            continue;
        }
        out += "<span style=\"color:#";
        const Rgb colour = MakeRgb(GradationChannelAt(RedOf(start), RedOf(end), index, count),
                                   GradationChannelAt(GreenOf(start), GreenOf(end), index, count),
                                   GradationChannelAt(BlueOf(start), BlueOf(end), index, count));
        AppendHexColor(out, colour);
        out += "\">";
        out += piece;
        out += "</span>";
        ++index;
    }
}

} // namespace quillet
