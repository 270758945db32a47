// Core benchmarks on generated tables: load, validate all, write, report.
// Each reports `per_row`, the time per absence row.
#include "BenchTables.h"
#include "file/TextLines.h"
#include "file/ToolBoxFile.h"
#include "model/RowValidation.h"
#include "print/ReportLines.h"
#include "sync/SyncFromReport.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

using namespace zorozod;

void PerRow(benchmark::State& state) {
    state.counters["per_row"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

// One toolbox file per size, written once into a temporary folder.
const std::string& FileOf(int rows) {
    static std::map<int, std::string> files;
    auto& path = files[rows];
    if (path.empty()) {
        const auto dir = std::filesystem::temp_directory_path() / "zorozod-bench";
        std::filesystem::create_directories(dir);
        path = (dir / ("table-" + std::to_string(rows) + ".box")).string();
        WriteToolBoxFile(path, bench::GenerateTable(rows), "09-12-2007 14:05:33");
    }
    return path;
}

// The floor for loading: read the bytes and cut them into lines.
void BM_ReadAndSplit(benchmark::State& state) {
    const std::string& path = FileOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string bytes = ReadWholeFile(path);
        benchmark::DoNotOptimize(SplitLines(bytes).size());
    }
    PerRow(state);
}

void BM_Load(benchmark::State& state) {
    const std::string& path = FileOf(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ReadToolBoxFile(path).table.rowCount());
    PerRow(state);
}

void BM_ValidateAll(benchmark::State& state) {
    AbsenceTable table = bench::GenerateTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ValidateAllRows(table);
        benchmark::ClobberMemory();
    }
    PerRow(state);
}

void BM_Write(benchmark::State& state) {
    const AbsenceTable table = bench::GenerateTable(static_cast<int>(state.range(0)));
    const auto path = (std::filesystem::temp_directory_path() / "zorozod-bench" / "written.box").string();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    for (auto _ : state) WriteToolBoxFile(path, table, "09-12-2007 14:05:33");
    PerRow(state);
}

void BM_BuildReport(benchmark::State& state) {
    const AbsenceTable table = bench::GenerateTable(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(BuildReportLines(table).size());
    PerRow(state);
}

// A transaction code report for the generated table of `rows` absences: 90%
// of its lines update a row, 5% add one, 5% are reserve lines that keep a
// row without loading it; the last 5% of the rows are carried by no line.
const std::string& ReportFor(int rows) {
    static std::map<int, std::string> files;
    auto& path = files[rows];
    if (!path.empty()) return path;
    const AbsenceTable table = bench::GenerateTable(rows);
    std::string text = "#HEADINGBEGIN#\r\nTRANSACTION CODE REPORT\r\n#\r\n";
    auto record = [&text](std::string_view code, bool pilot, bool reserve) {
        std::string line(141, ' ');
        line.replace(0, 3, "SYN");
        line[4] = reserve ? 'R' : ' ';
        line[6] = pilot ? 'P' : 'C';
        line.replace(26, 5, "07:30");
        line[42] = 'D';
        line.replace(59, 16, "Ground Training ");
        line.replace(80, 2, code);
        line.replace(130, 5, "08:00");
        line.replace(136, 5, "17:00");
        text += line + "\r\n";
    };
    const int matched = rows * 90 / 100, reserved = rows * 5 / 100;
    for (int r = 1; r <= matched + reserved; ++r)
        record(table.cell(r, kTwoCharCode), table.cell(r, kCrewType) == "Pilot", r > matched);
    for (int i = 0; i < rows - matched - reserved; ++i) record(bench::CodeFor(rows / 2 + i, 2), i % 2 == 0, false);  // codes no row has
    text += "#END\r\n";
    const auto dir = std::filesystem::temp_directory_path() / "zorozod-bench";
    path = (dir / ("report-" + std::to_string(rows) + ".LIS")).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// Reading the report and the whole run, against the table loaded from its file.
void BM_Sync(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const AbsenceTable table = ReadToolBoxFile(FileOf(rows)).table;
    const std::string& report = ReportFor(rows);
    for (auto _ : state) {
        state.PauseTiming();
        AbsenceTable copy = table;
        state.ResumeTiming();
        const std::string bytes = ReadWholeFile(report);
        SyncLog log;
        benchmark::DoNotOptimize(SyncFromReport(SplitLines(bytes), report, copy, log));
        benchmark::DoNotOptimize(log.text().size());
        state.PauseTiming();
        copy = AbsenceTable();
        state.ResumeTiming();
    }
    PerRow(state);
}

#define SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ReadAndSplit) SIZES;
BENCHMARK(BM_Load) SIZES;
BENCHMARK(BM_ValidateAll) SIZES;
BENCHMARK(BM_Write) SIZES;
BENCHMARK(BM_BuildReport) SIZES;
BENCHMARK(BM_Sync) SIZES;

}  // namespace

BENCHMARK_MAIN();
