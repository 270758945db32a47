// A report of any bytes synchronised with a small table: a run that does not
// complete leaves the table exactly as it was; one that does leaves a table
// that a toolbox file holds as it stands.
#include "FuzzTargets.h"
#include "file/TextLines.h"
#include "file/ToolBoxFile.h"
#include "model/RowValidation.h"
#include "sync/SyncFromReport.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorozod;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    AbsenceTable table;
    table.assignAbsences({
        {"ANL", "Pilot", "AL", "Annual Leave", "08:00", "17:00", "07:30", "00:00", "N", "N", "Y", "Y", ""},
        {"SCK", "Cabin", "SK", "Sick Leave", "08:00", "17:00", "07:30", "00:00", "N", "N", "Y", "Y", ""},
        {"EMP", "", "", "", "", "", "", "", "", "", "", "", ""},
        {"ANL", "Pilot", "AL", "Second", "08:00", "17:00", "07:30", "00:00", "N", "N", "Y", "Y", ""},
    });
    const AbsenceTable before = table;
    SyncLog log;
    const SyncOutcome outcome = SyncFromReport(SplitLines(bytes), "report.LIS", table, log);
    (void)log.text();
    if (outcome != SyncOutcome::Done) {
        if (!(table == before)) __builtin_trap();
        return 0;
    }
    if (table.absenceCount() < 1 && before.absenceCount() >= 1) __builtin_trap();
    ValidateAllRows(table);
    const ToolBoxReadResult back = ParseToolBoxText(FormatToolBoxFile(table, "d"));
    if (back.outcome != ToolBoxReadOutcome::Loaded || !(back.table == table)) __builtin_trap();
    return 0;
}
