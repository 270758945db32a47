// The real main window on the offscreen platform, with a scripted desktop,
// a fixed clock and a settings file in a temporary folder.
#pragma once

#include "../TestSupport.h"
#include "ScriptedDesktop.h"
#include "app/CVToolEdit.h"
#include "file/ToolBoxFile.h"
#include "settings/FileSettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace zorozod::test {

class MainWindowTest : public testing::Test {
protected:
    TempDir dir;
    std::string settingsPath = dir.file("store/settings.reg");
    FileSettingsStore settings{settingsPath};
    ScriptedDesktop desktop;
    std::unique_ptr<TCVToolBoxEdit> window;

    void TearDown() override {
        if (window) {
            // Whatever a test left open: leave without questions.
            window->FileChanged = false;
            window.reset();
        }
        EXPECT_TRUE(desktop.yesNo.empty() && desktop.yesNoCancel.empty() && desktop.files.empty())
            << "answers left unused";
    }

    TCVToolBoxEdit& start() {
        window = std::make_unique<TCVToolBoxEdit>(desktop, settings);
        window->show();
        return *window;
    }

    void storeSettings(const std::vector<StoredValue>& values) {
        std::filesystem::create_directories(std::filesystem::path(settingsPath).parent_path());
        WriteFile(settingsPath, FormatSettingsText(values));
    }

    // A value as the settings file holds it now, through a store of its own.
    std::optional<StoredValue> stored(const std::string& name) {
        const auto values = ParseSettingsText(ReadFile(settingsPath));
        if (!values) return std::nullopt;
        for (const StoredValue& v : *values)
            if (v.name == name) return v;
        return std::nullopt;
    }
    std::optional<int> storedInt(const std::string& name) {
        const auto v = stored(name);
        return v && v->type == StoredValue::Type::Integer ? std::optional<int>(v->integer) : std::nullopt;
    }
    std::optional<std::string> storedText(const std::string& name) {
        const auto v = stored(name);
        return v && v->type == StoredValue::Type::Text ? std::optional<std::string>(v->text) : std::nullopt;
    }

    std::string writeBox(const std::string& name, const AbsenceTable& table, const std::string& dateLine = "d") {
        const std::string path = dir.file(name);
        WriteToolBoxFile(path, table, dateLine);
        return path;
    }

    static QString Q(const std::string& s) { return QString::fromStdString(s); }

    // The 3-char codes of rows 1..N.
    std::vector<std::string> codes() const {
        std::vector<std::string> all;
        for (int r = 1; r <= window->absences().absenceCount(); ++r) all.push_back(window->absences().cell(r, kThreeCharCode));
        return all;
    }

    // Presses a mouse button over grid row r (1..N), column c of the model.
    void press(int r, Qt::MouseButton button = Qt::LeftButton, int c = 2) {
        const QRect cell = window->AbsGrid->visualRect(window->gridModel().index(r - 1, c));
        QTest::mouseClick(window->AbsGrid->viewport(), button, {}, cell.center());
    }
};

// Runs `action` on the next modal window, once it is open. A modal window
// that does not come within a few seconds is a failure of the test.
inline void OnNextModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    QObject::connect(timer, &QTimer::timeout, [timer, waited, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        } else if (waited->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal window opened";
        }
    });
    timer->start(0);
}

// Five valid absences with the 3-char codes A01..A05.
inline AbsenceTable FiveAbsences() {
    AbsenceTable table;
    for (int i = 1; i <= 5; ++i) {
        const std::string n = std::to_string(i);
        table.row(table.appendRow()) = ValidRow("A0" + n, "B" + n);
    }
    return table;
}

}  // namespace zorozod::test
