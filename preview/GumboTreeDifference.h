#pragma once

#include <gumbo.h>

#include <string>

namespace quillet {

// Where two parsed trees first differ in what the preview reads of them: node kinds,
// element names and namespaces, attributes in order, texts. Empty when they agree.
std::string GumboTreeDifference(const GumboNode& a, const GumboNode& b);

} // namespace quillet
