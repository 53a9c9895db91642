#include "MainDialogTestSupport.h"

#include "controls/CTipToolBar.h"
#include "core/CommandIds.h"
#include "output/SplitButton.h"
#include "platform/TextCodec.h"
#include "preview/CPreviewWindow.h"
#include "source/CSourceWindow.h"
#include "tests/support/SplitMenuProbe.h"
#include "tests/support/TemporaryFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace quillet::test {
namespace {

class MainDialogOutputTest : public MainDialogTest {
protected:
    QToolButton* Split() const { return Find<CTipToolBar>(136)->ButtonAt(0); }
    CSourceWindow* Source() { return Dialog().findChild<CSourceWindow*>(); }

    void WhileMenuIsOpen(const std::function<void(QMenu&)>& inspect) {
        WhileSplitMenuIsOpen(*Split(), inspect);
    }
};

TEST_F(MainDialogOutputTest, EnterWithCopyAsTheDefaultCopiesTheFragmentAfterYes) {
    Open();
    TypeMain("abc");
    Press(CommandId::Bold);
    QGuiApplication::clipboard()->setText("before");

    m_prompts.yes = false;
    QTest::keyClick(Find<QWidget>(1020), Qt::Key_Return);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

    m_prompts.yes = true;
    QTest::keyClick(Find<QWidget>(1020), Qt::Key_Return);
    EXPECT_EQ(m_prompts.asked.size(), 2U);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "<B>abc</B>");
    EXPECT_EQ(Find<QLineEdit>(1020)->text(), "abc");
}

TEST_F(MainDialogOutputTest, SaveFromTheActionMenuWritesTheChosenFileAndBecomesTheDefault) {
    const TemporaryFolder folder;
    m_prompts.saveAnswer = QString::fromStdString((folder / "page.htm").string());
    Open();
    TypeMain("abc");
    WhileMenuIsOpen([](QMenu& menu) {
        // The symbol page's two commands are reachable from here on every page.
        EXPECT_TRUE(menu.findChild<QAction*>("57688")->isEnabled());
        EXPECT_TRUE(menu.findChild<QAction*>("57687")->isEnabled());
        QAction* save = menu.findChild<QAction*>("104");
        ASSERT_NE(save, nullptr);
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(save).center());
    });
    EXPECT_EQ(folder.Read("page.htm"), "<HTML>\r\n<BODY>\r\nabc\r\n</BODY>\r\n</HTML>\r\n");
    EXPECT_EQ(Split()->text(), "名前を付けて保存");
    Dialog().close();
    EXPECT_EQ(StoredSettings().ToolBarIndex, 2);
}

TEST_F(MainDialogOutputTest, TheSaveChooserOpensWhereTheLastSaveWentAcrossStarts) {
    const TemporaryFolder folder;
    AppSettings settings = DefaultSettings();
    settings.ToolBarIndex = 2; // Enter saves
    settings.SaveFolder = (folder / "gone").string();
    StoreSettings(settings);
    m_prompts.saveAnswer =
        ChosenFile(QString::fromStdString((folder / "page").string()), "HTMLドキュメント (*.htm)");
    Open();
    QTest::keyClick(Find<QWidget>(1020), Qt::Key_Return);
    EXPECT_EQ(m_prompts.saveRequests.back().initialFolder, QDir::homePath());
    EXPECT_EQ(folder.Read("page.htm"), "<HTML>\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>\r\n");
    Dialog().close();
    EXPECT_EQ(StoredSettings().SaveFolder, folder.Path().string());

    Open();
    QTest::keyClick(Find<QWidget>(1020), Qt::Key_Return);
    EXPECT_EQ(m_prompts.saveRequests.back().initialFolder,
              QString::fromStdString(folder.Path().string()));
}

TEST_F(MainDialogOutputTest, SourceWindowFollowsTypingAndItsCloseBoxIsWrittenAsClosed) {
    Open();
    Press(CommandId::SourceWindow);
    QPointer<CSourceWindow> source = Source();
    ASSERT_NE(source, nullptr);
    EXPECT_TRUE(source->isVisible());
    EXPECT_TRUE(Find<CTipToolBar>(140)->IsCommandChecked(CommandId::SourceWindow));
    TypeMain("ab");
    EXPECT_EQ(source->Text(), "ab");

    source->close();
    EXPECT_FALSE(Find<CTipToolBar>(140)->IsCommandChecked(CommandId::SourceWindow));
    Dialog().close();
    EXPECT_FALSE(StoredSettings().WindowSource);
}

TEST_F(MainDialogOutputTest, AnOpenSourceWindowIsWrittenAsOpenAndGoesWithTheMainWindow) {
    AppSettings settings = DefaultSettings();
    settings.WindowSource = true;
    StoreSettings(settings);
    Open();
    QCoreApplication::processEvents(); // it waits for the main window to be on the screen
    QPointer<CSourceWindow> source = Source();
    ASSERT_NE(source, nullptr);
    EXPECT_TRUE(source->isVisible());
    // Next to the main window where it came up, not where it stood before it was shown.
    const QRect main = Dialog().frameGeometry();
    EXPECT_FALSE(source->frameGeometry().intersects(main));
    EXPECT_TRUE(source->frameGeometry().intersects(main.adjusted(-1, -1, 1, 1)));

    Dialog().close();
    EXPECT_TRUE(StoredSettings().WindowSource);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(source.isNull());
}

TEST_F(MainDialogOutputTest, PreviewOpensFromTheWindowMenuFollowsTypingAndIsWrittenAsOpen) {
    Open();
    QAction* item = Dialog().PreviewAction();
    EXPECT_TRUE(Dialog().WindowMenu()->actions().contains(item));
    EXPECT_EQ(item->text(), QStringLiteral("プレビュー(&P)"));
    EXPECT_FALSE(item->isChecked());

    item->trigger();
    QPointer<CPreviewWindow> preview = Dialog().Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("プレビュー"));
    EXPECT_TRUE(item->isChecked());
    TypeMain(QStringLiteral("見出し"));
    ASSERT_EQ(preview->Blocks().size(), 1);
    EXPECT_EQ(CPreviewWindow::TextOf(preview->Blocks()[0]), QStringLiteral("見出し"));

    Dialog().close();
    EXPECT_TRUE(StoredSettings().WindowPreview);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(preview.isNull());
}

TEST_F(MainDialogOutputTest, StoredOpenPreviewComesBackAndTheSourceWindowMenuClosesIt) {
    AppSettings settings = DefaultSettings();
    settings.WindowSource = true;
    settings.WindowPreview = true;
    StoreSettings(settings);
    Open();
    QCoreApplication::processEvents();
    ASSERT_NE(Dialog().Preview(), nullptr);
    EXPECT_TRUE(Dialog().Preview()->isVisible());
    EXPECT_FALSE(Dialog().Preview()->frameGeometry().intersects(Source()->frameGeometry()));

    QMenu* menu = Source()->MakeContextMenu();
    ASSERT_TRUE(menu->actions().contains(Dialog().PreviewAction()));
    Dialog().PreviewAction()->trigger();
    delete menu;
    EXPECT_EQ(Dialog().Preview(), nullptr);
    EXPECT_FALSE(Dialog().PreviewAction()->isChecked());
    Dialog().close();
    EXPECT_FALSE(StoredSettings().WindowPreview);
}

TEST_F(MainDialogOutputTest, ToolWindowsOpenAgainWhereTheyWereLeft) {
    AppSettings settings = DefaultSettings();
    settings.PreviewRect = geom::Rect::OfSize(40, 300, 250, 120);
    StoreSettings(settings);
    Open();
    Dialog().PreviewAction()->trigger();
    ASSERT_NE(Dialog().Preview(), nullptr);
    EXPECT_EQ(Dialog().Preview()->KeptRect(), settings.PreviewRect);
    const geom::Rect moved = geom::Rect::OfSize(60, 320, 260, 130);
    Dialog().Preview()->move(moved.left, moved.top);
    Dialog().Preview()->resize(moved.Width(), moved.Height());
    Dialog().PreviewAction()->trigger();
    Dialog().PreviewAction()->trigger();
    EXPECT_EQ(Dialog().Preview()->KeptRect(), moved);

    Press(CommandId::SourceWindow);
    const geom::Rect source = Source()->KeptRect();
    Dialog().close();
    EXPECT_EQ(StoredSettings().PreviewRect, moved);
    EXPECT_EQ(StoredSettings().SourceRect, source);
}

} // namespace
} // namespace quillet::test
