#include "sync/SyncCommand.h"

#include "app/CVToolEdit.h"
#include "dialogs/InfoDialog.h"
#include "file/TextLines.h"
#include "model/Error.h"
#include "platform/CellText.h"
#include "sync/SyncFromReport.h"

namespace zorozod {

void RunSyncCommand(TCVToolBoxEdit& window, Desktop& desktop, SettingsStore& settings) {
    window.OpenDialog2.initialPath.clear();
    Guarded([&] {
        SettingsKey key(settings);
        const std::string last = key->readText(setting::kLastSyncDir);
        if (!last.empty()) window.OpenDialog2.initialPath = PathToText(last);
    });
    const auto chosen = desktop.chooseFileToOpen(window.OpenDialog2);
    if (!chosen) return;

    TInfoForm info(&window);
    const std::string path = TextToPath(*chosen);
    std::string report;
    SyncPlan plan;
    try {
        report = ReadWholeFile(path);
        plan = PlanSync(SplitLines(report), path, window.absences());
    } catch (const ZoroZodError&) {
        // a report that cannot be read takes the error path, with an empty log
    }
    switch (plan.outcome) {
        case SyncOutcome::NotValid: desktop.notify(kSyncCaption, CellToText(kReportNotValidMessage)); return;
        case SyncOutcome::Error:
            // The table, the document's state and the setting stay as they were.
            desktop.notify(kSyncCaption, CellToText(kReportErrorMessage));
            info.setLog(plan.log.text());
            info.exec();
            return;
        case SyncOutcome::Done: break;
    }

    window.gridModel().changeTable([&](AbsenceTable& table) { ApplySync(plan, table); });
    report = std::string();  // the report's lines are released
    window.validateAllRows();
    window.FileChanged = true;
    if (window.absences().absenceCount() >= 1) {
        window.selectRow(1);
        window.LastClickedRow = 1;
    }
    {
        SettingsKey key(settings);
        key->writeText(setting::kLastSyncDir, path);
    }
    plan.log.addClosingNotes();
    info.setLog(plan.log.text());
    info.exec();
}

}  // namespace zorozod
