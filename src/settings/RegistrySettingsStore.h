// On Windows the settings key is the registry's own: HKEY_LOCAL_MACHINE,
// "SOFTWARE\Ostrelle\ZoroZod Edit", integers as REG_DWORD and texts as REG_SZ.
#pragma once

#ifdef _WIN32

#include "settings/SettingsStore.h"

namespace zorozod {

class RegistrySettingsStore : public SettingsStore {
public:
    // `keyPath` under HKEY_LOCAL_MACHINE; tests give one of their own.
    explicit RegistrySettingsStore(std::string keyPath = std::string(kSettingsKeyPath));
    ~RegistrySettingsStore() override;

    bool openKey() override;
    std::int32_t readInteger(std::string_view name) override;
    std::string readText(std::string_view name) override;
    void writeInteger(std::string_view name, std::int32_t value) override;
    void writeText(std::string_view name, std::string_view value) override;
    void closeKey() override;

private:
    std::string keyPath_;
    void* key_ = nullptr;  // the open HKEY
};

}  // namespace zorozod

#endif
