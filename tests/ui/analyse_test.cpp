// The analyse button from the user's side: the whole road to the result, and
// the warnings for what is missing.
#include "form_fixture.h"
#include "user_input.h"

namespace biorhythm::ui::testing {
namespace {

const QString kGreeting =
    QStringLiteral("Zendrel：Hi，您好！ 您的生日为：1980年5月12日，您已出生了：16013天。");
const QString kIntellect = QStringLiteral(
    "您当前正处于第 486 个智力周期中（每 33 天为一个智力周期）\r\n\r\n"
    "您今天的智力状况评价等级：聪慧    变化趋势分析：不久将下滑");
const QString kEmotion = QStringLiteral(
    "您当前正处于第 572 个情绪周期中（每 28 天为一个情绪周期）\r\n\r\n"
    "您今天的情绪状况评价等级：欠佳    变化趋势分析：不断提高中");
const QString kPhysical = QStringLiteral(
    "您当前正处于第 697 个体力周期中（每 23 天为一个体力周期）\r\n\r\n"
    "您今天的体力状况评价等级：充沛    变化趋势分析：不久将下滑");

class AnalyseTest : public FormTest {
protected:
    void expectWorkedExample() {
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(label(2)->text(), kGreeting);
        EXPECT_EQ(label(3)->text(), kIntellect);
        EXPECT_EQ(label(5)->text(), kEmotion);
        EXPECT_EQ(label(7)->text(), kPhysical);
        for (const auto& [result, note] : {std::pair{3, 4}, {5, 6}, {7, 8}}) {
            const int line = label(result)->fontMetrics().lineSpacing();
            EXPECT_GE(label(result)->height(), 3 * line) << "three lines in Label" << result;
            EXPECT_LT(label(result)->height(), 4 * line) << "three lines in Label" << result;
            EXPECT_LT(label(result)->geometry().bottom(), label(note)->y());
        }
        EXPECT_EQ(label(2)->height(), label(2)->fontMetrics().lineSpacing()) << "one line";
    }
    QStringList captions() const {
        return {label(2)->text(), label(3)->text(), label(5)->text(), label(7)->text()};
    }
    void expectWarning(const char* text) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, QString::fromUtf8(text));
        EXPECT_EQ(platform.messages[0].look, Platform::Look::Warning);
        platform.messages.clear();
    }
};

TEST_F(AnalyseTest, TheWholeRoadWithTheMouse) {
    pickWithMouse(combo(1), 80);
    pickWithMouse(combo(2), 4);
    pickWithMouse(combo(3), 11);
    clickButton(command(1));
    expectWorkedExample();
    EXPECT_TRUE(form->grab().save(QStringLiteral(BIORHYTHM_PICTURE_DIR "/form1-analysis.png")));
}

TEST_F(AnalyseTest, TheWholeRoadByKeyboardAlone) {
    for (int i = 0; i <= 80; ++i) press(Qt::Key_Down);
    press(Qt::Key_Tab);
    for (int i = 0; i <= 4; ++i) press(Qt::Key_Down);
    press(Qt::Key_Tab);
    for (int i = 0; i <= 11; ++i) press(Qt::Key_Down);
    press(Qt::Key_Tab);
    ASSERT_TRUE(command(1)->hasFocus());
    press(Qt::Key_Space);
    expectWorkedExample();
}

TEST_F(AnalyseTest, WarningsComeInOrderAndChangeNothing) {
    const QStringList atStart = captions();
    clickButton(command(1));
    expectWarning("请选择您的阳历出生年份！");
    pickWithMouse(combo(1), 80);
    clickButton(command(1));
    expectWarning("请选择您的阳历出生月份！");
    pickWithMouse(combo(2), 4);
    clickButton(command(1));
    expectWarning("请选择您的阳历出生日期！");
    EXPECT_EQ(captions(), atStart);
    EXPECT_EQ(combo(1)->text(), QStringLiteral("1980年"));
    EXPECT_EQ(combo(2)->text(), QStringLiteral("5月"));
    EXPECT_TRUE(combo(3)->isEnabled());
}

TEST_F(AnalyseTest, AWarningKeepsTheTextsOfAnEarlierAnalysis) {
    pickWithMouse(combo(1), 80);
    pickWithMouse(combo(2), 4);
    pickWithMouse(combo(3), 11);
    clickButton(command(1));
    const QStringList analysed = captions();
    clickIntoField(combo(2));  // entering the month list takes the day away
    clickButton(command(1));
    expectWarning("请选择您的阳历出生日期！");
    EXPECT_EQ(captions(), analysed);
}

TEST_F(AnalyseTest, ATypedTextIsNoChoice) {
    clickIntoField(combo(1));
    type(QStringLiteral("1980年"));
    clickButton(command(1));
    expectWarning("请选择您的阳历出生年份！");

    pickWithMouse(combo(1), 80);
    pickWithMouse(combo(2), 4);
    pickWithMouse(combo(3), 11);
    press(Qt::Key_Backspace);
    type(QStringLiteral("日"));  // the same text again, now typed
    clickButton(command(1));
    expectWarning("请选择您的阳历出生日期！");

    pickWithMouse(combo(3), 11);
    clickIntoField(combo(2));
    press(Qt::Key_End);
    type(QStringLiteral("x"));
    clickButton(command(1));
    expectWarning("请选择您的阳历出生月份！");
}

TEST_F(AnalyseTest, PressingAgainOnAnotherDayWritesTheNewCount) {
    pickWithMouse(combo(1), 80);
    pickWithMouse(combo(2), 4);
    pickWithMouse(combo(3), 11);
    clickButton(command(1));
    platform.todayIs = std::chrono::year{2024} / 3 / 16;
    clickButton(command(1));
    EXPECT_TRUE(label(2)->text().endsWith(QStringLiteral("16014天。")))
        << label(2)->text().toStdString();
    EXPECT_TRUE(label(3)->text().endsWith(QStringLiteral("：聪慧    变化趋势分析：不久将下滑")));
    EXPECT_TRUE(label(5)->text().endsWith(QStringLiteral("：欠佳    变化趋势分析：不断提高中")));
}

TEST_F(AnalyseTest, ABirthDateAfterTodayGivesNegativeCountsWithoutRatings) {
    platform.todayIs = std::chrono::year{2009} / 12 / 1;
    pickWithMouse(combo(1), 109);
    pickWithMouse(combo(2), 11);
    pickWithMouse(combo(3), 30);
    clickButton(command(1));
    EXPECT_TRUE(label(2)->text().endsWith(QStringLiteral("2009年12月31日，您已出生了：-30天。")));
    EXPECT_TRUE(label(3)->text().endsWith(QStringLiteral("评价等级：")));
    EXPECT_TRUE(label(5)->text().startsWith(QStringLiteral("您当前正处于第 -1 个")));
}

}  // namespace
}  // namespace biorhythm::ui::testing
