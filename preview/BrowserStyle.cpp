#include "preview/BrowserStyle.h"

#include "platform/AsciiText.h"
#include "preview/HtmlFragmentTree.h"

#include <algorithm>

namespace quillet {
namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// "1" to "7", or "+n" and "-n" from the base size 3; 0 when there is no size.
int FontSizeFrom(std::string_view value) {
    const std::string text = Trimmed(value);
    std::size_t pos = 0;
    int sign = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        sign = text[pos] == '+' ? 1 : -1;
        ++pos;
    }
    if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') {
        return 0;
    }
    int number = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        number = std::min(number * 10 + (text[pos] - '0'), 100);
    }
    const int size = sign == 0 ? number : 3 + sign * number;
    return std::clamp(size, 1, 7);
}

void Font(const GumboElement& element, const FaceInstalled& isInstalled, TextStyle& style) {
    if (HasAttribute(element, "face")) {
        const std::string face = Cp932FromUtf8(Trimmed(AttributeOf(element, "face")));
        const bool installed = !face.empty() && isInstalled && isInstalled(face);
        if (installed) {
            style.family = face;
        }
        // A face that is missing falls back to the face around it.
        const SymbolFace symbol = SymbolFaceNamed(face);
        if (!face.empty()) {
            style.glyphs = installed ? SymbolFace::None : symbol;
            style.glyphCodes = installed && symbol != SymbolFace::None;
        }
    }
    if (const int size = FontSizeFrom(AttributeOf(element, "size"))) {
        style.size = FontSizePixels(size);
    }
    if (const std::string color = CssColor(AttributeOf(element, "color")); !color.empty()) {
        style.color = color;
    }
}

} // namespace

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n\f");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t\r\n\f");
    return std::string(text.substr(first, last - first + 1));
}

// Six hex digits without "#", as the colour choices write them, get their "#"; names and
// "#" colours stay; anything else is no colour.
std::string CssColor(std::string_view value) {
    std::string color = Trimmed(value);
    if (color.size() == 6 && std::ranges::all_of(color, IsHexDigit)) {
        return "#" + color;
    }
    if (color.size() > 1 && color[0] == '#' &&
        std::all_of(color.begin() + 1, color.end(), IsHexDigit)) {
        return color;
    }
    if (!color.empty() && std::ranges::all_of(color, [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        })) {
        return AsciiLower(color);
    }
    return {};
}

std::string_view AttributeOf(const GumboElement& element, const char* name) {
    const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
    return attribute != nullptr ? std::string_view(attribute->value) : std::string_view();
}

bool HasAttribute(const GumboElement& element, const char* name) {
    return gumbo_get_attribute(&element.attributes, name) != nullptr;
}

Display DisplayOf(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_P:
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_CENTER:
    case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_ADDRESS:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
    case GUMBO_TAG_UL:
    case GUMBO_TAG_OL:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_PRE:
        return Display::Block;
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_TITLE:
    case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_NOSCRIPT:
    case GUMBO_TAG_HEAD:
    case GUMBO_TAG_META:
    case GUMBO_TAG_LINK:
        return Display::Hidden;
    default:
        return Display::Inline;
    }
}

void ApplyElementStyle(const GumboElement& element, const FaceInstalled& installed,
                       TextStyle& style, BlockStyle& block) {
    switch (element.tag) {
    case GUMBO_TAG_B:
    case GUMBO_TAG_STRONG:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
        style.bold = true;
        break;
    case GUMBO_TAG_I:
    case GUMBO_TAG_EM:
    case GUMBO_TAG_CITE:
    case GUMBO_TAG_VAR:
    case GUMBO_TAG_DFN:
    case GUMBO_TAG_ADDRESS:
        style.italic = true;
        break;
    case GUMBO_TAG_U:
    case GUMBO_TAG_INS:
        style.underline = style.color;
        break;
    case GUMBO_TAG_S:
    case GUMBO_TAG_STRIKE:
    case GUMBO_TAG_DEL:
        style.strike = style.color;
        break;
    case GUMBO_TAG_SUB:
    case GUMBO_TAG_SUP: {
        // Lowered by a fifth of the size around it, raised by a third, one pixel more.
        const double around = style.size;
        style.shift += element.tag == GUMBO_TAG_SUB ? -(around / 5 + 1) : around / 3 + 1;
        style.size = around / 1.2;
        break;
    }
    case GUMBO_TAG_SMALL:
        style.size /= 1.2;
        break;
    case GUMBO_TAG_BIG:
        style.size *= 1.2;
        break;
    case GUMBO_TAG_A:
        if (HasAttribute(element, "href")) {
            style.link = true;
            style.href = Trimmed(AttributeOf(element, "href"));
            style.color = kLinkColor;
            style.underline = style.color;
        }
        break;
    case GUMBO_TAG_FONT:
        Font(element, installed, style);
        break;
    case GUMBO_TAG_CENTER:
        block.align = "center";
        break;
    case GUMBO_TAG_P:
    case GUMBO_TAG_DIV:
        if (const std::string align = AsciiLower(Trimmed(AttributeOf(element, "align")));
            align == "left" || align == "center" || align == "right" || align == "justify") {
            block.align = align;
        }
        break;
    default:
        break;
    }
}

} // namespace quillet
