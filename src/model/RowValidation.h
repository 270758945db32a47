// Time values and the fourteen rules that fill a row's Errors cell.
#pragma once

#include "model/AbsenceTable.h"

#include <string>
#include <string_view>

namespace zorozod {

// A time text (hours, a colon, minutes) to a count of minutes. Never fails:
// each part is read the way atol reads a number, and a part or a result
// beyond the signed 32-bit range saturates at the nearest bound.
int TimeToMinutes(std::string_view text);

// The Errors text of one row, given how many other absence rows share its
// 3-char code and crew type and how many share its 2-char code and crew type.
std::string CheckAbsenceRow(const AbsenceRow& row, int sameThreeCharCode, int sameTwoCharCode);

// Validates rows 1..N in order, rewriting every Errors cell. Each (code, crew
// type) pair is counted once per pass, so a pass is linear in N.
void ValidateAllRows(AbsenceTable& table);

// True when any absence row's Errors cell is not empty.
bool AnyRowHasErrors(const AbsenceTable& table);

}  // namespace zorozod
