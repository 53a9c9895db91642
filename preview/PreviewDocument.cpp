#include "preview/PreviewDocument.h"

#include "core/SymbolFaceGlyphs.h"
#include "platform/AsciiText.h"
#include "platform/CodePage932.h"
#include "preview/BrowserStyle.h"
#include "preview/HtmlFragmentTree.h"
#include "preview/NestingLimit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace quillet {
namespace {

constexpr std::array<int, 7> kSizePixels{10, 13, 16, 18, 24, 32, 48};
constexpr double kBodyMargin = 8;

bool IsAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Sizes as Qt's parser takes them: whole pixels, or points to a thousandth for a fraction
// of one.
bool IsWholePixels(double pixels) {
    return std::abs(pixels - std::round(pixels)) < 0.001;
}

std::string CssLength(double pixels) {
    char text[32];
    if (IsWholePixels(pixels)) {
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

// Right-to-left scripts and the bidirectional controls.
bool IsRightToLeftOrControl(char32_t c) {
    return (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) ||
           (c >= 0xFE70 && c <= 0xFEFF) || (c >= 0x10800 && c <= 0x10FFF) ||
           (c >= 0x1E800 && c <= 0x1EFFF) || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void AppendCharacterReference(std::string& out, char32_t character) {
    char text[16];
    std::snprintf(text, sizeof text, "&#x%X;", static_cast<unsigned>(character));
    out += text;
}

// UTF-8 text as code page 932 for Qt's parser, each of the markup characters `special`
// names written as its reference.
std::string Escaped(std::string_view utf8, std::string_view special) {
    static constexpr std::pair<char, std::string_view> kReferences[] = {
        {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}};
    std::string escaped;
    for (const char c : utf8) {
        if (special.find(c) == std::string_view::npos) {
            escaped += c;
            continue;
        }
        escaped +=
            std::ranges::find_if(kReferences, [c](const auto& r) { return r.first == c; })->second;
    }
    return Cp932FromUtf8(escaped);
}

std::string AttributeValue(std::string_view utf8) {
    return Escaped(utf8, "&<\"");
}

std::string ParagraphStart(std::string_view align, double top) {
    std::string start = "<p";
    if (!align.empty()) {
        start += " align=\"" + std::string(align) + "\"";
    }
    return start + " style=\"margin-top:" + CssMargin(top) + ";margin-bottom:0px;\">";
}

std::string SpanStyle(const TextStyle& style) {
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

std::string OpeningTags(const TextStyle& style) {
    std::string open;
    if (style.link) {
        open += "<a href=\"" + AttributeValue(style.href) + "\">";
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
    return open;
}

std::string ClosingTags(const TextStyle& style) {
    return style.link ? "</span></a>" : "</span>";
}

TextStyle StyleOf(const PreviewRun& run) {
    TextStyle style;
    style.family = run.Family;
    style.size = run.Pixels;
    style.bold = run.Bold;
    style.italic = run.Italic;
    style.color = run.Color;
    style.underline = run.Underline;
    style.strike = run.Strike;
    style.link = run.Link;
    style.href = run.Href;
    return style;
}

// Paragraphs of runs as the rich text the walk writes for the same texts; the last one left
// open when `open`.
std::string PlainRichText(const std::vector<PreviewParagraph>& paragraphs, bool open) {
    std::string html;
    for (std::size_t index = 0; index < paragraphs.size(); ++index) {
        const PreviewParagraph& paragraph = paragraphs[index];
        html += ParagraphStart(paragraph.Align, paragraph.MarginTop);
        for (const PreviewRun& run : paragraph.Runs) {
            const TextStyle style = StyleOf(run);
            html += OpeningTags(style) + Escaped(run.Text, "&<>") + ClosingTags(style);
        }
        if (!open || index + 1 < paragraphs.size()) {
            html += "</p>";
        }
    }
    return html;
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
        // The parser may add elements of its own beyond the nesting limit (formatting it
        // opens again); deeper than that the walk would only risk the stack.
        if (m_depth >= 4 * kMaxNestingDepth) {
            return;
        }
        ++m_depth;
        const GumboVector& children = node.v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            Node(*static_cast<const GumboNode*>(children.data[i]), style, block);
        }
        --m_depth;
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
            NotPlain();
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
        ApplyElementStyle(element, m_installed, style, block);
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

    void Text(std::string_view utf8, bool visible, const TextStyle& style,
              const BlockStyle& block) {
        if (!visible && !m_paragraphOpen) {
            return; // white space between blocks draws nothing
        }
        StartParagraph(block);
        if (visible) {
            m_hasContent = true;
        }
        if (AddRun(utf8, style)) {
            return;
        }
        std::string open = OpeningTags(style);
        const std::string close = ClosingTags(style);
        // Texts that look the same and follow each other share one span.
        if (open == m_lastOpen && m_block.Html.size() == m_lastEnd) {
            m_block.Html.resize(m_block.Html.size() - close.size());
        } else {
            m_block.Html += open;
        }
        AppendText(utf8, style);
        m_block.Html += close;
        m_lastOpen = std::move(open);
        m_lastEnd = m_block.Html.size();
    }

    void AppendText(std::string_view utf8, const TextStyle& style) {
        std::string& out = m_block.Html;
        if (style.glyphs == SymbolFace::None && !style.glyphCodes) {
            out += Escaped(utf8, "&<>");
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
        NotPlain();
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

    // The text as a run of the open paragraph, while the block holds only text the preview
    // draws itself; false once it holds more, and the block is rich text from then on.
    bool AddRun(std::string_view utf8, const TextStyle& style) {
        if (!m_plain) {
            return false;
        }
        if (style.shift != 0 || style.glyphs != SymbolFace::None || style.glyphCodes ||
            !DrawnAsRuns(utf8)) {
            NotPlain();
            return false;
        }
        std::vector<PreviewRun>& runs = m_block.Paragraphs.back().Runs;
        // Sizes that Qt's parser reads alike are one size.
        const double pixels =
            IsWholePixels(style.size) ? std::round(style.size) : std::round(style.size * 750) / 750;
        PreviewRun run{std::string(utf8), style.family,    pixels,       style.bold, style.italic,
                       style.color,       style.underline, style.strike, style.link, style.href};
        // Texts whose markup would open alike share one span, as the walk writes them.
        if (!runs.empty() && runs.back().SameLook(run)) {
            runs.back().Text += utf8;
        } else {
            runs.push_back(std::move(run));
        }
        return true;
    }

    // A byte that is no character shows as Qt's reading of the code page shows it; text
    // written right to left needs Qt's bidirectional layout.
    static bool DrawnAsRuns(std::string_view utf8) {
        if (std::ranges::all_of(utf8,
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            return true;
        }
        return std::ranges::none_of(Utf32FromUtf8(utf8), [](char32_t c) {
            return (c >= cp932::kRawByteBase && c < cp932::kRawByteBase + 0x100) ||
                   IsRightToLeftOrControl(c);
        });
    }

    // From here on the block is rich text: what it held so far is written out as such.
    void NotPlain() {
        if (!m_plain) {
            return;
        }
        m_plain = false;
        m_block.Html = PlainRichText(m_block.Paragraphs, m_paragraphOpen);
        m_block.Paragraphs.clear();
        m_lastEnd = m_block.Html.size();
        m_lastOpen.clear();
    }

    void StartParagraph(const BlockStyle& block) {
        if (m_paragraphOpen) {
            return;
        }
        m_paragraphOpen = true;
        double top = m_inMarquee ? 0 : m_pendingTop;
        m_pendingTop = 0;
        if (!m_blockStarted) {
            m_blockStarted = true;
            if (m_document.Blocks.empty()) {
                top = std::max(top, kBodyMargin) - kBodyMargin;
            }
            // Qt drops a text's first top margin; the block keeps it apart.
            m_block.MarginTop = static_cast<int>(std::lround(top));
            top = 0;
        }
        if (block.align == "justify") {
            NotPlain();
        }
        if (m_plain) {
            m_block.Paragraphs.push_back({block.align, static_cast<int>(std::lround(top)), {}});
        } else {
            m_block.Html += ParagraphStart(block.align, top);
        }
    }

    // Ends the open paragraph; `bottom` is the margin below the element that ends it.
    void EndParagraph(double bottom) {
        if (m_paragraphOpen) {
            if (!m_plain) {
                m_block.Html += "</p>";
            }
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
        if (m_block.Marquee) {
            NotPlain();
        }
        if (m_hasContent) {
            m_document.Blocks.push_back(std::move(m_block));
        }
        m_block = {};
        m_hasContent = false;
        m_plain = true;
        m_blockStarted = false;
    }

    const FaceInstalled& m_installed;
    PreviewDocument m_document;
    PreviewBlock m_block;
    bool m_hasContent = false;
    bool m_paragraphOpen = false;
    bool m_inMarquee = false;
    bool m_plain = true;         // the block so far holds only text the preview draws itself
    bool m_blockStarted = false; // a paragraph of the block has started
    double m_pendingTop = 0;     // the margin the next paragraph keeps above it
    std::string m_lastOpen;      // the tags that opened the last text
    std::size_t m_lastEnd = 0;   // where it ended
    std::size_t m_depth = 0;     // elements the walk is inside
};

} // namespace

PreviewDocument MakePreviewDocument(std::string_view fragment, const FaceInstalled& installed) {
    return Translator(installed).Translate(fragment);
}

std::string RichTextOf(const PreviewBlock& block) {
    return block.Paragraphs.empty() ? block.Html : PlainRichText(block.Paragraphs, false);
}

std::string PreviewImageName(std::size_t index) {
    return "preview-image:" + std::to_string(index);
}

int FontSizePixels(int size) {
    return kSizePixels[static_cast<std::size_t>(std::clamp(size, 1, 7) - 1)];
}

} // namespace quillet
