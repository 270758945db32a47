// The settings key: a handful of values kept between runs and between the
// users of a machine, with the operations of a registry key.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorozod {

inline constexpr std::string_view kSettingsRoot = "HKEY_LOCAL_MACHINE";
inline constexpr std::string_view kSettingsKeyPath = "SOFTWARE\\Ostrelle\\ZoroZod Edit";

// The value names, as the program writes them; the store compares names
// without regard to letter case.
namespace setting {
inline constexpr std::string_view kX = "X";
inline constexpr std::string_view kY = "Y";
inline constexpr std::string_view kW = "W";
inline constexpr std::string_view kH = "H";
inline constexpr std::string_view kLastBackupDay = "Last Backup D";
inline constexpr std::string_view kLastBackupMonth = "Last Backup M";
inline constexpr std::string_view kLastBackupYear = "Last Backup Y";
inline constexpr std::string_view kLastDir = "Last Dir";
inline constexpr std::string_view kLastSyncDir = "Last Sync Dir";
}  // namespace setting

// The store's own failure messages, with the value name in place of %s.
std::string FailedToGetData(std::string_view name);
std::string InvalidDataType(std::string_view name);
std::string FailedToSetData(std::string_view name);

// The operations of the settings key. Every failed read or write throws
// ZoroZodError with one of the three messages above.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Opens the key, creating it when it is missing. After a failure every
    // read and write fails until the key is opened again.
    virtual bool openKey() = 0;
    // Fails when the value is missing or is not an integer.
    virtual std::int32_t readInteger(std::string_view name) = 0;
    // The empty text when the value is missing; fails when it is not a text.
    virtual std::string readText(std::string_view name) = 0;
    virtual void writeInteger(std::string_view name, std::int32_t value) = 0;
    virtual void writeText(std::string_view name, std::string_view value) = 0;
    virtual void closeKey() = 0;
};

// Opens the key for one use and closes it again at the end of the scope.
class SettingsKey {
public:
    explicit SettingsKey(SettingsStore& store) : store_(store) { store_.openKey(); }
    ~SettingsKey() { store_.closeKey(); }
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;
    SettingsStore* operator->() { return &store_; }

private:
    SettingsStore& store_;
};

// Runs an access whose failures are swallowed without a word.
template <class Access>
void Guarded(Access&& access) {
    try {
        access();
    } catch (const std::exception&) {
    }
}

// What start-up reads, in one guarded sequence: the placement, the backup
// date and the last file. The first value that is missing or unreadable ends
// the sequence; a group not read whole takes its defaults.
struct StartupSettings {
    std::int32_t x = 30, y = 30, w = 600, h = 400;
    std::int32_t backupDay = 0, backupMonth = 0, backupYear = 0;
    std::string lastDir;  // empty unless the whole sequence was read
};
StartupSettings ReadStartupSettings(SettingsStore& store);

}  // namespace zorozod
