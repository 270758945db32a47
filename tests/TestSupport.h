// Small helpers shared by the tests: temporary folders, files, processes.
#pragma once

#include "model/AbsenceTable.h"

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace zorozod::test {

// A fresh folder under the system's temporary folder, removed at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Names of the entries in the folder, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// Joins lines, putting `brk` after each one.
std::string JoinLines(const std::vector<std::string>& lines, const std::string& brk = "\r\n");

// A row from up to 13 cells; missing cells are empty.
AbsenceRow Row(std::initializer_list<std::string> cells);
// A table whose absence rows are `rows`.
AbsenceTable Table(std::initializer_list<AbsenceRow> rows);

// A valid pilot absence with the given codes.
AbsenceRow ValidRow(const std::string& three, const std::string& two, const std::string& crew = "Pilot");

// Random cell text of 0..maxLength bytes, never CR, LF or NUL.
std::string RandomCell(std::mt19937& rng, std::size_t maxLength);

// The message of the ZoroZodError that `action` throws, or "no failure".
std::string FailureMessage(const std::function<void()>& action);

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program with arguments, stdin from /dev/null, and collects its
// output. A file size limit (bytes) makes its writes past that size fail.
ProcessResult RunProgram(const std::vector<std::string>& argv, long fileSizeLimit = -1);

}  // namespace zorozod::test
