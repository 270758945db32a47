// zorozod: the editor's core for batch work on toolbox files.
#include "file/DateLine.h"
#include "file/TextLines.h"
#include "file/ToolBoxFile.h"
#include "model/Error.h"
#include "model/RowValidation.h"
#include "print/ReportLines.h"
#include "sync/SyncFromReport.h"

#include <chrono>
#include <ctime>
#include <vector>

#ifdef _WIN32
#include "file/WindowsText.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>
#endif

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using namespace zorozod;

constexpr int kExitUsage = 64;
constexpr int kExitNotReadable = 2;
constexpr int kExitReportNotValid = 3;
constexpr int kExitReportError = 4;
constexpr int kExitNotWritten = 1;

// The date line's patterns of the tool: 09-12-2007 14:05:33.
constexpr std::string_view kShortDatePattern = "dd/MM/yyyy";
constexpr std::string_view kLongTimePattern = "HH:mm:ss";

constexpr std::string_view kUsage =
    "Usage: zorozod COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  check FILE    validate every absence of the toolbox FILE; print one line\n"
    "                FILE:ROW: ERRORS for each faulty row (exit 1 if any, else 0)\n"
    "  report FILE   print the fixed-pitch report of the toolbox FILE as read\n"
    "  sync FILE REPORT [-o OUT]\n"
    "                synchronise FILE with the transaction code REPORT, print\n"
    "                the log and write the result to OUT (default FILE)\n"
    "  --help        print this text\n"
    "\n"
    "A file that is not a toolbox file, or cannot be read, ends with a message\n"
    "on standard error and exit status 2; a wrong call exits with 64. sync exits\n"
    "with 3 for a REPORT that is not a transaction report, 4 for one that breaks\n"
    "off (the log so far is printed) and 1 when the result cannot be written;\n"
    "in each of these cases nothing is written.\n";

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

SaveTime Now() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    ::localtime_s(&local, &now);
#else
    ::localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

int Sync(const std::string& path, const std::string& reportPath, const std::string& out) {
    AbsenceTable table;
    if (!ReadOrSay(path, table)) return kExitNotReadable;
    ValidateAllRows(table);
    std::string report;
    SyncLog log;
    SyncOutcome outcome = SyncOutcome::Error;
    try {
        report = ReadWholeFile(reportPath);
        outcome = SyncFromReport(SplitLines(report), reportPath, table, log);
    } catch (const ZoroZodError&) {
        // a report that cannot be read takes the error path, with an empty log
    }
    if (outcome == SyncOutcome::NotValid) {
        WriteLine(stderr, kReportNotValidMessage);
        return kExitReportNotValid;
    }
    if (outcome == SyncOutcome::Error) {
        WriteLine(stderr, kReportErrorMessage);
        Write(stdout, log.text());
        return kExitReportError;
    }
    ValidateAllRows(table);
    try {
        WriteToolBoxFile(out, table, FormatDateLine(Now(), kShortDatePattern, kLongTimePattern));
    } catch (const ZoroZodError& e) {
        WriteLine(stderr, e.what());
        return kExitNotWritten;
    }
    log.addClosingNotes();
    Write(stdout, log.text());
    return 0;
}

// The arguments as UTF-8: on Windows from the wide command line, so that
// file names in any script reach the system unchanged.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
    (void)argc, (void)argv;
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) args.push_back(Utf8(wide[i]));
    ::LocalFree(wide);
    return args;
#else
    return std::vector<std::string>(argv, argv + argc);
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A write beyond the file size limit must fail as a write, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef _WIN32
    // Reports and logs are written byte for byte.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
#endif
    const std::vector<std::string> args = Arguments(argc, argv);
    argc = static_cast<int>(args.size());
    const std::string command = argc > 1 ? args[1] : "";
    int status = kExitUsage;
    if (command == "--help" && argc == 2) {
        Write(stdout, kUsage);
        status = 0;
    } else if (command == "check" && argc == 3) {
        status = Check(args[2]);
    } else if (command == "report" && argc == 3) {
        status = Report(args[2]);
    } else if (command == "sync" && argc == 4) {
        status = Sync(args[2], args[3], args[2]);
    } else if (command == "sync" && argc == 6 && args[4] == "-o") {
        status = Sync(args[2], args[3], args[5]);
    } else {
        Write(stderr, kUsage);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        WriteLine(stderr, "zorozod: cannot write to standard output");
        if (status == 0) status = 74;
    }
    return status;
}
