#include "file/SafeFile.h"

#include "model/Error.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include "file/WindowsText.h"

#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zorozod {

namespace {

[[noreturn]] void CannotCreate(const std::string& path) { throw ZoroZodError("Cannot create file " + path); }
[[noreturn]] void StreamWriteError() { throw ZoroZodError("Stream write error"); }

}  // namespace

#ifdef _WIN32

void ReplaceFileSafely(const std::string& path, std::string_view bytes) {
    const std::wstring target = Wide(path);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) CannotCreate(path);
    // The temporary file stands beside the target, so that it replaces it in one step.
    static unsigned counter = 0;
    const std::wstring temp = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++counter) + L".tmp";
    const HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) CannotCreate(path);
    auto discard = [&] { ::DeleteFileW(temp.c_str()); };
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const DWORD chunk = static_cast<DWORD>(left > (1u << 30) ? (1u << 30) : left);
        DWORD wrote = 0;
        if (!::WriteFile(file, data, chunk, &wrote, nullptr) || wrote == 0) {
            ::CloseHandle(file);
            discard();
            StreamWriteError();
        }
        data += wrote;
        left -= wrote;
    }
    const bool flushed = ::FlushFileBuffers(file) != 0;
    if (!::CloseHandle(file) || !flushed) {
        discard();
        StreamWriteError();
    }
    // The system's own one-step replacement keeps the old file's attributes and access rights.
    const bool placed = exists ? ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                                nullptr, nullptr) != 0
                               : ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    if (!placed) {
        discard();
        CannotCreate(path);
    }
}

#else

namespace {

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file a write to `path` really replaces: a link is followed to the file it names.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::error_code ec;
        const auto resolved = std::filesystem::canonical(path, ec);
        if (!ec) return resolved.string();
    }
    return path;
}

class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) {
        const std::filesystem::path t(target);
        std::string folder = t.parent_path().string();
        if (folder.empty()) folder = ".";
        name_ = folder + "/." + t.filename().string() + ".XXXXXX";
        fd_ = ::mkstemp(name_.data());
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_) ::unlink(name_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool created() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& name() const { return name_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void commit() { committed_ = true; }

private:
    std::string name_;
    int fd_ = -1;
    bool committed_ = false;
};

void SyncFolderOf(const std::string& target) {
    std::string folder = std::filesystem::path(target).parent_path().string();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);  // best effort: the rename itself has already happened
        ::close(fd);
    }
}

}  // namespace

void ReplaceFileSafely(const std::string& path, std::string_view bytes) {
    const std::string target = ResolveTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && (S_ISDIR(old.st_mode) || ::access(target.c_str(), W_OK) != 0)) CannotCreate(path);

    TemporaryFile temp(target);
    if (!temp.created()) CannotCreate(path);
    if (::fchmod(temp.fd(), exists ? (old.st_mode & 07777) : NewFileMode()) != 0) CannotCreate(path);

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t wrote = ::write(temp.fd(), data, left);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) StreamWriteError();
        data += wrote;
        left -= static_cast<std::size_t>(wrote);
    }
    if (::fsync(temp.fd()) != 0 || !temp.close()) StreamWriteError();
    if (::rename(temp.name().c_str(), target.c_str()) != 0) CannotCreate(path);
    temp.commit();
    SyncFolderOf(target);
}

#endif

}  // namespace zorozod
