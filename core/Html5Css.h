#pragma once

#include "core/ColorChoice.h"

#include <string>
#include <string_view>

namespace quillet {

// The CSS keyword a browser uses for legacy font size 1 to 7; empty for any other size.
std::string_view CssFontSizeKeyword(int size);

// Font size 1 to 7 relative to the default size 3, as the keyword's em.
double CssFontSizeEm(int size);

// A colour as CSS: the palette's HTML name (a CSS name too), "#rrggbb" for any other
// colour; empty for "標準".
std::string CssColor(const ColorChoice& choice);

// A face name as a CSS string in single quotes, so that any name is one family.
void AppendCssFamily(std::string& out, std::string_view face);

// One space, the name, "=", and the value in double quotes. A double quote in the value
// would end it early, so it is written as a reference; nothing else is changed.
void AppendHtml5Attribute(std::string& out, std::string_view name, std::string_view value);

// The same for an address: a space and the other characters an address may not hold as
// typed are percent-encoded, as a browser encodes them when it follows the link.
void AppendHtml5UrlAttribute(std::string& out, std::string_view name, std::string_view url);

} // namespace quillet
