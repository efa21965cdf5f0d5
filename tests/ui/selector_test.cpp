// The drop-down lists and the birth-date selector under real input.
#include "form_test.h"

namespace biorhythm::ui::testing {
namespace {

// What the first of two lists raises and ends with, in a window of a button,
// the two lists and, for "away", a second window; the button has the focus.
TEST(DropDownList, RaisesClickForPicksAndGotFocusForMovesFromAnotherControlOnly) {
    struct Row {
        const char* steps;  // "off", "on", "write": the program's own writes
        const char* events;
        int index;
        const char* text;
    };
    for (const auto& [steps, events, index, text] :
         {Row{"write off on", "", -1, "选择"},
          {"List#0 List#2", "List.GotFocus List.Click List.Click", 2, "30"},
          {"Tab Down*2", "List.GotFocus List.Click List.Click", 1, "20"},
          {"List#0 Backspace >0 Return Tab", "List.GotFocus List.Click Other.GotFocus", -1, "10"},
          {"List#0 Backspace*2 >2 Return", "List.GotFocus List.Click", -1, "2"},
          {"List#1 Home >1x", "List.GotFocus List.Click", -1, "1x20"},
          {"off List#1 Tab", "Other.GotFocus", -1, "选择"},
          {"Tab off Tab Backtab", "List.GotFocus Other.GotFocus", -1, "选择"},
          {"Tab away", "List.GotFocus", -1, "选择"}}) {
        QWidget window;
        QWidget elsewhere;
        auto* const button = new QPushButton(&window);
        QStringList seen;
        for (const char* name : {"Other", "List"}) {
            auto* list = new DropDownList(&window);
            list->setObjectName(QString::fromLatin1(name));
            list->setGeometry(name[0] == 'L' ? 50 : 200, 0, 120, 24);
            QObject::connect(list, &DropDownList::click,
                             [&seen, name] { seen << QStringLiteral("%1.Click").arg(name); });
            QObject::connect(list, &DropDownList::gotFocus,
                             [&seen, name] { seen << QStringLiteral("%1.GotFocus").arg(name); });
        }
        auto* const list = window.findChild<DropDownList*>(QStringLiteral("List"));
        QWidget::setTabOrder(button, list);
        for (const char* item : {"10", "20", "30"}) list->appendItem(QString::fromLatin1(item));
        list->setText(QStringLiteral("选择"));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        for (const QString& step : QString::fromLatin1(steps).split(u' ')) {
            if (step == u"write") {
                list->setText(QStringLiteral("选择"));
                list->removeAllItems();
                for (const char* item : {"10", "20", "30"})
                    list->appendItem(QString::fromLatin1(item));
            } else if (step == u"off" || step == u"on") {
                list->setListEnabled(step == u"on");
            } else if (step == u"away") {
                elsewhere.show();
                elsewhere.activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
                window.activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            } else {
                play(&window, step);
            }
        }
        EXPECT_EQ(seen.join(u' ').toStdString(), events) << steps;
        EXPECT_EQ(list->listIndex(), index) << steps;
        EXPECT_EQ(list->text(), QString::fromUtf8(text)) << steps;
        EXPECT_EQ(list->count(), 3) << steps;
    }
}

using SelectorTest = FormTest;

TEST_F(SelectorTest, TheDayListFollowsTheMonthAndTheLeapYearRule) {
    EXPECT_TRUE(combo(1)->hasFocus() && !combo(2)->isEnabled() && !combo(3)->isEnabled());
    for (const auto& [year, month, days] : {std::tuple{1900, 2, 28},
                                            {1904, 2, 29},
                                            {2000, 2, 29},
                                            {2009, 2, 28},
                                            {2000, 1, 31},
                                            {2000, 4, 30},
                                            {2000, 12, 31},
                                            {2000, 9, 30}}) {
        play(QStringLiteral("Combo1#%1 Combo2#%2").arg(year - 1900).arg(month - 1));
        ASSERT_EQ(combo(3)->count(), days) << year << "-" << month;
        EXPECT_EQ(combo(3)->itemText(days - 1), QStringLiteral("%1日").arg(days));
        EXPECT_EQ(combo(3)->text(), QStringLiteral("选择日期"));
        EXPECT_EQ(combo(3)->listIndex(), -1);
        EXPECT_TRUE(combo(3)->isEnabled());
    }
}

TEST_F(SelectorTest, EnteringAnEarlierListStartsTheLaterOnesOver) {
    play("Combo1#80 Combo2#4 Combo3#11 Combo2@");
    EXPECT_EQ(combo(3)->count(), 0);
    EXPECT_FALSE(combo(3)->isEnabled());
    EXPECT_EQ(combo(3)->text(), QStringLiteral("选择日期"));
    play("Combo2#4 Combo3#11 Combo1@");
    EXPECT_EQ(combo(1)->listIndex(), 80);
    for (int n : {2, 3}) EXPECT_TRUE(!combo(n)->isEnabled() && combo(n)->listIndex() == -1) << n;
    EXPECT_EQ(combo(2)->text() + combo(3)->text(), QStringLiteral("选择月份选择日期"));
    play("Tab");
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
}

}  // namespace
}  // namespace biorhythm::ui::testing
