// The absence table: the document the whole program edits.
//
// Row 0 holds the headings, rows 1..N one absence each; every row has 13 text
// cells. Cells are byte strings, compared byte-exact; nothing is parsed or
// trimmed when a cell is stored.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorozod {

enum Column : int {
    kThreeCharCode = 0,
    kCrewType = 1,
    kTwoCharCode = 2,
    kDescription = 3,
    kOnTime = 4,
    kOffTime = 5,
    kCredit = 6,
    kHardTime = 7,
    kDuty = 8,
    kCarsDuty = 9,
    kInsideWindow = 10,
    kDisplayInZoroZod = 11,
    kErrors = 12,
};

inline constexpr int kColumnCount = 13;

using AbsenceRow = std::array<std::string, kColumnCount>;

// Headings of row 0, columns 0 to 12.
extern const std::array<std::string_view, kColumnCount> kColumnHeadings;
// Display widths in pixels that the main window gives the columns.
extern const std::array<int, kColumnCount> kColumnWidths;

inline constexpr std::string_view kPilot = "Pilot";
inline constexpr std::string_view kCabin = "Cabin";

class AbsenceTable {
public:
    // A table with the heading row and no absence rows.
    AbsenceTable();

    // The grid's row count: the heading row plus the absence rows.
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // N, the number of absence rows.
    int absenceCount() const { return rowCount() - 1; }

    const AbsenceRow& row(int r) const { return rows_[static_cast<std::size_t>(r)]; }
    AbsenceRow& row(int r) { return rows_[static_cast<std::size_t>(r)]; }
    const std::string& cell(int r, int c) const { return row(r)[static_cast<std::size_t>(c)]; }
    void setCell(int r, int c, std::string text) { row(r)[static_cast<std::size_t>(c)] = std::move(text); }

    // Sets the row count (headings included, at least 1). New rows are empty;
    // rows beyond the new count are dropped.
    void setRowCount(int count);
    // Appends one row of 13 empty cells after the last row and returns its number.
    int appendRow();
    // Removes absence row r (1..N); the rows below move up one place.
    void removeRow(int r);
    // Moves absence row `from` so that it ends up at position `to` (both 1..N).
    void moveRow(int from, int to);
    // Makes room for this many rows, so that appending up to there moves no row.
    void reserve(int rowCount) { rows_.reserve(static_cast<std::size_t>(rowCount)); }
    // Removes every absence row r whose keep[r] is false, in one pass; the
    // others keep their order. `keep` is indexed by row number.
    void removeRows(const std::vector<char>& keep);
    // Keeps the headings and replaces every absence row.
    void assignAbsences(std::vector<AbsenceRow> rows);

    bool operator==(const AbsenceTable&) const = default;

private:
    std::vector<AbsenceRow> rows_;
};

}  // namespace zorozod
