#include "platform/ProfileDocument.h"

#include "platform/CodePage932.h"

#include <algorithm>
#include <climits>
#include <tuple>
#include <utility>

namespace quillet {
namespace {

constexpr std::size_t npos = std::string::npos;

// Trail bytes of code page 932 start at 0x40, so none of these can end a double-byte
// character and trimming byte by byte is safe.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The part of [begin, end) without blanks at either end.
std::pair<std::size_t, std::size_t> TrimmedRange(std::string_view text, std::size_t begin,
                                                 std::size_t end) {
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return {begin, end};
}

std::string_view Trim(std::string_view text) {
    const auto [begin, end] = TrimmedRange(text, 0, text.size());
    return text.substr(begin, end - begin);
}

constexpr char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Only single-byte characters fold: the second byte of a double-byte character may look
// like an ASCII letter, and folding it would join two different characters.
bool EqualsNoAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size();) {
        if (cp932::CharLength(a, i) == 2) {
            if (a.compare(i, 2, b, i, 2) != 0) {
                return false;
            }
            i += 2;
        } else {
            if (FoldAscii(a[i]) != FoldAscii(b[i])) {
                return false;
            }
            ++i;
        }
    }
    return true;
}

// ']' is also a trail byte, so the closing bracket is searched character by character.
std::size_t FindClosingBracket(std::string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); i += cp932::CharLength(text, i)) {
        if (text[i] == ']') {
            return i;
        }
    }
    return npos;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != npos;
}

// Quotes keep blanks at either end, and a value that is itself quoted keeps its quotes:
// reading strips exactly one matching pair.
std::string EncodeValue(std::string_view value) {
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || quoted)) {
        return "\"" + std::string(value) + "\"";
    }
    return std::string(value);
}

int ParseInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
    }
    if (negative) {
        return static_cast<int>(-magnitude);
    }
    return static_cast<int>(std::min<long long>(magnitude, INT_MAX));
}

bool IsBlankOrComment(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    return trimmed.empty() || trimmed.front() == ';';
}

} // namespace

std::string_view ProfileDocument::Line::Name() const {
    return std::string_view(text).substr(nameBegin, nameEnd - nameBegin);
}

std::string_view ProfileDocument::Line::Value() const {
    return std::string_view(text).substr(valueBegin, valueEnd - valueBegin);
}

ProfileDocument::ProfileDocument(std::string_view bytes) {
    m_lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t feed = bytes.find('\n', start);
        if (feed == npos) {
            m_lines.push_back(ParseLine(std::string(bytes.substr(start)), Ending::None));
            break;
        }
        const bool crlf = feed > start && bytes[feed - 1] == '\r';
        const std::size_t end = crlf ? feed - 1 : feed;
        m_lines.push_back(ParseLine(std::string(bytes.substr(start, end - start)),
                                    crlf ? Ending::CrLf : Ending::Lf));
        start = feed + 1;
    }
}

ProfileDocument::Line ProfileDocument::ParseLine(std::string text, Ending ending) {
    Line line;
    line.text = std::move(text);
    line.ending = ending;
    const std::string_view view = line.text;
    std::size_t first = 0;
    while (first < view.size() && IsBlank(view[first])) {
        ++first;
    }
    if (first == view.size() || view[first] == ';') {
        return line;
    }
    if (view[first] == '[') {
        const std::size_t close = FindClosingBracket(view, first + 1);
        if (close != npos) {
            line.kind = Kind::Section;
            std::tie(line.nameBegin, line.nameEnd) = TrimmedRange(view, first + 1, close);
        }
        return line;
    }
    const std::size_t equals = view.find('=', first);
    if (equals == npos) {
        return line;
    }
    std::tie(line.nameBegin, line.nameEnd) = TrimmedRange(view, first, equals);
    if (line.nameBegin == line.nameEnd) {
        return line;
    }
    line.kind = Kind::Entry;
    std::tie(line.valueBegin, line.valueEnd) = TrimmedRange(view, equals + 1, view.size());
    return line;
}

std::size_t ProfileDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && EqualsNoAsciiCase(m_lines[i].Name(), section)) {
            return i;
        }
    }
    return npos;
}

std::size_t ProfileDocument::FindEntry(std::size_t sectionLine, std::string_view key) const {
    for (std::size_t i = sectionLine + 1; i < m_lines.size() && m_lines[i].kind != Kind::Section;
         ++i) {
        if (m_lines[i].kind == Kind::Entry && EqualsNoAsciiCase(m_lines[i].Name(), key)) {
            return i;
        }
    }
    return npos;
}

// After the section's last line that holds something, so that blank lines and comments
// leading into the next section stay with it.
std::size_t ProfileDocument::SectionInsertPoint(std::size_t sectionLine) const {
    std::size_t last = sectionLine;
    for (std::size_t i = sectionLine + 1; i < m_lines.size() && m_lines[i].kind != Kind::Section;
         ++i) {
        if (!IsBlankOrComment(m_lines[i].text)) {
            last = i;
        }
    }
    return last + 1;
}

void ProfileDocument::InsertLine(std::size_t at, std::string text) {
    if (at > 0 && m_lines[at - 1].ending == Ending::None) {
        m_lines[at - 1].ending = Ending::CrLf;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                   ParseLine(std::move(text), Ending::CrLf));
}

std::string ProfileDocument::String(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    const std::size_t sectionLine = FindSection(Trim(section));
    const std::size_t entry = sectionLine == npos ? npos : FindEntry(sectionLine, Trim(key));
    if (entry == npos) {
        return std::string(fallback);
    }
    std::string_view value = m_lines[entry].Value();
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    // A damaged file may hold NUL bytes; the value is the text before the first one.
    return std::string(value.substr(0, value.find('\0')));
}

int ProfileDocument::Int(std::string_view section, std::string_view key, int fallback) const {
    const std::string value = String(section, key, "");
    return value.empty() ? fallback : ParseInt(value);
}

// Whether the line written for a name reads back as that name. Decided by the reader itself,
// so that no spelling slips through: a name ending in a lone lead byte, for one, would take
// the closing bracket as its trail byte.
bool ProfileDocument::ReadsBackAs(const std::string& text, Kind kind, std::string_view name) {
    const Line line = ParseLine(text, Ending::CrLf);
    return line.kind == kind && line.Name() == name;
}

bool ProfileDocument::SetString(std::string_view section, std::string_view key,
                                std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    const std::string encoded = EncodeValue(value);
    if (section.empty() || key.empty() || HasLineBreakOrNul(section) || HasLineBreakOrNul(key) ||
        HasLineBreakOrNul(value) ||
        !ReadsBackAs("[" + std::string(section) + "]", Kind::Section, section) ||
        !ReadsBackAs(std::string(key) + "=" + encoded, Kind::Entry, key)) {
        return false;
    }
    const std::size_t sectionLine = FindSection(section);
    if (sectionLine == npos) {
        InsertLine(m_lines.size(), "[" + std::string(section) + "]");
        InsertLine(m_lines.size(), std::string(key) + "=" + encoded);
        return true;
    }
    const std::size_t entry = FindEntry(sectionLine, key);
    if (entry == npos) {
        InsertLine(SectionInsertPoint(sectionLine), std::string(key) + "=" + encoded);
        return true;
    }
    // The key keeps its spelling and the blanks around '='; only the value changes.
    Line& line = m_lines[entry];
    line = ParseLine(line.text.substr(0, line.valueBegin) + encoded, line.ending);
    return true;
}

bool ProfileDocument::SetInt(std::string_view section, std::string_view key, int value) {
    return SetString(section, key, std::to_string(value));
}

std::string ProfileDocument::Bytes() const {
    constexpr std::string_view kEndings[] = {"", "\n", "\r\n"};
    std::size_t size = 0;
    for (const Line& line : m_lines) {
        size += line.text.size() + kEndings[static_cast<int>(line.ending)].size();
    }
    std::string bytes;
    bytes.reserve(size);
    for (const Line& line : m_lines) {
        bytes += line.text;
        bytes += kEndings[static_cast<int>(line.ending)];
    }
    return bytes;
}

} // namespace quillet
