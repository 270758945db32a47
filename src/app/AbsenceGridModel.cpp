#include "app/AbsenceGridModel.h"

#include "platform/CellText.h"

namespace zorozod {

AbsenceGridModel::AbsenceGridModel(AbsenceTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}

int AbsenceGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.absenceCount();
}

int AbsenceGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount - 1; }

QVariant AbsenceGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    return CellToText(table_.cell(gridRow(index.row()), tableColumn(index.column())));
}

QVariant AbsenceGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0) return {};
    if (orientation == Qt::Horizontal)
        return section < columnCount() ? CellToText(table_.cell(0, tableColumn(section))) : QVariant();
    return section < rowCount() ? CellToText(table_.cell(gridRow(section), kThreeCharCode)) : QVariant();
}

Qt::ItemFlags AbsenceGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool AbsenceGridModel::moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                                const QModelIndex& destinationParent, int destinationChild) {
    if (sourceParent.isValid() || destinationParent.isValid() || count != 1 || sourceRow < 0 ||
        sourceRow >= rowCount() || destinationChild < 0 || destinationChild > rowCount())
        return false;
    if (destinationChild == sourceRow || destinationChild == sourceRow + 1) return false;
    if (!beginMoveRows({}, sourceRow, sourceRow, {}, destinationChild)) return false;
    const int to = destinationChild > sourceRow ? destinationChild - 1 : destinationChild;
    table_.moveRow(gridRow(sourceRow), gridRow(to));
    endMoveRows();
    return true;
}

void AbsenceGridModel::replaceTable(AbsenceTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

void AbsenceGridModel::changeTable(const std::function<void(AbsenceTable&)>& change) {
    beginResetModel();
    change(table_);
    endResetModel();
}

int AbsenceGridModel::appendRow() {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    const int r = table_.appendRow();
    endInsertRows();
    return r;
}

void AbsenceGridModel::removeRow(int r) {
    beginRemoveRows({}, r - 1, r - 1);
    table_.removeRow(r);
    endRemoveRows();
}

void AbsenceGridModel::setRowCells(int r, const AbsenceRow& cells) {
    table_.row(r) = cells;
    Q_EMIT dataChanged(index(r - 1, 0), index(r - 1, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Vertical, r - 1, r - 1);
}

void AbsenceGridModel::errorsChanged() {
    if (rowCount() == 0) return;
    const int errors = kErrors - 1;
    Q_EMIT dataChanged(index(0, errors), index(rowCount() - 1, errors), {Qt::DisplayRole});
}

}  // namespace zorozod
