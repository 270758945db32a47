#include "settings/RegistrySettingsStore.h"

#include "file/WindowsText.h"
#include "model/Error.h"

#include <windows.h>

namespace zorozod {

namespace {

HKEY Key(void* key) { return static_cast<HKEY>(key); }

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(std::string keyPath) : keyPath_(std::move(keyPath)) {}

RegistrySettingsStore::~RegistrySettingsStore() { closeKey(); }

bool RegistrySettingsStore::openKey() {
    closeKey();
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(keyPath_).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    key_ = key;
    return true;
}

std::int32_t RegistrySettingsStore::readInteger(std::string_view name) {
    DWORD type = 0, value = 0, size = sizeof value;
    if (!key_ || ::RegQueryValueExW(Key(key_), Wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                    &size) != ERROR_SUCCESS) {
        // a value of another, larger type does not fit: it is still a wrong type
        if (key_ && ::RegQueryValueExW(Key(key_), Wide(name).c_str(), nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS)
            throw ZoroZodError(InvalidDataType(name));
        throw ZoroZodError(FailedToGetData(name));
    }
    if (type != REG_DWORD || size != sizeof value) throw ZoroZodError(InvalidDataType(name));
    return static_cast<std::int32_t>(value);
}

std::string RegistrySettingsStore::readText(std::string_view name) {
    if (!key_) throw ZoroZodError(FailedToGetData(name));
    const std::wstring wideName = Wide(name);
    DWORD type = 0, size = 0;
    const LONG found = ::RegQueryValueExW(Key(key_), wideName.c_str(), nullptr, &type, nullptr, &size);
    if (found == ERROR_FILE_NOT_FOUND) return "";
    if (found != ERROR_SUCCESS) throw ZoroZodError(FailedToGetData(name));
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw ZoroZodError(InvalidDataType(name));
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(Key(key_), wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) !=
        ERROR_SUCCESS)
        throw ZoroZodError(FailedToGetData(name));
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return Utf8(value);
}

void RegistrySettingsStore::writeInteger(std::string_view name, std::int32_t value) {
    const DWORD dword = static_cast<DWORD>(value);
    if (!key_ || ::RegSetValueExW(Key(key_), Wide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword),
                                  sizeof dword) != ERROR_SUCCESS)
        throw ZoroZodError(FailedToSetData(name));
}

void RegistrySettingsStore::writeText(std::string_view name, std::string_view value) {
    const std::wstring wide = Wide(value);
    const DWORD bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    if (!key_ || ::RegSetValueExW(Key(key_), Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                                  bytes) != ERROR_SUCCESS)
        throw ZoroZodError(FailedToSetData(name));
}

void RegistrySettingsStore::closeKey() {
    if (key_) ::RegCloseKey(Key(key_));
    key_ = nullptr;
}

}  // namespace zorozod
