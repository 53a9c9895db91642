#pragma once

#include "core/ComposerState.h"
#include "core/TagPage.h"

#include <string>
#include <vector>

namespace quillet::test {

// Why a case's two styles are not expected to look alike in a browser: the scrolling text
// moves, symbols are characters instead of a symbol face, a superscript in a paragraph is
// raised, a character outside the code page is coloured whole instead of as the bytes of
// its reference, and an image that cannot be loaded shows its alternative text.
enum class LookAlike { Yes, Moves, SymbolFont, RaisedInParagraph, WholeCharacter, AltText };

// One fragment of a page or a combination of pages: the state, the current page, the
// symbol row's content, and the fragment HTML5 style writes (code page 932, characters
// outside it as references, as the composer holds it).
struct Html5Case {
    std::string Name;
    ComposerState State;
    TagPage Page;
    std::string SymbolContent;
    std::string Html5;
    LookAlike Look = LookAlike::Yes;
};

const std::vector<Html5Case>& Html5Cases();

} // namespace quillet::test
