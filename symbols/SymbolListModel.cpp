#include "symbols/SymbolListModel.h"

#include "platform/CodePage932.h"
#include "symbols/BuiltInSymbols.h"
#include "symbols/SymbolFilter.h"
#include "symbols/SymbolOrder.h"
#include "symbols/UserSymbolFile.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <numeric>

namespace quillet {
namespace {

bool IsUserFilter(std::string_view typeIndex) {
    return FilterFromLabel(typeIndex) == SymbolFilter::User;
}

} // namespace

SymbolListModel::SymbolListModel(std::filesystem::path userSymbolFile)
    : m_file(std::move(userSymbolFile)) {}

std::string_view SymbolListModel::Name(int row) const {
    return row >= 0 && row < RowCount() ? RowAt(row).record.name : std::string_view();
}

std::string_view SymbolListModel::Type(int row) const {
    return row >= 0 && row < RowCount() ? RowAt(row).record.type : std::string_view();
}

std::string_view SymbolListModel::Content(int row) const {
    return row >= 0 && row < RowCount() ? RowAt(row).record.content : std::string_view();
}

int SymbolListModel::Icon(int row) const {
    return row >= 0 && row < RowCount() ? RowAt(row).icon : -1;
}

std::vector<SymbolRow> SymbolListModel::Rows() const {
    std::vector<SymbolRow> rows;
    rows.reserve(m_order.size());
    for (const std::uint32_t kept : m_order) {
        rows.push_back(m_rows[kept]);
    }
    return rows;
}

std::optional<SymbolRecord> SymbolListModel::SelectedRecord() const {
    if (m_selection < 0 || m_selection >= RowCount()) {
        return std::nullopt;
    }
    return RowAt(m_selection).record;
}

// The first position whose name sorts after `name`, so equal names keep insertion order.
// A plain bisection: after an edit or a column sort the rows need not be in name order.
int SymbolListModel::NamePosition(std::string_view name) const {
    int low = 0;
    int high = RowCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (cp932::CompareNoCase(name, RowAt(middle).record.name) < 0) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

int SymbolListModel::InsertSymbolRow(std::string name, std::string type, std::string content,
                                     int icon) {
    // The deleted rows' places no longer hold once another row comes in between.
    m_deleted.clear();
    const int position = NamePosition(name);
    return InsertRowAt(
        SymbolRow{SymbolRecord{std::move(name), std::move(type), std::move(content)}, icon},
        position);
}

int SymbolListModel::InsertRowAt(SymbolRow row, int position) {
    const std::size_t kept = m_rows.size();
    try {
        m_rows.push_back(std::move(row));
        for (int column = 0; column < kSymbolColumnCount; ++column) {
            m_keys[column].Append(ColumnText(m_rows[kept].record, column));
        }
        m_order.insert(m_order.begin() + position, static_cast<std::uint32_t>(kept));
    } catch (const std::bad_alloc&) {
        // A row without its keys or its place would sort wrongly from then on.
        TruncateRows(kept);
        return -1;
    }
    if (m_selection >= position) {
        ++m_selection;
    }
    return position;
}

void SymbolListModel::TruncateRows(std::size_t count) {
    if (m_rows.size() > count) {
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(count), m_rows.end());
    }
    for (ColumnSortKeys& keys : m_keys) {
        keys.Truncate(count);
    }
    std::erase_if(m_order, [count](std::uint32_t kept) { return kept >= count; });
}

void SymbolListModel::ApplyRowOrder(std::vector<std::uint32_t> order) {
    const std::uint32_t selected =
        m_selection >= 0 ? m_order[static_cast<std::size_t>(m_selection)] : 0;
    if (m_selection >= 0) {
        m_selection =
            static_cast<int>(std::find(order.begin(), order.end(), selected) - order.begin());
    }
    m_order = std::move(order);
}

// Rows kept from `existing` on were just appended, with their keys, and shown last. They go
// where inserting them one by one would put them, without moving the list once per row.
void SymbolListModel::MergeAppendedRows(std::size_t existing) {
    const auto appended = static_cast<std::ptrdiff_t>(m_rows.size() - existing);
    const auto shown = m_order.end() - appended;
    const bool inNameOrder =
        std::is_sorted(m_order.begin(), shown, [this](std::uint32_t a, std::uint32_t b) {
            return cp932::CompareNoCase(m_rows[a].record.name, m_rows[b].record.name) < 0;
        });
    if (!inNameOrder) {
        std::vector<SymbolRow> added(
            std::make_move_iterator(m_rows.begin() + static_cast<std::ptrdiff_t>(existing)),
            std::make_move_iterator(m_rows.end()));
        TruncateRows(existing);
        for (SymbolRow& row : added) {
            InsertSymbolRow(std::move(row.record.name), std::move(row.record.type),
                            std::move(row.record.content), row.icon);
        }
        return;
    }
    // A stable sort keeps equal names in the order shown, the appended ones last.
    ApplyRowOrder(m_keys[NameColumn].SortedOrder(m_order));
}

void SymbolListModel::AppendRows(std::vector<SymbolRow>& rows,
                                 std::array<ColumnSortKeys, kSymbolColumnCount>& keys) {
    const std::size_t existing = m_rows.size();
    m_rows.reserve(existing + rows.size());
    std::move(rows.begin(), rows.end(), std::back_inserter(m_rows));
    for (int column = 0; column < kSymbolColumnCount; ++column) {
        m_keys[column].Append(std::move(keys[column]));
    }
    for (std::size_t row = existing; row < m_rows.size(); ++row) {
        m_order.push_back(static_cast<std::uint32_t>(row));
    }
}

void SymbolListModel::InsertRows(std::vector<SymbolRow> rows) {
    const std::size_t existing = m_rows.size();
    std::array<ColumnSortKeys, kSymbolColumnCount> keys;
    for (int column = 0; column < kSymbolColumnCount; ++column) {
        keys[column] = ColumnSortKeys(rows, column);
        // Few, and ranked, they join the ranking of a long user file cheaply.
        keys[column].Rank();
    }
    AppendRows(rows, keys);
    MergeAppendedRows(existing);
}

LoadedUserRows ReadUserRows(const std::filesystem::path& userSymbolFile) {
    LoadedUserRows loaded;
    try {
        loaded.rows = ReadUserSymbolFile(userSymbolFile);
        if (loaded.rows) {
            std::vector<SymbolRow>& rows = loaded.rows.Value();
            for (int column = 0; column < kSymbolColumnCount; ++column) {
                loaded.keys[column] = ColumnSortKeys(rows, column);
                // Here, so that no column click on the window's thread sorts texts.
                loaded.keys[column].Rank();
            }
            // In name order here too, so that the window's thread only merges them.
            const std::vector<std::uint32_t> order = loaded.keys[NameColumn].SortedOrder();
            ApplyOrder(rows, order, -1);
            for (ColumnSortKeys& keys : loaded.keys) {
                keys.Permute(order);
            }
        }
    } catch (const std::bad_alloc&) {
        loaded = LoadedUserRows{};
        loaded.rows = FileError{FileError::Step::Read, userSymbolFile, ENOMEM};
    }
    return loaded;
}

Status SymbolListModel::AppendUserRows(LoadedUserRows loaded) {
    if (!loaded.rows) {
        return loaded.rows.Failure();
    }
    const std::size_t existing = m_rows.size();
    try {
        std::vector<SymbolRow>& read = loaded.rows.Value();
        if (existing == 0) {
            // Read in name order with their keys: taken over as they are.
            m_rows = std::move(read);
            m_keys = std::move(loaded.keys);
            m_order.resize(m_rows.size());
            std::iota(m_order.begin(), m_order.end(), 0U);
            return Success();
        }
        AppendRows(read, loaded.keys);
        MergeAppendedRows(existing);
        return Success();
    } catch (const std::bad_alloc&) {
        TruncateRows(existing);
        return FileError{FileError::Step::Read, m_file, ENOMEM};
    }
}

Result<SaveOutcome> SymbolListModel::SaveUserSymbols(std::string_view typeIndex) const {
    // Until the file's rows are in, saving would replace it with the part already listed.
    if (!IsUserFilter(typeIndex) || m_awaitingUserRows) {
        return SaveOutcome::Skipped;
    }
    try {
        const Status written = WriteUserSymbolFile(m_file, FormatUserSymbols(Rows()));
        if (!written) {
            return written.Failure();
        }
        return SaveOutcome::Saved;
    } catch (const std::bad_alloc&) {
        return FileError{FileError::Step::Write, m_file, ENOMEM};
    }
}

SymbolPageUpdate SymbolListModel::Update() const {
    SymbolPageUpdate update;
    update.commands = m_commands;
    update.selection = m_selection;
    return update;
}

void SymbolListModel::Save(std::string_view typeIndex, SymbolPageUpdate& update) const {
    const Result<SaveOutcome> saved = SaveUserSymbols(typeIndex);
    if (saved) {
        update.fileSaved = saved.Value() == SaveOutcome::Saved;
    } else {
        update.fileError = saved.Failure();
    }
}

SymbolPageUpdate SymbolListModel::RebuildSymbolList(std::string_view typeIndex) {
    SymbolPageUpdate update = BeginRebuild(typeIndex);
    return m_awaitingUserRows ? FinishRebuild(ReadUserRows(m_file)) : update;
}

SymbolPageUpdate SymbolListModel::BeginRebuild(std::string_view typeIndex) {
    m_dropped = DroppedRows{std::exchange(m_rows, {}), std::exchange(m_keys, {}),
                            std::exchange(m_order, {})};
    m_deleted.clear();
    m_selection = -1;
    m_commands = EditCommands{};
    m_awaitingUserRows = false;
    const std::optional<SymbolFilter> filter = FilterFromLabel(typeIndex);
    if (!filter) {
        return Update();
    }
    InsertRows(SymbolsForFilter(*filter));
    m_awaitingUserRows = ListsUserSymbols(*filter);
    m_commands.add = *filter == SymbolFilter::User;
    return Update();
}

SymbolPageUpdate SymbolListModel::FinishRebuild(LoadedUserRows loaded) {
    if (!m_awaitingUserRows) {
        return Update();
    }
    m_awaitingUserRows = false;
    if (Status appended = AppendUserRows(std::move(loaded)); !appended) {
        // The built-in rows stay; without the file's rows, nothing may be added to it.
        m_commands.add = false;
        SymbolPageUpdate update = Update();
        update.fileError = appended.Failure();
        return update;
    }
    return Update();
}

SymbolPageUpdate SymbolListModel::ChangeFilter(std::string label, UserRows userRows) {
    SymbolPageUpdate update =
        userRows == UserRows::Now ? RebuildSymbolList(label) : BeginRebuild(label);
    update.recomputeFragment = true;
    update.typeIndex = std::move(label);
    return update;
}

SymbolPageUpdate SymbolListModel::SelectRow(int row, std::string_view typeIndex) {
    m_selection = row >= 0 && row < RowCount() ? row : -1;
    if (IsUserFilter(typeIndex)) {
        const bool selected = m_selection >= 0;
        m_commands.remove = selected;
        m_commands.edit = selected;
        m_commands.add = m_commands.add || selected;
    }
    SymbolPageUpdate update = Update();
    update.recomputeFragment = true;
    return update;
}

SymbolPageUpdate SymbolListModel::SortByColumn(int column) {
    if (column < NameColumn || column > ContentColumn) {
        return Update();
    }
    ApplyRowOrder(m_keys[column].SortedOrder(m_order));
    m_deleted.clear();
    return Update();
}

SymbolPageUpdate SymbolListModel::Add(std::string_view typeIndex,
                                      const std::optional<SymbolRecord>& answer) {
    if (!m_commands.add || !answer) {
        return Update();
    }
    // A row that cannot be allocated is left out; the save writes the rows the list holds.
    InsertSymbolRow(answer->name, answer->type, answer->content, UserIcon);
    SymbolPageUpdate update = Update();
    Save(typeIndex, update);
    return update;
}

SymbolPageUpdate SymbolListModel::Delete(std::string_view typeIndex) {
    if (!m_commands.remove || m_selection < 0 || m_selection >= RowCount()) {
        return Update();
    }
    const std::uint32_t kept = m_order[static_cast<std::size_t>(m_selection)];
    try {
        m_deleted.push_back(DeletedRow{m_rows[kept], m_selection});
    } catch (const std::bad_alloc&) {
        m_deleted.clear(); // the delete goes ahead, only without its undo
    }
    m_rows.erase(m_rows.begin() + kept);
    for (ColumnSortKeys& keys : m_keys) {
        keys.Erase(kept);
    }
    m_order.erase(m_order.begin() + m_selection);
    for (std::uint32_t& shown : m_order) {
        shown -= shown > kept ? 1 : 0;
    }
    SymbolPageUpdate update = SelectRow(-1, typeIndex);
    Save(typeIndex, update);
    return update;
}

bool SymbolListModel::CanUndoDelete(std::string_view typeIndex) const {
    return !m_deleted.empty() && IsUserFilter(typeIndex) && !m_awaitingUserRows;
}

SymbolPageUpdate SymbolListModel::UndoDelete(std::string_view typeIndex) {
    if (!CanUndoDelete(typeIndex)) {
        return Update();
    }
    DeletedRow deleted = std::move(m_deleted.back());
    m_deleted.pop_back();
    const int position =
        InsertRowAt(std::move(deleted.row), std::min(deleted.position, RowCount()));
    if (position < 0) {
        return Update();
    }
    SymbolPageUpdate update = SelectRow(position, typeIndex);
    Save(typeIndex, update);
    return update;
}

SymbolPageUpdate SymbolListModel::Edit(std::string_view typeIndex,
                                       const std::optional<SymbolRecord>& answer) {
    if (!m_commands.edit || m_selection < 0 || m_selection >= RowCount()) {
        return Update();
    }
    // The row stays where it is until the next sort; a cancelled edit still rewrites the file.
    if (answer) {
        const std::uint32_t kept = m_order[static_cast<std::size_t>(m_selection)];
        m_rows[kept].record = *answer;
        for (int column = 0; column < kSymbolColumnCount; ++column) {
            m_keys[column].Replace(kept, ColumnText(*answer, column));
        }
    }
    SymbolPageUpdate update = Update();
    Save(typeIndex, update);
    return update;
}

SymbolPageUpdate SymbolListModel::Register(const std::optional<SymbolRecord>& answer) {
    if (!answer) {
        return Update();
    }
    const std::string user = FilterLabel(SymbolFilter::User);
    SymbolPageUpdate update = RebuildSymbolList(user);
    update.typeIndex = user;
    // Saving a list whose user rows could not be read would replace the file with the new
    // symbol alone.
    if (update.fileError) {
        return update;
    }
    InsertSymbolRow(answer->name, answer->type, answer->content, UserIcon);
    update.selection = m_selection;
    Save(user, update);
    return update;
}

SymbolPageUpdate SymbolListModel::Clear() {
    return ChangeFilter(DefaultFilterLabel());
}

} // namespace quillet
