// The settings key held in one file for the whole machine, in the style of a
// registry export:
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Ostrelle\ZoroZod Edit]
//   "X"=dword:0000001e
//   "Last Dir"="/home/planner/Pilots.box"
//
// Each write takes a lock, reads the file again, changes its one value and
// replaces the file safely, so two editors running at once never lose each
// other's values: the last writer of a value wins. Reads take the file as it
// stands. No lock is held between operations.
#pragma once

#include "settings/SettingsStore.h"

#include <optional>
#include <string>
#include <vector>

namespace zorozod {

// The machine-wide settings file of the editor.
inline constexpr std::string_view kMachineSettingsFile = "/var/lib/zorozod-editor/settings.reg";

// One value of the key as the file holds it.
struct StoredValue {
    enum class Type { Integer, Text, Other };
    std::string name;
    Type type = Type::Other;
    std::int32_t integer = 0;
    std::string text;  // the text, or the raw right-hand side of a value of another type
};

// The values of the settings key in a file's text, in file order; nullopt
// when the text holds no such key. Lines it does not understand are skipped.
std::optional<std::vector<StoredValue>> ParseSettingsText(std::string_view text);

// The file's text for these values of the settings key.
std::string FormatSettingsText(const std::vector<StoredValue>& values);

class FileSettingsStore : public SettingsStore {
public:
    explicit FileSettingsStore(std::string path = std::string(kMachineSettingsFile));

    bool openKey() override;
    std::int32_t readInteger(std::string_view name) override;
    std::string readText(std::string_view name) override;
    void writeInteger(std::string_view name, std::int32_t value) override;
    void writeText(std::string_view name, std::string_view value) override;
    void closeKey() override;

    const std::string& path() const { return path_; }

private:
    std::optional<StoredValue> find(std::string_view name) const;
    void write(StoredValue value);

    std::string path_;
    bool open_ = false;
};

}  // namespace zorozod
