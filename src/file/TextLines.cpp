#include "file/TextLines.h"

#include "model/Error.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include <sys/stat.h>

#ifdef _WIN32
#include "file/WindowsText.h"
#endif

namespace zorozod {

namespace {

std::string_view UpToNul(std::string_view text) {
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

}  // namespace

LineReader::LineReader(std::string_view text) : text_(UpToNul(text)) {}

bool LineReader::next(std::string_view& line) {
    const std::size_t n = text_.size();
    if (start_ >= n) return false;
    const char* const data = text_.data();
    std::size_t end = start_;
    while (end < n && data[end] != '\r' && data[end] != '\n') ++end;
    line = text_.substr(start_, end - start_);
    start_ = end + 1;
    if (end < n && data[end] == '\r' && start_ < n && data[start_] == '\n') ++start_;
    return true;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    LineReader reader(text);
    for (std::string_view line; reader.next(line);) lines.push_back(line);
    return lines;
}

namespace {

struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::unique_ptr<std::FILE, Closer> OpenForReading(const std::string& path) {
#ifdef _WIN32
    return std::unique_ptr<std::FILE, Closer>(::_wfopen(Wide(path).c_str(), L"rb"));
#else
    return std::unique_ptr<std::FILE, Closer>(std::fopen(path.c_str(), "rb"));
#endif
}

}  // namespace

bool CanOpenForReading(const std::string& path) { return OpenForReading(path) != nullptr; }

std::string ReadWholeFile(const std::string& path) {
    const auto file = OpenForReading(path);
    if (!file) throw ZoroZodError("Cannot open file " + path);
    std::string bytes;
    std::size_t have = 0;
    try {
        // Sized once from the file's length; reading goes on to the real end
        // in case the file changed meanwhile.
#ifdef _WIN32
        struct _stat64 st {};
        if (::_fstat64(::_fileno(file.get()), &st) == 0 && (st.st_mode & _S_IFREG) && st.st_size > 0)
            bytes.resize(static_cast<std::size_t>(st.st_size));
#else
        struct stat st {};
        if (::fstat(::fileno(file.get()), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
            bytes.resize(static_cast<std::size_t>(st.st_size));
#endif
        for (;;) {
            if (have == bytes.size()) bytes.resize(have + (1 << 16));
            const std::size_t got = std::fread(bytes.data() + have, 1, bytes.size() - have, file.get());
            have += got;
            if (got == 0) break;
        }
    } catch (const std::bad_alloc&) {
        throw ZoroZodError("Cannot read file " + path);
    }
    bytes.resize(have);
    if (std::ferror(file.get())) throw ZoroZodError("Cannot read file " + path);
    return bytes;
}

}  // namespace zorozod
