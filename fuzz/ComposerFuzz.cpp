// The composer: whatever the user does, in any order, the fragment's elements are balanced.
// Pages change and combine only the ways the tabs allow, so that every state is one the
// window can reach. Input: a list of actions, each an action byte and its argument.
#include "core/Composer.h"
#include "core/ComposerView.h"
#include "core/PageSelection.h"
#include "fuzz/FuzzInput.h"
#include "platform/AsciiText.h"

#include <algorithm>
#include <vector>

using quillet::fuzz::FuzzInput;
using quillet::fuzz::Require;

namespace {

// Symbols hold markup and references, which a combined gradation must keep whole.
class FuzzView : public quillet::NullComposerView {
public:
    std::string SymbolContentAt(int row) const override {
        constexpr const char* kContents[] = {"&amp;", "<Font Face=\"Wingdings\">N</Font>",
                                             "<B>ab&copy;c</B>"};
        return row >= 0 ? kContents[row % 3] : "";
    }
};

// Typed texts may hold markup of their own, which is the user's to balance.
std::string TypedText(FuzzInput& input) {
    std::string text = input.Text();
    std::replace(text.begin(), text.end(), '<', '(');
    std::replace(text.begin(), text.end(), '>', ')');
    return text;
}

int PageIndex(FuzzInput& input) {
    return input.Byte() % quillet::kPageCount;
}

// In lower case, as names match in any case.
std::string TagName(std::string_view tag) {
    return quillet::AsciiLower(
        tag.substr(0, std::min(tag.find_first_of(" \t\r\n/", 1), tag.size())));
}

void RequireBalanced(std::string_view fragment) {
    constexpr std::string_view kVoid[] = {"img", "br", "hr"};
    std::vector<std::string> open;
    for (std::size_t at = fragment.find('<'); at != std::string_view::npos;
         at = fragment.find('<', at + 1)) {
        const std::size_t end = fragment.find('>', at);
        Require(end != std::string_view::npos, "every tag is closed", fragment);
        const std::string_view tag = fragment.substr(at + 1, end - at - 1);
        if (tag.starts_with('/')) {
            Require(!open.empty() && open.back() == TagName(tag.substr(1)),
                    "an end tag ends the innermost open element", fragment);
            open.pop_back();
        } else if (!tag.ends_with('/') &&
                   std::ranges::find(kVoid, TagName(tag)) == std::end(kVoid)) {
            open.push_back(TagName(tag));
        }
    }
    Require(open.empty(), "every element is ended", fragment);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    FuzzView view;
    quillet::Composer composer(view);
    composer.SelectOnly(view.CurrentPage());
    while (!input.Empty()) {
        switch (input.Byte() % 11) {
        case 0:
            composer.SetMainText(TypedText(input));
            break;
        case 1:
            composer.SetLinkUrl(TypedText(input));
            break;
        case 2:
            composer.SetFontFace(TypedText(input));
            break;
        case 3:
            composer.SetChoice(TypedText(input));
            break;
        case 4:
            composer.SetMarqueeSpeed(static_cast<std::int8_t>(input.Byte()) * 3);
            break;
        case 5: {
            // One at a time: the order of a call's arguments is the compiler's choice.
            const unsigned red = input.Byte();
            const unsigned green = input.Byte();
            const quillet::Rgb rgb = quillet::MakeRgb(red, green, input.Byte());
            const bool end = input.Byte() % 2 == 1;
            switch (input.Byte() % 3) {
            case 0:
                composer.SetPageColor(quillet::StandardColor(rgb), end);
                break;
            case 1:
                composer.SetPageColor(quillet::OtherColor(rgb), end);
                break;
            default:
                composer.SetPageColor({TypedText(input), rgb}, end);
                break;
            }
            break;
        }
        case 6:
            composer.PressStyleButton(57670 + input.Byte() % 20);
            break;
        case 7: { // a click on a tab
            const int page = PageIndex(input);
            view.SetCurrentPage(page);
            composer.State().MultiSelect = false;
            composer.SelectOnly(page);
            break;
        }
        case 8: { // a right click on another tab
            const int page = PageIndex(input);
            composer.State().MultiSelect = true;
            if (page != view.CurrentPage() && quillet::CanCombine(view.CurrentPage(), page)) {
                composer.ToggleSelected(page);
            }
            break;
        }
        case 9: // the clear command
            for (int page = 0; page < quillet::kPageCount; ++page) {
                if (quillet::IsSelected(composer.State(), page)) {
                    composer.ResetPageInputs(page);
                }
            }
            break;
        default:
            composer.State().SymbolSelection = static_cast<std::int8_t>(input.Byte());
            break;
        }
        RequireBalanced(composer.RebuildTag());
    }
    return 0;
}
