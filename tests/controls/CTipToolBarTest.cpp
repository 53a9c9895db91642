#include "controls/CTipToolBar.h"
#include "platform/TextCodec.h"
#include "resources/StringTable.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

namespace quillet {
namespace {

std::vector<int> Commands(const CTipToolBar& bar) {
    std::vector<int> ids;
    for (int i = 0; i < bar.ButtonCount(); ++i) {
        ids.push_back(bar.CommandAt(i));
    }
    return ids;
}

std::vector<int> Images(const CTipToolBar& bar) {
    std::vector<int> images;
    for (int i = 0; i < bar.ButtonCount(); ++i) {
        images.push_back(bar.ButtonImage(i));
    }
    return images;
}

void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(CTipToolBar, WindowToolBarHasTwoStayOnTopButtonsAndAnEightPixelSeparator) {
    CTipToolBar bar(140);
    ASSERT_EQ(bar.LoadToolBarResource(140), 1);
    EXPECT_EQ(Commands(bar), (std::vector<int>{106, 106, 57672, 0, 57670}));
    EXPECT_EQ(Images(bar), (std::vector<int>{0, 1, 2, -1, 3}));
    EXPECT_EQ(bar.ImageCount(), 4);
    EXPECT_EQ(bar.ImageSize(), QSize(16, 15));
    EXPECT_EQ(bar.ButtonSize(), QSize(23, 22));
    EXPECT_EQ(bar.ButtonAt(0)->size(), QSize(23, 22));
    EXPECT_EQ(bar.ButtonAt(3), nullptr);
    const QWidget* separator = bar.widgetForAction(bar.actions().at(3));
    ASSERT_NE(separator, nullptr);
    EXPECT_EQ(separator->width(), 8);
}

TEST(CTipToolBar, StyleToolBarHasThirteenItemsAndTwelveImages) {
    CTipToolBar bar(143);
    ASSERT_EQ(bar.LoadToolBarResource(143), 1);
    EXPECT_EQ(bar.ButtonCount(), 13);
    EXPECT_EQ(bar.ImageCount(), 12);
    EXPECT_EQ(bar.CommandAt(10), 0);
    EXPECT_EQ(bar.ButtonImage(9), 9);
    EXPECT_EQ(bar.ButtonImage(11), 10);
    EXPECT_EQ(bar.ButtonImage(12), 11);
}

TEST(CTipToolBar, LoadingAgainReplacesEveryButton) {
    CTipToolBar bar(143);
    ASSERT_EQ(bar.LoadToolBarResource(143), 1);
    ASSERT_EQ(bar.LoadToolBarResource(140), 1);
    FlushDeletes();
    EXPECT_EQ(Commands(bar), (std::vector<int>{106, 106, 57672, 0, 57670}));
    EXPECT_EQ(bar.actions().size(), 5);
    EXPECT_EQ(bar.findChild<QToolButton*>(QStringLiteral("57673")), nullptr);
    EXPECT_EQ(bar.findChildren<QWidget*>(QStringLiteral("separator")).size(), 1);
}

TEST(CTipToolBar, FailedLoadReturnsZeroAndLeavesTheBarEmpty) {
    CTipToolBar bar(143);
    ASSERT_EQ(bar.LoadToolBarResource(143), 1);
    EXPECT_EQ(bar.LoadToolBarResource(999), 0);
    EXPECT_EQ(bar.ButtonCount(), 0);
    EXPECT_TRUE(bar.actions().isEmpty());
    EXPECT_EQ(bar.ImageCount(), 0);
}

TEST(CTipToolBar, EveryButtonShowsItsCommandsTip) {
    for (int id : {136, 140, 143, 144}) {
        CTipToolBar bar(id);
        ASSERT_EQ(bar.LoadToolBarResource(id), 1);
        for (int i = 0; i < bar.ButtonCount(); ++i) {
            if (const int command = bar.CommandAt(i); command != 0) {
                EXPECT_FALSE(bar.ButtonAt(i)->toolTip().isEmpty()) << command;
                EXPECT_EQ(bar.ButtonAt(i)->toolTip(), FromCp932(CommandTip(command))) << command;
            }
        }
    }
    EXPECT_TRUE(CTipToolBar::TipForCommand(12345).isEmpty());
}

TEST(CTipToolBar, ButtonsAreNamedAfterTheirCommands) {
    CTipToolBar bar(143);
    ASSERT_EQ(bar.LoadToolBarResource(143), 1);
    EXPECT_EQ(bar.objectName(), QStringLiteral("143"));
    auto* bold = bar.findChild<QToolButton*>(QStringLiteral("57673"));
    ASSERT_NE(bold, nullptr);
    EXPECT_EQ(bold, bar.ButtonForCommand(57673));
    EXPECT_EQ(bar.ActionForCommand(57673)->objectName(), QStringLiteral("57673"));
    EXPECT_EQ(bar.ButtonForCommand(102), nullptr);
}

TEST(CTipToolBar, CommandsAreEnabledHiddenAndCheckedById) {
    CTipToolBar bar(143);
    ASSERT_EQ(bar.LoadToolBarResource(143), 1);
    bar.EnableCommand(57684, false);
    EXPECT_FALSE(bar.IsCommandEnabled(57684));
    EXPECT_FALSE(bar.ButtonForCommand(57684)->isEnabled());
    bar.ShowCommand(57676, false);
    EXPECT_FALSE(bar.ActionForCommand(57676)->isVisible());
    bar.CheckCommand(57673, true);
    EXPECT_TRUE(bar.IsCommandChecked(57673));
    EXPECT_TRUE(bar.ButtonForCommand(57673)->isChecked());
    bar.CheckCommand(57673, false);
    EXPECT_FALSE(bar.IsCommandChecked(57673));
}

TEST(CTipToolBar, DeletedSecondStayOnTopButtonLeavesItsImageForTheFirst) {
    CTipToolBar bar(140);
    ASSERT_EQ(bar.LoadToolBarResource(140), 1);
    ASSERT_TRUE(bar.DeleteButton(1));
    EXPECT_FALSE(bar.DeleteButton(7));
    EXPECT_EQ(Commands(bar), (std::vector<int>{106, 57672, 0, 57670}));
    EXPECT_TRUE(bar.SetButtonImage(0, 1));
    EXPECT_EQ(bar.ButtonImage(0), 1);
    EXPECT_FALSE(bar.SetButtonImage(0, 4));
    EXPECT_FALSE(bar.SetButtonImage(2, 0)) << "a separator has no image";
}

TEST(CTipToolBar, ChangedCommandTakesItsNameTipAndSignal) {
    CTipToolBar bar(136);
    ASSERT_EQ(bar.LoadToolBarResource(136), 1);
    bar.show();
    QToolButton* button = bar.ButtonAt(0);
    bar.SetCommand(0, 104);
    EXPECT_EQ(button->objectName(), QStringLiteral("104"));
    EXPECT_EQ(button->toolTip(), FromCp932(CommandTip(104)));
    std::vector<int> triggered;
    QObject::connect(&bar, &CTipToolBar::CommandTriggered,
                     [&triggered](int id) { triggered.push_back(id); });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(triggered, (std::vector<int>{104}));
}

TEST(CTipToolBar, SplitButtonCanBeMadeFromTheFirstButton) {
    CTipToolBar bar(136);
    ASSERT_EQ(bar.LoadToolBarResource(136), 1);
    while (bar.ButtonCount() > 1) {
        bar.DeleteButton(1);
    }
    QToolButton* button = bar.ButtonAt(0);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    bar.setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar.SetButtonText(0, QStringLiteral("コピー"));
    bar.SetButtonSize(QSize(60, 22));
    ASSERT_TRUE(bar.SetButtonImage(0, 2));
    EXPECT_EQ(button->size(), QSize(60, 22));
    EXPECT_EQ(button->text(), QStringLiteral("コピー"));
    EXPECT_EQ(bar.ButtonImage(0), 2);
    EXPECT_EQ(button->popupMode(), QToolButton::MenuButtonPopup);
}

TEST(CTipToolBar, BarIsAsWideAsItsButtonsAndSeparators) {
    CTipToolBar bar(140);
    ASSERT_EQ(bar.LoadToolBarResource(140), 1);
    bar.DeleteButton(1);
    bar.adjustSize();
    EXPECT_EQ(bar.sizeHint().width(), 23 * 3 + 8);
}

TEST(CTipToolBar, ButtonShowsItsImage) {
    CTipToolBar bar(143);
    ASSERT_EQ(bar.LoadToolBarResource(143), 1);
    bar.show();
    // The delete button's image is a red cross.
    const QImage picture = bar.ButtonForCommand(57685)->grab().toImage();
    int red = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            red += picture.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(red, 10);
}

} // namespace
} // namespace quillet
