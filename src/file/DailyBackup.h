// Save with the once-a-day backup copy beside the saved file.
#pragma once

#include "file/DateLine.h"
#include "model/AbsenceTable.h"
#include "settings/SettingsStore.h"

#include <string>
#include <string_view>

namespace zorozod {

inline constexpr std::string_view kBackupFolderName = "ZoroZod Editor Backup";

// The date of the last daily backup; 0/0/0 when none is known.
struct BackupDate {
    int day = 0, month = 0, year = 0;
    bool operator==(const BackupDate&) const = default;
};

struct DatePatterns {
    std::string shortDate;
    std::string longTime;
};

// The folder part of `fileName` (up to and including its last path
// separator; nothing when it has none) followed by the backup folder's name.
std::string BackupFolderOf(std::string_view fileName);

// "Backup of ZoroZod File on <short date>.box".
std::string BackupFileName(const SaveTime& time, std::string_view shortDatePattern);

// Writes the table to `fileName` with the date line of `time`. When the date
// of `time` differs from `lastBackup`, the date is stored in the settings
// (the three values, unguarded) and in `lastBackup`, the backup folder is
// created when missing, and the same content is written as the day's backup.
// A failure throws ZoroZodError and ends the save where it happens.
void SaveWithDailyBackup(const std::string& fileName, const AbsenceTable& table, const SaveTime& time,
                         const DatePatterns& patterns, BackupDate& lastBackup, SettingsStore& settings);

}  // namespace zorozod
