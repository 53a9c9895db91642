#include "symbols/SymbolPageView.h"

#include "core/CommandIds.h"
#include "core/Composer.h"
#include "platform/CodePage932.h"
#include "platform/TextCodec.h"
#include "symbols/SymbolDialogRunner.h"
#include "symbols/UserSymbolFile.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/symbols/SymbolTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace quillet {
namespace {

std::string Cp(const char* utf8) {
    return ToCp932(QString::fromUtf8(utf8));
}

const std::string kHeart = "<Font Face=\"Symbol\">\xA9</Font>";

// The main window as the composer sees it, with the page under test as its symbol list.
class PageWindow : public NullComposerView {
public:
    void ShowInSourceWindow(const std::string& text) override { fragment = text; }
    std::string SymbolContentAt(int row) const override { return symbols->SymbolContentAt(row); }

    const SymbolPageView* symbols = nullptr;
    std::string fragment = "(nothing composed)";
};

using test::FakePrompts;

class FakeDialogs : public SymbolDialogRunner {
public:
    std::optional<SymbolRecord> Run(QWidget*, const QString& title,
                                    const SymbolRecord& texts) override {
        titles << title;
        given = texts;
        return answer;
    }

    std::optional<SymbolRecord> answer;
    QStringList titles;
    SymbolRecord given;
};

class SymbolPage : public ::testing::Test {
protected:
    SymbolPage() {
        m_view.SetCurrentPage(static_cast<int>(TagPage::Symbol));
        m_composer.SelectOnly(static_cast<int>(TagPage::Symbol));
        SymbolPageHooks hooks{
            [this](int command, bool enabled) {
                bool* button = command == CommandId::AddSymbol      ? &m_commands.add
                               : command == CommandId::DeleteSymbol ? &m_commands.remove
                                                                    : &m_commands.edit;
                *button = enabled;
            },
            [this] {
                if (m_view.CurrentPage() == static_cast<int>(TagPage::Symbol)) {
                    m_page->ShowSymbolPage();
                }
            },
        };
        m_page = std::make_unique<SymbolPageView>(
            m_composer, m_prompts, m_dialogs,
            // Files of any length are read at once unless a test asks otherwise.
            SymbolPageSetup{m_list,
                            m_box,
                            m_folder / "User.mrk",
                            {100, -5, 300},
                            hooks,
                            std::numeric_limits<std::uintmax_t>::max()});
        m_view.symbols = m_page.get();
        m_window.resize(480, 320);
        m_list->setGeometry(0, 40, 480, 280);
        m_window.show();
    }

    // A page that reads any user file on a thread of its own, as it does long ones.
    void ReadUserFilesInBackground() {
        m_page.reset();
        SymbolPageSetup setup{m_list, m_box, m_folder / "User.mrk", {}, {}};
        setup.backgroundReadBytes = 0;
        m_page = std::make_unique<SymbolPageView>(m_composer, m_prompts, m_dialogs, setup);
        m_view.symbols = m_page.get();
    }
    void ShowUserSymbols(const std::vector<SymbolRecord>& records) {
        m_folder.Write("User.mrk", FormatUserSymbols(test::UserRows(records)));
        m_composer.State().TypeIndex = Cp("ユーザー設定");
        m_page->ShowSymbolPage();
    }
    void ChooseFilter(int index) {
        m_box->setCurrentIndex(index);
        emit m_box->activated(index);
    }
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect cell = m_list->visualRect(m_list->model()->index(row, 0));
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, modifiers, cell.center());
    }
    void ClickHeader(int column) {
        QHeaderView* header = m_list->header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
    QStringList Column(int column) const {
        QStringList texts;
        for (int row = 0; row < m_list->model()->rowCount(); ++row) {
            texts << m_list->model()->index(row, column).data().toString();
        }
        return texts;
    }
    // The row the list highlights, which the composition must agree with.
    int Highlighted() const {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows();
        const int row = rows.size() == 1 ? rows.front().row() : -1;
        EXPECT_EQ(m_composer.State().SymbolSelection, row);
        return row;
    }

    test::TemporaryFolder m_folder;
    QWidget m_window;
    QTreeView* m_list = new QTreeView(&m_window);
    QComboBox* m_box = new QComboBox(&m_window);
    PageWindow m_view;
    Composer m_composer{m_view};
    FakePrompts m_prompts;
    FakeDialogs m_dialogs;
    EditCommands m_commands{true, true, true};
    std::unique_ptr<SymbolPageView> m_page;
};

constexpr EditCommands kNone{};
constexpr EditCommands kAddOnly{true, false, false};
constexpr EditCommands kAllThree{true, true, true};

TEST_F(SymbolPage, CardsListFourRowsInNameOrderAndTheSelectedRowIsTheFragment) {
    m_page->ShowSymbolPage();
    EXPECT_EQ(m_box->count(), 7);
    EXPECT_EQ(m_box->currentText(), QStringLiteral("トランプ"));
    EXPECT_EQ(Column(0), (QStringList{"クローバー", "スペード", "ダイヤ", "ハート"}));
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(m_page->Rows().Icon(row), CardsIcon);
    }
    EXPECT_FALSE(m_list->model()->index(0, 0).data(Qt::DecorationRole).isNull());
    EXPECT_EQ(Highlighted(), -1);
    EXPECT_EQ(m_commands, kNone);

    ClickRow(3);
    EXPECT_EQ(Highlighted(), 3);
    EXPECT_EQ(m_view.fragment, kHeart);
    ClickRow(3, Qt::ControlModifier);
    EXPECT_EQ(Highlighted(), -1);
    EXPECT_EQ(m_view.fragment, "");
    EXPECT_EQ(m_commands, kNone);
}

TEST_F(SymbolPage, ATextThatOnlyBeginsAFilterLabelShowsThatFilterButListsNothing) {
    m_composer.State().TypeIndex = Cp("ユーザー");
    m_page->ShowSymbolPage();
    EXPECT_EQ(m_box->currentText(), QStringLiteral("ユーザー設定"));
    EXPECT_EQ(m_list->model()->rowCount(), 0);
    EXPECT_EQ(m_commands, kNone);
}

TEST_F(SymbolPage, HeaderClickSortsAscendingEveryTimeAndTheSelectionFollowsItsRow) {
    m_page->ShowSymbolPage();
    ChooseFilter(0);
    ClickRow(static_cast<int>(Column(0).indexOf(QStringLiteral("ハート"))));
    ClickHeader(1);
    const QStringList types = Column(1);
    for (qsizetype row = 1; row < types.size(); ++row) {
        EXPECT_LE(cp932::CompareNoCase(ToCp932(types[row - 1]), ToCp932(types[row])), 0);
    }
    ClickHeader(1);
    EXPECT_EQ(Column(1), types);
    EXPECT_EQ(Column(0).value(Highlighted()), QStringLiteral("ハート"));
    EXPECT_EQ(m_view.fragment, kHeart);
    EXPECT_FALSE(m_list->header()->isSortIndicatorShown());
}

TEST_F(SymbolPage, UserFilterEnablesTheCommandsAndDeleteSavesTheRowsAsTheListShowsThem) {
    m_folder.Write("User.mrk", FormatUserSymbols(test::UserRows(
                                   {{"a", "3", "A"}, {"b", "1", "B"}, {"c", "2", "C"}})));
    m_page->ShowSymbolPage();
    ChooseFilter(6);
    EXPECT_EQ(m_composer.State().TypeIndex, Cp("ユーザー設定"));
    EXPECT_EQ(m_commands, kAddOnly);
    ClickHeader(1);
    ClickRow(1);
    EXPECT_EQ(m_commands, kAllThree);
    ASSERT_EQ(m_view.fragment, "C");

    m_page->HandleCommand(CommandId::DeleteSymbol);
    EXPECT_EQ(Column(0), (QStringList{"b", "a"}));
    EXPECT_EQ(m_folder.Read("User.mrk"),
              FormatUserSymbols(test::UserRows({{"b", "1", "B"}, {"a", "3", "A"}})));
    EXPECT_EQ(Highlighted(), -1);
    EXPECT_EQ(m_view.fragment, "");
    EXPECT_EQ(m_commands, kAddOnly);
}

TEST_F(SymbolPage, CtrlZOrTheListsMenuBringsADeletedSymbolBack) {
    ShowUserSymbols({{"a", "t", "A"}, {"b", "t", "B"}, {"c", "t", "C"}});
    QAction* undo = m_list->findChild<QAction*>(QStringLiteral("UndoDelete"));
    ASSERT_NE(undo, nullptr);
    EXPECT_TRUE(m_list->actions().contains(undo)); // the list's context menu
    EXPECT_EQ(undo->text(), QStringLiteral("元に戻す(&U)"));
    EXPECT_FALSE(undo->isEnabled());
    ClickRow(1);
    m_page->HandleCommand(CommandId::DeleteSymbol);
    EXPECT_TRUE(undo->isEnabled());

    m_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    m_list->setFocus();
    QTest::keyClick(m_list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Column(0), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(Highlighted(), 1);
    EXPECT_EQ(m_view.fragment, "B");
    EXPECT_EQ(m_commands, kAllThree);
    EXPECT_EQ(m_folder.Read("User.mrk"), FormatUserSymbols(test::UserRows(
                                             {{"a", "t", "A"}, {"b", "t", "B"}, {"c", "t", "C"}})));
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(SymbolPage, AddAndEditKeepTheFragmentOnTheHighlightedRow) {
    ShowUserSymbols({{"b", "t", "B"}});
    ClickRow(0);
    m_dialogs.answer = SymbolRecord{"a", "t", "A"};
    m_page->HandleCommand(CommandId::AddSymbol);
    EXPECT_EQ(Column(0), (QStringList{"a", "b"}));
    EXPECT_EQ(Highlighted(), 1);
    EXPECT_EQ(m_composer.RebuildTag(), "B");

    m_dialogs.answer = SymbolRecord{"z", "t", "Z"};
    m_page->HandleCommand(CommandId::EditSymbol);
    EXPECT_EQ(m_dialogs.given, (SymbolRecord{"b", "t", "B"}));
    EXPECT_EQ(m_view.fragment, "Z");

    std::filesystem::remove(m_folder / "User.mrk");
    m_dialogs.answer.reset();
    m_page->HandleCommand(CommandId::EditSymbol);
    EXPECT_EQ(m_dialogs.titles, (QStringList{"追加", "編集", "編集"}));
    EXPECT_EQ(m_folder.Read("User.mrk"), "a\r\nt\r\nA\r\n\r\nz\r\nt\r\nZ\r\n\r\n");
}

TEST_F(SymbolPage, RegisterStoresTheFragmentAndTheBoxFollowsOnlyWhileThePageIsShown) {
    m_page->ShowSymbolPage();
    m_view.SetCurrentPage(static_cast<int>(TagPage::Font));
    m_composer.SelectOnly(static_cast<int>(TagPage::Font));
    m_composer.State().FontText = "x";
    m_composer.State().Bold = true;
    m_dialogs.answer = SymbolRecord{"n", "t", "<B>x</B>"};
    m_page->HandleCommand(CommandId::RegisterSymbol);
    EXPECT_EQ(m_dialogs.titles, QStringList{"記号に登録"});
    EXPECT_EQ(m_dialogs.given, (SymbolRecord{"", "", "<B>x</B>"}));
    EXPECT_EQ(m_composer.State().TypeIndex, Cp("ユーザー設定"));
    EXPECT_EQ(Column(0), QStringList{"n"});
    EXPECT_EQ(m_box->currentText(), QStringLiteral("トランプ"));
    EXPECT_EQ(m_folder.Read("User.mrk"), "n\r\nt\r\n<B>x</B>\r\n\r\n");

    m_view.SetCurrentPage(static_cast<int>(TagPage::Symbol));
    m_composer.SelectOnly(static_cast<int>(TagPage::Symbol));
    ClickRow(0);
    m_page->HandleCommand(CommandId::RegisterSymbol);
    EXPECT_EQ(m_box->currentText(), QStringLiteral("ユーザー設定"));
    EXPECT_EQ(Highlighted(), -1);
    EXPECT_EQ(m_view.fragment, "");
}

TEST_F(SymbolPage, ClearAsksWithoutAnIconAndOnlyYesResetsTheSymbolPage) {
    ShowUserSymbols({{"a", "t", "A"}});
    ClickRow(0);
    m_prompts.yes = false;
    m_page->HandleCommand(CommandId::ClearPages);
    EXPECT_EQ(m_prompts.asked,
              (test::Messages{{"現在選択しているページの要素をクリアします。\nよろしいですか。",
                               MessageIcon::None}}));
    EXPECT_EQ(Highlighted(), 0);
    EXPECT_EQ(m_view.fragment, "A");

    m_prompts.yes = true;
    m_page->HandleCommand(CommandId::ClearPages);
    EXPECT_EQ(m_composer.State().TypeIndex, Cp("トランプ"));
    EXPECT_EQ(m_box->currentText(), QStringLiteral("トランプ"));
    EXPECT_EQ(m_list->model()->rowCount(), 4);
    EXPECT_EQ(Highlighted(), -1);
    EXPECT_EQ(m_view.fragment, "");
}

TEST_F(SymbolPage, AnUnreadableUserFileIsReportedWithItsPathAndAddStaysDisabled) {
    std::filesystem::create_directories(m_folder / "User.mrk");
    m_composer.State().TypeIndex = Cp("ユーザー設定");
    m_page->ShowSymbolPage();
    ASSERT_EQ(m_prompts.shown.size(), 1);
    EXPECT_TRUE(m_prompts.shown.front().first.startsWith(QStringLiteral("ユーザー記号ファイル")));
    EXPECT_TRUE(m_prompts.shown.front().first.contains(QString::fromStdString(m_folder.Path())));
    EXPECT_EQ(m_commands, kNone);
}

// A line of megabytes shows its beginning: laying all of it out would freeze the list.
TEST_F(SymbolPage, AHugeFieldShowsItsBeginningAndComposesWhole) {
    const std::string content = "\x83n" + std::string(1 << 20, 'x');
    ShowUserSymbols({{"a", "b", content}});
    const QString shown = Column(2).front();
    EXPECT_LT(shown.size(), 5000);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("ハxxx")));
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    ClickRow(0);
    EXPECT_EQ(m_view.fragment, content);
}

TEST_F(SymbolPage, ColumnWidthsComeFromTheSettingsAndSurviveRebuilds) {
    m_page->ShowSymbolPage();
    ChooseFilter(0);
    ClickHeader(2);
    EXPECT_EQ(m_page->ColumnWidths(), (SymbolColumnWidths{100, 60, 300}));
}

TEST_F(SymbolPage, ABackgroundReadListsTheFileOnceTheEventLoopHandsItOver) {
    ReadUserFilesInBackground();
    ShowUserSymbols({{"m", "t", "1"}, {"b", "t", "2"}});
    EXPECT_TRUE(m_page->IsLoading());
    EXPECT_EQ(m_list->model()->rowCount(), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !m_page->IsLoading(); }, 5000));
    EXPECT_EQ(Column(0), (QStringList{"b", "m"}));
}

// Saving a half-read list would drop the rest of the file.
TEST_F(SymbolPage, AddDuringABackgroundReadWaitsForItAndKeepsEveryStoredSymbol) {
    ReadUserFilesInBackground();
    ShowUserSymbols({{"m", "t", "1"}, {"b", "t", "2"}});
    m_dialogs.answer = SymbolRecord{"k", "t", "3"};
    m_page->AddSymbol();
    EXPECT_FALSE(m_page->IsLoading());
    EXPECT_EQ(Column(0), (QStringList{"b", "k", "m"}));
    EXPECT_EQ(m_folder.Read("User.mrk"),
              "b\r\nt\r\n2\r\n\r\nk\r\nt\r\n3\r\n\r\nm\r\nt\r\n1\r\n\r\n");
}

} // namespace
} // namespace quillet
