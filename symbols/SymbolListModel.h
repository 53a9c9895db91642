#pragma once

#include "platform/Result.h"
#include "symbols/SymbolOrder.h"
#include "symbols/SymbolRecord.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillet {

// Enabled state of the edit tool bar's Add, Delete and Edit buttons.
struct EditCommands {
    bool add = false;
    bool remove = false;
    bool edit = false;

    bool operator==(const EditCommands&) const = default;
};

// What the window does after an operation of the symbol list.
struct SymbolPageUpdate {
    EditCommands commands;
    // The selected row afterwards, -1 for none; the window keeps it as SymbolSelection.
    int selection = -1;
    // The fragment depends on what changed and must be composed again.
    bool recomputeFragment = false;
    // The user symbol file was rewritten.
    bool fileSaved = false;
    // A read or write of the user symbol file failed; the window shows it.
    std::optional<FileError> fileError;
    // The filter label the window must now hold as TypeIndex, when the operation changed it.
    std::optional<std::string> typeIndex;
};

enum class SaveOutcome { Skipped, Saved };

// The user symbol file read off the window's thread, its rows in name order, with their sort
// keys made there too while the rows' texts still sit in file order in memory.
struct LoadedUserRows {
    Result<std::vector<SymbolRow>> rows = std::vector<SymbolRow>();
    std::array<ColumnSortKeys, kSymbolColumnCount> keys;
};

// Reads the file and makes the keys; touches nothing else, so any thread may run it.
LoadedUserRows ReadUserRows(const std::filesystem::path& userSymbolFile);

// The rows of the symbol list with their selection and the commands that act on them. The
// window shows these rows and forwards its events here; nothing in it needs a window.
// Operations that depend on the filter take the held TypeIndex label.
class SymbolListModel {
public:
    explicit SymbolListModel(std::filesystem::path userSymbolFile);

    const std::filesystem::path& UserSymbolFile() const { return m_file; }

    int RowCount() const { return static_cast<int>(m_order.size()); }
    // Empty texts and icon -1 for a row that does not exist.
    std::string_view Name(int row) const;
    std::string_view Type(int row) const;
    std::string_view Content(int row) const;
    int Icon(int row) const;
    // A copy of the rows in the order shown.
    std::vector<SymbolRow> Rows() const;

    int Selection() const { return m_selection; }
    std::optional<SymbolRecord> SelectedRecord() const;
    // The page's content for the composition: the selected row's content, or nothing.
    std::string SymbolContent() const { return std::string(Content(m_selection)); }
    EditCommands Commands() const { return m_commands; }

    // Inserts at the row's name position and returns its index, or -1 when it could not be
    // allocated. The selected row stays selected.
    int InsertSymbolRow(std::string name, std::string type, std::string content, int icon);

    // Rewrites the file from the rows in display order, only under the filter User.
    Result<SaveOutcome> SaveUserSymbols(std::string_view typeIndex) const;

    // Empties the list and fills it for the filter. The fragment is the caller's business.
    SymbolPageUpdate RebuildSymbolList(std::string_view typeIndex);

    // RebuildSymbolList in two halves, so that a long user file can be read elsewhere: the
    // first lists the built-in rows, and while AwaitsUserRows the list is incomplete and is
    // never saved; the second merges the rows read (ReadUserRows) as a load would.
    SymbolPageUpdate BeginRebuild(std::string_view typeIndex);
    bool AwaitsUserRows() const { return m_awaitingUserRows; }
    SymbolPageUpdate FinishRebuild(LoadedUserRows loaded);

    // The user chose another filter in the filter box. Later leaves the user rows to
    // FinishRebuild.
    enum class UserRows { Now, Later };
    SymbolPageUpdate ChangeFilter(std::string label, UserRows userRows = UserRows::Now);

    // The list's selection changed; `row` is its first selected row or -1.
    SymbolPageUpdate SelectRow(int row, std::string_view typeIndex);

    // Ascending by the texts of a SymbolColumn, case-insensitively; the selection follows its row.
    SymbolPageUpdate SortByColumn(int column);

    // The commands take the symbol dialog's answer; no answer means it was cancelled.
    SymbolPageUpdate Add(std::string_view typeIndex, const std::optional<SymbolRecord>& answer);
    SymbolPageUpdate Delete(std::string_view typeIndex);
    // Puts the last deleted row back where it was, selected, and rewrites the file; deletes
    // are undone one by one, latest first, until the rows change otherwise (add, sort,
    // rebuild).
    SymbolPageUpdate UndoDelete(std::string_view typeIndex);
    bool CanUndoDelete(std::string_view typeIndex) const;
    SymbolPageUpdate Edit(std::string_view typeIndex, const std::optional<SymbolRecord>& answer);
    SymbolPageUpdate Register(const std::optional<SymbolRecord>& answer);
    // The symbol page's part of clearing pages: back to the default filter.
    SymbolPageUpdate Clear();

    // The rows the last rebuild dropped, not yet freed: a long list frees a text per cell,
    // which the window does elsewhere. Freed here at the next rebuild when nobody takes them.
    struct DroppedRows {
        std::vector<SymbolRow> rows;
        std::array<ColumnSortKeys, kSymbolColumnCount> keys;
        std::vector<std::uint32_t> order;
    };
    std::optional<DroppedRows> TakeDroppedRows() { return std::exchange(m_dropped, std::nullopt); }

private:
    SymbolPageUpdate Update() const;
    void Save(std::string_view typeIndex, SymbolPageUpdate& update) const;
    int NamePosition(std::string_view name) const;
    int InsertRowAt(SymbolRow row, int position);
    const SymbolRow& RowAt(int row) const { return m_rows[m_order[static_cast<std::size_t>(row)]]; }
    // Appends the rows with their keys, shown last.
    void AppendRows(std::vector<SymbolRow>& rows,
                    std::array<ColumnSortKeys, kSymbolColumnCount>& keys);
    void InsertRows(std::vector<SymbolRow> rows);
    void MergeAppendedRows(std::size_t existing);
    // Keeps the first `count` rows kept, wherever they are shown.
    void TruncateRows(std::size_t count);
    void ApplyRowOrder(std::vector<std::uint32_t> order);
    // On failure no row of the file is inserted, so a later save cannot drop the records
    // that were not read.
    Status AppendUserRows(LoadedUserRows loaded);

    std::filesystem::path m_file;
    // The rows where they are kept: new ones at the end, never moved by a sort.
    std::vector<SymbolRow> m_rows;
    // One key per kept row and column, always in step with m_rows.
    std::array<ColumnSortKeys, kSymbolColumnCount> m_keys;
    // The order shown: m_order[i] is the kept row shown at row i. Sorts rearrange this only.
    std::vector<std::uint32_t> m_order;
    struct DeletedRow {
        SymbolRow row;
        int position = 0; // where it was shown
    };
    std::vector<DeletedRow> m_deleted;
    std::optional<DroppedRows> m_dropped;
    bool m_awaitingUserRows = false;
    int m_selection = -1;
    EditCommands m_commands;
};

} // namespace quillet
