// The four buttons as the user presses them, and the last resort for an error
// that escapes a handler.
#include <stdexcept>

#include "application.h"
#include "form_test.h"

namespace biorhythm::ui::testing {
namespace {

using CommandsTest = FormTest;

TEST_F(CommandsTest, AnalyseWarnsForTheFirstMissingChoiceAndChangesNothing) {
    const QString captions =
        label(2)->text() + label(3)->text() + label(5)->text() + label(7)->text();
    play("Command1 Combo1#0 Command1 Combo2#0 Command1 Combo1@ Command1");
    EXPECT_EQ(platform.messages, QStringList({QStringLiteral("请选择您的阳历出生年份！"),
                                              QStringLiteral("请选择您的阳历出生月份！"),
                                              QStringLiteral("请选择您的阳历出生日期！"),
                                              QStringLiteral("请选择您的阳历出生月份！")}));
    EXPECT_EQ(platform.looks, QList<Platform::Look>(4, Platform::Look::Warning));
    EXPECT_EQ(label(2)->text() + label(3)->text() + label(5)->text() + label(7)->text(), captions);
}

TEST_F(CommandsTest, TheWholeRoadByKeyboardTwiceThenClear) {
    play("Down*81 Tab Down*5 Tab Down*12 Tab Space");
    EXPECT_TRUE(label(2)->text().endsWith(QStringLiteral("1980年5月12日，您已出生了：16013天。")));
    platform.todayIs = std::chrono::year{2024} / 3 / 16;  // each press asks for today again
    play("Space");
    EXPECT_TRUE(label(2)->text().endsWith(QStringLiteral("16014天。")));
    EXPECT_TRUE(label(7)->text().endsWith(QStringLiteral("：充沛    变化趋势分析：不久将下滑")));
    play("Command2");
    EXPECT_EQ(QStringList({label(2)->text(), label(3)->text(), label(5)->text(), label(7)->text()}),
              QStringList({QStringLiteral("小提示：点击“开始分析”按钮后系统将给出分析结果！！"),
                           QStringLiteral("猜猜您近日的智力状况会是什么等级？"),
                           QStringLiteral("猜猜您近日的情绪状况会是什么等级？"),
                           QStringLiteral("猜猜您近日的体力状况会是什么等级？")}));
    for (int n : {1, 2, 3}) {
        EXPECT_EQ(combo(n)->text(), QStringList({"选择年份", "选择月份", "选择日期"})[n - 1]);
        EXPECT_EQ(combo(n)->listIndex(), -1);
        EXPECT_EQ(combo(n)->isEnabled(), n == 1);
    }
    EXPECT_EQ(combo(3)->count(), 31) << "the day items wait until the month list is entered";
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(CommandsTest, ExitAndTheHomePageEvenWhenTheBrowserCannotStart) {
    play("Command3 Command4");
    platform.launchFailure = "找不到程序 xdg-open";
    play("Command4");
    EXPECT_EQ(platform.endedWith, QList<int>{0});
    EXPECT_EQ(platform.launches,
              QStringList(2, QStringLiteral("explorer.exe " BIORHYTHM_HOME_PAGE)));
    EXPECT_EQ(platform.messages, QStringList(QStringLiteral("无法打开主页 " BIORHYTHM_HOME_PAGE
                                                            "。\n\n原因：找不到程序 xdg-open")));
    EXPECT_EQ(platform.looks, QList<Platform::Look>{Platform::Look::Warning});
}

TEST(LastResort, AnErrorEscapingAHandlerIsReportedInChineseAndEndsTheProgram) {
    auto* application = static_cast<Application*>(QApplication::instance());
    FakePlatform platform;
    application->reportUnexpectedErrorsThrough(platform);
    QPushButton standard;
    QPushButton unknown;
    QObject::connect(&standard, &QPushButton::clicked, [] { throw std::runtime_error("某某"); });
    QObject::connect(&unknown, &QPushButton::clicked, [] { throw 42; });
    for (QPushButton* button : {&standard, &unknown}) {
        button->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(button));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    application->setUnexpectedErrorHandler(
        [](const QString& report) { ADD_FAILURE() << report.toStdString(); });
    const QString report = QStringLiteral("程序运行时发生了意外错误，即将退出。\n\n错误信息：");
    EXPECT_EQ(platform.messages, QStringList({report + "某某", report + "未知错误"}));
    EXPECT_EQ(platform.looks, QList<Platform::Look>(2, Platform::Look::Critical));
    EXPECT_EQ(platform.endedWith, QList<int>({1, 1}));
}

}  // namespace
}  // namespace biorhythm::ui::testing
