#include "app/TabMarks.h"
#include "core/PageSelection.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

TEST(TabMarks, MultiSelectOnTheImagePageBarsFontGradationAndSymbolAndMarksTheTitle) {
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
    EXPECT_EQ(marks.Title(), "Quillet - 画像[複数選択]");
    marks.ShowIncluded(3, true);
    EXPECT_EQ(marks.Tab(3), (TabLook{10, false}));
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
