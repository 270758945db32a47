#include "sync/SyncFromReport.h"

#include "model/FlatIndex.h"
#include "model/RowValidation.h"
#include "sync/TransactionReport.h"


namespace zorozod {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The space-to-"0" change of a time or credit field's first two characters.
std::string ZeroFilled(std::string_view field) {
    std::string text(field);
    if (text[0] == ' ') text[0] = '0';
    if (text[1] == ' ') text[1] = '0';
    return text;
}

// The time rule: a field of more than zero minutes with its blanks filled, else the default.
std::string TimeCell(std::string_view field, std::string_view fallback) {
    return TimeToMinutes(field) > 0 ? ZeroFilled(field) : std::string(fallback);
}

std::string CreditCell(std::string_view field) { return field == "     " ? "00:00" : ZeroFilled(field); }

// Whether a loaded line would break off the merge pass: a character test on
// the line or on one of its fields reaching past its end.
bool BreaksOff(std::string_view line, std::string_view code, bool adds) {
    for (const ReportField time : {report::kOnTime, report::kOffTime}) {
        const std::string_view field = FieldOf(line, time);
        if (TimeToMinutes(field) > 0 && field.size() < 2) return true;
    }
    const std::string_view credit = FieldOf(line, report::kCredit);
    if (credit != "     " && credit.size() < 2) return true;
    if (!CharAt(line, report::kDutyMark)) return true;
    if (adds && (code.empty() || (IsDigit(code[0]) && code.size() < 2))) return true;
    return false;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

const std::vector<std::string>& ClosingNotes() {
    static const std::vector<std::string> notes = {
        "Codes for Reserve Block Holders or Without Two Char Code are Not Loaded.",
        "Codes not found in the LIS file are deleted.",
        "Syncing with LIS file will not alter the Values of Hard Time or Display In ZoroZod.",
        "If Description Contains 'Outside' or 'OutWin' Inside Window is set to N otherwise Set to Y",
        "If Duty is indicated both Duty and CARs duty are set to Y",
        std::string(90, '-'),
    };
    return notes;
}

std::string SyncLog::text() const {
    std::string all;
    if (notes_)
        for (const std::string& note : ClosingNotes()) all.append(note).push_back('\n');
    all.reserve(all.size() + processing_.size() + deleted_.size() + added_.size() + synchronized_.size() +
                ignored_.size());
    for (const std::string* part : {&processing_, &deleted_, &added_, &synchronized_, &ignored_}) all += *part;
    return all;
}

std::vector<std::string> SyncLog::lines() const {
    std::vector<std::string> all;
    const std::string whole = text();
    for (std::size_t start = 0, end; start < whole.size(); start = end + 1) {
        end = whole.find('\n', start);
        all.emplace_back(whole, start, end - start);
    }
    return all;
}

SyncPlan PlanSync(const std::vector<std::string_view>& lines, std::string_view reportPath, const AbsenceTable& table) {
    SyncPlan plan;
    if (lines.empty()) return plan;  // a report without a line is an error
    if (lines[0] != kReportMarker) {
        plan.outcome = SyncOutcome::NotValid;
        return plan;
    }
    plan.log.setProcessing("Processing Transaction Codes from " + std::string(reportPath));

    std::size_t at = 1;  // the heading end: the first line after the marker that starts with "#"
    while (at < lines.size() && (lines[at].empty() || lines[at][0] != '#')) ++at;
    if (at + 1 >= lines.size()) return plan;  // no heading end, or nothing after it

    // The first row of each (2-char code, crew type), rows to be added included.
    const auto existing = static_cast<std::uint32_t>(table.absenceCount());
    std::vector<std::pair<std::string_view, std::string_view>> addedKeys;
    auto keyOf = [&](std::uint32_t row) {
        return row <= existing ? std::pair<std::string_view, std::string_view>(table.cell(static_cast<int>(row), kTwoCharCode),
                                                                              table.cell(static_cast<int>(row), kCrewType))
                               : addedKeys[row - existing - 1];
    };
    FlatIndex firstRow;
    firstRow.reset(existing + lines.size() - at);
    for (std::uint32_t r = 1; r <= existing; ++r) {
        const auto key = keyOf(r);
        firstRow.findOrInsert(HashPair(key.first, key.second), r, [&](std::uint32_t f) { return keyOf(f) == key; });
    }

    plan.records.reserve(lines.size() - at - 1);
    plan.steps.reserve(lines.size() - at - 1);
    for (std::size_t i = at + 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto first = CharAt(line, 1);
        if (!first) return plan;  // an empty line in the record block
        if (*first == '#') break;
        plan.records.push_back(line);
        const std::string_view code = FieldOf(line, report::kTwoCharCode);
        if (code == "  ") {
            plan.log.addIgnored("No 2 Char Code. Ignoring Line ", line);
            continue;
        }
        const auto reserve = CharAt(line, report::kReserveMark);
        if (!reserve) return plan;
        if (*reserve == 'R') {
            plan.log.addIgnored("Reserve Code.   Ignoring Line ", line);
            continue;
        }
        const auto crewMark = CharAt(line, report::kCrewMark);
        if (!crewMark) return plan;
        const bool pilot = *crewMark == 'P';
        const std::pair<std::string_view, std::string_view> key(code, pilot ? kPilot : kCabin);
        const auto next = existing + static_cast<std::uint32_t>(addedKeys.size()) + 1;
        const std::uint32_t row =
            firstRow.findOrInsert(HashPair(key.first, key.second), next, [&](std::uint32_t f) { return keyOf(f) == key; });
        const bool adds = row == next;
        if (adds) {
            addedKeys.push_back(key);
            plan.log.addAdded("Added Code ", code);
        } else {
            plan.log.addSynchronized("Synchronized Code ", code);
        }
        if (BreaksOff(line, code, adds)) return plan;
        plan.steps.push_back({line, static_cast<int>(row), adds, pilot});
    }
    plan.outcome = SyncOutcome::Done;
    return plan;
}

void ApplySync(SyncPlan& plan, AbsenceTable& table) {
    // The merge pass.
    int adds = 0;
    for (const SyncPlan::Step& step : plan.steps) adds += step.adds;
    table.reserve(table.rowCount() + adds);
    for (const SyncPlan::Step& step : plan.steps) {
        const std::string_view line = step.line;
        const std::string_view code = FieldOf(line, report::kTwoCharCode);
        if (step.adds) {
            table.appendRow();
            table.setCell(step.row, kTwoCharCode, std::string(code));
            table.setCell(step.row, kCrewType, std::string(step.pilot ? kPilot : kCabin));
            table.setCell(step.row, kHardTime, "00:00");
            table.setCell(step.row, kDisplayInZoroZod, IsDigit(code[0]) && IsDigit(code[1]) ? "N" : "Y");
        }
        const std::string_view description = DescriptionOf(line);
        AbsenceRow& row = table.row(step.row);
        row[kThreeCharCode].assign(FieldOf(line, report::kThreeCharCode));
        row[kDescription].assign(description);
        row[kInsideWindow] = Contains(description, "Outside") || Contains(description, "OutWin") ? "N" : "Y";
        row[kOnTime] = TimeCell(FieldOf(line, report::kOnTime), "12:00");
        row[kOffTime] = TimeCell(FieldOf(line, report::kOffTime), "12:01");
        row[kCredit] = CreditCell(FieldOf(line, report::kCredit));
        const char* duty = line[report::kDutyMark - 1] == 'D' ? "Y" : "N";
        row[kDuty] = duty;
        row[kCarsDuty] = duty;
    }

    // The deletion pass: a row stays while a record line carries its 2-char
    // code and the first letter of its crew type. A missing crew type mark
    // or crew type letter is no match.
    auto carriedKey = [&](std::uint32_t i) {
        const std::string_view line = plan.records[i];
        return std::pair(FieldOf(line, report::kTwoCharCode), line.substr(report::kCrewMark - 1, 1));
    };
    FlatIndex carried;
    carried.reset(plan.records.size());
    for (std::uint32_t i = 0; i < plan.records.size(); ++i) {
        if (!CharAt(plan.records[i], report::kCrewMark)) continue;
        const auto key = carriedKey(i);
        carried.findOrInsert(HashPair(key.first, key.second), i, [&](std::uint32_t j) { return carriedKey(j) == key; });
    }
    const int n = table.absenceCount();
    std::vector<char> keep(static_cast<std::size_t>(n) + 1, 1);
    bool anyKept = false;
    for (int r = 1; r <= n; ++r) {
        const std::string& crew = table.cell(r, kCrewType);
        const std::pair<std::string_view, std::string_view> key(table.cell(r, kTwoCharCode), std::string_view(crew).substr(0, 1));
        if (!crew.empty() && carried.find(HashPair(key.first, key.second), [&](std::uint32_t j) { return carriedKey(j) == key; })) {
            anyKept = true;
            continue;
        }
        if (r == n && !anyKept) {  // the only data row left: emptied, never removed
            table.row(r) = AbsenceRow{};
            break;
        }
        plan.log.addDeleted("Deleted Code ", table.cell(r, kTwoCharCode));
        keep[static_cast<std::size_t>(r)] = 0;
    }
    table.removeRows(keep);
    plan.steps.clear();
    plan.records.clear();
}

SyncOutcome SyncFromReport(const std::vector<std::string_view>& lines, std::string_view reportPath,
                           AbsenceTable& table, SyncLog& log) {
    SyncPlan plan = PlanSync(lines, reportPath, table);
    if (plan.outcome == SyncOutcome::Done) ApplySync(plan, table);
    log = std::move(plan.log);
    return plan.outcome;
}

}  // namespace zorozod
