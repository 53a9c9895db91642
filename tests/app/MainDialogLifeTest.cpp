// The window runs as the program runs it, with exec(): only the close box, the window
// menu's Close and Escape may end that loop.
#include "MainDialogTestSupport.h"

#include "app/CPageTabControl.h"
#include "controls/CColorPopup.h"
#include "controls/CDragEdit.h"
#include "controls/CTipToolBar.h"
#include "core/CommandIds.h"
#include "preview/CPreviewWindow.h"
#include "source/CSourceWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

namespace quillet::test {
namespace {

TEST_F(MainDialogTest, StayOnTopBothWaysKeepsTheProgramRunning) {
    Open();
    auto* bar = Find<CTipToolBar>(140);
    const int button = bar->IndexOfCommand(CommandId::StayOnTop);
    const auto onTop = [this] {
        const bool widget = Dialog().windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        EXPECT_EQ(Dialog().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), widget);
        return widget;
    };
    const auto bothWays = [&] {
        const QRect before = Dialog().geometry();
        Press(CommandId::StayOnTop);
        EXPECT_TRUE(onTop());
        EXPECT_TRUE(bar->IsCommandChecked(CommandId::StayOnTop));
        EXPECT_EQ(bar->ButtonImage(button), 1);
        EXPECT_EQ(Dialog().geometry(), before);

        Press(CommandId::StayOnTop);
        EXPECT_FALSE(onTop());
        EXPECT_FALSE(bar->IsCommandChecked(CommandId::StayOnTop));
        EXPECT_EQ(bar->ButtonImage(button), 0);
    };
    EXPECT_TRUE(StillRunsAfter(bothWays));
    EXPECT_FALSE(StoredSettings().WindowTop);
}

TEST_F(MainDialogTest, StayOnTopIsWrittenAsItStandsAtClose) {
    Open();
    EXPECT_TRUE(StillRunsAfter([this] { Press(CommandId::StayOnTop); }));
    EXPECT_TRUE(StoredSettings().WindowTop);
}

TEST_F(MainDialogTest, ItsWindowsPopupsAndMenusComeAndGoWithoutEndingIt) {
    Open();
    const auto openAndClose = [this] {
        Press(CommandId::SourceWindow);
        auto* source = Dialog().findChild<CSourceWindow*>();
        ASSERT_NE(source, nullptr);
        QTest::keyClick(source, Qt::Key_Escape);
        Press(CommandId::SourceWindow);
        Press(CommandId::SourceWindow);

        QTest::mouseClick(Find<QWidget>(1023), Qt::LeftButton, {}, QPoint(5, 4));
        QPointer<CColorPopup> popup = Dialog().findChild<CColorPopup*>();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, Qt::Key_Escape);
        popup->close();

        // Escape in a drop-down list or a menu closes only that.
        auto* faces = Find<QComboBox>(1014);
        faces->showPopup();
        QTest::keyClick(faces->view(), Qt::Key_Escape);
        Dialog().WindowMenu()->popup(Dialog().mapToGlobal(QPoint(5, 5)));
        QTest::keyClick(Dialog().WindowMenu(), Qt::Key_Escape);

        // The preview closes by Escape like the source window.
        Dialog().PreviewAction()->trigger();
        ASSERT_NE(Dialog().Preview(), nullptr);
        QTest::keyClick(Dialog().Preview(), Qt::Key_Escape);
        Dialog().PreviewAction()->trigger();
        Dialog().PreviewAction()->trigger();

        for (QAction* item : Dialog().WindowMenu()->actions()) {
            if (item->data() == CommandId::About) {
                item->trigger();
            }
        }
        auto* about = Dialog().findChild<QDialog*>("aboutBox");
        ASSERT_NE(about, nullptr);
        QTest::keyClick(about, Qt::Key_Escape);
    };
    EXPECT_TRUE(StillRunsAfter(openAndClose));
}

// Where a press lands on the first character of the selection.
QPoint OnSelection(CDragEdit& edit) {
    for (int x = 0; x < edit.width(); ++x) {
        if (edit.cursorPositionAt(QPoint(x, edit.height() / 2)) == edit.selectionStart()) {
            return {x + 3, edit.height() / 2};
        }
    }
    return {};
}

TEST_F(MainDialogTest, DuringTheDragWaitKeysNeitherEditNorEndTheProgram) {
    Open();
    TypeMain("abcdef");
    auto* edit = Find<CDragEdit>(1020);
    const auto pressTypeAndEscape = [edit] {
        edit->setSelection(1, 3);
        const QPoint at = OnSelection(*edit);
        QTest::mousePress(edit, Qt::LeftButton, {}, at);
        QTest::keyClick(edit, Qt::Key_X);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClick(edit, Qt::Key_Escape);
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(edit, &held);
        // The release after Escape is no click: the selection stays.
        QTest::mouseRelease(edit, Qt::LeftButton, {}, at);
        EXPECT_EQ(edit->text(), "abcdef");
        EXPECT_EQ(edit->selectedText(), "bcd");
    };
    EXPECT_TRUE(StillRunsAfter(pressTypeAndEscape));
}

TEST_F(MainDialogTest, TheWheelOverTheTabsKeepsThePageAndTheCombination) {
    Open();
    RightClickTab(2);
    QTabBar* bar = Find<CPageTabControl>(1002)->Bar();
    const QPointF at = bar->tabRect(0).center();
    QWheelEvent wheel(at, bar->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(bar, &wheel);
    EXPECT_EQ(Dialog().CurrentPage(), 0);
    EXPECT_TRUE(Dialog().Tags().State().MultiSelect);
    EXPECT_TRUE(Dialog().windowTitle().endsWith("[複数選択]"));
}

} // namespace
} // namespace quillet::test
