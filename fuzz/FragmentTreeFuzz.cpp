// The direct reader of well-formed fragments: whatever it takes, its tree is the one the
// full parser builds.
#include "fuzz/FuzzInput.h"
#include "preview/GumboTreeDifference.h"
#include "preview/HtmlFragmentTree.h"

#include <string>

using quillet::HtmlFragmentTree;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fragment(reinterpret_cast<const char*>(data), size);
    const HtmlFragmentTree direct(fragment);
    if (!direct.ReadByFullParser()) {
        const HtmlFragmentTree parsed(fragment, HtmlFragmentTree::Reader::FullParser);
        quillet::fuzz::Require(quillet::GumboTreeDifference(direct.Root(), parsed.Root()).empty(),
                               "the direct reader's tree is the parser's", fragment);
    }
    return 0;
}
