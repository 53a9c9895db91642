#pragma once

#include "symbols/SymbolRecord.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <array>
#include <functional>

namespace quillet {

class SymbolListModel;

// Shows the rows of a SymbolListModel in a list view: the icon and the name, type and
// content cells, converted only for the rows on screen. The rows are never copied, so the
// cells and the records cannot disagree, and a list of a hundred thousand symbols is shown
// as fast as a short one.
class SymbolTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit SymbolTableModel(const SymbolListModel& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Runs a change that adds, removes or reorders rows; views start afresh afterwards.
    void ChangeRows(const std::function<void()>& change);
    // The texts of one row changed in place.
    void RowChanged(int row);

private:
    const SymbolListModel& m_rows;
    std::array<QIcon, kSymbolIconCount> m_icons;
};

} // namespace quillet
