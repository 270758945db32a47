#include "file/DailyBackup.h"

#include "file/SafeFile.h"
#include "file/ToolBoxFile.h"

#ifdef _WIN32
#include "file/WindowsText.h"

#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace zorozod {

namespace {

#ifdef _WIN32
constexpr std::string_view kPathSeparators = "\\/";
constexpr char kPathSeparator = '\\';

void CreateOneFolder(const std::string& path) {
    ::CreateDirectoryW(Wide(path).c_str(), nullptr);  // a failure shows when the backup cannot be written
}
#else
constexpr std::string_view kPathSeparators = "/";
constexpr char kPathSeparator = '/';

void CreateOneFolder(const std::string& path) {
    ::mkdir(path.c_str(), 0777);  // a failure shows when the backup cannot be written
}
#endif

}  // namespace

std::string BackupFolderOf(std::string_view fileName) {
    const std::size_t last = fileName.find_last_of(kPathSeparators);
    std::string folder(last == std::string_view::npos ? std::string_view() : fileName.substr(0, last + 1));
    return folder + std::string(kBackupFolderName);
}

std::string BackupFileName(const SaveTime& time, std::string_view shortDatePattern) {
    return "Backup of ZoroZod File on " + FormatShortDate(time, shortDatePattern) + ".box";
}

void SaveWithDailyBackup(const std::string& fileName, const AbsenceTable& table, const SaveTime& time,
                         const DatePatterns& patterns, BackupDate& lastBackup, SettingsStore& settings) {
    const std::string content =
        FormatToolBoxFile(table, FormatDateLine(time, patterns.shortDate, patterns.longTime));
    ReplaceFileSafely(fileName, content);

    const BackupDate today{time.day, time.month, time.year};
    if (today == lastBackup) return;
    {
        SettingsKey key(settings);
        key->writeInteger(setting::kLastBackupDay, today.day);
        key->writeInteger(setting::kLastBackupMonth, today.month);
        key->writeInteger(setting::kLastBackupYear, today.year);
    }
    lastBackup = today;
    const std::string folder = BackupFolderOf(fileName);
    CreateOneFolder(folder);
    ReplaceFileSafely(folder + kPathSeparator + BackupFileName(time, patterns.shortDate), content);
}

}  // namespace zorozod
