#pragma once

#include "preview/WellFormedFragmentTree.h"

#include <gumbo.h>

#include <string>
#include <string_view>

namespace quillet {

// A fragment parsed the way a browser parses it in a page's body: misnested and unclosed
// elements repaired, character references decoded, comments apart. The tree's texts are
// UTF-8.
class HtmlFragmentTree {
public:
    enum class Reader {
        Fastest,    // well-formed markup read directly, the rest by the full parser
        FullParser, // everything by the full parser, to check the other against
    };

    // The fragment is code page 932; a byte that is no character keeps its private-use
    // code point, which Cp932FromUtf8 turns back into the byte.
    explicit HtmlFragmentTree(std::string_view fragment, Reader reader = Reader::Fastest);
    ~HtmlFragmentTree();
    HtmlFragmentTree(const HtmlFragmentTree&) = delete;
    HtmlFragmentTree& operator=(const HtmlFragmentTree&) = delete;

    // The element whose children are the fragment's nodes.
    const GumboNode& Root() const { return *m_root; }

    // Whether the full parser built the tree.
    bool ReadByFullParser() const { return m_output != nullptr; }

private:
    std::string m_utf8; // the parser's nodes point into it
    WellFormedFragmentTree m_wellFormed;
    GumboOutput* m_output = nullptr;
    const GumboNode* m_root = nullptr;
};

// Code page 932 text as UTF-8, and back; a character the code page lacks comes back as a
// numeric character reference.
std::string Utf8FromCp932(std::string_view text);
std::string Cp932FromUtf8(std::string_view text);

// The characters of UTF-8 text, for walking it one character at a time.
std::u32string Utf32FromUtf8(std::string_view text);

} // namespace quillet
