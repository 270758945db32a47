#include "model/RowValidation.h"

#include "model/FlatIndex.h"
#include "model/TextNumber.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace zorozod {

namespace {

constexpr std::int64_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();

std::int64_t Saturate32(std::int64_t v) {
    return v < kMin32 ? kMin32 : (v > kMax32 ? kMax32 : v);
}

bool IsIndicator(const std::string& s) { return s == "Y" || s == "N"; }
bool IsCrewType(const std::string& s) { return s == kPilot || s == kCabin; }

void AppendTimes(std::string& text, std::string_view message, int times) {
    for (int i = 0; i < times; ++i) text += message;
}

// Counts, for every absence row, the other rows that share its (code, crew
// type) pair, for one code column. The rows are hashed in one sequential
// pass, then entered in row order into a flat index whose slots are
// prefetched a few rows ahead; each row then finds its count through the
// first row of its pair, without another search.
class PairCounter {
public:
    void count(const AbsenceTable& table, int codeColumn) {
        const auto n = static_cast<std::size_t>(table.absenceCount());
        // Kept from one pass to the next: the editor validates after every
        // edit, and fresh pages would cost more than the counting itself.
        index_.reset(n);
        hash_.resize(n + 1);
        firstRow_.resize(n + 1);
        count_.assign(n + 1, 0);
        auto code = [&](std::size_t r) -> std::string_view { return table.cell(static_cast<int>(r), codeColumn); };
        auto crew = [&](std::size_t r) -> std::string_view { return table.cell(static_cast<int>(r), kCrewType); };
        for (std::size_t r = 1; r <= n; ++r) hash_[r] = HashPair(code(r), crew(r));
        for (std::size_t r = 1; r <= n; ++r) {
            if (r + kAhead <= n) index_.prefetch(hash_[r + kAhead]);
            const std::uint32_t first = index_.findOrInsert(hash_[r], static_cast<std::uint32_t>(r), [&](std::uint32_t f) {
                return code(f) == code(r) && crew(f) == crew(r);
            });
            firstRow_[r] = first;
            ++count_[first];
        }
    }

    // How many other absence rows share row r's pair.
    int othersLike(std::size_t r) const { return static_cast<int>(count_[firstRow_[r]]) - 1; }

private:
    static constexpr std::size_t kAhead = 8;
    FlatIndex index_;
    std::vector<std::uint64_t> hash_;
    std::vector<std::uint32_t> firstRow_;
    std::vector<std::uint32_t> count_;
};

}  // namespace

int TimeToMinutes(std::string_view text) {
    const std::size_t colon = text.find(':');
    std::int64_t hours = 0;
    std::string_view minutes = text;
    if (colon != std::string_view::npos) {
        hours = ReadLeadingInteger(text.substr(0, colon));
        minutes = text.substr(colon + 1);
    }
    return static_cast<int>(Saturate32(hours * 60 + ReadLeadingInteger(minutes)));
}

std::string CheckAbsenceRow(const AbsenceRow& row, int sameThreeCharCode, int sameTwoCharCode) {
    std::string errors;
    if (row[kThreeCharCode].size() != 3) errors += "3 Char Code not 3 Chars. ";
    AppendTimes(errors, "Duplicate 3 Char Code. ", sameThreeCharCode);
    if (!IsCrewType(row[kCrewType])) errors += "Not Pilot or Cabin. ";
    if (row[kTwoCharCode].size() != 2) errors += "2 Char Code not 2 Chars. ";
    AppendTimes(errors, "Duplicate 2 Char Code. ", sameTwoCharCode);
    if (row[kDescription].empty()) errors += "Description Missing. ";
    const int on = TimeToMinutes(row[kOnTime]);
    if (on < 1 || on > 1440) errors += "On Time < 00:01 or > 24:00. ";
    const int off = TimeToMinutes(row[kOffTime]);
    if (off < 1 || off > 1440) errors += "Off Time < 00:01 or > 24:00. ";
    if (TimeToMinutes(row[kCredit]) < 0) errors += "Credit Less Than 0. ";
    if (TimeToMinutes(row[kHardTime]) < 0) errors += "Hard Time < 0. ";
    if (!IsIndicator(row[kDuty])) errors += "Is Duty Not Ind. ";
    if (!IsIndicator(row[kCarsDuty])) errors += "Is CARs Duty Not Ind. ";
    if (!IsIndicator(row[kInsideWindow])) errors += "Inside Window Not Ind. ";
    if (!IsIndicator(row[kDisplayInZoroZod])) errors += "Display in ZoroZod Not Ind. ";
    return errors;
}

void ValidateAllRows(AbsenceTable& table) {
    // Only columns 0 to 11 are read and only column 12 is written, so counting
    // first and then writing gives what comparing every pair of rows gives.
    thread_local PairCounter threeChar, twoChar;
    threeChar.count(table, kThreeCharCode);
    twoChar.count(table, kTwoCharCode);
    for (int r = 1; r <= table.absenceCount(); ++r) {
        AbsenceRow& row = table.row(r);
        const auto i = static_cast<std::size_t>(r);
        row[kErrors] = CheckAbsenceRow(row, threeChar.othersLike(i), twoChar.othersLike(i));
    }
}

bool AnyRowHasErrors(const AbsenceTable& table) {
    for (int r = 1; r <= table.absenceCount(); ++r)
        if (!table.cell(r, kErrors).empty()) return true;
    return false;
}

}  // namespace zorozod
