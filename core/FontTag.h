#pragma once

#include "core/ComposerState.h"
#include "core/ComposerView.h"

#include <span>
#include <string>
#include <string_view>

namespace quillet {

// One item of the size list: the text the state holds, the digit written (0: no
// attribute) and the pixel height of the sample.
struct FontSizeRow {
    std::string_view Item; // code page 932
    int Digit = 0;
    int SampleHeight = 19;
};

// In the order of the size list, "標準" first.
std::span<const FontSizeRow> FontSizeTable();
// nullptr for a text that is no item of the list.
const FontSizeRow* FindFontSize(std::string_view item);

// The style elements open outside the font element and close inside it:
// <B><I><U><S><Font ...> ... </Font></S></U></I></B>. When `sample` is given it receives
// the font the sample is to be drawn in, with the height of the chosen size (or the
// state's SampleHeight for a size that is not in the list).
void AppendFontOpenTag(std::string& out, const ComposerState& state, SampleFont* sample = nullptr);
void AppendFontCloseTag(std::string& out, const ComposerState& state);

std::string FontOpenTag(const ComposerState& state, SampleFont* sample = nullptr);
std::string FontCloseTag(const ComposerState& state);

} // namespace quillet
