// The composer: whatever the user does, in any order, the fragment's elements are balanced.
// Input: a list of actions, each an action byte and its argument.
#include "core/Composer.h"
#include "core/ComposerView.h"
#include "fuzz/FuzzInput.h"

#include <algorithm>
#include <vector>

using quillet::fuzz::FuzzInput;
using quillet::fuzz::Require;

namespace {

class FuzzView : public quillet::NullComposerView {
public:
    std::string SymbolContentAt(int row) const override { return row >= 0 ? "&amp;" : ""; }
};

// Typed texts may hold markup of their own, which is the user's to balance.
std::string TypedText(FuzzInput& input) {
    std::string text = input.Text();
    std::replace(text.begin(), text.end(), '<', '(');
    std::replace(text.begin(), text.end(), '>', ')');
    return text;
}

// A page index, now and then one that no page has.
int PageIndex(FuzzInput& input) {
    return input.Byte() % (quillet::kPageCount + 2) - 1;
}

std::string_view TagName(std::string_view tag) {
    const std::size_t end = tag.find_first_of(" \t\r\n/>", 1);
    return tag.substr(0, std::min(end, tag.size()));
}

void RequireBalanced(std::string_view fragment) {
    constexpr std::string_view kVoid[] = {"img", "br", "hr"};
    std::vector<std::string_view> open;
    for (std::size_t at = fragment.find('<'); at != std::string_view::npos;
         at = fragment.find('<', at + 1)) {
        const std::size_t end = fragment.find('>', at);
        Require(end != std::string_view::npos, "every tag is closed");
        const std::string_view tag = fragment.substr(at + 1, end - at - 1);
        if (tag.starts_with('/')) {
            Require(!open.empty() && open.back() == TagName(tag.substr(1)),
                    "an end tag ends the innermost open element");
            open.pop_back();
        } else if (!tag.ends_with('/') &&
                   std::ranges::find(kVoid, TagName(tag)) == std::end(kVoid)) {
            open.push_back(TagName(tag));
        }
    }
    Require(open.empty(), "every element is ended");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    FuzzView view;
    quillet::Composer composer(view);
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
        case 7:
            composer.SelectOnly(PageIndex(input));
            break;
        case 8:
            composer.ToggleSelected(PageIndex(input));
            break;
        case 9:
            composer.ResetPageInputs(PageIndex(input));
            break;
        default:
            view.SetCurrentPage(PageIndex(input));
            composer.State().SymbolSelection = static_cast<std::int8_t>(input.Byte());
            break;
        }
        RequireBalanced(composer.RebuildTag());
    }
    return 0;
}
