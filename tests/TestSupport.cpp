#include "TestSupport.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zorozod::test {

TempDir::TempDir() {
    std::string templ = (std::filesystem::temp_directory_path() / "zorozod-test-XXXXXX").string();
    if (!::mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
    path_ = templ;
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

}  // namespace zorozod::test
