#include "model/RowValidation.h"

#include "model/TextNumber.h"

#include <cstdint>
#include <cstring>
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

std::uint64_t Mix(std::uint64_t a, std::uint64_t b) {
    const unsigned __int128 m = static_cast<unsigned __int128>(a ^ 0xa0761d6478bd642fULL) * (b ^ 0xe7037ed1a0b428dbULL);
    return static_cast<std::uint64_t>(m) ^ static_cast<std::uint64_t>(m >> 64);
}

// A fast hash of a short byte string, chained through `seed`; the length takes part.
std::uint64_t HashBytes(std::string_view s, std::uint64_t seed) {
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, s.data() + i, 8);
        seed = Mix(seed ^ chunk, 0x8ebc6af09c88c6e3ULL);
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, s.data() + i, s.size() - i);
    return Mix(seed ^ tail, 0x589965cc75374cc3ULL ^ s.size());
}

// Counts, for every absence row, the other rows that share its (code, crew
// type) pair, for one code column. The rows are hashed in one sequential
// pass, then entered in row order into a flat open-addressing table whose
// slots are prefetched a few rows ahead; each row then finds its count
// through the first row of its pair, without another search.
class PairCounter {
public:
    void count(const AbsenceTable& table, int codeColumn) {
        table_ = &table;
        code_ = codeColumn;
        const auto n = static_cast<std::size_t>(table.absenceCount());
        std::size_t capacity = 16;
        while (capacity < n * 2) capacity *= 2;
        // Kept from one pass to the next: the editor validates after every
        // edit, and fresh pages would cost more than the counting itself.
        slots_.assign(capacity, 0);
        hash_.resize(n + 1);
        firstRow_.resize(n + 1);
        count_.assign(n + 1, 0);
        const std::size_t mask = capacity - 1;
        for (std::size_t r = 1; r <= n; ++r) hash_[r] = HashBytes(crew(r), HashBytes(code(r), 0));
        for (std::size_t r = 1; r <= n; ++r) {
            if (r + kAhead <= n) __builtin_prefetch(&slots_[hash_[r + kAhead] & mask]);
            const std::uint32_t first = add(r, mask);
            firstRow_[r] = first;
            ++count_[first];
        }
    }

    // How many other absence rows share row r's pair.
    int othersLike(std::size_t r) const { return static_cast<int>(count_[firstRow_[r]]) - 1; }

private:
    static constexpr std::size_t kAhead = 8;
    static constexpr std::uint64_t kTagMask = 0xffffffff00000000ULL;

    std::string_view code(std::size_t r) const { return table_->cell(static_cast<int>(r), code_); }
    std::string_view crew(std::size_t r) const { return table_->cell(static_cast<int>(r), kCrewType); }

    // The first row with row r's pair; r itself when it is the first.
    std::uint32_t add(std::size_t r, std::size_t mask) {
        const std::uint64_t hash = hash_[r];
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            std::uint64_t& slot = slots_[i];  // hash tag in the high half, first row in the low half
            if (slot == 0) {
                slot = (hash & kTagMask) | r;
                return static_cast<std::uint32_t>(r);
            }
            const auto first = static_cast<std::uint32_t>(slot);
            if ((slot & kTagMask) == (hash & kTagMask) && code(first) == code(r) && crew(first) == crew(r))
                return first;
        }
    }

    const AbsenceTable* table_ = nullptr;
    int code_ = 0;
    std::vector<std::uint64_t> slots_;
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
