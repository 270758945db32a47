#include "settings/FileSettingsStore.h"

#include "file/SafeFile.h"
#include "file/TextLines.h"
#include "model/Error.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zorozod {

namespace {

std::string KeyLine() { return "[" + std::string(kSettingsRoot) + "\\" + std::string(kSettingsKeyPath) + "]"; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string_view TrimEnd(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Reads a quoted text at the start of `s` (backslash escapes); advances `s`
// past the closing quote. False when `s` does not start with a whole one.
bool ReadQuoted(std::string_view& s, std::string& out) {
    if (s.empty() || s.front() != '"') return false;
    out.clear();
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return true;
        }
        if (c == '\\' && i + 1 < s.size()) {
            const char e = s[++i];
            out += e == 'n' ? '\n' : e == 'r' ? '\r' : e;
        } else {
            out += c;
        }
    }
    return false;
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') out += '\\', out += c;
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out + "\"";
}

std::optional<std::int32_t> ReadDword(std::string_view s) {
    constexpr std::string_view prefix = "dword:";
    if (s.size() != prefix.size() + 8 || !SameName(s.substr(0, prefix.size()), prefix)) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : s.substr(prefix.size())) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                          : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                                                                      : -1;
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::string> ReadFileText(const std::string& path) {
    try {
        return ReadWholeFile(path);
    } catch (const ZoroZodError&) {
        return std::nullopt;
    }
}

// Holds an exclusive lock on the store's lock file for one write.
class WriteLock {
public:
    explicit WriteLock(const std::string& storePath) {
        // Read-only is enough for the lock, so a lock file another user created serves everyone.
        fd_ = ::open((storePath + ".lock").c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
        locked_ = fd_ >= 0 && ::flock(fd_, LOCK_EX) == 0;
    }
    ~WriteLock() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    bool locked() const { return locked_; }

private:
    int fd_ = -1;
    bool locked_ = false;
};

}  // namespace

std::optional<std::vector<StoredValue>> ParseSettingsText(std::string_view text) {
    const std::string keyLine = KeyLine();
    std::optional<std::vector<StoredValue>> values;
    bool inKey = false;
    LineReader reader(text);
    for (std::string_view line; reader.next(line);) {
        line = TrimEnd(line);
        if (!line.empty() && line.front() == '[') {
            inKey = SameName(line, keyLine);
            if (inKey && !values) values.emplace();
            continue;
        }
        if (!inKey) continue;
        StoredValue value;
        if (!ReadQuoted(line, value.name) || line.empty() || line.front() != '=') continue;
        line.remove_prefix(1);
        std::string_view rest = line;
        if (const auto dword = ReadDword(line)) {
            value.type = StoredValue::Type::Integer;
            value.integer = *dword;
        } else if (ReadQuoted(rest, value.text) && TrimEnd(rest).empty()) {
            value.type = StoredValue::Type::Text;
        } else {
            value.type = StoredValue::Type::Other;
            value.text.assign(line);
        }
        values->push_back(std::move(value));
    }
    return values;
}

std::string FormatSettingsText(const std::vector<StoredValue>& values) {
    std::string text = "Windows Registry Editor Version 5.00\n\n" + KeyLine() + "\n";
    for (const StoredValue& v : values) {
        text += Quoted(v.name) + "=";
        switch (v.type) {
            case StoredValue::Type::Integer: {
                char hex[9];
                std::snprintf(hex, sizeof hex, "%08x", static_cast<std::uint32_t>(v.integer));
                text += "dword:" + std::string(hex);
                break;
            }
            case StoredValue::Type::Text: text += Quoted(v.text); break;
            case StoredValue::Type::Other: text += v.text; break;
        }
        text += "\n";
    }
    return text;
}

FileSettingsStore::FileSettingsStore(std::string path) : path_(std::move(path)) {}

bool FileSettingsStore::openKey() {
    open_ = false;
    if (const auto text = ReadFileText(path_); text && ParseSettingsText(*text)) {
        open_ = true;
        return true;
    }
    // Create the key (and the file and its folder) when it is missing.
    std::error_code ec;
    const auto folder = std::filesystem::path(path_).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    WriteLock lock(path_);
    if (!lock.locked()) return false;
    const auto text = ReadFileText(path_);
    if (text && ParseSettingsText(*text)) {
        open_ = true;
        return true;
    }
    if (text && !text->empty()) return false;  // some other file: never overwritten
    try {
        ReplaceFileSafely(path_, FormatSettingsText({}));
    } catch (const ZoroZodError&) {
        return false;
    }
    open_ = true;
    return true;
}

std::optional<StoredValue> FileSettingsStore::find(std::string_view name) const {
    if (!open_) throw ZoroZodError(FailedToGetData(name));
    const auto text = ReadFileText(path_);
    if (!text) throw ZoroZodError(FailedToGetData(name));
    const auto values = ParseSettingsText(*text);
    if (!values) throw ZoroZodError(FailedToGetData(name));
    std::optional<StoredValue> found;
    for (const StoredValue& v : *values)
        if (SameName(v.name, name)) found = v;  // a later line wins, as on import
    return found;
}

std::int32_t FileSettingsStore::readInteger(std::string_view name) {
    const auto value = find(name);
    if (!value) throw ZoroZodError(FailedToGetData(name));
    if (value->type != StoredValue::Type::Integer) throw ZoroZodError(InvalidDataType(name));
    return value->integer;
}

std::string FileSettingsStore::readText(std::string_view name) {
    const auto value = find(name);
    if (!value) return "";
    if (value->type != StoredValue::Type::Text) throw ZoroZodError(InvalidDataType(name));
    return value->text;
}

void FileSettingsStore::write(StoredValue value) {
    if (!open_) throw ZoroZodError(FailedToSetData(value.name));
    WriteLock lock(path_);
    if (!lock.locked()) throw ZoroZodError(FailedToSetData(value.name));
    const auto text = ReadFileText(path_);
    auto values = text ? ParseSettingsText(*text) : std::nullopt;
    if (!values) {
        if (text && !text->empty()) throw ZoroZodError(FailedToSetData(value.name));
        values.emplace();
    }
    bool replaced = false;
    for (auto it = values->begin(); it != values->end();) {
        if (!SameName(it->name, value.name)) {
            ++it;
        } else if (!replaced) {
            *it++ = value;
            replaced = true;
        } else {
            it = values->erase(it);
        }
    }
    if (!replaced) values->push_back(value);
    try {
        ReplaceFileSafely(path_, FormatSettingsText(*values));
    } catch (const ZoroZodError&) {
        throw ZoroZodError(FailedToSetData(value.name));
    }
}

void FileSettingsStore::writeInteger(std::string_view name, std::int32_t value) {
    write({std::string(name), StoredValue::Type::Integer, value, {}});
}

void FileSettingsStore::writeText(std::string_view name, std::string_view value) {
    write({std::string(name), StoredValue::Type::Text, 0, std::string(value)});
}

void FileSettingsStore::closeKey() { open_ = false; }

}  // namespace zorozod
