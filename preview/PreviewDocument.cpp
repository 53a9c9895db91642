#include "preview/PreviewDocument.h"

#include "core/SymbolFaceGlyphs.h"
#include "platform/AsciiText.h"
#include "platform/CodePage932.h"
#include "preview/HtmlFragmentTree.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace quillet {
namespace {

constexpr std::array<int, 7> kSizePixels{10, 13, 16, 18, 24, 32, 48};
constexpr double kPageTextPixels = 16;
constexpr double kBodyMargin = 8;
constexpr std::string_view kTextColor = "#000000";
constexpr std::string_view kLinkColor = "#0000ee";

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

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

// Pixels as Qt's parser takes them: whole pixels, or points for a fraction of one.
std::string CssLength(double pixels) {
    char text[32];
    if (std::abs(pixels - std::round(pixels)) < 0.001) {
        std::snprintf(text, sizeof text, "%dpx", static_cast<int>(std::round(pixels)));
    } else {
        std::snprintf(text, sizeof text, "%.3fpt", pixels * 0.75);
    }
    return text;
}

// Qt's parser takes margins in whole pixels only.
std::string CssMargin(double pixels) {
    return std::to_string(static_cast<int>(std::lround(pixels))) + "px";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string number = text;
    number.erase(number.find_last_not_of('0') + 1);
    if (number.ends_with('.')) {
        number.pop_back();
    }
    return number;
}

void AppendCharacterReference(std::string& out, char32_t character) {
    char text[16];
    std::snprintf(text, sizeof text, "&#x%X;", static_cast<unsigned>(character));
    out += text;
}

// An attribute value for Qt's parser, code page 932.
std::string AttributeValue(std::string_view utf8) {
    std::string escaped;
    for (const char c : utf8) {
        if (c == '"') {
            escaped += "&quot;";
        } else if (c == '&') {
            escaped += "&amp;";
        } else if (c == '<') {
            escaped += "&lt;";
        } else {
            escaped += c;
        }
    }
    return Cp932FromUtf8(escaped);
}

std::string_view AttributeOf(const GumboElement& element, const char* name) {
    const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
    return attribute != nullptr ? std::string_view(attribute->value) : std::string_view();
}

bool HasAttribute(const GumboElement& element, const char* name) {
    return gumbo_get_attribute(&element.attributes, name) != nullptr;
}

// The computed style of a text as the browser's default style sheet and the presentational
// attributes make it. Decorations keep the colour of the element that draws them.
struct TextStyle {
    std::string family; // an installed face, code page 932; empty for the default face
    SymbolFace glyphs = SymbolFace::None;
    bool glyphCodes = false; // an installed symbol face takes byte values as glyph codes
    double size = kPageTextPixels;
    std::string color{kTextColor};
    bool bold = false;
    bool italic = false;
    std::string underline; // colour; empty for none
    std::string strike;
    double shift = 0; // pixels the baseline is raised (negative: lowered)
    std::string href; // code page 932, for Qt's markup
    bool link = false;
};

struct BlockStyle {
    std::string align;
};

enum class Display { Inline, Block, Hidden };

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

class Translator {
public:
    explicit Translator(const FaceInstalled& installed) : m_installed(installed) {}

    PreviewDocument Translate(std::string_view fragment) {
        const HtmlFragmentTree tree(fragment);
        const GumboNode& root = tree.Root();
        Children(root, TextStyle{}, BlockStyle{});
        EndParagraph(0);
        // The page's margin meets the last paragraph's, and the larger one stays.
        m_pendingTop = std::max(m_pendingTop, kBodyMargin) - kBodyMargin;
        FinishBlock();
        return std::move(m_document);
    }

private:
    void Children(const GumboNode& node, const TextStyle& style, const BlockStyle& block) {
        const GumboVector& children = node.v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            Node(*static_cast<const GumboNode*>(children.data[i]), style, block);
        }
    }

    void Node(const GumboNode& node, const TextStyle& style, const BlockStyle& block) {
        switch (node.type) {
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_WHITESPACE:
        case GUMBO_NODE_CDATA:
            Text(node.v.text.text, node.type != GUMBO_NODE_WHITESPACE, style, block);
            break;
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE:
            Element(node, style, block);
            break;
        default:
            break;
        }
    }

    void Element(const GumboNode& node, TextStyle style, BlockStyle block) {
        const GumboElement& element = node.v.element;
        if (element.tag_namespace != GUMBO_NAMESPACE_HTML) {
            return; // an svg or math island; the preview has no drawing for it
        }
        const Display display = DisplayOf(element.tag);
        if (display == Display::Hidden) {
            return;
        }
        switch (element.tag) {
        case GUMBO_TAG_BR:
            StartParagraph(block);
            m_block.Html += "<br />";
            m_hasContent = true;
            return;
        case GUMBO_TAG_IMG:
            Image(element, block);
            return;
        case GUMBO_TAG_MARQUEE:
            Marquee(node, style, block);
            return;
        default:
            break;
        }
        Styled(element, style, block);
        if (display == Display::Block) {
            // Text in a block is on lines of its own, neither raised nor lowered.
            style.shift = 0;
            const double margin = element.tag == GUMBO_TAG_P ? style.size : 0;
            EndParagraph(margin);
            m_pendingTop = std::max(m_pendingTop, margin);
            Children(node, style, block);
            EndParagraph(margin);
            return;
        }
        Children(node, style, block);
    }

    // What the element changes, as the browser's default style sheet and its presentational
    // attributes say.
    void Styled(const GumboElement& element, TextStyle& style, BlockStyle& block) {
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
                style.href = AttributeValue(Trimmed(AttributeOf(element, "href")));
                style.color = kLinkColor;
                style.underline = style.color;
            }
            break;
        case GUMBO_TAG_FONT:
            Font(element, style);
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

    void Font(const GumboElement& element, TextStyle& style) {
        if (HasAttribute(element, "face")) {
            const std::string face = Cp932FromUtf8(Trimmed(AttributeOf(element, "face")));
            const bool installed = !face.empty() && m_installed && m_installed(face);
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

    void Text(std::string_view utf8, bool visible, const TextStyle& style,
              const BlockStyle& block) {
        if (!visible && !m_paragraphOpen) {
            return; // white space between blocks draws nothing
        }
        StartParagraph(block);
        std::string open;
        if (style.link) {
            open += "<a href=\"" + style.href + "\">";
        }
        open += "<span style=\"" + SpanStyle(style) + "\"";
        // What Qt's parser has no property for travels in the title, which the text block
        // turns into the format's own properties.
        std::string extra;
        if (!style.strike.empty()) {
            extra += "strike:" + style.strike + ";";
        }
        if (style.shift != 0) {
            extra += "shift:" + Number(style.shift) + ";";
        }
        if (!extra.empty()) {
            open += " title=\"" + extra + "\"";
        }
        open += ">";
        const std::string close = style.link ? "</span></a>" : "</span>";
        // Texts that look the same and follow each other share one span.
        if (open == m_lastOpen && m_block.Html.size() == m_lastEnd) {
            m_block.Html.resize(m_block.Html.size() - close.size());
        } else {
            m_block.Html += open;
        }
        AppendText(utf8, style);
        m_block.Html += close;
        m_lastOpen = open;
        m_lastEnd = m_block.Html.size();
        if (visible) {
            m_hasContent = true;
        }
    }

    static std::string SpanStyle(const TextStyle& style) {
        std::string css;
        if (!style.family.empty()) {
            css += "font-family:'" + AttributeValue(Utf8FromCp932(style.family)) + "';";
        }
        css += "font-size:" + CssLength(style.size) + ";";
        if (style.bold) {
            css += "font-weight:bold;";
        }
        if (style.italic) {
            css += "font-style:italic;";
        }
        css += "color:" + style.color + ";";
        if (!style.underline.empty() || !style.strike.empty()) {
            css += "text-decoration:";
            css += style.underline.empty() ? "" : "underline";
            css += style.underline.empty() || style.strike.empty() ? "" : " ";
            css += style.strike.empty() ? "" : "line-through";
            css += ";";
            if (!style.underline.empty()) {
                css += "text-decoration-color:" + style.underline + ";";
            }
        } else if (style.link) {
            css += "text-decoration:none;";
        }
        return css;
    }

    void AppendText(std::string_view utf8, const TextStyle& style) {
        std::string& out = m_block.Html;
        if (style.glyphs == SymbolFace::None && !style.glyphCodes) {
            std::string escaped;
            for (const char c : utf8) {
                if (c == '&') {
                    escaped += "&amp;";
                } else if (c == '<') {
                    escaped += "&lt;";
                } else if (c == '>') {
                    escaped += "&gt;";
                } else {
                    escaped += c;
                }
            }
            out += Cp932FromUtf8(escaped);
            return;
        }
        // A symbol face draws one glyph per byte of the code page.
        for (const char32_t c : Utf32FromUtf8(utf8)) {
            std::string bytes;
            if (c >= cp932::kRawByteBase && c < cp932::kRawByteBase + 0x100) {
                bytes += static_cast<char>(c - cp932::kRawByteBase);
            } else if (const std::uint16_t code = cp932::CodeOf(c); code > 0xFF) {
                bytes += static_cast<char>(code >> 8);
                bytes += static_cast<char>(code & 0xFF);
            } else if (code != 0 || c == 0) {
                bytes += static_cast<char>(code);
            }
            if (bytes.empty()) {
                AppendCharacterReference(out, c);
                continue;
            }
            for (const char byte : bytes) {
                const auto value = static_cast<unsigned char>(byte);
                const char32_t glyph = style.glyphCodes ? 0 : SymbolGlyph(style.glyphs, value);
                AppendCharacterReference(out, glyph != 0 ? glyph : value);
            }
        }
    }

    void Image(const GumboElement& element, const BlockStyle& block) {
        if (!HasAttribute(element, "src")) {
            return;
        }
        PreviewImage image;
        image.Source = Cp932FromUtf8(AttributeOf(element, "src"));
        const std::string source = Trimmed(image.Source);
        const std::string lower = AsciiLower(source);
        if (lower.starts_with("file://")) {
            image.where = PreviewImage::Where::Absolute;
            image.Path = source.substr(7);
        } else if (lower.starts_with("file:")) {
            image.where = PreviewImage::Where::Absolute;
            image.Path = source.substr(5);
        } else if (source.starts_with('/')) {
            image.where = PreviewImage::Where::Absolute;
            image.Path = source;
        } else if (const std::size_t colon = source.find(':');
                   colon != std::string::npos && colon > 1 &&
                   std::all_of(source.begin(), source.begin() + static_cast<long>(colon),
                               IsAlnum)) {
            // "http:", "https:" and the like; the preview fetches nothing from a network.
            image.where = PreviewImage::Where::Remote;
        } else {
            image.where = PreviewImage::Where::Relative;
            image.Path = source;
        }
        StartParagraph(block);
        m_block.Html += "<img src=\"" + PreviewImageName(m_document.Images.size()) + "\" />";
        m_document.Images.push_back(std::move(image));
        m_hasContent = true;
    }

    void Marquee(const GumboNode& node, const TextStyle& style, const BlockStyle& block) {
        const GumboElement& element = node.v.element;
        if (m_inMarquee) {
            Children(node, style, block); // the band moves as one; an inner one adds no band
            return;
        }
        EndParagraph(0);
        FinishBlock();
        m_inMarquee = true;
        m_block.Marquee = true;
        m_block.BgColor = CssColor(AttributeOf(element, "bgcolor"));
        m_block.Behavior =
            MarqueeBehaviorNamed(Cp932FromUtf8(Trimmed(AttributeOf(element, "behavior"))));
        m_block.Amount = HasAttribute(element, "scrollamount")
                             ? ScrollAmountFrom(Cp932FromUtf8(AttributeOf(element, "scrollamount")))
                             : kDefaultScrollAmount;
        TextStyle inside = style;
        inside.shift = 0;
        Children(node, inside, block);
        EndParagraph(0);
        // The band holds its paragraphs' margins.
        m_pendingTop = 0;
        // A scrolling text shows its background even with nothing in it.
        m_hasContent = true;
        FinishBlock();
        m_inMarquee = false;
    }

    void StartParagraph(const BlockStyle& block) {
        if (m_paragraphOpen) {
            return;
        }
        m_paragraphOpen = true;
        double top = m_inMarquee ? 0 : m_pendingTop;
        m_pendingTop = 0;
        if (m_block.Html.empty()) {
            if (m_document.Blocks.empty()) {
                top = std::max(top, kBodyMargin) - kBodyMargin;
            }
            // Qt drops a text's first top margin; the block keeps it apart.
            m_block.MarginTop = static_cast<int>(std::lround(top));
            top = 0;
        }
        m_block.Html += "<p";
        if (!block.align.empty()) {
            m_block.Html += " align=\"" + block.align + "\"";
        }
        m_block.Html += " style=\"margin-top:" + CssMargin(top) + ";margin-bottom:0px;\">";
    }

    // Ends the open paragraph; `bottom` is the margin below the element that ends it.
    void EndParagraph(double bottom) {
        if (m_paragraphOpen) {
            m_block.Html += "</p>";
            m_paragraphOpen = false;
        }
        m_pendingTop = std::max(m_pendingTop, bottom);
    }

    void FinishBlock() {
        // The margin below the block's last paragraph is the one between it and the next
        // block, which is a window of its own.
        if (m_hasContent && !m_block.Marquee) {
            m_block.MarginBottom = static_cast<int>(std::lround(m_pendingTop));
            m_pendingTop = 0;
        }
        if (m_hasContent) {
            m_document.Blocks.push_back(std::move(m_block));
        }
        m_block = {};
        m_hasContent = false;
    }

    const FaceInstalled& m_installed;
    PreviewDocument m_document;
    PreviewBlock m_block;
    bool m_hasContent = false;
    bool m_paragraphOpen = false;
    bool m_inMarquee = false;
    double m_pendingTop = 0;   // the margin the next paragraph keeps above it
    std::string m_lastOpen;    // the tags that opened the last text
    std::size_t m_lastEnd = 0; // where it ended
};

} // namespace

PreviewDocument MakePreviewDocument(std::string_view fragment, const FaceInstalled& installed) {
    return Translator(installed).Translate(fragment);
}

std::string PreviewImageName(std::size_t index) {
    return "preview-image:" + std::to_string(index);
}

int FontSizePixels(int size) {
    return kSizePixels[static_cast<std::size_t>(std::clamp(size, 1, 7) - 1)];
}

} // namespace quillet
