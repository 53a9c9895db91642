#include "core/Html5SymbolMarkup.h"

#include "core/Html5Css.h"
#include "core/MarkupUnits.h"
#include "core/SymbolFaceGlyphs.h"
#include "platform/AsciiText.h"
#include "platform/CodePage932.h"

#include <optional>
#include <vector>

namespace quillet {
namespace {

struct Attribute {
    std::string Name; // lower case
    std::string Value;
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The attributes of a start tag's text (without '<' and '>'), after its name.
std::vector<Attribute> ParseAttributes(std::string_view tag, std::size_t pos) {
    std::vector<Attribute> attributes;
    while (pos < tag.size()) {
        while (pos < tag.size() && (IsSpace(tag[pos]) || tag[pos] == '/')) {
            ++pos;
        }
        const std::size_t nameStart = pos;
        while (pos < tag.size() && !IsSpace(tag[pos]) && tag[pos] != '=' && tag[pos] != '/') {
            ++pos;
        }
        if (pos == nameStart) {
            break;
        }
        Attribute attribute{AsciiLower(tag.substr(nameStart, pos - nameStart)), {}};
        while (pos < tag.size() && IsSpace(tag[pos])) {
            ++pos;
        }
        if (pos < tag.size() && tag[pos] == '=') {
            ++pos;
            while (pos < tag.size() && IsSpace(tag[pos])) {
                ++pos;
            }
            if (pos < tag.size() && (tag[pos] == '"' || tag[pos] == '\'')) {
                const char quote = tag[pos++];
                const std::size_t end = std::min(tag.find(quote, pos), tag.size());
                attribute.Value = tag.substr(pos, end - pos);
                pos = end + 1;
            } else {
                const std::size_t valueStart = pos;
                while (pos < tag.size() && !IsSpace(tag[pos])) {
                    ++pos;
                }
                attribute.Value = tag.substr(valueStart, pos - valueStart);
            }
        }
        attributes.push_back(std::move(attribute));
    }
    return attributes;
}

// The element name of a tag's text, lower case, and where its attributes start.
std::string_view TagName(std::string_view tag, std::size_t& end) {
    std::size_t pos = tag[0] == '/' ? 1 : 0;
    end = pos;
    while (end < tag.size() && IsAsciiLetterOrDigit(tag[end])) {
        ++end;
    }
    return tag.substr(pos, end - pos);
}

bool IsHexColor(std::string_view value) {
    if (value.size() != 6) {
        return false;
    }
    for (const char c : value) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) {
            return false;
        }
    }
    return true;
}

// A font element's attributes as CSS declarations, in the order the font page writes them;
// the symbol face goes into `face`.
std::string FontCss(const std::vector<Attribute>& attributes, SymbolFace& face) {
    std::string family;
    std::string size;
    std::string color;
    for (const Attribute& attribute : attributes) {
        if (attribute.Name == "face") {
            face = SymbolFaceNamed(attribute.Value);
            family.clear();
            if (face == SymbolFace::None && !attribute.Value.empty()) {
                family = "font-family:";
                AppendCssFamily(family, attribute.Value);
            }
        } else if (attribute.Name == "size" && attribute.Value.size() == 1 &&
                   !CssFontSizeKeyword(attribute.Value[0] - '0').empty()) {
            size = "font-size:";
            size += CssFontSizeKeyword(attribute.Value[0] - '0');
        } else if (attribute.Name == "color" && !attribute.Value.empty()) {
            // The program writes other colours as bare hexadecimal digits; CSS wants '#'.
            color = IsHexColor(attribute.Value) ? "color:#" : "color:";
            color += attribute.Value;
        }
    }
    std::string css;
    for (const std::string* declaration : {&family, &size, &color}) {
        if (!declaration->empty()) {
            css += css.empty() ? "" : ";";
            css += *declaration;
        }
    }
    return css;
}

// The text of a run in a symbol face: each single-byte glyph the character it depicts.
void AppendGlyphs(std::string& out, std::string_view text, SymbolFace face) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length =
            text[pos] == '&' ? ReferenceLength(text, pos) : cp932::CharLength(text, pos);
        const std::size_t step = length == 0 ? 1 : length;
        const char32_t glyph =
            step == 1 ? SymbolGlyph(face, static_cast<unsigned char>(text[pos])) : 0;
        if (glyph != 0) {
            std::u16string unit;
            if (glyph > 0xFFFF) {
                unit += static_cast<char16_t>(0xD800 + ((glyph - 0x10000) >> 10));
                unit += static_cast<char16_t>(0xDC00 + ((glyph - 0x10000) & 0x3FF));
            } else {
                unit += static_cast<char16_t>(glyph);
            }
            out += cp932::FromUtf16(unit);
        } else {
            out += text.substr(pos, step);
        }
        pos += step;
    }
}

} // namespace

std::string Html5SymbolMarkup(std::string_view content) {
    std::string out;
    // Per open font element: whether it became a span, and the face it set.
    struct OpenFont {
        bool Span;
        SymbolFace Face;
    };
    std::vector<OpenFont> fonts;
    const auto currentFace = [&fonts] {
        return fonts.empty() ? SymbolFace::None : fonts.back().Face;
    };
    for (std::size_t pos = 0; pos < content.size();) {
        const std::size_t tagLength = content[pos] == '<' ? MarkupTagLength(content, pos) : 0;
        if (tagLength == 0) {
            std::size_t end = content.find('<', pos + 1);
            end = end == std::string_view::npos ? content.size() : end;
            // A '<' that starts no tag is text: take it with the run.
            const std::string_view run = content.substr(pos, end - pos);
            if (currentFace() != SymbolFace::None) {
                AppendGlyphs(out, run, currentFace());
            } else {
                out += run;
            }
            pos = end;
            continue;
        }
        const std::string_view tag = content.substr(pos + 1, tagLength - 2);
        std::size_t nameEnd = 0;
        const std::string name = AsciiLower(TagName(tag, nameEnd));
        if (name == "font" && tag[0] != '/') {
            SymbolFace face = currentFace();
            const std::string css = FontCss(ParseAttributes(tag, nameEnd), face);
            if (!css.empty()) {
                out += "<span";
                AppendHtml5Attribute(out, "style", css);
                out += '>';
            }
            fonts.push_back({!css.empty(), face});
        } else if (name == "font") {
            if (!fonts.empty()) {
                out += fonts.back().Span ? "</span>" : "";
                fonts.pop_back();
            }
        } else {
            out += content.substr(pos, tagLength);
        }
        pos += tagLength;
    }
    return out;
}

} // namespace quillet
