// Time texts and rows of any bytes: TimeToMinutes and the row rules give a
// defined result, and the counted duplicate rules agree with comparing every
// pair of rows.
#include "FuzzTargets.h"
#include "model/RowValidation.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorozod;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)TimeToMinutes(bytes);
    // Cells are cut at each 0x1F byte; every 13 cells make a row.
    AbsenceTable table;
    AbsenceRow row;
    std::size_t cell = 0;
    while (!bytes.empty()) {
        const std::size_t cut = bytes.find('\x1f');
        row[cell] = std::string(bytes.substr(0, cut));
        (void)TimeToMinutes(row[cell]);
        bytes = cut == std::string_view::npos ? std::string_view() : bytes.substr(cut + 1);
        if (++cell == kColumnCount || bytes.empty()) {
            table.row(table.appendRow()) = row;
            row = AbsenceRow{};
            cell = 0;
        }
    }
    ValidateAllRows(table);
    for (int r = 1; r <= table.absenceCount(); ++r) {
        int same3 = 0, same2 = 0;
        for (int i = 1; i <= table.absenceCount(); ++i) {
            if (i == r || table.cell(i, kCrewType) != table.cell(r, kCrewType)) continue;
            same3 += table.cell(i, kThreeCharCode) == table.cell(r, kThreeCharCode);
            same2 += table.cell(i, kTwoCharCode) == table.cell(r, kTwoCharCode);
        }
        if (table.cell(r, kErrors) != CheckAbsenceRow(table.row(r), same3, same2)) __builtin_trap();
    }
    return 0;
}
