#include "symbols/SymbolPageView.h"

#include "core/CommandIds.h"
#include "core/Composer.h"
#include "platform/CodePage932.h"
#include "platform/Prompts.h"
#include "platform/TextCodec.h"
#include "symbols/SymbolDialogRunner.h"
#include "symbols/UserSymbolFile.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/symbols/SymbolTestSupport.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace quillet {
namespace {

std::string Cp(const char* utf8) {
    return ToCp932(QString::fromUtf8(utf8));
}

const std::string kHeart = "<Font Face=\"Symbol\">\xA9</Font>";

// The main window as the composer sees it: the symbol page is current and the list's
// contents come from the page under test.
class PageWindow : public ComposerView {
public:
    bool HasControls() const override { return true; }
    int CurrentPage() const override { return page; }
    void SetSampleTip(int, const std::string&) override {}
    void SetSpeedLabel(const std::string&) override {}
    void ShowInSourceWindow(const std::string& text) override { fragment = text; }
    void EnableOutputButtons(bool) override {}
    void CheckButton(int, bool) override {}
    std::string SymbolContentAt(int row) const override {
        return symbols != nullptr ? symbols->SymbolContentAt(row) : std::string();
    }
    void SetSampleFont(const SampleFont&) override {}
    SystemColors Colors() const override { return {}; }

    int page = static_cast<int>(TagPage::Symbol);
    const SymbolPageView* symbols = nullptr;
    std::string fragment = "(nothing composed)";
};

class FakePrompts : public Prompts {
public:
    bool AskYesNo(QWidget*, const QString& text, MessageIcon icon) override {
        questions.push_back(text);
        questionIcon = icon;
        return yes;
    }
    void ShowMessage(QWidget*, const QString& text, MessageIcon) override {
        messages.push_back(text);
    }
    std::optional<QString> SaveFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QString> OpenFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QColor> ChooseColor(QWidget*, const QColor&) override { return {}; }

    bool yes = false;
    QStringList questions;
    std::optional<MessageIcon> questionIcon;
    QStringList messages;
};

class FakeDialogs : public SymbolDialogRunner {
public:
    std::optional<SymbolRecord> Run(QWidget*, const QString& title,
                                    const SymbolRecord& texts) override {
        titles.push_back(title);
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
        m_window.resize(480, 320);
        m_composer.SelectOnly(static_cast<int>(TagPage::Symbol));
        Create({});
    }

    void Create(SymbolColumnWidths widths) {
        m_page.reset();
        SymbolPageHooks hooks{
            [this](int command, bool enabled) { m_enabled[command] = enabled; },
            [this] {
                if (m_view.page == static_cast<int>(TagPage::Symbol)) {
                    m_page->ShowSymbolPage();
                }
            },
        };
        m_page = std::make_unique<SymbolPageView>(
            m_composer, m_prompts, m_dialogs,
            SymbolPageSetup{m_list, m_box, UserFile(), widths, std::move(hooks)});
        m_view.symbols = m_page.get();
        m_list->setGeometry(0, 40, 480, 280);
        m_window.show();
    }

    std::filesystem::path UserFile() const { return m_folder / "User.mrk"; }
    void WriteUserFile(const std::vector<SymbolRecord>& records) {
        std::vector<SymbolRow> rows;
        for (const SymbolRecord& record : records) {
            rows.push_back({record, UserIcon});
        }
        m_folder.Write("User.mrk", FormatUserSymbols(rows));
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
        const QAbstractItemModel* model = m_list->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            texts << model->index(row, column).data().toString();
        }
        return texts;
    }
    int SelectedRowInList() const {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    }
    bool Enabled(int command) const {
        const auto found = m_enabled.find(command);
        return found != m_enabled.end() && found->second;
    }

    test::TemporaryFolder m_folder;
    QWidget m_window;
    QTreeView* m_list = new QTreeView(&m_window);
    QComboBox* m_box = new QComboBox(&m_window);
    PageWindow m_view;
    Composer m_composer{m_view};
    FakePrompts m_prompts;
    FakeDialogs m_dialogs;
    std::map<int, bool> m_enabled;
    std::unique_ptr<SymbolPageView> m_page;
};

TEST_F(SymbolPage, StartsOnCardsWithItsFourRowsInNameOrderAndNothingSelected) {
    m_page->ShowSymbolPage();
    EXPECT_EQ(m_box->count(), 7);
    EXPECT_EQ(m_box->currentText(), QStringLiteral("トランプ"));
    EXPECT_EQ(Column(0), (QStringList{"クローバー", "スペード", "ダイヤ", "ハート"}));
    EXPECT_EQ(Column(1), QStringList(4, QStringLiteral("トランプ")));
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(m_page->Rows().Icon(row), CardsIcon);
        EXPECT_FALSE(m_list->model()->index(row, 0).data(Qt::DecorationRole).isNull());
    }
    EXPECT_EQ(m_composer.State().SymbolSelection, -1);
    EXPECT_FALSE(Enabled(CommandId::AddSymbol) || Enabled(CommandId::DeleteSymbol) ||
                 Enabled(CommandId::EditSymbol));
}

TEST_F(SymbolPage, ATextThatOnlyBeginsAFilterLabelShowsThatFilterButListsNothing) {
    m_composer.State().TypeIndex = Cp("ユーザー");
    m_page->ShowSymbolPage();
    EXPECT_EQ(m_box->currentText(), QStringLiteral("ユーザー設定"));
    EXPECT_EQ(m_list->model()->rowCount(), 0);
    EXPECT_FALSE(Enabled(CommandId::AddSymbol));
}

TEST_F(SymbolPage, SelectingARowComposesItsContentAndDeselectingEmptiesTheFragment) {
    m_page->ShowSymbolPage();
    ClickRow(3);
    EXPECT_EQ(m_composer.State().SymbolSelection, 3);
    EXPECT_EQ(m_view.fragment, kHeart);
    ClickRow(3, Qt::ControlModifier);
    EXPECT_EQ(m_composer.State().SymbolSelection, -1);
    EXPECT_EQ(m_view.fragment, "");
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
    const int selected = SelectedRowInList();
    ASSERT_GE(selected, 0);
    EXPECT_EQ(Column(0).at(selected), QStringLiteral("ハート"));
    EXPECT_EQ(m_composer.State().SymbolSelection, selected);
    EXPECT_EQ(m_view.fragment, kHeart);
    EXPECT_FALSE(m_list->header()->isSortIndicatorShown());
}

TEST_F(SymbolPage, UserFilterEnablesAddAndASelectedUserRowEnablesDeleteAndEdit) {
    WriteUserFile({{"b", "t", "B"}, {"a", "t", "A"}});
    m_page->ShowSymbolPage();
    ChooseFilter(6);
    EXPECT_EQ(m_composer.State().TypeIndex, Cp("ユーザー設定"));
    EXPECT_EQ(Column(0), (QStringList{"a", "b"}));
    EXPECT_TRUE(Enabled(CommandId::AddSymbol));
    EXPECT_FALSE(Enabled(CommandId::DeleteSymbol) || Enabled(CommandId::EditSymbol));
    ClickRow(1);
    EXPECT_TRUE(Enabled(CommandId::DeleteSymbol) && Enabled(CommandId::EditSymbol));
    EXPECT_EQ(m_view.fragment, "B");
}

TEST_F(SymbolPage, DeleteAfterATypeSortRemovesTheHighlightedRowAndSavesTheRestInThatOrder) {
    WriteUserFile({{"a", "3", "A"}, {"b", "1", "B"}, {"c", "2", "C"}});
    m_composer.State().TypeIndex = Cp("ユーザー設定");
    m_page->ShowSymbolPage();
    ClickHeader(1);
    ClickRow(1);
    ASSERT_EQ(m_view.fragment, "C");
    m_page->HandleCommand(CommandId::DeleteSymbol);
    EXPECT_EQ(Column(0), (QStringList{"b", "a"}));
    EXPECT_EQ(m_folder.Read("User.mrk"),
              FormatUserSymbols({{{"b", "1", "B"}, UserIcon}, {{"a", "3", "A"}, UserIcon}}));
    EXPECT_EQ(m_composer.State().SymbolSelection, -1);
    EXPECT_EQ(SelectedRowInList(), -1);
    EXPECT_EQ(m_view.fragment, "");
    EXPECT_FALSE(Enabled(CommandId::DeleteSymbol) || Enabled(CommandId::EditSymbol));
}

TEST_F(SymbolPage, AddingARowAboveTheSelectionKeepsComposingTheSelectedSymbol) {
    WriteUserFile({{"b", "t", "B"}});
    m_composer.State().TypeIndex = Cp("ユーザー設定");
    m_page->ShowSymbolPage();
    ClickRow(0);
    m_dialogs.answer = SymbolRecord{"a", "t", "A"};
    m_page->HandleCommand(CommandId::AddSymbol);
    EXPECT_EQ(m_dialogs.titles, QStringList{QStringLiteral("追加")});
    EXPECT_EQ(Column(0), (QStringList{"a", "b"}));
    EXPECT_EQ(SelectedRowInList(), 1);
    EXPECT_EQ(m_composer.State().SymbolSelection, 1);
    EXPECT_EQ(m_composer.RebuildTag(), "B");
    EXPECT_EQ(ParseUserSymbols(m_folder.Read("User.mrk")).size(), 2U);
}

TEST_F(SymbolPage, RegisterFromAnotherPageStoresTheFragmentUnderTheUserFilter) {
    m_page->ShowSymbolPage();
    m_view.page = static_cast<int>(TagPage::Font);
    m_composer.SelectOnly(static_cast<int>(TagPage::Font));
    m_composer.State().FontText = "x";
    m_composer.State().Bold = 1;
    m_dialogs.answer = SymbolRecord{"n", "t", "<B>x</B>"};
    m_page->HandleCommand(CommandId::RegisterSymbol);
    EXPECT_EQ(m_dialogs.titles, QStringList{QStringLiteral("記号に登録")});
    EXPECT_EQ(m_dialogs.given, (SymbolRecord{"", "", "<B>x</B>"}));
    EXPECT_EQ(m_composer.State().TypeIndex, Cp("ユーザー設定"));
    EXPECT_EQ(Column(0), QStringList{"n"});
    EXPECT_EQ(m_box->currentText(), QStringLiteral("トランプ")) << "the box waits for the page";
    EXPECT_EQ(m_folder.Read("User.mrk"), "n\r\nt\r\n<B>x</B>\r\n\r\n");
}

TEST_F(SymbolPage, ClearAsksWithoutAnIconAndOnlyYesResetsTheSymbolPage) {
    WriteUserFile({{"a", "t", "A"}});
    m_composer.State().TypeIndex = Cp("ユーザー設定");
    m_page->ShowSymbolPage();
    ClickRow(0);

    m_page->HandleCommand(CommandId::ClearPages);
    EXPECT_EQ(m_prompts.questions,
              QStringList{QStringLiteral("現在選択しているページの要素をクリアします。\n"
                                         "よろしいですか。")});
    EXPECT_EQ(m_prompts.questionIcon, MessageIcon::None);
    EXPECT_EQ(m_composer.State().TypeIndex, Cp("ユーザー設定"));
    EXPECT_EQ(m_composer.State().SymbolSelection, 0);
    EXPECT_EQ(m_view.fragment, "A");

    m_prompts.yes = true;
    m_page->HandleCommand(CommandId::ClearPages);
    EXPECT_EQ(m_composer.State().TypeIndex, Cp("トランプ"));
    EXPECT_EQ(m_box->currentText(), QStringLiteral("トランプ"));
    EXPECT_EQ(m_list->model()->rowCount(), 4);
    EXPECT_EQ(m_composer.State().SymbolSelection, -1);
    EXPECT_EQ(m_view.fragment, "");
    EXPECT_EQ(m_folder.Read("User.mrk"), FormatUserSymbols({{{"a", "t", "A"}, UserIcon}}));
}

TEST_F(SymbolPage, AnUnreadableUserFileIsReportedWithItsPathAndAddStaysDisabled) {
    std::filesystem::create_directories(UserFile());
    m_composer.State().TypeIndex = Cp("ユーザー設定");
    m_page->ShowSymbolPage();
    ASSERT_EQ(m_prompts.messages.size(), 1);
    EXPECT_TRUE(m_prompts.messages.front().contains(QString::fromStdString(UserFile().string())));
    EXPECT_TRUE(m_prompts.messages.front().startsWith(QStringLiteral("ユーザー記号ファイル")));
    EXPECT_FALSE(Enabled(CommandId::AddSymbol));
}

TEST_F(SymbolPage, ColumnWidthsComeFromTheSettingsAndSurviveRebuilds) {
    Create({100, -5, 300});
    m_page->ShowSymbolPage();
    ChooseFilter(0);
    ClickHeader(2);
    EXPECT_EQ(m_page->ColumnWidths(), (SymbolColumnWidths{100, 60, 300}));
}

} // namespace
} // namespace quillet
