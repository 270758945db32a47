// The grid's view of the absence table. The table stays the single source of
// truth; grid row r (1..N) is model row r - 1. Column 0, the fixed first
// column, is shown by the vertical header; model column c is table column c + 1.
#pragma once

#include "model/AbsenceTable.h"

#include <QAbstractTableModel>

#include <functional>

namespace zorozod {

class AbsenceGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit AbsenceGridModel(AbsenceTable& table, QObject* parent = nullptr);

    static int tableColumn(int modelColumn) { return modelColumn + 1; }
    static int gridRow(int modelRow) { return modelRow + 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count, const QModelIndex& destinationParent,
                  int destinationChild) override;

    // Changes made to the table go through these, so the grid shows them.
    void replaceTable(AbsenceTable table);
    // Any change to the rows at all, made by `change`.
    void changeTable(const std::function<void(AbsenceTable&)>& change);
    int appendRow();
    void removeRow(int gridRow);
    void setRowCells(int gridRow, const AbsenceRow& cells);
    // After a validation pass: the Errors column of every row.
    void errorsChanged();

private:
    AbsenceTable& table_;
};

}  // namespace zorozod
