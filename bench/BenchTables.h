// Generated absence tables for the benchmarks.
#pragma once

#include "model/AbsenceTable.h"

#include <string>

namespace zorozod::bench {

// `n` absences of realistic shape: pilot and cabin rows in turn, codes unique
// within their crew type, one row in fifty with a fault.
AbsenceTable GenerateTable(int n);

// The code of `width` bytes that the generated tables give index `index`
// (rows 2i + 1 and 2i + 2 share it, one a pilot and one a cabin absence).
std::string CodeFor(long index, int width);

}  // namespace zorozod::bench
