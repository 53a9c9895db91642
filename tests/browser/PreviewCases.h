#pragma once

#include <string>
#include <vector>

namespace quillet::test {

// A fragment for the preview and the browser to draw: composed by the program from page
// states where it can be, literal where only a user's symbol could hold it. Code page 932.
struct PreviewCase {
    std::string Name;
    std::string Fragment;
};

const std::vector<PreviewCase>& PreviewCases();

} // namespace quillet::test
