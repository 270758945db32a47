// zorozod-editor: starts the application and its main window.
#include "app/CVToolEdit.h"
#include "platform/QtDesktop.h"
#ifdef _WIN32
#include "settings/RegistrySettingsStore.h"
#else
#include "settings/FileSettingsStore.h"
#endif

#include <QApplication>
#include <QIcon>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

// While the application starts, the platform's messages are held back: when
// no display can be opened, one clear line says so instead.
QString g_startupWarning;
QtMessageHandler g_defaultHandler = nullptr;

void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (g_startupWarning.isEmpty()) g_startupWarning = message.section(QLatin1Char('\n'), 0, 0);
        return;
    }
    const QString reason = g_startupWarning.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0) : g_startupWarning;
    std::fprintf(stderr, "zorozod-editor: cannot open a display (%s)\n", reason.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
    (void)context;
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the file size limit fails as a write
    g_defaultHandler = qInstallMessageHandler(StartupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_defaultHandler);
    QApplication::setApplicationName(zorozod::kApplicationTitle);
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    zorozod::QtDesktop desktop;
    try {
#ifdef _WIN32
        zorozod::RegistrySettingsStore settings;
#else
        zorozod::FileSettingsStore settings;
#endif
        zorozod::TCVToolBoxEdit window(desktop, settings);
        window.show();
        app.exec();
    } catch (const std::exception& e) {
        desktop.showError(QString::fromLocal8Bit(e.what()));
    }
    return 0;
}
