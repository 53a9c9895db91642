#include "app/PageTable.h"

#include <algorithm>
#include <array>

namespace quillet {
namespace {

using namespace ControlId;
using resource::StyleToolBar;
using resource::WindowToolBar;

constexpr Span kTabWidth = WidthMinus(15);

// Font page.
constexpr std::array kFontLabels{
    LabelText{Label1, "発言(&T) :"},     LabelText{Label2, "フォント名(&F) :"},
    LabelText{Label3, "サイズ(&S) :"},   LabelText{Label4, "色(&C) :"},
    LabelText{Label5, "文字飾り(&D) :"},
};
constexpr std::array kFontControls{MainText,    FaceList,   ChoiceList,
                                   ColorSample, FontSample, StyleToolBar};
constexpr std::array kFontButtons{CommandId::Bold, CommandId::Italic, CommandId::Underline,
                                  CommandId::Strike};
constexpr std::array kFontChoices{"標準", "1(最小)", "2", "3", "4", "5", "6", "7(最大)"};
constexpr std::array kFontPlacements{
    Placement{FontSample, {}, {}, WidthMinus(15), {}},
    Placement{MainText, {}, {}, WidthMinus(143), {}},
    Placement{FaceList, {}, {}, WidthMinus(229), {}},
    Placement{Label5, WidthMinus(115), Pixels(60), {}, {}},
    Placement{StyleToolBar, WidthMinus(115), Pixels(75), Pixels(95), {}},
    Placement{ChoiceList, WidthMinus(202), Pixels(120), Pixels(111), {}},
    Placement{Label3, WidthMinus(202), Pixels(105), {}, {}},
    Placement{ColorSample, WidthMinus(80), Pixels(120), {}, {}},
    Placement{Label4, WidthMinus(80), Pixels(105), {}, {}},
};

// Gradation, paragraph and image pages share one label.
constexpr std::array kTextLabel{LabelText{Label1, "テキスト(&T) :"}};
constexpr std::array kGradationControls{MainText, GradationStartSample, GradationEndSample,
                                        GradationIcon};
constexpr std::array kWideText{Placement{MainText, {}, {}, WidthMinus(40), {}}};

constexpr std::array kParagraphControls{MainText, StyleToolBar};
constexpr std::array kParagraphButtons{CommandId::AlignLeft, CommandId::AlignCenter,
                                       CommandId::AlignRight, CommandId::Superscript,
                                       CommandId::Subscript};
constexpr std::array kParagraphPlacements{
    Placement{MainText, {}, {}, WidthMinus(40), {}},
    Placement{StyleToolBar, Pixels(17), Pixels(100), Pixels(180), Pixels(25)},
};

constexpr std::array kLinkLabels{
    LabelText{Label1, "タイトル(&T) :"},
    LabelText{Label2, "リンク先(&L) :"},
    LabelText{Label5, "ターゲット(&G) :"},
};
constexpr std::array kLinkControls{MainText, LinkUrlText, ChoiceList, BrowseButton};
constexpr std::array kLinkChoices{"同じウィンドウ", "新しいウィンドウ", "ウィンドウをクリア"};
constexpr std::array kLinkPlacements{
    Placement{MainText, {}, {}, WidthMinus(142), {}},
    Placement{Label5, WidthMinus(115), Pixels(60), {}, {}},
    Placement{ChoiceList, WidthMinus(115), Pixels(75), Pixels(91), {}},
    Placement{LinkUrlText, {}, {}, WidthMinus(40), {}},
    Placement{BrowseButton, WidthMinus(112), Pixels(147), {}, {}},
};

constexpr std::array kMarqueeLabels{
    LabelText{Label1, "テキスト(&T) :"},
    LabelText{Label2, "速度(&S) :"},
    LabelText{Label4, "背景色(&C) :"},
    LabelText{Label5, "動作(&A) :"},
};
constexpr std::array kMarqueeControls{MainText, ColorSample, SpeedLabel, ChoiceList, SpeedSlider};
constexpr std::array kMarqueeChoices{"スクロール", "スライド", "交互"};
constexpr std::array kMarqueePlacements{
    Placement{MainText, {}, {}, WidthMinus(142), {}},
    Placement{Label5, WidthMinus(115), Pixels(60), {}, {}},
    Placement{SpeedSlider, {}, {}, WidthMinus(171), {}},
    Placement{ChoiceList, WidthMinus(115), Pixels(75), Pixels(91), {}},
    Placement{ColorSample, WidthMinus(80), Pixels(120), {}, {}},
    Placement{Label4, WidthMinus(80), Pixels(105), {}, {}},
};

constexpr std::array kImageLabels{LabelText{Label1, "リンク先(&L) :"}};
constexpr std::array kImageControls{MainText, BrowseButton};
// The browse button picks the picture, right of the address it fills.
constexpr std::array kImagePlacements{
    Placement{MainText, {}, {}, WidthMinus(116), {}},
    Placement{BrowseButton, WidthMinus(100), Pixels(73), {}, {}},
};

constexpr std::array kSymbolLabels{LabelText{Label1, "　　 種類(&K) :"}};
constexpr std::array kSymbolControls{ChoiceList, SymbolList, StyleToolBar};
constexpr std::array kSymbolButtons{CommandId::AddSymbol, CommandId::DeleteSymbol,
                                    CommandId::EditSymbol};
constexpr std::array kSymbolChoices{"すべての種類", "トランプ", "コンピュータ", "危険物",
                                    "自然",         "その他",   "ユーザー設定"};
constexpr std::array kSymbolPlacements{
    Placement{SymbolList, {}, {}, WidthMinus(40), HeightMinus(128)},
    Placement{StyleToolBar, WidthMinus(94), Pixels(57), Pixels(70), {}},
    Placement{ChoiceList, Pixels(76), Pixels(57), WidthMinus(175), {}, true},
};

constexpr std::array<PageLayout, kPageCount> kPages{{
    {"フォント", kFontLabels, kFontControls, kFontButtons, kFontChoices, 243, kTabWidth,
     Pixels(132), kFontPlacements},
    {"グラデーション",
     kTextLabel,
     kGradationControls,
     {},
     {},
     167,
     kTabWidth,
     Pixels(109),
     kWideText},
    {"段落",
     kTextLabel,
     kParagraphControls,
     kParagraphButtons,
     {},
     158,
     kTabWidth,
     Pixels(100),
     kParagraphPlacements},
    {"ハイパーリンク",
     kLinkLabels,
     kLinkControls,
     {},
     kLinkChoices,
     215,
     kTabWidth,
     Pixels(157),
     kLinkPlacements},
    {"スクロール文字",
     kMarqueeLabels,
     kMarqueeControls,
     {},
     kMarqueeChoices,
     190,
     kTabWidth,
     Pixels(132),
     kMarqueePlacements},
    {"画像", kImageLabels, kImageControls, {}, {}, 145, kTabWidth, Pixels(87), kImagePlacements},
    {"記号", kSymbolLabels, kSymbolControls, kSymbolButtons, kSymbolChoices, std::nullopt,
     kTabWidth, HeightMinus(58), kSymbolPlacements},
}};

constexpr std::array kAllPageControls{
    Label1,
    Label2,
    Label3,
    Label4,
    Label5,
    ColorSample,
    GradationStartSample,
    GradationEndSample,
    GradationIcon,
    FontSample,
    SpeedLabel,
    MainText,
    LinkUrlText,
    ChoiceList,
    FaceList,
    SymbolList,
    StyleToolBar,
    BrowseButton,
    SpeedSlider,
};

constexpr std::array kAllStyleButtons{
    CommandId::AddSymbol,   CommandId::DeleteSymbol, CommandId::EditSymbol,  CommandId::Bold,
    CommandId::Italic,      CommandId::Underline,    CommandId::Strike,      CommandId::AlignLeft,
    CommandId::AlignCenter, CommandId::AlignRight,   CommandId::Superscript, CommandId::Subscript};

std::optional<int> Resolve(const std::optional<Span>& span, int outerWidth, int outerHeight) {
    if (!span) {
        return std::nullopt;
    }
    return span->At(outerWidth, outerHeight);
}

} // namespace

const PageLayout& PageLayoutOf(TagPage page) {
    return kPages[static_cast<std::size_t>(page)];
}

std::span<const int> PageControls() {
    return kAllPageControls;
}

std::span<const int> StyleToolBarButtons() {
    return kAllStyleButtons;
}

std::vector<ResolvedPlacement> LayoutFor(TagPage page, int outerWidth, int outerHeight) {
    const PageLayout& row = PageLayoutOf(page);
    std::vector<ResolvedPlacement> result;
    result.reserve(row.placements.size() + 2);
    result.push_back({TabControl, std::nullopt, std::nullopt,
                      row.tabWidth.At(outerWidth, outerHeight),
                      row.tabHeight.At(outerWidth, outerHeight)});
    for (const Placement& placement : row.placements) {
        result.push_back({placement.control, Resolve(placement.x, outerWidth, outerHeight),
                          Resolve(placement.y, outerWidth, outerHeight),
                          Resolve(placement.width, outerWidth, outerHeight),
                          Resolve(placement.height, outerWidth, outerHeight),
                          placement.heightOfMainEdit});
    }
    result.push_back({WindowToolBar, outerWidth - 88, 2, std::nullopt, std::nullopt});
    return result;
}

SizeLimits LimitsFor(int page) {
    const TagPage shown = IsValidPage(page) ? static_cast<TagPage>(page) : TagPage::Font;
    if (const std::optional<int> height = PageLayoutOf(shown).outerHeight) {
        return {kMinWindowWidth, *height, *height};
    }
    return {kMinWindowWidth, kSymbolPageMinHeight, std::nullopt};
}

int OuterHeightFor(int page, int rememberedSymbolHeight) {
    const SizeLimits limits = LimitsFor(page);
    if (limits.maxHeight) {
        return *limits.maxHeight;
    }
    return std::max(rememberedSymbolHeight, limits.minHeight);
}

std::string TabText(TagPage page) {
    return PageLayoutOf(page).tabText;
}

} // namespace quillet
