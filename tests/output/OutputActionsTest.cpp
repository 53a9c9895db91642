#include "output/OutputActions.h"

#include "controls/CTipToolBar.h"
#include "core/CommandIds.h"
#include "output/SplitButton.h"
#include "platform/TextMimeData.h"
#include "resources/ResourceIds.h"
#include "source/CSourceWindow.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/SplitMenuProbe.h"
#include "tests/support/TemporaryFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace quillet {
namespace {

using test::FakePrompts;
using test::Messages;

// "<B>記号</B>" in code page 932.
const std::string kFragment = "<B>\x8b\x4c\x8d\x86</B>";

class OutputActionsTest : public testing::Test {
protected:
    OutputActionsTest() {
        window.resize(320, 240);
        outputBar = new CTipToolBar(resource::OutputToolBar, &window);
        outputBar->LoadToolBarResource(resource::OutputToolBar);
        PrepareSplitButton(*outputBar);
        windowBar = new CTipToolBar(resource::WindowToolBar, &window);
        windowBar->LoadToolBarResource(resource::WindowToolBar);
        window.show();

        OutputHost host;
        // Regeneration as the composer does it: the source window follows while it is open.
        host.RebuildTag = [this] {
            ++rebuilds;
            if (flag) {
                actions->ShowInSourceWindow(fragment);
            }
            return fragment;
        };
        host.RegisterSymbol = [] {};
        host.ClearPages = [this] { ++cleared; };
        host.SourceWindowFlag = [this] { return flag; };
        host.SetSourceWindowFlag = [this](bool value) { flag = value; };
        host.StartDrag = [this](std::unique_ptr<QMimeData> data) {
            dragged.push_back(std::move(data));
        };
        actions = std::make_unique<OutputActions>(window, *outputBar, *windowBar, prompts, host);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }

    QToolButton* Split() const { return outputBar->ButtonAt(0); }
    bool SourceButtonPressed() const {
        return windowBar->IsCommandChecked(CommandId::SourceWindow);
    }
    QString Clipboard() const { return QGuiApplication::clipboard()->text(); }

    void WhileMenuIsOpen(const std::function<void(QMenu&)>& inspect) {
        test::WhileSplitMenuIsOpen(*Split(), inspect);
    }

    QWidget window;
    CTipToolBar* outputBar = nullptr;
    CTipToolBar* windowBar = nullptr;
    FakePrompts prompts;
    std::unique_ptr<OutputActions> actions;
    std::string fragment = kFragment;
    bool flag = false;
    int rebuilds = 0;
    int cleared = 0;
    std::vector<std::unique_ptr<QMimeData>> dragged;
    test::TemporaryFolder folder;
};

struct DefaultCase {
    DefaultAction action;
    int commandId;
    QString text;
    int tableWidth;
    std::size_t copyQuestions, saveChoosers; // what Enter opens
};

class DefaultActionTest : public OutputActionsTest,
                          public testing::WithParamInterface<DefaultCase> {};

TEST_P(DefaultActionTest, SplitButtonShowsTheActionAndEnterRunsIt) {
    const DefaultCase& row = GetParam();
    EXPECT_EQ(DefaultActionAt(static_cast<int>(row.action)), row.action);
    actions->SetDefaultAction(row.action);
    EXPECT_EQ(Split()->objectName(), QString::number(row.commandId));
    EXPECT_EQ(Split()->text(), row.text);
    EXPECT_EQ(actions->CurrentDefaultAction(), row.action);
    // The arrow comes on top of the width, and the text is never cut.
    const int arrow = Split()->style()->pixelMetric(QStyle::PM_MenuButtonIndicator);
    EXPECT_GE(Split()->width(), std::max(row.tableWidth + arrow, Split()->sizeHint().width()));
    EXPECT_EQ(Split()->height(), 22);

    prompts.yes = false;
    actions->RunDefaultAction();
    EXPECT_EQ(prompts.asked.size(), row.copyQuestions);
    EXPECT_EQ(prompts.saveRequests.size(), row.saveChoosers);
    EXPECT_EQ(actions->CurrentDefaultAction(), row.action);
}

INSTANTIATE_TEST_SUITE_P(Actions, DefaultActionTest,
                         testing::Values(DefaultCase{DefaultAction::Copy, CommandId::Copy,
                                                     QStringLiteral("コピー"), 60, 1, 0},
                                         DefaultCase{DefaultAction::Drag, CommandId::Drag,
                                                     QStringLiteral("ドラッグ"), 65, 0, 0},
                                         DefaultCase{DefaultAction::Save, CommandId::Save,
                                                     QStringLiteral("名前を付けて保存"), 120, 0,
                                                     1}));

TEST(DefaultAction, AStoredIndexOutsideTheActionsNamesNone) {
    EXPECT_EQ(DefaultActionAt(-1), std::nullopt);
    EXPECT_EQ(DefaultActionAt(3), std::nullopt);
}

TEST_F(OutputActionsTest, DecliningTheCopyLeavesTheClipboardButMakesCopyTheDefault) {
    actions->SetDefaultAction(DefaultAction::Save);
    prompts.yes = false;
    actions->CopyTag();
    EXPECT_EQ(prompts.asked,
              (Messages{{QStringLiteral("作成したタグをクリップボードにコピーします。\n"
                                        "クリップボードの内容は失われます。\n"
                                        "よろしいですか。"),
                         MessageIcon::Information}}));
    EXPECT_EQ(Clipboard(), QStringLiteral("before"));
    EXPECT_EQ(Split()->text(), QStringLiteral("コピー"));
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(OutputActionsTest, CopyOffersUtf8TextAndTheExactCodePageBytesOfAFragment) {
    fragment.clear();
    actions->CopyTag();
    EXPECT_EQ(Clipboard(), QStringLiteral("before"));

    fragment = kFragment + "\xFF"; // not a character of the code page, kept as it is
    actions->CopyTag();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data(kCp932TextMime), QByteArray::fromStdString(fragment));
    EXPECT_TRUE(QString::fromUtf8(data->data(kUtf8TextMime)).startsWith(u"<B>記号</B>"));
    EXPECT_EQ(data->text(), QString::fromUtf8(data->data(kUtf8TextMime)));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(OutputActionsTest, SaveAsksForATextOrHtmlFileAndWritesIt) {
    actions->SaveTag(); // cancelled
    EXPECT_EQ(rebuilds, 0);
    EXPECT_EQ(actions->CurrentDefaultAction(), DefaultAction::Save);

    prompts.saveAnswer = QString::fromStdString((folder / "page.htm").string());
    actions->SaveTag();
    const FileRequest& request = prompts.saveRequests.back();
    EXPECT_EQ(request.filters, (QStringList{QStringLiteral("テキスト文書 (*.txt)"),
                                            QStringLiteral("HTMLドキュメント (*.htm)"),
                                            QStringLiteral("すべてのファイル (*.*)")}));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("txt"));
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(folder.Read("page.htm"),
              "<HTML>\r\n<BODY>\r\n" + kFragment + "\r\n</BODY>\r\n</HTML>\r\n");
    EXPECT_TRUE(prompts.shown.empty());
    // Where the preview looks for images with a relative address.
    EXPECT_EQ(actions->LastSaveFolder(), QString::fromStdString(folder.Path().string()));
}

TEST_F(OutputActionsTest, TheChosenTypeGivesATypedNameItsExtension) {
    const std::string wrapped = "<HTML>\r\n<BODY>\r\n" + kFragment + "\r\n</BODY>\r\n</HTML>\r\n";
    const struct {
        const char* typed;
        QString filter;
        const char* written;
        std::string content;
    } cases[] = {
        {"html", QStringLiteral("HTMLドキュメント (*.htm)"), "html.htm", wrapped},
        {"text", QStringLiteral("テキスト文書 (*.txt)"), "text.txt", kFragment},
        {"all", QStringLiteral("すべてのファイル (*.*)"), "all.txt", kFragment},
        {"kept.txt", QStringLiteral("HTMLドキュメント (*.htm)"), "kept.txt", kFragment},
    };
    for (const auto& row : cases) {
        prompts.saveAnswer =
            ChosenFile(QString::fromStdString((folder / row.typed).string()), row.filter);
        actions->SaveTag();
        EXPECT_EQ(folder.Read(row.written), row.content) << row.typed;
    }
}

TEST_F(OutputActionsTest, FailedSaveKeepsTheOldFileAndSaysSo) {
    const QString path = QString::fromStdString(folder.Write("page.txt", "old").string());
    prompts.saveAnswer = path;
    fragment = std::string(100, 'x');
    {
        const test::FileSizeLimit limit(8);
        actions->SaveTag();
    }
    EXPECT_EQ(folder.Read("page.txt"), "old");
    EXPECT_TRUE(actions->LastSaveFolder().isEmpty());
    EXPECT_EQ(prompts.shown, (Messages{{QStringLiteral("「%1」に書き込めませんでした。\n"
                                                       "ファイルが大きすぎます。\n"
                                                       "元のファイルは変更されていません。")
                                            .arg(path),
                                        MessageIcon::Error}}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(OutputActionsTest, ArrowOpensTheMenuUnderTheButtonAndTheChosenEntryRuns) {
    std::map<QString, bool> enabled;
    QPoint shownAt;
    WhileMenuIsOpen([&](QMenu& menu) {
        for (const QAction* action : menu.actions()) {
            if (!action->isSeparator()) {
                enabled[action->objectName()] = action->isEnabled();
            }
        }
        shownAt = menu.pos();
        QAction* clear = menu.findChild<QAction*>(QStringLiteral("57687"));
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(clear).center());
    });
    EXPECT_EQ(enabled,
              (std::map<QString, bool>{
                  {"102", true}, {"103", true}, {"104", true}, {"57688", true}, {"57687", true}}));
    EXPECT_EQ(shownAt, Split()->mapToGlobal(QPoint(0, Split()->height())));
    EXPECT_EQ(cleared, 1);
}

TEST_F(OutputActionsTest, PressingAndMovingTheSplitButtonShowingDragDragsTheFragment) {
    const QPoint middle(10, Split()->height() / 2);
    const QPoint away = middle + QPoint(QApplication::startDragDistance() + 1, 0);
    // Copy shown: a press and a move are only a press.
    QTest::mousePress(Split(), Qt::LeftButton, {}, middle);
    QTest::mouseMove(Split(), away);
    QTest::mouseRelease(Split(), Qt::LeftButton, {}, away);
    EXPECT_TRUE(dragged.empty());

    // The menu's drag entry makes drag the default; a click on it drags nothing.
    ASSERT_TRUE(actions->RunCommand(CommandId::Drag));
    EXPECT_EQ(actions->CurrentDefaultAction(), DefaultAction::Drag);
    QTest::mouseClick(Split(), Qt::LeftButton, {}, middle);
    EXPECT_TRUE(dragged.empty());

    QTest::mousePress(Split(), Qt::LeftButton, {}, middle);
    QTest::mouseMove(Split(), away);
    ASSERT_EQ(dragged.size(), 1u);
    EXPECT_FALSE(Split()->isDown());
    // The clipboard's two forms of the text.
    EXPECT_EQ(dragged[0]->data(kCp932TextMime).toStdString(), kFragment);
    EXPECT_EQ(QString::fromUtf8(dragged[0]->data(kUtf8TextMime)), QStringLiteral("<B>記号</B>"));
    QTest::mouseRelease(Split(), Qt::LeftButton, {}, away);
    EXPECT_EQ(prompts.asked.size(), 0u);

    // Nothing to drag, no drag.
    fragment.clear();
    QTest::mousePress(Split(), Qt::LeftButton, {}, middle);
    QTest::mouseMove(Split(), away);
    EXPECT_EQ(dragged.size(), 1u);
}

TEST_F(OutputActionsTest, SourceWindowFollowsTheToggleAndTheFragment) {
    actions->ToggleSourceWindow();
    QPointer<CSourceWindow> source = actions->SourceWindow();
    ASSERT_NE(source, nullptr);
    EXPECT_TRUE(source->isVisible());
    EXPECT_EQ(source->windowTitle(), QStringLiteral("ソース"));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(SourceButtonPressed());
    EXPECT_EQ(source->Text(), QStringLiteral("<B>記号</B>"));

    fragment = "<I>x</I>";
    actions->CopyTag(); // any regeneration refreshes it
    EXPECT_EQ(source->Text(), QStringLiteral("<I>x</I>"));
    source->resize(400, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(source->findChild<QPlainTextEdit*>(QStringLiteral("1004"))->geometry(),
              source->rect());

    actions->ToggleSourceWindow();
    EXPECT_FALSE(flag);
    EXPECT_FALSE(SourceButtonPressed());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(source, nullptr);
}

TEST_F(OutputActionsTest, CloseBoxAndEscapeClearTheFlagEnterDoesNot) {
    flag = true; // as stored at the last close
    actions->RestoreSourceWindow();
    ASSERT_NE(actions->SourceWindow(), nullptr);
    EXPECT_TRUE(SourceButtonPressed());
    QTest::keyClick(actions->SourceWindow()->findChild<QPlainTextEdit*>(), Qt::Key_Return);
    ASSERT_NE(actions->SourceWindow(), nullptr);
    EXPECT_TRUE(actions->SourceWindow()->isVisible());

    actions->SourceWindow()->close();
    EXPECT_FALSE(flag);
    EXPECT_FALSE(SourceButtonPressed());
    EXPECT_EQ(actions->SourceWindow(), nullptr);

    // Opened again before the closed one is deleted: a fresh window comes.
    actions->ToggleSourceWindow();
    ASSERT_NE(actions->SourceWindow(), nullptr);
    QTest::keyClick(actions->SourceWindow()->findChild<QPlainTextEdit*>(), Qt::Key_Escape);
    EXPECT_FALSE(flag);
    EXPECT_FALSE(SourceButtonPressed());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.findChildren<CSourceWindow*>().isEmpty());
}

} // namespace
} // namespace quillet
