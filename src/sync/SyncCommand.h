// The sync command of the main window: choose a report, run the
// synchronisation, validate, and show the log in the Sync Info window.
#pragma once

#include "platform/Desktop.h"
#include "settings/SettingsStore.h"

#include <QString>

namespace zorozod {

class TCVToolBoxEdit;

// The caption of the sync command's message boxes.
inline const QString kSyncCaption = QStringLiteral("Corvane ZoroZod Edit");

void RunSyncCommand(TCVToolBoxEdit& window, Desktop& desktop, SettingsStore& settings);

}  // namespace zorozod
