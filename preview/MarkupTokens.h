#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

struct MarkupAttribute {
    std::string Name; // lower case
    std::string Value;
};

// One piece of a fragment as a browser's tokenizer sees it. Texts are code page 932.
struct MarkupToken {
    enum class Kind { Text, Open, Close };

    Kind kind = Kind::Text;
    std::string Name; // lower-case element name of a tag; the text itself for Text
    std::vector<MarkupAttribute> Attributes;

    // The value of an attribute, whatever the case of its name; empty when it is missing.
    std::string_view Attribute(std::string_view name) const;
    bool HasAttribute(std::string_view name) const;
};

// Splits a fragment into text and tags the way a browser does: "<" starts a tag only
// before a letter (or "/" and a letter), comments are dropped, attribute values may be
// quoted either way or not at all, and a tag left open at the end is dropped. The user's
// text is never escaped, so a "<" in it is either a tag or plain text by the same rule.
std::vector<MarkupToken> TokenizeMarkup(std::string_view fragment);

} // namespace quillet
