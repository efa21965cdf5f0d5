// The widget tests share one Application, under the offscreen platform unless
// one is chosen from outside. An exception escaping a handler fails the test,
// except here, where the program's last resort for it is tested.
#include "application.h"

#include "form_test.h"

using namespace biorhythm::ui;

// A desktop theme sets fonts per class of widget; the window keeps to its own.
TEST(StartUp, LeavesTheDesktopsFontsAsTheyWere) {
    const QFont applicationFont = QApplication::font();
    const QFont themeFont(QStringLiteral("DejaVu Sans"), 13);
    QApplication::setFont(themeFont, "QMessageBox");
    biorhythm::ui::testing::FakePlatform platform;
    const Form1 window(platform);
    EXPECT_EQ(QApplication::font("QMessageBox").toString(), themeFont.toString());
    EXPECT_EQ(QApplication::font().toString(), applicationFont.toString());
}

TEST(LastResort, AnErrorEscapingAHandlerIsReportedInChineseAndEndsTheProgram) {
    auto* application = static_cast<Application*>(QApplication::instance());
    biorhythm::ui::testing::FakePlatform platform;
    application->reportUnexpectedErrorsThrough(platform);
    QPushButton standard, unknown;
    QObject::connect(&standard, &QPushButton::clicked, [] { throw std::runtime_error("某某"); });
    QObject::connect(&unknown, &QPushButton::clicked, [] { throw 42; });
    for (QPushButton* button : {&standard, &unknown}) {
        button->show();  // clicked as the user clicks: in a window on the screen
        ASSERT_TRUE(QTest::qWaitForWindowExposed(button));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    application->setUnexpectedErrorHandler(
        [](const QString& report) { ADD_FAILURE() << report.toStdString(); });
    const QString report = QStringLiteral("X程序运行时发生了意外错误，即将退出。\n\n错误信息：");
    EXPECT_EQ(platform.log,
              QStringList({report + "某某", "exit 1", report + "未知错误", "exit 1"}));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    app.setUpForChinese();
    app.setUnexpectedErrorHandler(
        [](const QString& report) { ADD_FAILURE() << report.toStdString(); });
    // Popups ignore a release this soon after they open; keep picks quick.
    QApplication::setDoubleClickInterval(10);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
