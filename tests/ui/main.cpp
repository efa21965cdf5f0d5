// Widget tests run in one Application under the offscreen platform unless a
// platform is chosen from outside.
#include <gtest/gtest.h>

#include "application.h"
#include "test_errors.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    biorhythm::ui::Application app(argc, argv);
    app.setUpForChinese();
    // Popups ignore a release this soon after they open; keep picks quick.
    QApplication::setDoubleClickInterval(40);
    biorhythm::ui::testing::failTestsOnUnexpectedErrors();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
