// Core benchmarks on generated tables: load, validate all, write, report.
// Each reports `per_row`, the time per absence row.
#include "BenchTables.h"
#include "file/TextLines.h"
#include "file/ToolBoxFile.h"
#include "model/RowValidation.h"
#include "print/ReportLines.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
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

#define SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ReadAndSplit) SIZES;
BENCHMARK(BM_Load) SIZES;
BENCHMARK(BM_ValidateAll) SIZES;
BENCHMARK(BM_Write) SIZES;
BENCHMARK(BM_BuildReport) SIZES;

}  // namespace

BENCHMARK_MAIN();
