// Open on the real main window, offscreen, against the core's own load and
// validation of the same file: the window must not dominate.
#include "BenchTables.h"
#include "app/CVToolEdit.h"
#include "file/ToolBoxFile.h"
#include "model/RowValidation.h"
#include "settings/FileSettingsStore.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace zorozod;

// Answers every open dialog with one file and expects no other question.
class OpenOnlyDesktop : public Desktop {
public:
    QString file;
    void notify(const QString&, const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
    Answer askYesNoCancel(const QString&, const QString&) override { return Answer::Cancel; }
    std::optional<QString> chooseFileToOpen(const FileDialogSetup&) override { return file; }
    std::optional<QString> chooseFileToSave(const FileDialogSetup&) override { return std::nullopt; }
    void showError(const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    bool choosePrinter(QPrinter&) override { return false; }
    QDateTime now() override { return QDateTime::currentDateTime(); }
    QString shortDatePattern() override { return QStringLiteral("dd/MM/yyyy"); }
    QString longTimePattern() override { return QStringLiteral("HH:mm:ss"); }
};

std::filesystem::path Folder() {
    const auto dir = std::filesystem::temp_directory_path() / "zorozod-gui-bench";
    std::filesystem::create_directories(dir);
    return dir;
}

std::string FileOf(int rows) {
    const auto path = (Folder() / ("table-" + std::to_string(rows) + ".box")).string();
    if (!std::filesystem::exists(path)) WriteToolBoxFile(path, bench::GenerateTable(rows), "09-12-2007 14:05:33");
    return path;
}

void BM_CoreLoadAndValidate(benchmark::State& state) {
    const std::string path = FileOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ToolBoxReadResult read = ReadToolBoxFile(path);
        ValidateAllRows(read.table);
        benchmark::DoNotOptimize(read.table.rowCount());
    }
}

void BM_OpenInMainWindow(benchmark::State& state) {
    OpenOnlyDesktop desktop;
    desktop.file = QString::fromStdString(FileOf(static_cast<int>(state.range(0))));
    FileSettingsStore settings((Folder() / "settings.reg").string());
    TCVToolBoxEdit window(desktop, settings);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.Open1Click();
        QApplication::processEvents();  // the grid lays itself out and paints
    }
    window.FileChanged = false;
}

BENCHMARK(BM_CoreLoadAndValidate)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenInMainWindow)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
