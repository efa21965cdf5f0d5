// An exception that escapes an event handler is reported in Chinese and ends
// the program with a non-zero status.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "application.h"
#include "fake_platform.h"
#include "qt_printers.h"
#include "test_errors.h"
#include "user_input.h"

namespace biorhythm::ui::testing {
namespace {

class LastResortTest : public ::testing::Test {
protected:
    void SetUp() override { application()->reportUnexpectedErrorsThrough(platform); }
    void TearDown() override { failTestsOnUnexpectedErrors(); }

    static Application* application() {
        return static_cast<Application*>(QApplication::instance());
    }

    FakePlatform platform;
};

TEST_F(LastResortTest, AnExceptionFromAHandlerIsReportedAndEndsTheProgram) {
    QPushButton trigger(QStringLiteral("出错"));
    QObject::connect(&trigger, &QPushButton::clicked,
                     [] { throw std::runtime_error("无法把“1980年2月30日”转换为日期"); });
    trigger.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&trigger));
    clickButton(&trigger);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].look, Platform::Look::Critical);
    EXPECT_TRUE(platform.messages[0].text.startsWith(
        QStringLiteral("程序运行时发生了意外错误，即将退出。")));
    EXPECT_TRUE(
        platform.messages[0].text.contains(QStringLiteral("无法把“1980年2月30日”转换为日期")))
        << "the report names the error";
    ASSERT_EQ(platform.endedWith.size(), 1u);
    EXPECT_NE(platform.endedWith[0], 0);
}

TEST_F(LastResortTest, ExceptionsOfUnknownKindAreReportedToo) {
    QPushButton trigger(QStringLiteral("出错"));
    QObject::connect(&trigger, &QPushButton::clicked, [] { throw 42; });
    trigger.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&trigger));
    clickButton(&trigger);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("未知错误")));
    EXPECT_EQ(platform.endedWith, std::vector<int>{EXIT_FAILURE});
}

}  // namespace
}  // namespace biorhythm::ui::testing
