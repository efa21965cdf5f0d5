// The birth-date selector under real input: the lists open in the order year,
// month, day, and the day list follows the month and the leap-year rule.
#include "form_fixture.h"
#include "user_input.h"

namespace biorhythm::ui::testing {
namespace {

class SelectorTest : public FormTest {
protected:
    QStringList dayItems() const {
        QStringList items;
        for (int i = 0; i < combo(3)->count(); ++i) items << combo(3)->itemText(i);
        return items;
    }
    static QStringList daysUpTo(int last) {
        QStringList days;
        for (int day = 1; day <= last; ++day) days << QStringLiteral("%1日").arg(day);
        return days;
    }
    void pickYearAndMonth(int year, int month) {
        pickWithMouse(combo(1), year - 1900);
        pickWithMouse(combo(2), month - 1);
    }
    void expectFreshDayList(int days) {
        EXPECT_EQ(dayItems(), daysUpTo(days));
        EXPECT_EQ(combo(3)->text(), QStringLiteral("选择日期"));
        EXPECT_EQ(combo(3)->listIndex(), -1);
        EXPECT_TRUE(combo(3)->isEnabled());
    }
};

TEST_F(SelectorTest, AYearPickOpensOnlyTheMonthList) {
    pickWithMouse(combo(1), 80);
    EXPECT_EQ(combo(1)->text(), QStringLiteral("1980年"));
    EXPECT_TRUE(combo(2)->isEnabled());
    EXPECT_FALSE(combo(3)->isEnabled());
    EXPECT_EQ(combo(3)->count(), 0);
}

TEST_F(SelectorTest, FebruaryFollowsTheLeapYearRule) {
    for (const auto& [year, days] :
         {std::pair{1900, 28}, {1904, 29}, {2000, 29}, {2009, 28}, {1999, 28}}) {
        pickYearAndMonth(year, 2);
        expectFreshDayList(days);
        EXPECT_EQ(combo(3)->itemText(combo(3)->count() - 1), QStringLiteral("%1日").arg(days))
            << year;
    }
}

TEST_F(SelectorTest, LongAndShortMonths) {
    pickWithMouse(combo(1), 100);
    for (const auto& [month, days] : {std::pair{1, 31},
                                      {4, 30},
                                      {10, 31},
                                      {11, 30},
                                      {12, 31},
                                      {6, 30},
                                      {7, 31},
                                      {8, 31},
                                      {9, 30}}) {
        pickWithMouse(combo(2), month - 1);
        expectFreshDayList(days);
    }
}

TEST_F(SelectorTest, RepickingAfterADayWasChosenRebuildsFromEmpty) {
    pickYearAndMonth(2000, 1);
    pickWithMouse(combo(3), 30);
    EXPECT_EQ(combo(3)->text(), QStringLiteral("31日"));
    for (int month : {2, 3, 2, 2, 12}) {  // also the month that is already chosen
        pickWithMouse(combo(2), month - 1);
        expectFreshDayList(month == 2 ? 29 : 31);
        EXPECT_LE(combo(3)->count(), 31);
        EXPECT_EQ(dayItems().removeDuplicates(), 0);
    }
}

TEST_F(SelectorTest, ArrowKeysPickAndRebuildToo) {
    pickWithMouse(combo(1), 104);  // 2004
    press(Qt::Key_Tab);
    ASSERT_TRUE(combo(2)->hasFocus());
    press(Qt::Key_Down);  // 1月
    press(Qt::Key_Down);  // 2月
    EXPECT_EQ(combo(2)->text(), QStringLiteral("2月"));
    expectFreshDayList(29);
    turnWheel(combo(2), -1);  // 3月
    expectFreshDayList(31);
}

TEST_F(SelectorTest, EnteringTheYearListStartsMonthAndDayOver) {
    pickYearAndMonth(1980, 5);
    pickWithMouse(combo(3), 11);
    clickIntoField(combo(1));
    EXPECT_EQ(combo(1)->text(), QStringLiteral("1980年"));
    EXPECT_EQ(combo(1)->listIndex(), 80) << "the year stays as chosen";
    EXPECT_EQ(combo(2)->text(), QStringLiteral("选择月份"));
    EXPECT_EQ(combo(2)->listIndex(), -1);
    EXPECT_FALSE(combo(2)->isEnabled());
    EXPECT_EQ(combo(3)->text(), QStringLiteral("选择日期"));
    EXPECT_EQ(combo(3)->listIndex(), -1);
    EXPECT_FALSE(combo(3)->isEnabled());
    EXPECT_EQ(combo(3)->count(), 31) << "the day items stay, out of reach";
    press(Qt::Key_Tab);
    EXPECT_TRUE(command(1)->hasFocus()) << "Tab skips the closed lists";
    pickWithMouse(combo(1), 81);
    EXPECT_TRUE(combo(2)->isEnabled()) << "a year pick opens the month list again";
    EXPECT_FALSE(combo(3)->isEnabled());
}

TEST_F(SelectorTest, EnteringTheMonthListAndLeavingEmptiesTheDayList) {
    pickYearAndMonth(1980, 5);
    pickWithMouse(combo(3), 11);
    clickIntoField(combo(2));
    press(Qt::Key_Tab);  // Combo3 is disabled now: on to the analyse button
    EXPECT_TRUE(command(1)->hasFocus());
    EXPECT_EQ(combo(3)->count(), 0);
    EXPECT_EQ(combo(3)->text(), QStringLiteral("选择日期"));
    EXPECT_FALSE(combo(3)->isEnabled());
    EXPECT_EQ(combo(2)->text(), QStringLiteral("5月"));
    EXPECT_EQ(combo(2)->listIndex(), 4);
}

TEST_F(SelectorTest, GoingBackAndForthByKeyboardAlone) {
    press(Qt::Key_Down);  // 1900年
    press(Qt::Key_Tab);
    press(Qt::Key_Down);  // 1月
    press(Qt::Key_Tab);
    ASSERT_TRUE(combo(3)->hasFocus());
    press(Qt::Key_Backtab);  // back into the month list: the day list starts over
    EXPECT_TRUE(combo(2)->hasFocus());
    EXPECT_FALSE(combo(3)->isEnabled());
    EXPECT_EQ(combo(3)->count(), 0);
    press(Qt::Key_Backtab);  // back into the year list: month and day start over
    EXPECT_TRUE(combo(1)->hasFocus());
    EXPECT_FALSE(combo(2)->isEnabled());
    EXPECT_EQ(combo(2)->listIndex(), -1);
}

}  // namespace
}  // namespace biorhythm::ui::testing
