#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace quillet {

// A run of a text as a gradation colours it: one character, or a tag that passes whole.
struct MarkupUnit {
    std::size_t Pos;
    std::size_t Length;
    bool Tag;
};

// Length of the tag at `pos` ('<' then a letter, '/' or '!', up to its '>'; a '>' inside a
// quoted attribute value does not end it), or 0 when no tag starts there.
std::size_t MarkupTagLength(std::string_view text, std::size_t pos);

// Length of the character reference at `pos` ("&name;", "&#123;", "&#x1F;"), or 0.
std::size_t ReferenceLength(std::string_view text, std::size_t pos);

// Code page 932 characters; a character reference counts as one character, and with
// `tags` a tag is a unit of its own.
std::vector<MarkupUnit> SplitMarkupUnits(std::string_view text, bool tags);

// One channel's value at character `index` of `count`: equal steps truncated toward zero,
// and exactly the end value at the last character.
unsigned GradationChannelAt(unsigned start, unsigned end, std::size_t index, std::size_t count);

} // namespace quillet
