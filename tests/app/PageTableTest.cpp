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

struct PageSize {
    TagPage page;
    int outerHeight;
    int tabHeight;
    std::size_t choiceCount;
};

class PageSizes : public ::testing::TestWithParam<PageSize> {};

TEST_P(PageSizes, FixedPagesCannotBeResizedVerticallyAndFitTheirTabControl) {
    const PageSize row = GetParam();
    const int page = static_cast<int>(row.page);
    const SizeLimits limits = LimitsFor(page);
    EXPECT_EQ(limits.minWidth, 290);
    EXPECT_EQ(limits.minHeight, row.outerHeight);
    EXPECT_EQ(limits.maxHeight, row.outerHeight);
    EXPECT_EQ(OuterHeightFor(page, 600), row.outerHeight);

    const auto tabs = Find(LayoutFor(row.page, 400, row.outerHeight), ControlId::TabControl);
    ASSERT_TRUE(tabs);
    EXPECT_EQ(tabs->width, 385);
    EXPECT_EQ(tabs->height, row.tabHeight);
    EXPECT_EQ(SpecOf(row.page).choices.size(), row.choiceCount);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageSizes,
                         ::testing::Values(PageSize{TagPage::Font, 243, 132, 8},
                                           PageSize{TagPage::Gradation, 167, 109, 0},
                                           PageSize{TagPage::Paragraph, 158, 100, 0},
                                           PageSize{TagPage::Hyperlink, 215, 157, 3},
                                           PageSize{TagPage::Marquee, 190, 132, 3},
                                           PageSize{TagPage::Image, 145, 87, 0}),
                         [](const auto& info) { return "Page" + std::to_string(info.index); });

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
        const PageSpec& row = SpecOf(static_cast<TagPage>(page));
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
