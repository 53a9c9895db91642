#include "core/MarkupGradation.h"

#include "core/HexColor.h"
#include "platform/AsciiText.h"
#include "platform/CodePage932.h"

#include <vector>

namespace quillet {
namespace {

// A run of the content: a tag, or one character to colour.
struct Unit {
    std::size_t Pos;
    std::size_t Length;
    bool Tag;
};

// Length of the tag at `pos` ('<' then a letter, '/' or '!', up to its '>'; a '>' inside a
// quoted attribute value does not end it), or 0 when no tag starts there.
std::size_t TagLength(std::string_view text, std::size_t pos) {
    if (pos + 1 >= text.size()) {
        return 0;
    }
    const char next = text[pos + 1];
    if (!IsAsciiLetter(next) && next != '/' && next != '!') {
        return 0;
    }
    char quote = 0;
    for (std::size_t at = pos + 1; at < text.size(); at += cp932::CharLength(text, at)) {
        const char c = text[at];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return at + 1 - pos;
        }
    }
    // An unbalanced quote: the first '>' closes the tag after all.
    const std::size_t close = text.find('>', pos);
    return close == std::string_view::npos ? 0 : close + 1 - pos;
}

// Length of the character reference at `pos` ("&name;", "&#123;", "&#x1F;"), or 0.
std::size_t ReferenceLength(std::string_view text, std::size_t pos) {
    std::size_t at = pos + 1;
    if (at < text.size() && text[at] == '#') {
        ++at;
        if (at < text.size() && (text[at] == 'x' || text[at] == 'X')) {
            ++at;
        }
    }
    const std::size_t nameStart = at;
    while (at < text.size() && IsAsciiLetterOrDigit(text[at])) {
        ++at;
    }
    if (at == nameStart || at >= text.size() || text[at] != ';') {
        return 0;
    }
    return at + 1 - pos;
}

std::vector<Unit> SplitUnits(std::string_view text) {
    std::vector<Unit> units;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = 0;
        bool tag = false;
        if (text[pos] == '<') {
            length = TagLength(text, pos);
            tag = length != 0;
        } else if (text[pos] == '&') {
            length = ReferenceLength(text, pos);
        }
        if (length == 0) {
            length = cp932::CharLength(text, pos);
        }
        units.push_back({pos, length, tag});
        pos += length;
    }
    return units;
}

// One channel's value at character `index` of `count`: equal steps truncated toward zero,
// and exactly the end value at the last character.
unsigned ChannelAt(unsigned start, unsigned end, std::size_t index, std::size_t count) {
    if (index + 1 == count) {
        return end;
    }
    const long long step = (static_cast<long long>(end) - static_cast<long long>(start)) /
                           static_cast<long long>(count - 1);
    return static_cast<unsigned>(static_cast<long long>(start) +
                                 step * static_cast<long long>(index));
}

} // namespace

void AppendGradationOverMarkup(std::string& out, std::string_view content, Rgb start, Rgb end,
                               std::string_view quote) {
    const std::vector<Unit> units = SplitUnits(content);
    std::size_t count = 0;
    for (const Unit& unit : units) {
        count += unit.Tag ? 0 : 1;
    }
    if (count < 2) {
        out += content;
        return;
    }
    std::size_t index = 0;
    for (const Unit& unit : units) {
        const std::string_view text = content.substr(unit.Pos, unit.Length);
        if (unit.Tag) {
            out += text;
            continue;
        }
        char colour[6];
        WriteHexColor(colour, ChannelAt(RedOf(start), RedOf(end), index, count),
                      ChannelAt(GreenOf(start), GreenOf(end), index, count),
                      ChannelAt(BlueOf(start), BlueOf(end), index, count));
        out += "<Font Color=";
        out += quote;
        out.append(colour, sizeof colour);
        out += quote;
        out += '>';
        out += text;
        out += "</Font>";
        ++index;
    }
}

} // namespace quillet
