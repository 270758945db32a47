// Generated absence tables for the benchmarks.
#pragma once

#include "model/AbsenceTable.h"

namespace zorozod::bench {

// `n` absences of realistic shape: pilot and cabin rows in turn, codes unique
// within their crew type, one row in fifty with a fault.
AbsenceTable GenerateTable(int n);

}  // namespace zorozod::bench
