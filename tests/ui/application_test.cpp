// The widget tests share one Application, under the offscreen platform unless
// one is chosen from outside (on Windows, its own). Here: what the start leaves
// behind, and the last resort for an error that no handler expects.
#include "application.h"

#include <QScreen>

#include "form_test.h"
#include "window_placement.h"

using namespace biorhythm::ui;
using namespace biorhythm::ui::testing;

// A desktop theme sets fonts per class of widget; the window keeps to its own.
// The window is centred on the screen; without one, it is shown where it stands.
TEST(StartUp, LeavesTheThemesFontsAloneAndCentresTheWindowIfThereIsAScreen) {
    const QFont themeFont(QStringLiteral("DejaVu Sans"), 13);
    QApplication::setFont(themeFont, "QMessageBox");
    FakePlatform platform;
    Form1 window(platform);
    EXPECT_EQ(QApplication::font("QMessageBox").toString(), themeFont.toString());
    showCentredOn(window, nullptr);
    EXPECT_TRUE(window.isVisible() && !window.testAttribute(Qt::WA_Moved));
    const QScreen* const screen = QGuiApplication::primaryScreen();
    showCentredOn(window, screen);
    EXPECT_LE(
        (window.frameGeometry().center() - screen->availableGeometry().center()).manhattanLength(),
        1);
}

// The analyse button asks the clock, which fails as no handler expects: with a
// standard error, then with something that is none.
TEST_F(FormTest, AnErrorNoHandlerExpectsIsReportedInChineseAndEndsTheProgram) {
    platform.clockFault = [] { throw std::runtime_error("某某"); };
    play("Command1");
    platform.clockFault = [] { throw 42; };
    play("Command1");
    const QString report = QStringLiteral("X程序运行时发生了意外错误，即将退出。\n\n错误信息：");
    EXPECT_EQ(platform.log,
              QStringList({report + "某某", "exit 1", report + "未知错误", "exit 1"}));
}

int main(int argc, char** argv) {
#ifndef Q_OS_WIN  // where a desktop is always there
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    Application app(argc, argv);
    app.setUp();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
