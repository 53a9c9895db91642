#include "preview/NestingLimit.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <array>
#include <map>

namespace quillet {
namespace {

constexpr auto kVoidElements =
    std::to_array<std::string_view>({"area", "base", "br", "col", "embed", "hr", "img", "input",
                                     "keygen", "link", "meta", "param", "source", "track", "wbr"});

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool EndsName(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '/' || c == '>';
}

// Where the tag starting at `at` ends, just past its '>'; quoted attribute values may hold
// one. An unclosed tag runs to the end, as the parser reads it.
std::size_t TagEnd(std::string_view markup, std::size_t at) {
    char quote = 0;
    for (std::size_t i = at + 1; i < markup.size(); ++i) {
        const char c = markup[i];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            // Only a value's opening quote counts: one after '='.
            std::size_t before = i;
            while (before > at && (markup[before - 1] == ' ' || markup[before - 1] == '\t')) {
                --before;
            }
            quote = before > at && markup[before - 1] == '=' ? c : 0;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return markup.size();
}

} // namespace

std::string LimitNesting(std::string_view markup, std::size_t depth) {
    std::string out;
    std::size_t open = 0;
    std::map<std::string, std::size_t> leftOut; // start tags dropped, by name
    std::size_t copied = 0;
    for (std::size_t at = markup.find('<'); at != std::string_view::npos;
         at = markup.find('<', at + 1)) {
        if (markup.substr(at, 4) == "<!--") {
            const std::size_t close = markup.find("-->", at + 4);
            if (close == std::string_view::npos) {
                break;
            }
            at = close + 2;
            continue;
        }
        const bool closing = at + 1 < markup.size() && markup[at + 1] == '/';
        const std::size_t nameStart = at + (closing ? 2 : 1);
        if (nameStart >= markup.size() || !IsLetter(markup[nameStart])) {
            continue;
        }
        std::size_t nameEnd = nameStart;
        while (nameEnd < markup.size() && !EndsName(markup[nameEnd])) {
            ++nameEnd;
        }
        const std::string name = AsciiLower(markup.substr(nameStart, nameEnd - nameStart));
        const std::size_t end = TagEnd(markup, at);
        bool drop = false;
        if (closing) {
            if (auto found = leftOut.find(name); found != leftOut.end() && found->second > 0) {
                --found->second;
                drop = true;
            } else if (open > 0) {
                --open;
            }
        } else if (std::ranges::find(kVoidElements, name) == kVoidElements.end()) {
            drop = open >= depth;
            if (drop) {
                ++leftOut[name];
            } else {
                ++open;
            }
        }
        if (drop) {
            out.append(markup.substr(copied, at - copied));
            copied = end;
        }
        at = end - 1;
    }
    out.append(markup.substr(copied));
    return out;
}

} // namespace quillet
