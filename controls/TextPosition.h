#pragma once

#include <string>
#include <string_view>

// Positions in the text of a drag-and-drop edit. Indexes count bytes of the code page 932
// text; a (line, column) pair names a line of the text, lines being separated by CR LF, and
// the byte offset from that line's first byte.
namespace quillet {

struct LineCol {
    int line = 0;
    int column = 0;

    friend bool operator==(const LineCol&, const LineCol&) = default;
    friend bool operator<(const LineCol& a, const LineCol& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    }
};

struct Selection {
    LineCol start;
    LineCol end;
};

enum class Place { Inside = 0, Before = 1, After = 2 };

// An index below 0 counts as 0 and one past the text as its end. An index between the CR
// and the LF of a line break stands for the end of the line before it.
LineCol LineColFromIndex(std::string_view text, int index);

// A line past the last counts as the last one, a column past the end of its line as that
// end, so the index never lands inside a line break.
int IndexFromLineCol(std::string_view text, LineCol position);

// Index just past the last byte of `line`, before its line break.
int LineEndIndex(std::string_view text, int line);

// Both ends of the selection count as inside it.
Place ComparePosition(LineCol position, const Selection& selection);

// The selected bytes; the lines of a selection over several lines keep the CR LF that
// joins them.
std::string GetSelectionText(std::string_view text, const Selection& selection);

} // namespace quillet
