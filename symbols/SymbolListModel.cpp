#include "symbols/SymbolListModel.h"

#include "platform/CodePage932.h"
#include "symbols/BuiltInSymbols.h"
#include "symbols/SymbolFilter.h"
#include "symbols/SymbolOrder.h"
#include "symbols/UserSymbolFile.h"

#include <algorithm>
#include <cerrno>
#include <new>

namespace quillet {
namespace {

bool IsUserFilter(std::string_view typeIndex) {
    return FilterFromLabel(typeIndex) == SymbolFilter::User;
}

} // namespace

SymbolListModel::SymbolListModel(std::filesystem::path userSymbolFile)
    : m_file(std::move(userSymbolFile)) {}

std::string_view SymbolListModel::Name(int row) const {
    return row >= 0 && row < RowCount() ? m_rows[row].record.name : std::string_view();
}

std::string_view SymbolListModel::Type(int row) const {
    return row >= 0 && row < RowCount() ? m_rows[row].record.type : std::string_view();
}

std::string_view SymbolListModel::Content(int row) const {
    return row >= 0 && row < RowCount() ? m_rows[row].record.content : std::string_view();
}

int SymbolListModel::Icon(int row) const {
    return row >= 0 && row < RowCount() ? m_rows[row].icon : -1;
}

std::optional<SymbolRecord> SymbolListModel::SelectedRecord() const {
    if (m_selection < 0 || m_selection >= RowCount()) {
        return std::nullopt;
    }
    return m_rows[m_selection].record;
}

// The first position whose name sorts after `name`, so equal names keep insertion order.
// A plain bisection: after an edit or a column sort the rows need not be in name order.
int SymbolListModel::NamePosition(std::string_view name) const {
    int low = 0;
    int high = RowCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (cp932::CompareNoCase(name, m_rows[middle].record.name) < 0) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

int SymbolListModel::InsertSymbolRow(std::string name, std::string type, std::string content,
                                     int icon) {
    try {
        const int position = NamePosition(name);
        m_rows.insert(
            m_rows.begin() + position,
            SymbolRow{SymbolRecord{std::move(name), std::move(type), std::move(content)}, icon});
        if (m_selection >= position) {
            ++m_selection;
        }
        return position;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

// Rows from `existing` on were just appended. They go where inserting them one by one would
// put them, without moving the list once per row: sorted among themselves, then merged after
// equal names already listed.
void SymbolListModel::MergeAppendedRows(std::size_t existing) {
    const auto first = m_rows.begin() + static_cast<std::ptrdiff_t>(existing);
    const bool inNameOrder =
        std::is_sorted(m_rows.begin(), first, [](const auto& a, const auto& b) {
            return cp932::CompareNoCase(a.record.name, b.record.name) < 0;
        });
    if (!inNameOrder) {
        std::vector<SymbolRow> added(std::make_move_iterator(first),
                                     std::make_move_iterator(m_rows.end()));
        m_rows.erase(first, m_rows.end());
        for (SymbolRow& row : added) {
            InsertSymbolRow(std::move(row.record.name), std::move(row.record.type),
                            std::move(row.record.content), row.icon);
        }
        return;
    }
    m_selection = ApplyOrder(m_rows, MergedNameOrder(m_rows, existing), m_selection);
}

void SymbolListModel::InsertRows(std::vector<SymbolRow> rows) {
    const std::size_t existing = m_rows.size();
    m_rows.reserve(existing + rows.size());
    std::move(rows.begin(), rows.end(), std::back_inserter(m_rows));
    MergeAppendedRows(existing);
}

Status SymbolListModel::LoadUserSymbols() {
    const std::size_t existing = m_rows.size();
    try {
        Result<std::vector<SymbolRow>> read = ReadUserSymbolFile(m_file);
        if (!read) {
            return read.Failure();
        }
        if (m_rows.empty()) {
            m_rows = std::move(read).Value();
        } else {
            m_rows.reserve(existing + read.Value().size());
            std::move(read.Value().begin(), read.Value().end(), std::back_inserter(m_rows));
        }
        MergeAppendedRows(existing);
        return Success();
    } catch (const std::bad_alloc&) {
        m_rows.resize(std::min(m_rows.size(), existing));
        return FileError{FileError::Step::Read, m_file, ENOMEM};
    }
}

Result<SaveOutcome> SymbolListModel::SaveUserSymbols(std::string_view typeIndex) const {
    if (!IsUserFilter(typeIndex)) {
        return SaveOutcome::Skipped;
    }
    try {
        const Status written = WriteUserSymbolFile(m_file, FormatUserSymbols(m_rows));
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
    m_rows.clear();
    m_selection = -1;
    m_commands = EditCommands{};
    const std::optional<SymbolFilter> filter = FilterFromLabel(typeIndex);
    if (!filter) {
        return Update();
    }
    InsertRows(SymbolsForFilter(*filter));
    if (ListsUserSymbols(*filter)) {
        if (Status loaded = LoadUserSymbols(); !loaded) {
            SymbolPageUpdate update = Update();
            update.fileError = loaded.Failure();
            return update;
        }
    }
    m_commands.add = *filter == SymbolFilter::User;
    return Update();
}

SymbolPageUpdate SymbolListModel::ChangeFilter(std::string label) {
    SymbolPageUpdate update = RebuildSymbolList(label);
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
    m_selection = ApplyOrder(m_rows, SortedOrder(m_rows, column), m_selection);
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
    m_rows.erase(m_rows.begin() + m_selection);
    SymbolPageUpdate update = SelectRow(-1, typeIndex);
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
        m_rows[m_selection].record = *answer;
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
