// The widget tests share one Application, under the offscreen platform unless
// one is chosen from outside. An exception escaping a handler fails the test.
#include <gtest/gtest.h>

#include "application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    biorhythm::ui::Application app(argc, argv);
    app.setUpForChinese();
    app.setUnexpectedErrorHandler(
        [](const QString& report) { ADD_FAILURE() << report.toStdString(); });
    // Popups ignore a release this soon after they open; keep picks quick.
    QApplication::setDoubleClickInterval(10);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
