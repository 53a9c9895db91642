#include "symbols/SymbolListModel.h"

#include "platform/AtomicFile.h"
#include "platform/CodePage932.h"
#include "symbols/BuiltInSymbols.h"
#include "symbols/UserSymbolFile.h"
#include "tests/symbols/SymbolTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace fs = std::filesystem;
using namespace quillet;
using quillet::test::WriteBytes;

namespace {

using Records = std::vector<SymbolRecord>;
using Names = std::vector<std::string>;

const std::string kAll = "すべての種類";
const std::string kCards = "トランプ";
const std::string kUser = "ユーザー設定";

constexpr EditCommands kNone{};
constexpr EditCommands kAddOnly{true, false, false};
constexpr EditCommands kAllThree{true, true, true};

class SymbolList : public ::testing::Test {
protected:
    fs::path File() const { return m_folder.Path() / "User.mrk"; }
    void WriteFile(const Records& records) {
        WriteBytes(File(), FormatUserSymbols(test::UserRows(records)));
    }
    std::string FileBytes() const { return ReadWholeFile(File()).Value(); }
    Names RowNames() const {
        Names names;
        for (const SymbolRow& row : m_model.Rows()) {
            names.push_back(row.record.name);
        }
        return names;
    }

    test::TestFolder m_folder;
    SymbolListModel m_model{File()};
};

TEST_F(SymbolList, CardsListInNameOrderAndTheSelectedRowIsThePagesContent) {
    SymbolPageUpdate update = m_model.RebuildSymbolList(kCards);
    EXPECT_EQ(RowNames(), (Names{"クローバー", "スペード", "ダイヤ", "ハート"}));
    EXPECT_EQ(m_model.Icon(3), CardsIcon);
    EXPECT_EQ(update.selection, -1);
    EXPECT_EQ(update.commands, kNone);
    EXPECT_FALSE(fs::exists(File()));

    update = m_model.SelectRow(3, kCards);
    EXPECT_TRUE(update.recomputeFragment);
    EXPECT_EQ(update.commands, kNone);
    EXPECT_EQ(m_model.SymbolContent(), "<Font Face=\"Symbol\">\xA9</Font>");
    EXPECT_EQ(m_model.SelectRow(-1, kCards).selection, -1);
    EXPECT_EQ(m_model.SymbolContent(), "");
    EXPECT_EQ(m_model.SelectRow(4, kCards).selection, -1);
    EXPECT_EQ(m_model.Icon(4), -1);
}

TEST_F(SymbolList, UserFilterOffersDeleteAndEditWhileARowIsSelectedAndAddKeepsIt) {
    EXPECT_EQ(m_model.RebuildSymbolList(kUser).commands, kAddOnly);
    EXPECT_EQ(FileBytes(), "");
    m_model.Add(kUser, SymbolRecord{"b", "t", "B"});
    EXPECT_EQ(m_model.SelectRow(0, kUser).commands, kAllThree);

    // A row added before the selected one moves the selection with its row.
    const SymbolPageUpdate update = m_model.Add(kUser, SymbolRecord{"A", "t", "A"});
    EXPECT_EQ(update.selection, 1);
    EXPECT_FALSE(update.recomputeFragment);
    EXPECT_EQ(m_model.SymbolContent(), "B");
    EXPECT_EQ(FileBytes(), "A\r\nt\r\nA\r\n\r\nb\r\nt\r\nB\r\n\r\n");
    EXPECT_EQ(m_model.SelectRow(-1, kUser).commands, kAddOnly);
}

TEST_F(SymbolList, AllListsUserSymbolsButNothingUnderItChangesThem) {
    WriteBytes(File(), "自作\nトランプ\n<B>x</B>\n");
    m_model.RebuildSymbolList(kAll);
    ASSERT_EQ(m_model.RowCount(), kBuiltInSymbolCount + 1);
    const Names names = RowNames();
    const auto mine =
        static_cast<int>(std::find(names.begin(), names.end(), "自作") - names.begin());
    EXPECT_EQ(m_model.Icon(mine), UserIcon);
    EXPECT_EQ(m_model.SelectRow(mine, kAll).commands, kNone);
    m_model.Add(kAll, SymbolRecord{"x", "y", "z"});
    m_model.Edit(kAll, SymbolRecord{"x", "y", "z"});
    m_model.Delete(kAll);
    EXPECT_EQ(m_model.RowCount(), kBuiltInSymbolCount + 1);
    EXPECT_EQ(m_model.SaveUserSymbols(kAll).Value(), SaveOutcome::Skipped);
    EXPECT_EQ(FileBytes(), "自作\nトランプ\n<B>x</B>\n");

    // Whatever its type, a user symbol is not listed by a group's filter.
    m_model.RebuildSymbolList(kCards);
    EXPECT_EQ(m_model.RowCount(), 4);
    m_model.RebuildSymbolList("トランプ ");
    EXPECT_EQ(m_model.RowCount(), 0);
}

TEST_F(SymbolList, LoadingAFileOrdersRowsAsInsertingThemOneByOneWould) {
    const std::vector<std::string> pieces{"a", "A", "b", "ハ", "ﾊ", "Ｚ", "ｚ"};
    std::mt19937 random(7);
    Records records;
    for (int i = 0; i < 400; ++i) {
        records.push_back({pieces[random() % 7] + pieces[random() % 7], std::to_string(i), ""});
    }
    WriteFile(records);
    m_model.RebuildSymbolList(kAll);

    SymbolListModel oneByOne(File());
    for (const SymbolRow& row : BuiltInSymbols()) {
        oneByOne.InsertSymbolRow(row.record.name, row.record.type, row.record.content, row.icon);
    }
    for (const SymbolRecord& record : records) {
        oneByOne.InsertSymbolRow(record.name, record.type, record.content, UserIcon);
    }
    EXPECT_EQ(m_model.Rows(), oneByOne.Rows());
}

// The sort keys are kept between sorts; whatever happened to the rows in between, a sort
// must order them as sorting their texts afresh would.
TEST_F(SymbolList, SortsAfterAddsEditsDeletesAndFilterChangesMatchAFreshSort) {
    const std::vector<std::string> pieces{"a", "A", "<b>", "ハ", "ﾊ", "Ｚ", "ｚ", ""};
    std::mt19937 random(5);
    const auto text = [&] { return pieces[random() % 8] + pieces[random() % 8]; };
    Records records;
    for (int i = 0; i < 60; ++i) {
        records.push_back({text(), text(), text()});
    }
    WriteFile(records);
    m_model.RebuildSymbolList(kAll);
    m_model.ChangeFilter(kUser);
    // The commands are given another filter's label, so that they leave the file alone.
    for (int step = 0; step < 300; ++step) {
        const int row =
            m_model.RowCount() > 0 ? static_cast<int>(random()) % m_model.RowCount() : -1;
        switch (random() % 5) {
        case 4:
            m_model.ChangeFilter(kAll);
            m_model.ChangeFilter(kUser);
            break;
        case 0:
            m_model.Add(kAll, SymbolRecord{text(), text(), text()});
            break;
        case 1:
            m_model.SelectRow(row, kUser);
            m_model.Edit(kAll, SymbolRecord{text(), text(), text()});
            break;
        case 2:
            m_model.SelectRow(row, kUser);
            m_model.Delete(kAll);
            break;
        default: {
            const int column = static_cast<int>(random() % 3);
            std::vector<SymbolRow> expected = m_model.Rows();
            std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
                return cp932::CompareNoCase(ColumnText(a.record, column),
                                            ColumnText(b.record, column)) < 0;
            });
            m_model.SortByColumn(column);
            ASSERT_EQ(m_model.Rows(), expected) << "step " << step;
        }
        }
    }
}

// The two halves of a rebuild, as the window uses them for a long file read elsewhere.
TEST_F(SymbolList, AListStillAwaitingTheFilesRowsIsNeverSaved) {
    WriteFile({{"m", "t", "1"}, {"b", "t", "2"}});
    m_model.BeginRebuild(kUser);
    EXPECT_TRUE(m_model.AwaitsUserRows());
    const std::string before = FileBytes();
    m_model.InsertSymbolRow("k", "t", "3", UserIcon);
    EXPECT_EQ(m_model.SaveUserSymbols(kUser).Value(), SaveOutcome::Skipped);
    EXPECT_EQ(FileBytes(), before);

    m_model.FinishRebuild(ReadUserRows(File()));
    EXPECT_FALSE(m_model.AwaitsUserRows());
    EXPECT_EQ(RowNames(), (Names{"b", "k", "m"}));
    EXPECT_EQ(m_model.SaveUserSymbols(kUser).Value(), SaveOutcome::Saved);
    EXPECT_EQ(FileBytes(), "b\r\nt\r\n2\r\n\r\nk\r\nt\r\n3\r\n\r\nm\r\nt\r\n1\r\n\r\n");
}

TEST_F(SymbolList, DeleteAfterATypeSortRemovesTheHighlightedRowAndSavesInTypeOrder) {
    WriteFile({{"a", "3", "x"}, {"b", "1", "y"}, {"c", "2", "z"}});
    m_model.RebuildSymbolList(kUser);
    m_model.SelectRow(0, kUser);
    SymbolPageUpdate update = m_model.SortByColumn(TypeColumn);
    EXPECT_EQ(RowNames(), (Names{"b", "c", "a"}));
    EXPECT_EQ(update.selection, 2);
    EXPECT_FALSE(update.recomputeFragment);

    m_model.SelectRow(1, kUser);
    update = m_model.Delete(kUser);
    EXPECT_EQ(RowNames(), (Names{"b", "a"}));
    EXPECT_TRUE(update.fileSaved);
    EXPECT_EQ(update.selection, -1);
    EXPECT_TRUE(update.recomputeFragment);
    EXPECT_EQ(update.commands, kAddOnly);
    EXPECT_EQ(FileBytes(), "b\r\n1\r\ny\r\n\r\na\r\n3\r\nx\r\n\r\n");
}

TEST_F(SymbolList, UndoPutsDeletedRowsBackWhereTheyWereLatestFirstAndSaves) {
    WriteFile({{"a", "3", "x"}, {"b", "1", "y"}, {"c", "2", "z"}, {"d", "0", "w"}});
    m_model.RebuildSymbolList(kUser);
    m_model.SortByColumn(TypeColumn); // d b c a: the places are not the names' order
    m_model.SelectRow(2, kUser);
    m_model.Delete(kUser);
    m_model.SelectRow(0, kUser);
    m_model.Delete(kUser);
    EXPECT_EQ(RowNames(), (Names{"b", "a"}));

    m_model.SelectRow(1, kUser);
    SymbolPageUpdate update = m_model.UndoDelete(kUser);
    EXPECT_EQ(RowNames(), (Names{"d", "b", "a"}));
    EXPECT_EQ(update.selection, 0);
    EXPECT_TRUE(update.recomputeFragment);
    EXPECT_EQ(m_model.SymbolContent(), "w");
    update = m_model.UndoDelete(kUser);
    EXPECT_EQ(RowNames(), (Names{"d", "b", "c", "a"}));
    EXPECT_EQ(update.selection, 2);
    EXPECT_TRUE(update.fileSaved);
    EXPECT_EQ(FileBytes(),
              FormatUserSymbols(test::UserRows(
                  {{"d", "0", "w"}, {"b", "1", "y"}, {"c", "2", "z"}, {"a", "3", "x"}})));
    EXPECT_FALSE(m_model.CanUndoDelete(kUser));

    // Another row coming in moves the places: nothing is left to undo.
    m_model.Delete(kUser);
    EXPECT_TRUE(m_model.CanUndoDelete(kUser));
    m_model.Add(kUser, SymbolRecord{"e", "t", "v"});
    EXPECT_FALSE(m_model.CanUndoDelete(kUser));
    EXPECT_FALSE(m_model.UndoDelete(kUser).fileSaved);
}

TEST_F(SymbolList, EditKeepsTheRowInPlaceUntilSortedAndCancelStillRewritesTheFile) {
    WriteFile({{"a", "t", "1"}, {"b", "t", "2"}});
    m_model.RebuildSymbolList(kUser);
    m_model.SelectRow(0, kUser);
    SymbolPageUpdate update = m_model.Edit(kUser, SymbolRecord{"z", "u", "new"});
    EXPECT_EQ(RowNames(), (Names{"z", "b"}));
    EXPECT_FALSE(update.recomputeFragment);
    EXPECT_EQ(m_model.SortByColumn(NameColumn).selection, 1);
    EXPECT_EQ(RowNames(), (Names{"b", "z"}));

    WriteBytes(File(), "stale");
    EXPECT_TRUE(m_model.Edit(kUser, std::nullopt).fileSaved);
    EXPECT_EQ(FileBytes(), "b\r\nt\r\n2\r\n\r\nz\r\nu\r\nnew\r\n\r\n");
}

TEST_F(SymbolList, FailedSaveKeepsTheOldFileWholeAndReportsTheError) {
    WriteFile({{"a", "t", "1"}});
    m_model.RebuildSymbolList(kUser);
    SymbolPageUpdate update;
    {
        const test::FileSizeLimit full(4);
        update = m_model.Add(kUser, SymbolRecord{"b", "t", "2"});
    }
    EXPECT_FALSE(update.fileSaved);
    ASSERT_TRUE(update.fileError);
    EXPECT_EQ(update.fileError->path, File());
    EXPECT_EQ(FileBytes(), "a\r\nt\r\n1\r\n\r\n");
    EXPECT_EQ(RowNames(), (Names{"a", "b"}));
}

TEST_F(SymbolList, AFileThatCannotBeReadIsReportedAndNeverReplaced) {
    fs::create_directory(File());
    EXPECT_TRUE(m_model.RebuildSymbolList(kAll).fileError);
    EXPECT_EQ(m_model.RowCount(), kBuiltInSymbolCount);
    const SymbolPageUpdate update = m_model.RebuildSymbolList(kUser);
    EXPECT_TRUE(update.fileError);
    EXPECT_EQ(update.commands, kNone);

    // A link into a missing folder cannot be opened, yet a rename would replace it.
    fs::remove(File());
    fs::create_symlink(m_folder.Path() / "gone" / "User.mrk", File());
    const SymbolPageUpdate registered = m_model.Register(SymbolRecord{"n", "t", "c"});
    EXPECT_EQ(registered.typeIndex, kUser);
    EXPECT_TRUE(registered.fileError);
    EXPECT_FALSE(registered.fileSaved);
    EXPECT_TRUE(fs::is_symlink(File()));
}

TEST_F(SymbolList, RegisterSwitchesToUserAddsTheRowAndSaves) {
    WriteFile({{"old", "t", "1"}});
    m_model.RebuildSymbolList(kCards);
    EXPECT_FALSE(m_model.Register(std::nullopt).typeIndex);
    EXPECT_EQ(m_model.RowCount(), 4);

    const SymbolPageUpdate update = m_model.Register(SymbolRecord{"new", "mine", "<B>x</B>"});
    EXPECT_EQ(update.typeIndex, kUser);
    EXPECT_EQ(RowNames(), (Names{"new", "old"}));
    EXPECT_EQ(update.commands, kAddOnly);
    EXPECT_FALSE(update.recomputeFragment);
    EXPECT_TRUE(update.fileSaved);
    EXPECT_EQ(FileBytes(), "new\r\nmine\r\n<B>x</B>\r\n\r\nold\r\nt\r\n1\r\n\r\n");
}

TEST_F(SymbolList, ClearReturnsToTheCardsFilterWithNothingSelected) {
    m_model.RebuildSymbolList(kUser);
    m_model.Add(kUser, SymbolRecord{"a", "t", "1"});
    m_model.SelectRow(0, kUser);
    const SymbolPageUpdate update = m_model.Clear();
    EXPECT_EQ(update.typeIndex, kCards);
    EXPECT_EQ(update.selection, -1);
    EXPECT_TRUE(update.recomputeFragment);
    EXPECT_EQ(update.commands, kNone);
    EXPECT_EQ(m_model.RowCount(), 4);
}

} // namespace
