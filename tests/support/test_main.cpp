#include "platform/input_guard.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test binary runs with a QApplication. Discovery runs the binary without
// the test environment, so the platform defaults to offscreen here rather than
// in ctest's properties; tests that need a real display set QT_QPA_PLATFORM=xcb.
// Without a display they run offscreen too, and skip what needs one. The
// input guard is in place as in the program.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || (qgetenv("QT_QPA_PLATFORM") == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vantorelle::InputGuard inputGuard;
    app.installEventFilter(&inputGuard);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
