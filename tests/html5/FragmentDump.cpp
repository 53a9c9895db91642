// Writes every case's fragment for the checker and the browser: <name>.html5.html (the HTML5
// fragment in a minimal UTF-8 page), <name>.present.html (the present fragment in the same
// page, code page 932), cases.txt (name and whether the two should look alike), and
// saved.htm as the program saves a page in HTML5 style.
#include "core/Composition.h"
#include "output/Html5TagFile.h"
#include "platform/Utf8Text.h"
#include "tests/html5/Html5Cases.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace fs = std::filesystem;
using namespace quillet;
using quillet::test::Html5Cases;
using quillet::test::LookAlike;

namespace {

// Both styles in the same standards-mode page, so that only the fragments differ.
std::string Page(std::string_view charset, std::string_view fragment) {
    std::string page = "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"";
    page += charset;
    page += "\">\n<title>fragment</title>\n</head>\n<body>\n";
    page += fragment;
    page += "\n</body>\n</html>\n";
    return page;
}

bool Write(const fs::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    return static_cast<bool>(file);
}

std::string_view LookName(LookAlike look) {
    switch (look) {
    case LookAlike::Yes:
        return "same";
    case LookAlike::Moves:
        return "moves";
    case LookAlike::SymbolFont:
        return "symbol-font";
    case LookAlike::RaisedInParagraph:
        return "raised";
    case LookAlike::WholeCharacter:
        return "whole-character";
    case LookAlike::AltText:
        return "alt-text";
    }
    return "same";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: html5_fragment_dump <folder>\n";
        return 2;
    }
    const fs::path folder = argv[1];
    fs::create_directories(folder);
    std::string index;
    bool written = true;
    for (const auto& entry : Html5Cases()) {
        ComposerState present = entry.State;
        present.Style = OutputStyle::Present;
        const std::string html5 = ComposeFragment(entry.State, entry.Page, entry.SymbolContent);
        const std::string old = ComposeFragment(present, entry.Page, entry.SymbolContent);
        written = Write(folder / (entry.Name + ".html5.html"),
                        Page("utf-8", Utf8WithCharacters(html5))) &&
                  written;
        written = Write(folder / (entry.Name + ".present.html"), Page("shift_jis", old)) && written;
        index += entry.Name;
        index += ' ';
        index += LookName(entry.Look);
        index += '\n';
    }
    const auto& every = *std::ranges::find(Html5Cases(), std::string("every_text_element"),
                                           &quillet::test::Html5Case::Name);
    const fs::path saved = folder / "saved & <kept>.htm";
    written = Write(saved, Html5SaveFileContents(Utf8WithCharacters(ComposeFragment(
                                                     every.State, every.Page, every.SymbolContent)),
                                                 saved)) &&
              written;
    written = Write(folder / "cases.txt", index) && written;
    return written ? 0 : 1;
}
