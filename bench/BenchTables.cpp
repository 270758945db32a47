#include "BenchTables.h"

#include "model/RowValidation.h"

#include <string>

namespace zorozod::bench {

// Digits in base 253 over the bytes 1..255 other than CR and LF, so codes
// stay unique far beyond 100,000 rows.
std::string CodeFor(long index, int width) {
    std::string code(static_cast<std::size_t>(width), ' ');
    for (int i = width - 1; i >= 0; --i) {
        int digit = static_cast<int>(index % 253) + 1;
        if (digit >= '\n') ++digit;
        if (digit >= '\r') ++digit;
        code[static_cast<std::size_t>(i)] = static_cast<char>(digit);
        index /= 253;
    }
    return code;
}

AbsenceTable GenerateTable(int n) {
    AbsenceTable table;
    table.setRowCount(n + 1);
    for (int r = 1; r <= n; ++r) {
        const long i = (r - 1) / 2;
        AbsenceRow& row = table.row(r);
        row = {CodeFor(i, 3), r % 2 ? "Pilot" : "Cabin", CodeFor(i, 2), "Ground Training Day " + std::to_string(r),
               "08:00", "17:00", "07:30", "00:00", "Y", "Y", "Y", "Y", ""};
        if (r % 50 == 0) row[kDescription].clear();
    }
    ValidateAllRows(table);
    return table;
}

}  // namespace zorozod::bench
