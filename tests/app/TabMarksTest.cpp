#include "app/TabMarks.h"
#include "core/PageSelection.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

TEST(TabMarks, SinglePageModeNamesAndIncludesOnlyTheCurrentTab) {
    TabMarks marks;
    marks.ShowPage(3);
    for (int tab = 0; tab < kPageCount; ++tab) {
        const TabLook expected = tab == 3 ? TabLook{10, true} : TabLook{tab, false};
        EXPECT_EQ(marks.Tab(tab), expected) << tab;
    }
    EXPECT_EQ(marks.Title(), "Quillet - ハイパーリンク");
}

TEST(TabMarks, MultiSelectOnTheFontPageBarsImageAndSymbolAndMarksTheTitle) {
    TabMarks marks;
    marks.ShowPage(0);
    marks.EnterMultiSelect(0, CanCombine);
    marks.ShowIncluded(2, true);
    EXPECT_EQ(marks.Tab(0), (TabLook{7, true}));
    EXPECT_EQ(marks.Tab(1), (TabLook{1, false}));
    EXPECT_EQ(marks.Tab(2), (TabLook{9, false}));
    EXPECT_EQ(marks.Tab(5), (TabLook{19, false}));
    EXPECT_EQ(marks.Tab(6), (TabLook{20, false}));
    EXPECT_EQ(marks.Title(), "Quillet - フォント[複数選択]");

    marks.ShowIncluded(2, false);
    EXPECT_EQ(marks.Tab(2), (TabLook{2, false}));
}

TEST(TabMarks, MultiSelectOnTheImagePageBarsFontGradationAndSymbol) {
    TabMarks marks;
    marks.ShowPage(5);
    marks.EnterMultiSelect(5, CanCombine);
    for (int tab : {0, 1, 6}) {
        EXPECT_EQ(marks.Tab(tab), (TabLook{BarredImage(tab), false})) << tab;
    }
    for (int tab : {2, 3, 4}) {
        EXPECT_EQ(marks.Tab(tab), (TabLook{tab, false})) << tab;
    }
    EXPECT_EQ(marks.Tab(5), (TabLook{12, true}));
}

TEST(TabMarks, ShowingThePageAgainRestoresTheSinglePageLook) {
    TabMarks marks;
    marks.ShowPage(6);
    marks.EnterMultiSelect(6, CanCombine);
    EXPECT_EQ(marks.Tab(5), (TabLook{19, false}));
    marks.ShowPage(6);
    EXPECT_EQ(marks.Tab(5), (TabLook{5, false}));
    EXPECT_EQ(marks.Title(), "Quillet - 記号");
}

TEST(TabMarks, PagesOutsideTheTabsChangeNothing) {
    TabMarks marks;
    marks.ShowPage(1);
    marks.ShowIncluded(7, true);
    marks.ShowIncluded(-1, true);
    marks.ShowPage(12);
    marks.EnterMultiSelect(-3, CanCombine);
    EXPECT_EQ(marks.Page(), 1);
    EXPECT_FALSE(marks.TitleMarked());
    EXPECT_EQ(marks.Tab(1), (TabLook{8, true}));
}

} // namespace
