// Runs the window tests on the real widgets, without a display.
#include <QApplication>

#include <gtest/gtest.h>

#include <csignal>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
