#pragma once

#include "core/TagPage.h"

#include <span>
#include <string>

// What a screen reader and the keyboard meet on each page: the controls a user can reach,
// in reading order, each with the label that names it or a name of its own.
namespace quillet {

struct AccessEntry {
    int control;
    // The label whose text names the control and whose letter moves the focus there; 0
    // for none.
    int label = 0;
    // The name when there is no label. Code page 932.
    const char* name = nullptr;
};

// The page's reachable controls from top left to bottom right. A tool bar stands for its
// shown buttons, which carry their tool tips as names.
std::span<const AccessEntry> AccessOrder(TagPage page);

// A label's text as a name: without its access key "(&T)" or a lone "&", the colon and
// the spaces around it. Code page 932 in and out.
std::string AccessibleLabelName(const std::string& labelText);

} // namespace quillet
