#include "app/PageAccess.h"

#include "core/CommandIds.h"
#include "resources/ResourceIds.h"

#include <array>

namespace quillet {
namespace {

using namespace ControlId;
using resource::StyleToolBar;

constexpr std::array kFont{
    AccessEntry{MainText, Label1},    AccessEntry{StyleToolBar, Label5},
    AccessEntry{FaceList, Label2},    AccessEntry{ChoiceList, Label3},
    AccessEntry{ColorSample, Label4},
};
constexpr std::array kGradation{
    AccessEntry{MainText, Label1},
    AccessEntry{GradationStartSample, 0, "開始色"},
    AccessEntry{GradationEndSample, 0, "終了色"},
};
constexpr std::array kParagraph{
    AccessEntry{MainText, Label1},
    AccessEntry{StyleToolBar, 0, "段落の書式"},
};
constexpr std::array kHyperlink{
    AccessEntry{MainText, Label1},
    AccessEntry{ChoiceList, Label5},
    AccessEntry{LinkUrlText, Label2},
    AccessEntry{BrowseButton, 0, "参照"},
};
constexpr std::array kMarquee{
    AccessEntry{MainText, Label1},
    AccessEntry{ChoiceList, Label5},
    AccessEntry{SpeedSlider, Label2},
    AccessEntry{ColorSample, Label4},
};
constexpr std::array kImage{
    AccessEntry{MainText, Label1},
    AccessEntry{BrowseButton, 0, "参照"},
};
constexpr std::array kSymbol{
    AccessEntry{ChoiceList, Label1},
    AccessEntry{StyleToolBar, 0, "記号の編集"},
    AccessEntry{SymbolList, 0, "記号の一覧"},
};

constexpr std::array<std::span<const AccessEntry>, kPageCount> kPages{
    kFont, kGradation, kParagraph, kHyperlink, kMarquee, kImage, kSymbol,
};

bool IsSpace(const std::string& text, std::size_t at, std::size_t& width) {
    if (text[at] == ' ') {
        width = 1;
        return true;
    }
    // The ideographic space, 81 40.
    if (at + 1 < text.size() && text[at] == '\x81' && text[at + 1] == '\x40') {
        width = 2;
        return true;
    }
    return false;
}

} // namespace

std::span<const AccessEntry> AccessOrder(TagPage page) {
    return kPages[static_cast<std::size_t>(page)];
}

// '(', '&', ')' and ':' are never the second byte of a double-byte character, so the scan
// can go byte by byte.
std::string AccessibleLabelName(const std::string& labelText) {
    std::string name;
    for (std::size_t i = 0; i < labelText.size(); ++i) {
        if (labelText.compare(i, 2, "(&") == 0 && i + 3 < labelText.size() &&
            labelText[i + 3] == ')') {
            i += 3;
        } else if (labelText[i] != '&') {
            name += labelText[i];
        }
    }
    if (!name.empty() && name.back() == ':') {
        name.pop_back();
    }
    std::size_t width = 0;
    std::size_t start = 0;
    while (start < name.size() && IsSpace(name, start, width)) {
        start += width;
    }
    std::size_t end = name.size();
    while (end > start && name[end - 1] == ' ') {
        --end;
    }
    return name.substr(start, end - start);
}

} // namespace quillet
