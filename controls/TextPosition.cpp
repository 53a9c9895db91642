#include "controls/TextPosition.h"

#include <algorithm>

namespace quillet {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

struct LineSpan {
    std::size_t start;
    std::size_t end; // before the line break
};

LineSpan FindLine(std::string_view text, int line) {
    std::size_t start = 0;
    for (int current = 0; current < line; ++current) {
        const std::size_t lineBreak = text.find(kLineBreak, start);
        if (lineBreak == std::string_view::npos) {
            break; // past the last line: the last line
        }
        start = lineBreak + kLineBreak.size();
    }
    return {start, std::min(text.find(kLineBreak, start), text.size())};
}

} // namespace

LineCol LineColFromIndex(std::string_view text, int index) {
    const std::size_t target = std::min(static_cast<std::size_t>(std::max(index, 0)), text.size());
    LineCol position;
    std::size_t lineStart = 0;
    for (std::size_t lineBreak = text.find(kLineBreak);
         lineBreak != std::string_view::npos && lineBreak < target;
         lineBreak = text.find(kLineBreak, lineStart)) {
        if (target < lineBreak + kLineBreak.size()) {
            position.column = static_cast<int>(lineBreak - lineStart);
            return position;
        }
        ++position.line;
        lineStart = lineBreak + kLineBreak.size();
    }
    position.column = static_cast<int>(target - lineStart);
    return position;
}

int IndexFromLineCol(std::string_view text, LineCol position) {
    const LineSpan span = FindLine(text, position.line);
    const std::size_t column =
        std::min(static_cast<std::size_t>(std::max(position.column, 0)), span.end - span.start);
    return static_cast<int>(span.start + column);
}

int LineEndIndex(std::string_view text, int line) {
    return static_cast<int>(FindLine(text, line).end);
}

Place ComparePosition(LineCol position, const Selection& selection) {
    if (position < selection.start) {
        return Place::Before;
    }
    return selection.end < position ? Place::After : Place::Inside;
}

std::string GetSelectionText(std::string_view text, const Selection& selection) {
    const int start = IndexFromLineCol(text, selection.start);
    const int end = IndexFromLineCol(text, selection.end);
    if (end <= start) {
        return {};
    }
    return std::string(
        text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
}

} // namespace quillet
