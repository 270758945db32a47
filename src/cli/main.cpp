// zorozod: the editor's core for batch work on toolbox files.
#include "file/ToolBoxFile.h"
#include "model/RowValidation.h"
#include "print/ReportLines.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using namespace zorozod;

constexpr int kExitUsage = 64;
constexpr int kExitNotReadable = 2;

constexpr std::string_view kUsage =
    "Usage: zorozod COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  check FILE    validate every absence of the toolbox FILE; print one line\n"
    "                FILE:ROW: ERRORS for each faulty row (exit 1 if any, else 0)\n"
    "  report FILE   print the fixed-pitch report of the toolbox FILE as read\n"
    "  --help        print this text\n"
    "\n"
    "A file that is not a toolbox file, or cannot be read, ends with a message\n"
    "on standard error and exit status 2; a wrong call exits with 64.\n";

void Write(std::FILE* stream, std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); }

void WriteLine(std::FILE* stream, std::string_view text) {
    Write(stream, text);
    Write(stream, "\n");
}

// Reads FILE; on refusal or error prints the message and returns false.
bool ReadOrSay(const std::string& path, AbsenceTable& table) {
    ToolBoxReadResult read = ReadToolBoxFile(path);
    switch (read.outcome) {
        case ToolBoxReadOutcome::Loaded:
            table = std::move(read.table);
            return true;
        case ToolBoxReadOutcome::Refused: WriteLine(stderr, kNotAToolBoxMessage); return false;
        case ToolBoxReadOutcome::Error: WriteLine(stderr, kErrorOpeningFileMessage); return false;
    }
    return false;
}

int Check(const std::string& path) {
    AbsenceTable table;
    if (!ReadOrSay(path, table)) return kExitNotReadable;
    ValidateAllRows(table);
    int faulty = 0;
    for (int r = 1; r <= table.absenceCount(); ++r) {
        std::string_view errors = table.cell(r, kErrors);
        if (errors.empty()) continue;
        ++faulty;
        if (errors.back() == ' ') errors.remove_suffix(1);
        Write(stdout, path + ":" + std::to_string(r) + ": ");
        WriteLine(stdout, errors);
    }
    return faulty > 0 ? 1 : 0;
}

int Report(const std::string& path) {
    AbsenceTable table;
    if (!ReadOrSay(path, table)) return kExitNotReadable;
    for (const std::string& line : BuildReportLines(table)) Write(stdout, line);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // A write beyond the file size limit must fail as a write, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string command = argc > 1 ? argv[1] : "";
    int status = kExitUsage;
    if (command == "--help" && argc == 2) {
        Write(stdout, kUsage);
        status = 0;
    } else if (command == "check" && argc == 3) {
        status = Check(argv[2]);
    } else if (command == "report" && argc == 3) {
        status = Report(argv[2]);
    } else {
        Write(stderr, kUsage);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        WriteLine(stderr, "zorozod: cannot write to standard output");
        if (status == 0) status = 74;
    }
    return status;
}
