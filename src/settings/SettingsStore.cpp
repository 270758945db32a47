#include "settings/SettingsStore.h"

namespace zorozod {

std::string FailedToGetData(std::string_view name) { return "Failed to get data for '" + std::string(name) + "'"; }
std::string InvalidDataType(std::string_view name) { return "Invalid data type for '" + std::string(name) + "'"; }
std::string FailedToSetData(std::string_view name) { return "Failed to set data for '" + std::string(name) + "'"; }

StartupSettings ReadStartupSettings(SettingsStore& store) {
    StartupSettings read;
    int placementRead = 0, backupRead = 0;
    SettingsKey key(store);
    Guarded([&] {
        read.x = key->readInteger(setting::kX), ++placementRead;
        read.y = key->readInteger(setting::kY), ++placementRead;
        read.w = key->readInteger(setting::kW), ++placementRead;
        read.h = key->readInteger(setting::kH), ++placementRead;
        read.backupDay = key->readInteger(setting::kLastBackupDay), ++backupRead;
        read.backupMonth = key->readInteger(setting::kLastBackupMonth), ++backupRead;
        read.backupYear = key->readInteger(setting::kLastBackupYear), ++backupRead;
        read.lastDir = key->readText(setting::kLastDir);
    });
    const StartupSettings defaults;
    if (placementRead < 4) {
        read.x = defaults.x, read.y = defaults.y, read.w = defaults.w, read.h = defaults.h;
    }
    if (backupRead < 3) {
        read.backupDay = read.backupMonth = read.backupYear = 0;
    }
    return read;
}

}  // namespace zorozod
