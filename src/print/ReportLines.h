// The absence table as a fixed-pitch text report, one line per absence.
#pragma once

#include "model/AbsenceTable.h"

#include <string>
#include <vector>

namespace zorozod {

// Rows 1..N in order: columns 0, 1, 2, 4 to 11 each padded with spaces to
// 4, 6, 3, 6, 6, 6, 6, 2, 2, 2, 2 characters (a longer text is kept whole),
// then the description unchanged, then a line feed.
std::vector<std::string> BuildReportLines(const AbsenceTable& table);

}  // namespace zorozod
