// The clear, exit and home-page buttons, pressed as a user presses them.
#include <QUrl>

#include "form_fixture.h"
#include "user_input.h"

namespace biorhythm::ui::testing {
namespace {

const QString kClearHint = QStringLiteral("小提示：点击“开始分析”按钮后系统将给出分析结果！！");

class HousekeepingTest : public FormTest {
protected:
    struct Snapshot {
        QStringList texts;
        QList<int> indexes;
        QList<bool> enabled;
        QList<int> counts;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() const {
        Snapshot state;
        for (int n : {1, 2, 3}) {
            state.texts << combo(n)->text();
            state.indexes << combo(n)->listIndex();
            state.enabled << combo(n)->isEnabled();
            state.counts << combo(n)->count();
        }
        for (CaptionLabel* text : form->findChildren<CaptionLabel*>()) state.texts << text->text();
        return state;
    }
    void analyseTheExample() {
        pickWithMouse(combo(1), 80);
        pickWithMouse(combo(2), 4);
        pickWithMouse(combo(3), 11);
        clickButton(command(1));
    }
};

TEST_F(HousekeepingTest, AClearRightAfterStartChangesOnlyTheHint) {
    Snapshot expected = snapshot();
    clickButton(command(2));
    Snapshot after = snapshot();
    EXPECT_EQ(label(2)->text(), kClearHint);
    expected.texts.replace(expected.texts.indexOf(QStringLiteral(
                               "小提示：录入信息后，点击“节律分析”按钮即可查看分析结果！！")),
                           kClearHint);
    EXPECT_EQ(after, expected);
}

TEST_F(HousekeepingTest, AClearAfterAnAnalysisPutsTheHintsAndPlaceholdersBack) {
    analyseTheExample();
    clickButton(command(2));
    EXPECT_EQ(label(2)->text(), kClearHint);
    EXPECT_EQ(label(3)->text(), QStringLiteral("猜猜您近日的智力状况会是什么等级？"));
    EXPECT_EQ(label(5)->text(), QStringLiteral("猜猜您近日的情绪状况会是什么等级？"));
    EXPECT_EQ(label(7)->text(), QStringLiteral("猜猜您近日的体力状况会是什么等级？"));
    EXPECT_EQ(label(3)->height(), label(4)->height()) << "back to one line";
    const char* placeholders[] = {"选择年份", "选择月份", "选择日期"};
    for (int n : {1, 2, 3}) {
        EXPECT_EQ(combo(n)->text(), QString::fromUtf8(placeholders[n - 1]));
        EXPECT_EQ(combo(n)->listIndex(), -1);
        EXPECT_EQ(combo(n)->isEnabled(), n == 1);
    }
    clickButton(command(1));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("请选择您的阳历出生年份！"));
    EXPECT_EQ(label(2)->text(), kClearHint) << "the warning leaves the hints";
}

TEST_F(HousekeepingTest, TwoClearsEqualOne) {
    analyseTheExample();
    clickButton(command(2));
    const Snapshot once = snapshot();
    clickButton(command(2));
    EXPECT_EQ(snapshot(), once);
}

TEST_F(HousekeepingTest, TheDayItemsWaitInTheClosedListUntilTheMonthListIsEntered) {
    analyseTheExample();
    clickButton(command(2));
    EXPECT_EQ(combo(3)->count(), 31);
    EXPECT_FALSE(combo(3)->isEnabled());
    pickWithMouse(combo(1), 100);
    EXPECT_TRUE(combo(2)->isEnabled()) << "a year pick opens the month list again";
    EXPECT_EQ(combo(3)->count(), 31);
    clickIntoField(combo(2));
    EXPECT_EQ(combo(3)->count(), 0);
    EXPECT_FALSE(combo(3)->isEnabled());
}

TEST_F(HousekeepingTest, ExitEndsTheProgramWithSuccessFromAnyState) {
    clickButton(command(3));
    analyseTheExample();
    clickButton(command(3));
    EXPECT_EQ(platform.endedWith, (std::vector<int>{0, 0}));
}

TEST_F(HousekeepingTest, EveryPressOfTheHomePageButtonLaunchesTheBrowserOnce) {
    analyseTheExample();
    const Snapshot before = snapshot();
    for (int i = 0; i < 3; ++i) clickButton(command(4));
    ASSERT_EQ(platform.launches.size(), 3u);
    for (const QString& commandLine : platform.launches) {
        EXPECT_EQ(commandLine, QStringLiteral("explorer.exe " BIORHYTHM_HOME_PAGE));
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(snapshot(), before) << "the window stays as it was";
}

TEST_F(HousekeepingTest, ABrowserThatCannotStartIsReportedAndTheProgramGoesOn) {
    analyseTheExample();
    const Snapshot before = snapshot();
    platform.launchFailure = "找不到程序 xdg-open";
    clickButton(command(4));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].look, Platform::Look::Warning);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("无法打开主页 " BIORHYTHM_HOME_PAGE
                                                        "。\n\n原因：找不到程序 xdg-open"));
    EXPECT_TRUE(platform.endedWith.empty());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HousekeepingTest, TheHomePageCaptionNamesTheHost) {
    const QString host = QUrl(QStringLiteral(BIORHYTHM_HOME_PAGE)).host();
    ASSERT_FALSE(host.isEmpty());
    EXPECT_EQ(command(4)->text(), QStringLiteral("访问Zendrel庄园：") + host);
}

}  // namespace
}  // namespace biorhythm::ui::testing
