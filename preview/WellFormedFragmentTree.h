#pragma once

#include <gumbo.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// The tree the HTML parser would build, for the plain, well-nested markup the program
// itself writes, read in one pass without the parser's general machinery. Markup that
// could make the parser repair, reopen or drop anything is left to the parser: Read says
// no and the tree stays empty.
class WellFormedFragmentTree {
public:
    WellFormedFragmentTree() = default;
    WellFormedFragmentTree(const WellFormedFragmentTree&) = delete;
    WellFormedFragmentTree& operator=(const WellFormedFragmentTree&) = delete;

    // Reads UTF-8 markup; false when it lies outside what this reader knows to read
    // exactly as the parser does.
    bool Read(std::string_view utf8);

    // The element whose children are the fragment's nodes; only after Read said yes.
    const GumboNode& Root() const { return m_nodes.front(); }

private:
    struct Open {
        std::size_t node;
        GumboTag tag;
    };
    struct Draft {
        std::size_t parent;
        std::size_t first; // text: offset in m_text; element: first attribute
        std::size_t count; // element: attributes
    };
    struct AttributeDraft {
        std::size_t name;
        std::size_t value;
    };

    bool ReadTag(std::string_view s, std::size_t& at);
    bool ReadEndTag(std::string_view s, std::size_t& at);
    bool ReadAttributes(std::string_view s, std::size_t& at, bool isVoid);
    bool ReadReference(std::string_view s, std::size_t& at);
    void AddNode(GumboNodeType type, std::size_t first, std::size_t count);
    void FlushText();
    void Finish();

    std::vector<GumboNode> m_nodes;
    std::vector<Draft> m_drafts;
    std::vector<GumboAttribute> m_attributes;
    std::vector<AttributeDraft> m_attributeDrafts;
    std::vector<void*> m_pointers; // children and attributes, each element's in one run
    std::string m_text;            // every text and name, each ending in NUL
    std::vector<Open> m_open;
    std::array<unsigned short, GUMBO_TAG_LAST + 1> m_openByTag{};
    std::size_t m_textStart = 0; // where the text not yet in a node begins in m_text
    bool m_textIsWhitespace = true;
};

} // namespace quillet
