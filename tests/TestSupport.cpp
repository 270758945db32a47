#include "TestSupport.h"

#include "model/Error.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifdef _WIN32
#include "file/WindowsText.h"

#include <windows.h>

#include <random>
#else
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zorozod::test {

TempDir::TempDir() {
#ifdef _WIN32
    std::random_device seed;
    for (;;) {
        path_ = std::filesystem::temp_directory_path() / ("zorozod-test-" + std::to_string(seed()));
        if (std::filesystem::create_directory(path_)) break;
    }
#else
    std::string templ = (std::filesystem::temp_directory_path() / "zorozod-test-XXXXXX").string();
    if (!::mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
    path_ = templ;
#endif
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> TempDir::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string JoinLines(const std::vector<std::string>& lines, const std::string& brk) {
    std::string text;
    for (const std::string& line : lines) text += line + brk;
    return text;
}

AbsenceRow Row(std::initializer_list<std::string> cells) {
    if (cells.size() > kColumnCount) throw std::invalid_argument("too many cells");
    AbsenceRow row;
    std::copy(cells.begin(), cells.end(), row.begin());
    return row;
}

AbsenceTable Table(std::initializer_list<AbsenceRow> rows) {
    AbsenceTable table;
    table.assignAbsences(std::vector<AbsenceRow>(rows));
    return table;
}

AbsenceRow ValidRow(const std::string& three, const std::string& two, const std::string& crew) {
    return Row({three, crew, two, "Annual Leave", "08:00", "17:00", "07:30", "00:00", "N", "N", "Y", "Y"});
}

std::string FailureMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const ZoroZodError& e) {
        return e.what();
    }
    return "no failure";
}

std::string RandomCell(std::mt19937& rng, std::size_t maxLength) {
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> byte(1, 255);
    std::string cell(length(rng), ' ');
    for (char& c : cell) {
        int b;
        do b = byte(rng);
        while (b == '\r' || b == '\n');
        c = static_cast<char>(b);
    }
    return cell;
}

#ifdef _WIN32

namespace {

std::wstring Quoted(const std::string& arg) {
    std::wstring out = L"\"";
    for (const wchar_t c : Wide(arg)) {
        if (c == L'"') out += L'\\';
        out += c;
    }
    return out + L"\"";
}

std::string ReadBack(HANDLE file) {
    ::SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    std::string data;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) data.append(buffer, got);
    return data;
}

HANDLE TemporaryHandle() {
    wchar_t folder[MAX_PATH], name[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    ::GetTempFileNameW(folder, L"zzo", 0, name);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

}  // namespace

ProcessResult RunProgram(const std::vector<std::string>& argv, long fileSizeLimit) {
    (void)fileSizeLimit;  // no such limit on this system
    std::wstring command;
    for (const std::string& arg : argv) command += (command.empty() ? L"" : L" ") + Quoted(arg);
    const HANDLE out = TemporaryHandle(), err = TemporaryHandle();
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE in = ::CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    ProcessResult result;
    if (::CreateProcessW(Wide(argv[0]).c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                         &process)) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        ::GetExitCodeProcess(process.hProcess, &code);
        result.exitCode = static_cast<int>(code);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    result.out = ReadBack(out);
    result.err = ReadBack(err);
    ::CloseHandle(in);
    ::CloseHandle(out);
    ::CloseHandle(err);
    return result;
}

#else

namespace {

std::string Drain(int fd) {
    std::string data;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) data.append(buffer, static_cast<std::size_t>(got));
    return data;
}

}  // namespace

ProcessResult RunProgram(const std::vector<std::string>& argv, long fileSizeLimit) {
    char outName[] = "/tmp/zorozod-out-XXXXXX";
    char errName[] = "/tmp/zorozod-err-XXXXXX";
    const int outFd = ::mkstemp(outName);
    const int errFd = ::mkstemp(errName);
    ::unlink(outName);
    ::unlink(errName);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int in = ::open("/dev/null", O_RDONLY);
        ::dup2(in, 0);
        ::dup2(outFd, 1);
        ::dup2(errFd, 2);
        if (fileSizeLimit >= 0) {
            const rlimit limit{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    ::lseek(outFd, 0, SEEK_SET);
    ::lseek(errFd, 0, SEEK_SET);
    result.out = Drain(outFd);
    result.err = Drain(errFd);
    ::close(outFd);
    ::close(errFd);
    return result;
}

#endif

}  // namespace zorozod::test
