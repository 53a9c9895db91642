#include "symbols/SymbolTableModel.h"

#include "platform/CodePage932.h"
#include "platform/TextCodec.h"
#include "resources/ResourceIds.h"
#include "resources/ResourceImages.h"
#include "symbols/SymbolListModel.h"
#include "symbols/SymbolOrder.h"

namespace quillet {
namespace {

// Far more than a cell can show; laying out a line of megabytes would freeze the list.
constexpr std::size_t kShownBytes = 4096;

// The text's beginning, cut between characters and marked as cut.
QString CellText(std::string_view text) {
    if (text.size() <= kShownBytes) {
        return FromCp932(text);
    }
    std::size_t end = 0;
    while (end < kShownBytes) {
        end += cp932::CharLength(text, end);
    }
    return FromCp932(text.substr(0, end)) + QChar(0x2026);
}

} // namespace

SymbolTableModel::SymbolTableModel(const SymbolListModel& rows, QObject* parent)
    : QAbstractTableModel(parent), m_rows(rows) {
    for (std::size_t icon = 0; icon < m_icons.size(); ++icon) {
        m_icons[icon] = LoadIcon(resource::SymbolListIcons[icon]);
    }
}

int SymbolTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows.RowCount();
}

int SymbolTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ContentColumn + 1;
}

QVariant SymbolTableModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!index.isValid() || row >= m_rows.RowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case NameColumn:
            return CellText(m_rows.Name(row));
        case TypeColumn:
            return CellText(m_rows.Type(row));
        case ContentColumn:
            return CellText(m_rows.Content(row));
        default:
            return {};
        }
    }
    if (role == Qt::DecorationRole && index.column() == NameColumn) {
        const int icon = m_rows.Icon(row);
        if (icon >= 0 && icon < kSymbolIconCount) {
            return m_icons[static_cast<std::size_t>(icon)];
        }
    }
    return {};
}

QVariant SymbolTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case NameColumn:
        return QStringLiteral("名前");
    case TypeColumn:
        return QStringLiteral("種類");
    case ContentColumn:
        return QStringLiteral("内容");
    default:
        return {};
    }
}

Qt::ItemFlags SymbolTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void SymbolTableModel::ChangeRows(const std::function<void()>& change) {
    beginResetModel();
    change();
    endResetModel();
}

void SymbolTableModel::RowChanged(int row) {
    if (row >= 0 && row < m_rows.RowCount()) {
        emit dataChanged(index(row, NameColumn), index(row, ContentColumn));
    }
}

} // namespace quillet
