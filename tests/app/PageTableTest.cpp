#include "app/PageTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace quillet;

namespace {

std::optional<ResolvedPlacement> Find(const std::vector<ResolvedPlacement>& layout, int control) {
    for (const ResolvedPlacement& placement : layout) {
        if (placement.control == control) {
            return placement;
        }
    }
    return std::nullopt;
}

template <typename Range, typename Value> bool Contains(const Range& range, const Value& value) {
    return std::find(range.begin(), range.end(), value) != range.end();
}

// Every page but the symbol page keeps a height of its own. Below its tab control it leaves
// the frame the symbol page leaves, except the font page, which shows its sample there.
TEST(PageTable, FixedPagesKeepTheirHeightAndTheFrameAroundTheTabControl) {
    const auto symbolTabs = [](int width, int height) {
        return *Find(LayoutFor(TagPage::Symbol, width, height), ControlId::TabControl);
    };
    for (int page = 0; page < kPageCount; ++page) {
        const PageLayout& row = PageLayoutOf(static_cast<TagPage>(page));
        if (static_cast<TagPage>(page) == TagPage::Symbol) {
            continue;
        }
        ASSERT_TRUE(row.outerHeight) << page;
        const int height = *row.outerHeight;
        const SizeLimits limits = LimitsFor(page);
        EXPECT_EQ(limits.minWidth, kMinWindowWidth);
        EXPECT_EQ(limits.minHeight, height) << page;
        EXPECT_EQ(limits.maxHeight, height) << page;
        EXPECT_EQ(OuterHeightFor(page, 600), height) << page;

        const auto tabs =
            Find(LayoutFor(static_cast<TagPage>(page), 400, height), ControlId::TabControl);
        ASSERT_TRUE(tabs) << page;
        EXPECT_EQ(tabs->width, symbolTabs(400, height).width) << page;
        if (static_cast<TagPage>(page) == TagPage::Font) {
            EXPECT_LT(tabs->height, symbolTabs(400, height).height);
        } else {
            EXPECT_EQ(tabs->height, symbolTabs(400, height).height) << page;
        }
        // A page's choices are told apart by their text.
        for (std::size_t i = 0; i < row.choices.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_STRNE(row.choices[i], row.choices[j]) << page;
            }
        }
    }
}

TEST(PageTable, SymbolPageFollowsTheWindowHeight) {
    const auto layout = LayoutFor(TagPage::Symbol, 400, 300);
    EXPECT_EQ(Find(layout, ControlId::TabControl)->height, 242);
    EXPECT_EQ(Find(layout, ControlId::SymbolList),
              (ResolvedPlacement{ControlId::SymbolList, std::nullopt, std::nullopt, 360, 172}));
    const auto filter = Find(layout, ControlId::ChoiceList);
    EXPECT_EQ(filter->x, 76);
    EXPECT_EQ(filter->width, 225);
    EXPECT_TRUE(filter->heightOfMainEdit);
    EXPECT_EQ(OuterHeightFor(static_cast<int>(TagPage::Symbol), 150), 200);
    EXPECT_FALSE(LimitsFor(static_cast<int>(TagPage::Symbol)).maxHeight);
}

TEST(PageTable, EveryPageShowsOnlyControlsThatShowPageHidesFirst) {
    for (int page = 0; page < kPageCount; ++page) {
        const PageLayout& row = PageLayoutOf(static_cast<TagPage>(page));
        for (int control : row.controls) {
            EXPECT_TRUE(Contains(PageControls(), control)) << page << " " << control;
        }
        for (const LabelText& label : row.labels) {
            EXPECT_TRUE(Contains(PageControls(), label.label)) << page;
        }
        for (int button : row.styleButtons) {
            EXPECT_TRUE(Contains(StyleToolBarButtons(), button)) << page << " " << button;
        }
        // The style tool bar is shown exactly where it has buttons to show.
        EXPECT_EQ(Contains(row.controls, resource::StyleToolBar), !row.styleButtons.empty());
        // A page with choices shows the choice list.
        EXPECT_EQ(Contains(row.controls, ControlId::ChoiceList), !row.choices.empty());
    }
}

} // namespace
