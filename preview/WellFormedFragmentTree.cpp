#include "preview/WellFormedFragmentTree.h"

#include "platform/AsciiText.h"
#include "platform/Utf8Text.h"
#include "preview/NestingLimit.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quillet {
namespace {

// How the parser treats an element's start tag in a body. Every kind but Unread is one
// whose start and end tags build just that element when it is nested well.
enum class Kind {
    Unread,
    Formatting, // remembered for reopening; a fourth alike open drops one from that memory
    Anchor,     // formatting too, and one inside another closes the outer one
    Block,      // closes an open paragraph first
    Plain,
    Void,
};

Kind KindOf(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_B:
    case GUMBO_TAG_BIG:
    case GUMBO_TAG_CODE:
    case GUMBO_TAG_EM:
    case GUMBO_TAG_FONT:
    case GUMBO_TAG_I:
    case GUMBO_TAG_S:
    case GUMBO_TAG_SMALL:
    case GUMBO_TAG_STRIKE:
    case GUMBO_TAG_STRONG:
    case GUMBO_TAG_TT:
    case GUMBO_TAG_U:
        return Kind::Formatting;
    case GUMBO_TAG_A:
        return Kind::Anchor;
    case GUMBO_TAG_CENTER:
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_P:
        return Kind::Block;
    case GUMBO_TAG_SPAN:
    case GUMBO_TAG_SUB:
    case GUMBO_TAG_SUP:
    case GUMBO_TAG_MARQUEE:
        return Kind::Plain;
    case GUMBO_TAG_BR:
    case GUMBO_TAG_IMG:
        return Kind::Void;
    default:
        return Kind::Unread;
    }
}

// Formatting elements alike beyond this many open make the parser forget the oldest.
constexpr unsigned kMostFormattingAlike = 3;

// HTML's white space; a carriage return never gets this far.
bool IsSpace(char c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\f';
}

bool EndsAttribute(char c) {
    return IsSpace(c) || c == '/' || c == '>';
}

bool IsNameChar(char c) {
    return IsAsciiLetterOrDigit(c) || c == '-' || c == '_' || c == ':' || c == '.';
}

char AsciiLowerChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

GumboTag TagNamed(std::string_view name) {
    char lower[16];
    if (name.size() >= sizeof lower) {
        return GUMBO_TAG_UNKNOWN;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        lower[i] = AsciiLowerChar(name[i]);
    }
    return gumbo_tagn_enum(lower, static_cast<unsigned>(name.size()));
}

bool SameName(std::string_view name, GumboTag tag) {
    const std::string_view tagName = gumbo_normalized_tagname(tag);
    if (name.size() != tagName.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (AsciiLowerChar(name[i]) != tagName[i]) {
            return false;
        }
    }
    return true;
}

// Bytes of the character at `at` when the parser keeps it as it stands; 0 for a control
// or non-character, which it replaces or reports, and for a carriage return, which it
// turns into a line feed.
std::size_t KeptCharLength(std::string_view s, std::size_t at) {
    const auto first = static_cast<unsigned char>(s[at]);
    if (first < 0x80) {
        return (first >= 0x20 && first != 0x7F) || first == '\t' || first == '\n' || first == '\f'
                   ? 1
                   : 0;
    }
    // Code page 932 gives nothing beyond the basic plane.
    if (first < 0xC2 || first >= 0xF0) {
        return 0;
    }
    const std::size_t length = first < 0xE0 ? 2 : 3;
    if (at + length > s.size()) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(s[at + 1]);
    if ((first == 0xC2 && second < 0xA0) || (first == 0xED && second >= 0xA0)) {
        return 0;
    }
    if (first == 0xEF) {
        const auto third = static_cast<unsigned char>(s[at + 2]);
        if ((second == 0xB7 && third >= 0x90 && third <= 0xAF) ||
            (second == 0xBF && third >= 0xBE)) {
            return 0;
        }
    }
    return length;
}

// A character reference to this character gives it unchanged, without the parser's
// replacement table or its complaints.
bool IsPlainReference(char32_t c) {
    const bool inRange =
        c == '\t' || c == '\n' || (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0x10FFFF);
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    const bool nonCharacter = (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
    return inRange && !surrogate && !nonCharacter;
}

constexpr std::pair<std::string_view, std::string_view> kNamedReferences[] = {
    {"amp;", "&"},   {"lt;", "<"},   {"gt;", ">"},
    {"quot;", "\""}, {"apos;", "'"}, {"nbsp;", "\xC2\xA0"},
};

} // namespace

bool WellFormedFragmentTree::Read(std::string_view s) {
    m_nodes.clear();
    m_drafts.clear();
    m_attributes.clear();
    m_attributeDrafts.clear();
    m_pointers.clear();
    m_text.clear();
    m_open.clear();
    m_openByTag.fill(0);
    m_textStart = 0;
    m_textIsWhitespace = true;

    // Each tag makes at most one element and ends at most one text.
    const auto tags = static_cast<std::size_t>(std::count(s.begin(), s.end(), '<'));
    m_nodes.reserve(2 * tags + 2);
    m_drafts.reserve(2 * tags + 2);
    m_text.reserve(s.size() + s.size() / 4 + 1);
    AddNode(GUMBO_NODE_ELEMENT, 0, 0);
    m_nodes.front().v.element.tag = GUMBO_TAG_HTML;
    m_nodes.front().v.element.tag_namespace = GUMBO_NAMESPACE_HTML;

    std::size_t at = 0;
    while (at < s.size()) {
        if (s[at] == '<') {
            FlushText();
            if (!(at + 1 < s.size() && s[at + 1] == '/' ? ReadEndTag(s, at) : ReadTag(s, at))) {
                return false;
            }
            continue;
        }
        if (s[at] == '&') {
            if (!ReadReference(s, at)) {
                return false;
            }
            continue;
        }
        const std::size_t start = at;
        while (at < s.size() && s[at] != '<' && s[at] != '&') {
            const std::size_t length = KeptCharLength(s, at);
            if (length == 0) {
                return false;
            }
            m_textIsWhitespace = m_textIsWhitespace && IsSpace(s[at]);
            at += length;
        }
        m_text.append(s.substr(start, at - start));
    }
    FlushText();
    Finish();
    return true;
}

bool WellFormedFragmentTree::ReadTag(std::string_view s, std::size_t& at) {
    std::size_t end = at + 1;
    while (end < s.size() && IsAsciiLetterOrDigit(s[end])) {
        ++end;
    }
    if (end == at + 1 || !IsAsciiLetter(s[at + 1]) || end >= s.size() || !EndsAttribute(s[end])) {
        return false;
    }
    const GumboTag tag = TagNamed(s.substr(at + 1, end - at - 1));
    const Kind kind = KindOf(tag);
    const bool refused = kind == Kind::Unread ||
                         (kind == Kind::Anchor && m_openByTag[GUMBO_TAG_A] > 0) ||
                         (kind == Kind::Block && m_openByTag[GUMBO_TAG_P] > 0) ||
                         (kind == Kind::Formatting && m_openByTag[tag] >= kMostFormattingAlike) ||
                         (kind != Kind::Void && m_open.size() >= kMaxNestingDepth);
    if (refused) {
        return false;
    }
    const std::size_t firstAttribute = m_attributeDrafts.size();
    at = end;
    if (!ReadAttributes(s, at, kind == Kind::Void)) {
        return false;
    }
    AddNode(GUMBO_NODE_ELEMENT, firstAttribute, m_attributeDrafts.size() - firstAttribute);
    m_nodes.back().v.element.tag = tag;
    m_nodes.back().v.element.tag_namespace = GUMBO_NAMESPACE_HTML;
    if (kind != Kind::Void) {
        m_open.push_back({m_nodes.size() - 1, tag});
        ++m_openByTag[tag];
    }
    m_textStart = m_text.size();
    return true;
}

bool WellFormedFragmentTree::ReadAttributes(std::string_view s, std::size_t& at, bool isVoid) {
    const std::size_t firstAttribute = m_attributeDrafts.size();
    for (;;) {
        bool spaced = false;
        while (at < s.size() && IsSpace(s[at])) {
            ++at;
            spaced = true;
        }
        if (at >= s.size()) {
            return false;
        }
        if (s[at] == '>') {
            ++at;
            return true;
        }
        if (s[at] == '/') {
            at += 2;
            return isVoid && at <= s.size() && s[at - 1] == '>';
        }
        const std::size_t nameStart = at;
        while (at < s.size() && IsNameChar(s[at])) {
            ++at;
        }
        if (!spaced || at == nameStart || at >= s.size()) {
            return false;
        }
        const std::string_view name = s.substr(nameStart, at - nameStart);
        std::size_t valueStart = at;
        std::size_t valueEnd = at;
        std::size_t equals = at;
        while (equals < s.size() && IsSpace(s[equals])) {
            ++equals;
        }
        if (equals < s.size() && s[equals] == '=') {
            // No space after '=': the nesting limit finds quoted values by the quote that
            // follows it directly.
            at = equals + 1;
            const char quote = at < s.size() ? s[at] : '\0';
            const bool quoted = quote == '"' || quote == '\'';
            at += quoted ? 1 : 0;
            valueStart = at;
            // An unquoted value runs to a space or '>', keeping any '/'.
            while (at < s.size() && (quoted ? s[at] != quote : !(IsSpace(s[at]) || s[at] == '>'))) {
                // The parser reports these in an unquoted value; '&' may begin a reference.
                const char c = s[at];
                const std::size_t length = KeptCharLength(s, at);
                if (length == 0 || c == '&' ||
                    (!quoted && (c == '<' || c == '"' || c == '\'' || c == '=' || c == '`'))) {
                    return false;
                }
                at += length;
            }
            valueEnd = at;
            if (quoted) {
                if (at >= s.size()) {
                    return false;
                }
                ++at;
            } else if (valueEnd == valueStart) {
                return false;
            }
        }
        if (at < s.size() && !EndsAttribute(s[at])) {
            return false;
        }
        const std::size_t nameAt = m_text.size();
        m_text.append(name);
        m_text += '\0';
        for (std::size_t i = nameAt; i < m_text.size(); ++i) {
            m_text[i] = AsciiLowerChar(m_text[i]);
        }
        bool repeated = false;
        for (std::size_t i = firstAttribute; i < m_attributeDrafts.size() && !repeated; ++i) {
            repeated =
                std::strcmp(m_text.data() + m_attributeDrafts[i].name, m_text.data() + nameAt) == 0;
        }
        if (repeated) {
            // The parser keeps the first, but may glue the name of the one it drops onto
            // the next attribute's name.
            return false;
        }
        const std::size_t valueAt = m_text.size();
        m_text.append(s.substr(valueStart, valueEnd - valueStart));
        m_text += '\0';
        m_attributeDrafts.push_back({nameAt, valueAt});
    }
}

bool WellFormedFragmentTree::ReadEndTag(std::string_view s, std::size_t& at) {
    std::size_t end = at + 2;
    while (end < s.size() && IsAsciiLetterOrDigit(s[end])) {
        ++end;
    }
    if (end == at + 2 || !IsAsciiLetter(s[at + 2]) || end >= s.size() || s[end] != '>') {
        return false;
    }
    if (m_open.empty() || !SameName(s.substr(at + 2, end - at - 2), m_open.back().tag)) {
        return false;
    }
    const GumboTag tag = m_open.back().tag;
    --m_openByTag[tag];
    m_open.pop_back();
    at = end + 1;
    m_textStart = m_text.size();
    return true;
}

bool WellFormedFragmentTree::ReadReference(std::string_view s, std::size_t& at) {
    const std::string_view rest = s.substr(at + 1);
    if (rest.starts_with('#')) {
        const bool hex = rest.size() > 1 && (rest[1] == 'x' || rest[1] == 'X');
        std::size_t i = hex ? 2 : 1;
        const std::size_t digitsAt = i;
        char32_t c = 0;
        for (; i < rest.size() && i < digitsAt + 7; ++i) {
            const char d = rest[i];
            if (d >= '0' && d <= '9') {
                c = c * (hex ? 16 : 10) + static_cast<char32_t>(d - '0');
            } else if (hex && ((d >= 'a' && d <= 'f') || (d >= 'A' && d <= 'F'))) {
                c = c * 16 + static_cast<char32_t>((d | 0x20) - 'a' + 10);
            } else {
                break;
            }
        }
        if (i == digitsAt || i >= rest.size() || rest[i] != ';' || !IsPlainReference(c)) {
            return false;
        }
        AppendUtf8(m_text, c);
        m_textIsWhitespace = m_textIsWhitespace && (c == ' ' || c == '\t' || c == '\n');
        at += i + 2;
        return true;
    }
    for (const auto& [name, text] : kNamedReferences) {
        if (rest.starts_with(name)) {
            m_text.append(text);
            m_textIsWhitespace = false;
            at += name.size() + 1;
            return true;
        }
    }
    return false;
}

void WellFormedFragmentTree::AddNode(GumboNodeType type, std::size_t first, std::size_t count) {
    m_nodes.emplace_back();
    m_nodes.back().type = type;
    m_drafts.push_back({m_open.empty() ? 0 : m_open.back().node, first, count});
}

void WellFormedFragmentTree::FlushText() {
    if (m_text.size() == m_textStart) {
        return;
    }
    m_text += '\0';
    AddNode(m_textIsWhitespace ? GUMBO_NODE_WHITESPACE : GUMBO_NODE_TEXT, m_textStart, 0);
    m_textStart = m_text.size();
    m_textIsWhitespace = true;
}

void WellFormedFragmentTree::Finish() {
    // Each element's children, then each one's attributes, lie in one run of m_pointers;
    // the nodes are in document order, so a parent's children come in theirs.
    const std::size_t childCount = m_nodes.size() - 1;
    m_pointers.resize(childCount + m_attributeDrafts.size());
    for (std::size_t i = 1; i < m_nodes.size(); ++i) {
        ++m_nodes[m_drafts[i].parent].v.element.children.length;
    }
    std::vector<std::size_t> childrenAt(m_nodes.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes[i].type == GUMBO_NODE_ELEMENT) {
            GumboElement& element = m_nodes[i].v.element;
            childrenAt[i] = next;
            element.children.data = m_pointers.data() + next;
            next += element.children.length;
            element.attributes.data = m_pointers.data() + childCount + m_drafts[i].first;
            element.attributes.length = static_cast<unsigned>(m_drafts[i].count);
            element.attributes.capacity = element.attributes.length;
        }
    }
    for (std::size_t i = 1; i < m_nodes.size(); ++i) {
        GumboNode& node = m_nodes[i];
        const std::size_t parent = m_drafts[i].parent;
        GumboVector& siblings = m_nodes[parent].v.element.children;
        node.parent = &m_nodes[parent];
        node.index_within_parent = siblings.capacity;
        m_pointers[childrenAt[parent] + siblings.capacity++] = &node;
        if (node.type != GUMBO_NODE_ELEMENT) {
            node.v.text.text = m_text.data() + m_drafts[i].first;
        }
    }
    m_attributes.resize(m_attributeDrafts.size());
    for (std::size_t i = 0; i < m_attributes.size(); ++i) {
        GumboAttribute& attribute = m_attributes[i];
        attribute.attr_namespace = GUMBO_ATTR_NAMESPACE_NONE;
        attribute.name = m_text.data() + m_attributeDrafts[i].name;
        attribute.value = m_text.data() + m_attributeDrafts[i].value;
        m_pointers[childCount + i] = &attribute;
    }
}

} // namespace quillet
