#include "preview/PreviewDocument.h"

#include "core/SymbolFaceGlyphs.h"
#include "platform/AsciiText.h"
#include "preview/MarkupTokens.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace quillet {
namespace {

constexpr std::array<int, 7> kSizePixels{10, 13, 16, 18, 24, 32, 48};

// The elements that change how text looks, and the element Qt's engine takes for each.
struct SimpleElement {
    std::string_view name;
    std::string_view qtName;
};

constexpr auto kSimpleElements = std::to_array<SimpleElement>({
    {"b", "b"},
    {"strong", "b"},
    {"i", "i"},
    {"em", "i"},
    {"u", "u"},
    {"s", "s"},
    {"strike", "s"},
    {"sub", "sub"},
    {"sup", "sup"},
});

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t\r\n");
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

void AppendCharacterReference(std::string& out, char32_t character) {
    char text[16];
    std::snprintf(text, sizeof text, "&#x%X;", static_cast<unsigned>(character));
    out += text;
}

// An attribute value for Qt's parser: the value's own references stay, quotes are escaped.
void AppendAttributeValue(std::string& out, std::string_view value) {
    for (const char c : value) {
        if (c == '"') {
            out += "&quot;";
        } else if (c == '<') {
            out += "&lt;";
        } else {
            out += c;
        }
    }
}

// Length of a character reference at `pos` ("&copy;", "&#169;", "&#xA9;"), or 0 when the
// "&" starts none and is a plain character.
std::size_t ReferenceLength(std::string_view text, std::size_t pos) {
    std::size_t at = pos + 1;
    if (at < text.size() && text[at] == '#') {
        ++at;
        const bool hex = at < text.size() && (text[at] == 'x' || text[at] == 'X');
        at += hex ? 1 : 0;
        const std::size_t digits = at;
        while (at < text.size() &&
               (hex ? IsHexDigit(text[at]) : text[at] >= '0' && text[at] <= '9')) {
            ++at;
        }
        if (at == digits) {
            return 0;
        }
    } else {
        const std::size_t letters = at;
        while (at < text.size() && IsAlnum(text[at])) {
            ++at;
        }
        if (at == letters) {
            return 0;
        }
    }
    return at < text.size() && text[at] == ';' ? at + 1 - pos : 0;
}

struct OpenElement {
    std::string name;
    std::string open;  // what reopens it in a new block
    std::string close; // what ends it in Qt's HTML
    SymbolFace glyphs = SymbolFace::None;
    // An installed symbol face takes byte values as its glyph codes.
    bool glyphCodes = false;
};

class Translator {
public:
    explicit Translator(const FaceInstalled& installed) : m_installed(installed) {}

    PreviewDocument Translate(std::string_view fragment) {
        for (const MarkupToken& token : TokenizeMarkup(fragment)) {
            switch (token.kind) {
            case MarkupToken::Kind::Text:
                AppendText(token.Name);
                break;
            case MarkupToken::Kind::Open:
                Open(token);
                break;
            case MarkupToken::Kind::Close:
                Close(token.Name);
                break;
            }
        }
        if (InMarquee()) {
            EndMarquee();
        }
        CloseAllInBlock();
        FinishBlock();
        return std::move(m_document);
    }

private:
    bool InMarquee() const { return m_block.Marquee; }

    // The innermost element in the current block: a marquee is a wall that closing tags
    // inside it cannot reach past.
    std::size_t BlockFloor() const { return InMarquee() ? m_marqueeDepth + 1 : 0; }

    void AppendText(std::string_view text) {
        const SymbolFace glyphs = m_stack.empty() ? SymbolFace::None : m_stack.back().glyphs;
        const bool glyphCodes = !m_stack.empty() && m_stack.back().glyphCodes;
        for (std::size_t pos = 0; pos < text.size(); ++pos) {
            const char c = text[pos];
            if (c == '&') {
                if (const std::size_t length = ReferenceLength(text, pos)) {
                    m_block.Html += text.substr(pos, length);
                    pos += length - 1;
                } else {
                    m_block.Html += "&amp;";
                }
            } else if (c == '<') {
                m_block.Html += "&lt;";
            } else if (c == '>') {
                m_block.Html += "&gt;";
            } else if (glyphCodes) {
                AppendCharacterReference(m_block.Html, static_cast<unsigned char>(c));
            } else if (glyphs != SymbolFace::None) {
                // Every byte of a symbol face is one glyph.
                const auto code = static_cast<unsigned char>(c);
                const char32_t character = SymbolGlyph(glyphs, code);
                AppendCharacterReference(m_block.Html, character != 0 ? character : code);
            } else {
                m_block.Html += c;
            }
        }
        if (Trimmed(text).size() > 0) {
            m_hasContent = true;
        }
    }

    void Open(const MarkupToken& tag) {
        if (tag.Name == "marquee") {
            if (!InMarquee()) {
                StartMarquee(tag);
            }
            return;
        }
        if (tag.Name == "img") {
            OpenImage(tag);
            return;
        }
        if (tag.Name == "br") {
            m_block.Html += "<br />";
            return;
        }
        if (tag.Name == "p") {
            // A paragraph ends the one that is open.
            Close("p");
            std::string open = "<p";
            const std::string align = AsciiLower(Trimmed(tag.Attribute("align")));
            if (align == "left" || align == "center" || align == "right" || align == "justify") {
                open += " align=\"" + align + "\"";
            }
            Push({"p", open + ">", "</p>"});
            return;
        }
        if (tag.Name == "a") {
            std::string open = "<a";
            if (tag.HasAttribute("href")) {
                open += " href=\"";
                AppendAttributeValue(open, Trimmed(tag.Attribute("href")));
                open += "\"";
            }
            Push({"a", open + ">", "</a>"});
            return;
        }
        if (tag.Name == "font") {
            OpenFont(tag);
            return;
        }
        for (const SimpleElement& element : kSimpleElements) {
            if (tag.Name == element.name) {
                Push({tag.Name, "<" + std::string(element.qtName) + ">",
                      "</" + std::string(element.qtName) + ">"});
                return;
            }
        }
        // Other elements are left out; their text shows, as in a browser.
    }

    void OpenFont(const MarkupToken& tag) {
        std::string style;
        SymbolFace glyphs = m_stack.empty() ? SymbolFace::None : m_stack.back().glyphs;
        bool glyphCodes = !m_stack.empty() && m_stack.back().glyphCodes;
        if (tag.HasAttribute("face")) {
            const std::string face = Trimmed(tag.Attribute("face"));
            const bool installed = !face.empty() && m_installed && m_installed(face);
            if (installed) {
                style += "font-family:'";
                AppendAttributeValue(style, face);
                style += "';";
            }
            // A face that is missing falls back to the default face of the block.
            const SymbolFace symbol = SymbolFaceNamed(face);
            if (!face.empty()) {
                glyphs = installed ? SymbolFace::None : symbol;
                glyphCodes = installed && symbol != SymbolFace::None;
            }
        }
        if (const int size = FontSizeFrom(tag.Attribute("size"))) {
            style += "font-size:" + std::to_string(FontSizePixels(size)) + "px;";
        }
        if (const std::string color = CssColor(tag.Attribute("color")); !color.empty()) {
            style += "color:" + color + ";";
        }
        const std::string open = style.empty() ? "<span>" : "<span style=\"" + style + "\">";
        Push({"font", open, "</span>", glyphs, glyphCodes});
    }

    void OpenImage(const MarkupToken& tag) {
        if (!tag.HasAttribute("src")) {
            return;
        }
        PreviewImage image;
        image.Source = tag.Attribute("src");
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
        m_block.Html += "<img src=\"" + PreviewImageName(m_document.Images.size()) + "\" />";
        m_document.Images.push_back(std::move(image));
        m_hasContent = true;
    }

    void Push(OpenElement element) {
        // Only a font element changes the face; the others keep the one around them.
        if (element.name != "font" && !m_stack.empty()) {
            element.glyphs = m_stack.back().glyphs;
            element.glyphCodes = m_stack.back().glyphCodes;
        }
        m_block.Html += element.open;
        m_stack.push_back(std::move(element));
    }

    void Close(std::string_view name) {
        if (name == "marquee") {
            if (InMarquee()) {
                EndMarquee();
            }
            return;
        }
        for (std::size_t index = m_stack.size(); index > BlockFloor(); --index) {
            if (m_stack[index - 1].name == name) {
                PopTo(index - 1);
                return;
            }
        }
    }

    // Closes every element from the top of the stack down to `depth` (that one included).
    void PopTo(std::size_t depth) {
        while (m_stack.size() > depth) {
            m_block.Html += m_stack.back().close;
            m_stack.pop_back();
        }
    }

    void CloseAllInBlock() {
        for (auto element = m_stack.rbegin(); element != m_stack.rend(); ++element) {
            m_block.Html += element->close;
        }
    }

    void ReopenAll() {
        for (const OpenElement& element : m_stack) {
            m_block.Html += element.open;
        }
    }

    void StartMarquee(const MarkupToken& tag) {
        CloseAllInBlock();
        FinishBlock();
        m_block.Marquee = true;
        m_block.BgColor = CssColor(tag.Attribute("bgcolor"));
        m_block.Behavior = MarqueeBehaviorNamed(Trimmed(tag.Attribute("behavior")));
        m_block.Amount = tag.HasAttribute("scrollamount")
                             ? ScrollAmountFrom(tag.Attribute("scrollamount"))
                             : kDefaultScrollAmount;
        ReopenAll();
        m_marqueeDepth = m_stack.size();
        m_stack.push_back({"marquee", {}, {}});
    }

    void EndMarquee() {
        PopTo(m_marqueeDepth);
        CloseAllInBlock();
        // A scrolling text shows its background even with nothing in it.
        m_hasContent = true;
        FinishBlock();
        ReopenAll();
    }

    void FinishBlock() {
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
    std::vector<OpenElement> m_stack;
    std::size_t m_marqueeDepth = 0;
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
