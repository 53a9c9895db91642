#include "symbols/SymbolListModel.h"

#include "platform/AtomicFile.h"
#include "symbols/BuiltInSymbols.h"
#include "symbols/UserSymbolFile.h"
#include "tests/symbols/TestFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace fs = std::filesystem;
using namespace quillet;
using quillet::test::TestFolder;
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
    void WriteFile(const Records& records) { WriteBytes(File(), FormatUserSymbols(records)); }
    Records FileRecords() const { return ParseUserSymbols(ReadWholeFile(File()).Value()); }

    Names RowNames() const {
        Names names;
        for (int row = 0; row < m_model.RowCount(); ++row) {
            names.emplace_back(m_model.Name(row));
        }
        return names;
    }
    int RowNamed(std::string_view name) const {
        for (int row = 0; row < m_model.RowCount(); ++row) {
            if (m_model.Name(row) == name) {
                return row;
            }
        }
        return -1;
    }

    TestFolder m_folder;
    SymbolListModel m_model{File()};
};

TEST_F(SymbolList, CardsListFourRowsInNameOrderAndTouchNoFile) {
    const SymbolPageUpdate update = m_model.RebuildSymbolList(kCards);
    EXPECT_EQ(RowNames(), (Names{"クローバー", "スペード", "ダイヤ", "ハート"}));
    for (int row = 0; row < m_model.RowCount(); ++row) {
        EXPECT_EQ(m_model.Icon(row), CardsIcon);
        EXPECT_EQ(m_model.Type(row), "トランプ");
    }
    EXPECT_EQ(update.selection, -1);
    EXPECT_EQ(update.commands, kNone);
    EXPECT_FALSE(update.recomputeFragment);
    EXPECT_FALSE(update.fileError);
    EXPECT_TRUE(m_model.SymbolContent().empty());
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(SymbolList, SelectionMakesTheRowsContentThePageContent) {
    m_model.RebuildSymbolList(kCards);
    SymbolPageUpdate update = m_model.SelectRow(RowNamed("ハート"), kCards);
    EXPECT_TRUE(update.recomputeFragment);
    EXPECT_EQ(update.selection, RowNamed("ハート"));
    EXPECT_EQ(m_model.SymbolContent(), "<Font Face=\"Symbol\">\xA9</Font>");
    EXPECT_EQ(update.commands, kNone);

    update = m_model.SelectRow(-1, kCards);
    EXPECT_TRUE(update.recomputeFragment);
    EXPECT_EQ(update.selection, -1);
    EXPECT_TRUE(m_model.SymbolContent().empty());
    EXPECT_EQ(m_model.SelectRow(99, kCards).selection, -1);
}

TEST_F(SymbolList, RowsOutsideTheListReadAsEmpty) {
    m_model.RebuildSymbolList(kCards);
    for (int row : {-1, 4, 1000}) {
        EXPECT_TRUE(m_model.Name(row).empty());
        EXPECT_TRUE(m_model.Type(row).empty());
        EXPECT_TRUE(m_model.Content(row).empty());
        EXPECT_EQ(m_model.Icon(row), -1);
    }
    EXPECT_FALSE(m_model.SelectedRecord());
}

TEST_F(SymbolList, UserFilterOnFirstStartListsNothingAndLeavesAnEmptyFile) {
    const SymbolPageUpdate update = m_model.RebuildSymbolList(kUser);
    EXPECT_EQ(m_model.RowCount(), 0);
    EXPECT_EQ(update.commands, kAddOnly);
    ASSERT_TRUE(fs::exists(File()));
    EXPECT_EQ(fs::file_size(File()), 0U);
}

TEST_F(SymbolList, UserFilterEnablesDeleteAndEditWhileARowIsSelected) {
    WriteFile({{"b", "t", "2"}, {"a", "t", "1"}});
    m_model.RebuildSymbolList(kUser);
    EXPECT_EQ(RowNames(), (Names{"a", "b"}));
    EXPECT_EQ(m_model.Icon(0), UserIcon);
    EXPECT_EQ(m_model.SelectRow(1, kUser).commands, kAllThree);
    EXPECT_EQ(m_model.SelectRow(-1, kUser).commands, kAddOnly);
}

TEST_F(SymbolList, AllListsUserSymbolsAfterTheCatalogueButOffersNoCommands) {
    WriteFile({{"自作", "トランプ", "<B>x</B>"}});
    m_model.RebuildSymbolList(kAll);
    ASSERT_EQ(m_model.RowCount(), kBuiltInSymbolCount + 1);
    const int mine = RowNamed("自作");
    EXPECT_EQ(m_model.Icon(mine), UserIcon);
    const SymbolPageUpdate update = m_model.SelectRow(mine, kAll);
    EXPECT_EQ(update.commands, kNone);
    EXPECT_EQ(m_model.SymbolContent(), "<B>x</B>");

    // A user symbol is never listed under a group filter, whatever its type.
    m_model.RebuildSymbolList(kCards);
    EXPECT_EQ(RowNamed("自作"), -1);
    m_model.RebuildSymbolList(kUser);
    EXPECT_EQ(RowNames(), Names{"自作"});
}

TEST_F(SymbolList, UnknownFilterListsNothingAndLeavesTheFileAlone) {
    m_model.RebuildSymbolList(kUser);
    m_model.InsertSymbolRow("a", "b", "c", UserIcon);
    fs::remove(File());
    const SymbolPageUpdate update = m_model.RebuildSymbolList("トランプ ");
    EXPECT_EQ(m_model.RowCount(), 0);
    EXPECT_EQ(update.commands, kNone);
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(SymbolList, ChangingTheFilterRebuildsAndAsksForTheFragment) {
    m_model.RebuildSymbolList(kCards);
    m_model.SelectRow(0, kCards);
    const SymbolPageUpdate update = m_model.ChangeFilter("自然");
    EXPECT_EQ(update.typeIndex, "自然");
    EXPECT_TRUE(update.recomputeFragment);
    EXPECT_EQ(update.selection, -1);
    EXPECT_EQ(m_model.RowCount(), 4);
}

TEST_F(SymbolList, InsertionKeepsCaseInsensitiveNameOrderAndTheSelectedRow) {
    EXPECT_EQ(m_model.InsertSymbolRow("b", "", "B", UserIcon), 0);
    EXPECT_EQ(m_model.InsertSymbolRow("A", "", "A1", UserIcon), 0);
    m_model.SelectRow(1, kUser);
    EXPECT_EQ(m_model.InsertSymbolRow("a", "", "A2", UserIcon), 1);
    EXPECT_EQ(m_model.InsertSymbolRow("ｂ", "", "", UserIcon), 3);
    EXPECT_EQ(m_model.InsertSymbolRow("Ｂ", "", "", UserIcon), 4);
    EXPECT_EQ(m_model.InsertSymbolRow("C", "", "", UserIcon), 3);
    // Equal names keep the order they came in; full-width letters fold like ASCII ones.
    EXPECT_EQ(RowNames(), (Names{"A", "a", "b", "C", "ｂ", "Ｂ"}));
    EXPECT_EQ(m_model.Selection(), 2);
    EXPECT_EQ(m_model.SymbolContent(), "B");
}

TEST_F(SymbolList, LoadingAFileOrdersRowsAsInsertingThemOneByOneWould) {
    std::mt19937 random(7);
    const std::vector<std::string> pieces{"a", "A", "b", "ハ", "ﾊ", "1", "Ｚ", "ｚ", "ト"};
    Records records;
    for (int i = 0; i < 400; ++i) {
        std::string name;
        for (std::size_t n = 1 + random() % 3; n > 0; --n) {
            name += pieces[random() % pieces.size()];
        }
        records.push_back({name, std::to_string(i), std::to_string(random() % 10)});
    }
    WriteFile(records);
    m_model.RebuildSymbolList(kAll);

    SymbolListModel oneByOne(m_folder.Path() / "unused");
    for (const SymbolRow& row : BuiltInSymbols()) {
        oneByOne.InsertSymbolRow(row.record.name, row.record.type, row.record.content, row.icon);
    }
    for (const SymbolRecord& record : records) {
        oneByOne.InsertSymbolRow(record.name, record.type, record.content, UserIcon);
    }
    EXPECT_EQ(m_model.Rows(), oneByOne.Rows());
}

TEST_F(SymbolList, ColumnSortIsAscendingCaseInsensitiveAndKeepsEqualRowsInOrder) {
    WriteFile({{"1", "b", "z"}, {"2", "B", "y"}, {"3", "a", "X"}});
    m_model.RebuildSymbolList(kUser);
    m_model.SortByColumn(TypeColumn);
    EXPECT_EQ(RowNames(), (Names{"3", "1", "2"}));
    m_model.SortByColumn(TypeColumn);
    EXPECT_EQ(RowNames(), (Names{"3", "1", "2"}));
    m_model.SortByColumn(ContentColumn);
    EXPECT_EQ(RowNames(), (Names{"3", "2", "1"}));
    m_model.SortByColumn(7);
    EXPECT_EQ(RowNames(), (Names{"3", "2", "1"}));
    m_model.RebuildSymbolList(kUser);
    EXPECT_EQ(RowNames(), (Names{"1", "2", "3"}));
}

TEST_F(SymbolList, ColumnSortKeepsTheSelectedRowSelectedWhereverItMoves) {
    WriteFile({{"a", "3", "x"}, {"b", "1", "y"}, {"c", "2", "z"}});
    m_model.RebuildSymbolList(kUser);
    m_model.SelectRow(0, kUser);
    const SymbolPageUpdate update = m_model.SortByColumn(TypeColumn);
    EXPECT_EQ(update.selection, 2);
    EXPECT_FALSE(update.recomputeFragment);
    EXPECT_EQ(update.commands, kAllThree);
    EXPECT_EQ(m_model.SelectedRecord(), (SymbolRecord{"a", "3", "x"}));
}

TEST_F(SymbolList, DeleteAfterTypeSortRemovesTheHighlightedRowAndSavesInTypeOrder) {
    WriteFile({{"a", "3", "x"}, {"b", "1", "y"}, {"c", "2", "z"}});
    m_model.RebuildSymbolList(kUser);
    m_model.SortByColumn(TypeColumn);
    ASSERT_EQ(RowNames(), (Names{"b", "c", "a"}));
    m_model.SelectRow(1, kUser);

    const SymbolPageUpdate update = m_model.Delete(kUser);
    EXPECT_EQ(RowNames(), (Names{"b", "a"}));
    EXPECT_TRUE(update.fileSaved);
    EXPECT_FALSE(update.fileError);
    EXPECT_EQ(update.selection, -1);
    EXPECT_TRUE(update.recomputeFragment);
    EXPECT_EQ(update.commands, kAddOnly);
    EXPECT_EQ(FileRecords(), (Records{{"b", "1", "y"}, {"a", "3", "x"}}));
}

TEST_F(SymbolList, DeleteAndEditWithoutASelectedRowDoNothing) {
    WriteFile({{"a", "b", "c"}});
    m_model.RebuildSymbolList(kUser);
    WriteBytes(File(), "a\nb\nc\n");
    EXPECT_FALSE(m_model.Delete(kUser).fileSaved);
    EXPECT_FALSE(m_model.Edit(kUser, SymbolRecord{"x", "y", "z"}).fileSaved);
    EXPECT_EQ(RowNames(), Names{"a"});
    EXPECT_EQ(ReadWholeFile(File()).Value(), "a\nb\nc\n");
}

TEST_F(SymbolList, EditReplacesTheRowInPlaceUntilTheNextSortByName) {
    WriteFile({{"a", "t", "1"}, {"b", "t", "2"}, {"c", "t", "3"}});
    m_model.RebuildSymbolList(kUser);
    m_model.SelectRow(0, kUser);

    SymbolPageUpdate update = m_model.Edit(kUser, SymbolRecord{"z", "u", "new"});
    EXPECT_EQ(RowNames(), (Names{"z", "b", "c"}));
    EXPECT_EQ(m_model.Type(0), "u");
    EXPECT_EQ(m_model.Icon(0), UserIcon);
    EXPECT_FALSE(update.recomputeFragment);
    EXPECT_TRUE(update.fileSaved);
    EXPECT_EQ(FileRecords(), (Records{{"z", "u", "new"}, {"b", "t", "2"}, {"c", "t", "3"}}));

    update = m_model.SortByColumn(NameColumn);
    EXPECT_EQ(RowNames(), (Names{"b", "c", "z"}));
    EXPECT_EQ(update.selection, 2);
}

TEST_F(SymbolList, CancelledEditStillRewritesTheFile) {
    WriteFile({{"a", "t", "1"}});
    m_model.RebuildSymbolList(kUser);
    m_model.SelectRow(0, kUser);
    WriteBytes(File(), "a\nt\n1\n");
    const SymbolPageUpdate update = m_model.Edit(kUser, std::nullopt);
    EXPECT_TRUE(update.fileSaved);
    EXPECT_EQ(ReadWholeFile(File()).Value(), "a\r\nt\r\n1\r\n\r\n");
}

TEST_F(SymbolList, AddInsertsAtTheNamePositionSavesAndKeepsTheSelection) {
    WriteFile({{"b", "t", "2"}});
    m_model.RebuildSymbolList(kUser);
    m_model.SelectRow(0, kUser);
    const SymbolPageUpdate update = m_model.Add(kUser, SymbolRecord{"a", "t", "1"});
    EXPECT_EQ(RowNames(), (Names{"a", "b"}));
    EXPECT_EQ(update.selection, 1);
    EXPECT_EQ(m_model.SymbolContent(), "2");
    EXPECT_FALSE(update.recomputeFragment);
    EXPECT_TRUE(update.fileSaved);
    EXPECT_EQ(update.commands, kAllThree);
    EXPECT_EQ(FileRecords(), (Records{{"a", "t", "1"}, {"b", "t", "2"}}));

    EXPECT_FALSE(m_model.Add(kUser, std::nullopt).fileSaved);
    EXPECT_EQ(m_model.RowCount(), 2);
}

TEST_F(SymbolList, NoCommandWritesTheFileUnderAnotherFilter) {
    WriteFile({{"mine", "t", "1"}});
    m_model.RebuildSymbolList(kAll);
    const std::string bytes = "mine\nt\n1\n";
    WriteBytes(File(), bytes);
    m_model.SelectRow(RowNamed("mine"), kAll);

    EXPECT_FALSE(m_model.Add(kAll, SymbolRecord{"x", "y", "z"}).fileSaved);
    EXPECT_FALSE(m_model.Edit(kAll, SymbolRecord{"x", "y", "z"}).fileSaved);
    EXPECT_FALSE(m_model.Delete(kAll).fileSaved);
    EXPECT_EQ(m_model.RowCount(), kBuiltInSymbolCount + 1);
    EXPECT_EQ(m_model.SaveUserSymbols(kAll).Value(), SaveOutcome::Skipped);
    EXPECT_EQ(ReadWholeFile(File()).Value(), bytes);
}

TEST_F(SymbolList, FailedSaveKeepsTheOldFileWholeAndReportsTheError) {
    WriteFile({{"a", "t", "1"}});
    const std::string old = ReadWholeFile(File()).Value();
    m_model.RebuildSymbolList(kUser);
    SymbolPageUpdate update;
    {
        const test::FileSizeLimit limit(4);
        update = m_model.Add(kUser, SymbolRecord{"b", "t", std::string(64, 'x')});
    }
    EXPECT_FALSE(update.fileSaved);
    ASSERT_TRUE(update.fileError);
    EXPECT_EQ(update.fileError->path, File());
    EXPECT_EQ(ReadWholeFile(File()).Value(), old);
    EXPECT_EQ(RowNames(), (Names{"a", "b"}));
}

TEST_F(SymbolList, ReadFailureKeepsTheRowsInsertedBeforeIt) {
    fs::create_directory(File());
    SymbolPageUpdate update = m_model.RebuildSymbolList(kAll);
    ASSERT_TRUE(update.fileError);
    EXPECT_EQ(m_model.RowCount(), kBuiltInSymbolCount);

    update = m_model.RebuildSymbolList(kUser);
    ASSERT_TRUE(update.fileError);
    EXPECT_EQ(update.fileError->step, FileError::Step::Open);
    EXPECT_EQ(m_model.RowCount(), 0);
    EXPECT_EQ(update.commands, kNone);
}

TEST_F(SymbolList, RegisterSwitchesToUserAddsTheRowAndSaves) {
    WriteFile({{"old", "t", "1"}});
    m_model.RebuildSymbolList(kCards);
    m_model.SelectRow(0, kCards);
    const SymbolPageUpdate update =
        m_model.Register(SymbolRecord{"new", "mine", "<Font Color=\"red\">x</Font>"});
    EXPECT_EQ(update.typeIndex, kUser);
    EXPECT_EQ(RowNames(), (Names{"new", "old"}));
    EXPECT_EQ(update.selection, -1);
    EXPECT_EQ(update.commands, kAddOnly);
    EXPECT_FALSE(update.recomputeFragment);
    EXPECT_TRUE(update.fileSaved);
    EXPECT_EQ(FileRecords(),
              (Records{{"new", "mine", "<Font Color=\"red\">x</Font>"}, {"old", "t", "1"}}));
}

TEST_F(SymbolList, CancelledRegisterChangesNothing) {
    m_model.RebuildSymbolList(kCards);
    const SymbolPageUpdate update = m_model.Register(std::nullopt);
    EXPECT_FALSE(update.typeIndex);
    EXPECT_EQ(m_model.RowCount(), 4);
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(SymbolList, RegisterNeverReplacesAFileItCouldNotRead) {
    // A link to a folder that does not exist: opening fails, but a rename would replace it.
    fs::create_symlink(m_folder.Path() / "gone" / "User.mrk", File());
    const SymbolPageUpdate update = m_model.Register(SymbolRecord{"n", "t", "c"});
    EXPECT_EQ(update.typeIndex, kUser);
    ASSERT_TRUE(update.fileError);
    EXPECT_FALSE(update.fileSaved);
    EXPECT_EQ(m_model.RowCount(), 0);
    EXPECT_TRUE(fs::is_symlink(File()));
}

TEST_F(SymbolList, ClearReturnsToTheCardsFilterWithNothingSelected) {
    WriteFile({{"a", "t", "1"}});
    m_model.RebuildSymbolList(kUser);
    m_model.SelectRow(0, kUser);
    const SymbolPageUpdate update = m_model.Clear();
    EXPECT_EQ(update.typeIndex, kCards);
    EXPECT_EQ(update.selection, -1);
    EXPECT_TRUE(update.recomputeFragment);
    EXPECT_EQ(update.commands, kNone);
    EXPECT_EQ(RowNames(), (Names{"クローバー", "スペード", "ダイヤ", "ハート"}));
    EXPECT_EQ(FileRecords(), (Records{{"a", "t", "1"}}));
}

} // namespace
