#include "core/MarkupUnits.h"

#include "platform/AsciiText.h"
#include "platform/CodePage932.h"

namespace quillet {

std::size_t MarkupTagLength(std::string_view text, std::size_t pos) {
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

std::vector<MarkupUnit> SplitMarkupUnits(std::string_view text, bool tags) {
    std::vector<MarkupUnit> units;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = 0;
        bool tag = false;
        if (tags && text[pos] == '<') {
            length = MarkupTagLength(text, pos);
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

unsigned GradationChannelAt(unsigned start, unsigned end, std::size_t index, std::size_t count) {
    if (index + 1 == count) {
        return end;
    }
    const long long step = (static_cast<long long>(end) - static_cast<long long>(start)) /
                           static_cast<long long>(count - 1);
    return static_cast<unsigned>(static_cast<long long>(start) +
                                 step * static_cast<long long>(index));
}

} // namespace quillet
