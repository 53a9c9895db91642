#include "MainDialogTestSupport.h"

#include "controls/CTipToolBar.h"
#include "core/CommandIds.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quillet::test {
namespace {

constexpr int kSymbolPage = 6;

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MainDialogSymbols : public MainDialogTest {
protected:
    void OpenOnSymbolPage() {
        AppSettings settings = DefaultSettings();
        settings.TabPage = kSymbolPage;
        StoreSettings(settings);
        Open();
    }

    QTreeView* List() const { return Find<QTreeView>(1000); }

    QStringList Names() const {
        QStringList names;
        const QAbstractItemModel* model = List()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            names << model->index(row, 0).data().toString();
        }
        return names;
    }

    void ClickRow(int row) {
        const QModelIndex index = List()->model()->index(row, 0);
        List()->scrollTo(index); // a list 200 pixels high shows three rows
        const QRect rect = List()->visualRect(index);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    bool Enabled(int commandId) const {
        return Find<CTipToolBar>(143)->IsCommandEnabled(commandId);
    }

    std::filesystem::path ProgramUserFile() const {
        return std::filesystem::path(m_program.path().toStdString()) / "User.mrk";
    }
};

TEST_F(MainDialogSymbols, FirstStartListsTheCardsAndASelectedRowBecomesTheFragment) {
    OpenOnSymbolPage();
    EXPECT_EQ(Find<QComboBox>(1022)->currentText(), "トランプ");
    const auto* label = Find<QLabel>(1008);
    EXPECT_GE(label->width(), label->sizeHint().width()) << "the colon is cut off";
    EXPECT_EQ(Names(), (QStringList{"クローバー", "スペード", "ダイヤ", "ハート"}));
    EXPECT_EQ(Fragment(), "");
    EXPECT_FALSE(Enabled(CommandId::AddSymbol));

    ClickRow(3);
    EXPECT_EQ(Dialog().Tags().State().SymbolSelection, 3);
    EXPECT_EQ(Dialog().Tags().RebuildTag(), "<Font Face=\"Symbol\">\xA9</Font>");
    EXPECT_FALSE(Enabled(CommandId::DeleteSymbol));
}

TEST_F(MainDialogSymbols, AddUnderTheUserFilterWritesUserMrkBesideTheProgram) {
    OpenOnSymbolPage();
    Choose(1022, "ユーザー設定");
    EXPECT_TRUE(Names().isEmpty());
    ASSERT_TRUE(Enabled(CommandId::AddSymbol));
    EXPECT_FALSE(Enabled(CommandId::EditSymbol));

    m_symbolDialogs.answer = SymbolRecord{"A", "B", "C"};
    Press(CommandId::AddSymbol);
    EXPECT_EQ(m_symbolDialogs.titles, std::vector<QString>{"追加"});
    EXPECT_EQ(Names(), QStringList{"A"});
    EXPECT_EQ(FileBytes(ProgramUserFile()), "A\r\nB\r\nC\r\n\r\n");

    ClickRow(0);
    EXPECT_TRUE(Enabled(CommandId::DeleteSymbol) && Enabled(CommandId::EditSymbol));
    EXPECT_EQ(Fragment(), "C");
    EXPECT_TRUE(m_prompts.shown.empty());
}

TEST_F(MainDialogSymbols, RegisterFromTheFontPageStoresTheFragmentUnderTheUserFilter) {
    Open();
    TypeMain("abc");
    m_symbolDialogs.answer = SymbolRecord{"n", "t", "abc!"};
    Dialog().RegisterSymbol();
    EXPECT_EQ(m_symbolDialogs.titles, std::vector<QString>{"記号に登録"});
    EXPECT_EQ(m_symbolDialogs.given.content, "abc");
    EXPECT_EQ(m_symbolDialogs.given.name, "");
    EXPECT_EQ(Dialog().Tags().State().TypeIndex, ToCp932("ユーザー設定"));
    EXPECT_EQ(FileBytes(ProgramUserFile()), "n\r\nt\r\nabc!\r\n\r\n");
    EXPECT_EQ(Fragment(), "abc");

    SelectTab(kSymbolPage);
    EXPECT_EQ(Find<QComboBox>(1022)->currentText(), "ユーザー設定");
    EXPECT_EQ(Names(), QStringList{"n"});
}

TEST_F(MainDialogSymbols, ClearResetsTheFontPageOnlyWhenConfirmed) {
    Open();
    TypeMain("abc");
    Press(CommandId::Bold);
    ASSERT_EQ(Fragment(), "<B>abc</B>");

    m_prompts.yes = false;
    Dialog().ClearPages();
    ASSERT_EQ(m_prompts.asked.size(), 1U);
    EXPECT_EQ(m_prompts.asked[0].first,
              "現在選択しているページの要素をクリアします。\nよろしいですか。");
    EXPECT_EQ(Find<QLineEdit>(1020)->text(), "abc");
    EXPECT_EQ(Fragment(), "<B>abc</B>");

    m_prompts.yes = true;
    Dialog().ClearPages();
    EXPECT_EQ(Find<QLineEdit>(1020)->text(), "");
    EXPECT_FALSE(Find<CTipToolBar>(143)->IsCommandChecked(CommandId::Bold));
    EXPECT_EQ(Fragment(), "");
}

TEST_F(MainDialogSymbols, TheFilterAndTheColumnWidthsAreWrittenAtClose) {
    AppSettings settings = DefaultSettings();
    settings.TabPage = kSymbolPage;
    settings.ColumnName = 90;
    StoreSettings(settings);
    Open();
    EXPECT_EQ(List()->columnWidth(0), 90);
    Choose(1022, "すべての種類");
    EXPECT_EQ(Names().size(), 23);
    List()->header()->resizeSection(2, 150);

    SelectTab(0);
    Dialog().close();
    const AppSettings stored = StoredSettings();
    EXPECT_EQ(stored.TypeIndex, ToCp932("すべての種類"));
    EXPECT_EQ(stored.ColumnName, 90);
    EXPECT_EQ(stored.ColumnType, 60);
    EXPECT_EQ(stored.ColumnContent, 150);
}

TEST_F(MainDialogSymbols, TextDroppedIntoTheAddressFieldRegeneratesOnce) {
    Open();
    SelectTab(3);
    auto* address = Find<QLineEdit>(1021);
    QMimeData data;
    data.setText("http://example.com/");
    QSignalSpy regenerations(&Dialog(), &CMainDialog::FragmentChanged);

    const QPoint at = address->rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(address, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(address, &move);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(address, &drop);

    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(regenerations.count(), 1);
    EXPECT_EQ(Fragment(), "<A Href=\"http://example.com/\"></A>");
}

} // namespace
} // namespace quillet::test
