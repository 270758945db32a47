// Synchronisation of the absence table with a transaction code report: each
// loaded record line updates the first absence with its 2-char code and crew
// type, or adds one; then every absence whose 2-char code and crew type mark
// no record line carries is removed. A log tells what was done.
//
// The run is planned first, without touching the table: a report that is not
// valid, or that breaks off with an error, leaves the table exactly as it was.
#pragma once

#include "model/AbsenceTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace zorozod {

inline constexpr std::string_view kReportNotValidMessage =
    "File Not Valid. Transaction Reports must begin with #HEADINGBEGIN#";
inline constexpr std::string_view kReportErrorMessage = "Error in LIS File.";

// The log of a run, in its order: "Processing ...", the deleted codes in the
// order of removal, the added and the synchronized codes and the ignored
// lines in report order. (The same order as inserting each Deleted line at
// D + 1, Added at D + A + 1, Synchronized at D + A + S + 1 and appending the
// others, built without shifting a long list.)
class SyncLog {
public:
    void setProcessing(std::string_view line) { processing_ = std::string(line) + '\n'; }
    void addDeleted(std::string_view prefix, std::string_view text) { add(deleted_, prefix, text); }
    void addAdded(std::string_view prefix, std::string_view text) { add(added_, prefix, text); }
    void addSynchronized(std::string_view prefix, std::string_view text) { add(synchronized_, prefix, text); }
    void addIgnored(std::string_view prefix, std::string_view text) { add(ignored_, prefix, text); }
    // The closing notes and the line of "-" at the top, for a run that completed.
    void addClosingNotes() { notes_ = true; }

    // The whole log, every line followed by a line feed.
    std::string text() const;
    std::vector<std::string> lines() const;

private:
    static void add(std::string& part, std::string_view prefix, std::string_view text) {
        part.append(prefix).append(text).push_back('\n');
    }
    bool notes_ = false;
    // Each part holds its lines one after another, each ended by a line feed.
    std::string processing_, deleted_, added_, synchronized_, ignored_;
};

// The five notes and the separator that head the log of a completed run.
const std::vector<std::string>& ClosingNotes();

enum class SyncOutcome {
    Done,
    NotValid,  // line 0 is not the marker: nothing was done, nothing logged
    Error,     // the report broke off the merge: the log holds what was written up to there
};

// What the merge pass will do, worked out against a table that it leaves alone.
struct SyncPlan {
    SyncOutcome outcome = SyncOutcome::Error;
    SyncLog log;

    struct Step {
        std::string_view line;  // a loaded record line, pointing into the report's text
        int row;                // the absence row it writes
        bool adds;              // the row is appended for it (as row `row`)
        bool pilot;
    };
    std::vector<Step> steps;
    std::vector<std::string_view> records;  // every record line, loaded or not
};

// Plans a run over the report's lines. `reportPath` names the report in the
// log's first line. The plan points into `lines`, which must outlive it.
SyncPlan PlanSync(const std::vector<std::string_view>& lines, std::string_view reportPath, const AbsenceTable& table);

// Carries out a plan whose outcome is Done on the table it was made against:
// the merge, then the deletion pass, whose lines go into the plan's log.
void ApplySync(SyncPlan& plan, AbsenceTable& table);

// The whole run: plan, then apply when the plan is Done. Returns the outcome
// and leaves the log (without the closing notes) in `log`.
SyncOutcome SyncFromReport(const std::vector<std::string_view>& lines, std::string_view reportPath,
                           AbsenceTable& table, SyncLog& log);

}  // namespace zorozod
