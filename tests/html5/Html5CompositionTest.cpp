#include "core/Composition.h"
#include "platform/AsciiText.h"
#include "tests/html5/Html5Cases.h"

#include <gtest/gtest.h>

using namespace quillet;
using quillet::test::Html5Cases;

namespace {

TEST(Html5Composition, EveryPageAndCombinationWritesItsFragment) {
    for (const auto& entry : Html5Cases()) {
        SCOPED_TRACE(entry.Name);
        const std::string fragment = ComposeFragment(entry.State, entry.Page, entry.SymbolContent);
        EXPECT_EQ(fragment, entry.Html5);
        const std::string lower = AsciiLower(fragment);
        for (const char* obsolete : {"<font", "<marquee", "<center", "face=", "align="}) {
            EXPECT_EQ(lower.find(obsolete), std::string::npos) << obsolete;
        }
    }
}

TEST(Html5Composition, TheSameStateInThePresentStyleIsUnchanged) {
    ComposerState state = Html5Cases().front().State;
    state.PageSelected[static_cast<std::size_t>(TagPage::Hyperlink)] = true;
    state.LinkUrl = "a.htm";
    state.Style = OutputStyle::Present;
    EXPECT_EQ(ComposeFragment(state, TagPage::Font), "<A Href=\"a.htm\">abc</A>");
}

TEST(Html5Composition, ASingleCharacterGradationIsDroppedAsInThePresentStyle) {
    ComposerState state = MakeInitialState({});
    state.Style = OutputStyle::Html5;
    state.PageSelected[static_cast<std::size_t>(TagPage::Gradation)] = true;
    state.GradationText = "&#9731;";
    EXPECT_EQ(ComposeFragment(state, TagPage::Gradation), "");
    // A symbol's markup stays whole instead.
    EXPECT_EQ(ComposeFragment(state, TagPage::Symbol, "<Font Face=\"Symbol\">\xAA</Font>"),
              "&#9824;");
}

} // namespace
