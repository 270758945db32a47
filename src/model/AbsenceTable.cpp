#include "model/AbsenceTable.h"

#include <algorithm>
#include <cassert>
#include <iterator>

namespace zorozod {

const std::array<std::string_view, kColumnCount> kColumnHeadings = {
    "3 Char Code", "P/C",       "2 Char Code",   "Code Description",   "On Time",
    "Off Time",    "Credit",    "Hard Time",     "Duty",               "CARs Duty",
    "Inside Window", "Display In ZoroZod", "Errors",
};

const std::array<int, kColumnCount> kColumnWidths = {64, 40, 64, 160, 64, 64, 64,
                                                     64, 64, 64, 80,  100, 900};

AbsenceTable::AbsenceTable() : rows_(1) {
    for (int c = 0; c < kColumnCount; ++c)
        rows_[0][static_cast<std::size_t>(c)] = std::string(kColumnHeadings[static_cast<std::size_t>(c)]);
}

void AbsenceTable::setRowCount(int count) {
    rows_.resize(static_cast<std::size_t>(std::max(count, 1)));
}

int AbsenceTable::appendRow() {
    rows_.emplace_back();
    return rowCount() - 1;
}

void AbsenceTable::removeRow(int r) {
    assert(r >= 1 && r < rowCount());
    rows_.erase(rows_.begin() + r);
}

void AbsenceTable::removeRows(const std::vector<char>& keep) {
    std::size_t to = 1;
    for (std::size_t r = 1; r < rows_.size(); ++r) {
        if (r < keep.size() && !keep[r]) continue;
        if (to != r) rows_[to] = std::move(rows_[r]);
        ++to;
    }
    rows_.resize(to);
}

void AbsenceTable::moveRow(int from, int to) {
    assert(from >= 1 && from < rowCount() && to >= 1 && to < rowCount());
    auto first = rows_.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (from > to)
        std::rotate(first + to, first + from, first + from + 1);
}

void AbsenceTable::assignAbsences(std::vector<AbsenceRow> rows) {
    rows_.resize(1);
    rows_.reserve(rows.size() + 1);
    std::move(rows.begin(), rows.end(), std::back_inserter(rows_));
}

}  // namespace zorozod
