// The drop-down lists and the birth-date selector under real input.
#include <random>

#include "form_test.h"

using namespace biorhythm::ui;
using namespace biorhythm::ui::testing;

// What the first of two lists raises and ends with, in a window of a button
// (focused at the start) and the two lists. "off", "on" and "write" are the
// program's own writes, "away" visits another window and comes back.
TEST(DropDownList, RaisesClickForPicksAndGotFocusForMovesFromAnotherControlOnly) {
    // clang-format off
    for (const auto& [steps, events, index, text] : {
             std::tuple{"write off on", "", -1, "选择"},
             {"List#0 List#2", "List.GotFocus List.Click List.Click", 2, "30"},
             {"Tab Down*2", "List.GotFocus List.Click List.Click", 1, "20"},
             {"Tab >5", "List.GotFocus", -1, "5"},
             {"List#0 Backspace >0 Return Tab", "List.GotFocus List.Click Other.GotFocus", -1, "10"},
             {"List#0 Backspace*2 >2 Return", "List.GotFocus List.Click", -1, "2"},
             {"List#1 Home >1x", "List.GotFocus List.Click", -1, "1x20"},
             {"off List#1 Tab", "Other.GotFocus", -1, "选择"},
             {"Tab off Tab Backtab", "List.GotFocus Other.GotFocus", -1, "选择"},
             {"Tab away", "List.GotFocus", -1, "选择"}}) {
        // clang-format on
        QWidget window;
        auto* const button = new QPushButton(&window);
        QStringList seen;
        for (const QString name : {"List", "Other"}) {
            auto* list = new DropDownList(&window);
            list->setObjectName(name);
            list->move(name == u"List" ? 50 : 200, 0);
            QObject::connect(list, &DropDownList::click,
                             [&seen, name] { seen << name + ".Click"; });
            QObject::connect(list, &DropDownList::gotFocus,
                             [&seen, name] { seen << name + ".GotFocus"; });
        }
        auto* const list = window.findChild<DropDownList*>(QStringLiteral("List"));
        const auto write = [list] {
            list->setText(QStringLiteral("选择"));
            list->removeAllItems();
            for (const QString item : {"10", "20", "30"}) list->appendItem(item);
        };
        write();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        for (const QString& step : QString::fromLatin1(steps).split(u' ')) {
            if (step == u"write") {
                write();
            } else if (step == u"off" || step == u"on") {
                list->setListEnabled(step == u"on");
            } else if (step == u"away") {
                QWidget elsewhere;
                elsewhere.show();
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

// Load closes month and day before the window shows; showing it brings the
// focus to the year list, as a move from elsewhere.
TEST(Form1, LoadsWithTheMonthAndDayListsClosedAndTheFocusComesToTheYearList) {
    FakePlatform platform;
    Form1 form(platform);
    for (const char* name : {"Combo2", "Combo3"})
        EXPECT_FALSE(form.findChild<QWidget*>(name)->isEnabled());
    QStringList seen;
    QObject::connect(form.findChild<DropDownList*>(QStringLiteral("Combo1")),
                     &DropDownList::gotFocus, [&seen] { seen << "Combo1.GotFocus"; });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(seen, QStringList{"Combo1.GotFocus"});
}

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
        EXPECT_TRUE(combo(3)->isEnabled() && combo(3)->listIndex() == -1);
        EXPECT_EQ(combo(3)->text(), QStringLiteral("选择日期"));
    }
}

TEST_F(SelectorTest, EnteringAnEarlierListStartsTheLaterOnesOver) {
    play("Combo1#80 Combo2#4 Combo3#11 Combo2@");
    EXPECT_TRUE(combo(3)->count() == 0 && !combo(3)->isEnabled());
    EXPECT_EQ(combo(3)->text(), QStringLiteral("选择日期"));
    play("Combo2#4 Combo3#11 Combo1@");
    EXPECT_EQ(combo(1)->listIndex(), 80);
    for (int n : {2, 3}) EXPECT_TRUE(!combo(n)->isEnabled() && combo(n)->listIndex() == -1) << n;
    EXPECT_EQ(combo(2)->text() + combo(3)->text(), QStringLiteral("选择月份选择日期"));
    play("Tab");
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
}

// A long seeded session of mixed user actions. After each one the lists are in
// one of the selector's states, the day list holds exactly the days of the
// month shown, and an analysis warns exactly when a choice is missing.
TEST_F(SelectorTest, ThousandsOfRandomUserActionsKeepItConsistent) {
    std::mt19937 random{20261206};
    auto below = [&random](int bound) {
        return std::uniform_int_distribution(0, bound - 1)(random);
    };
    int wholeDates = 0;
    for (int step = 0; step < 3000 && !HasFailure(); ++step) {
        // Half the time the list a user on the way to a whole date picks from next.
        int n = 1 + below(3);
        for (int next : {3, 2, 1}) {
            if (below(2) && combo(next)->isEnabled() && combo(next)->listIndex() == -1) n = next;
        }
        const QString pick =
            QStringLiteral("Combo%1#%2").arg(n).arg(below(qMax(1, combo(n)->count())));
        // clang-format off
        const QString actions[] = {pick, "Command1", pick, "Down", QStringLiteral("Combo%1@").arg(n), "Up",
                                   "Tab", "Backtab", ">1", "Backspace", "Command2"};
        // clang-format on
        const QString action = actions[below(16) % 11];
        const bool whole =
            combo(1)->listIndex() >= 0 && combo(2)->listIndex() >= 0 && combo(3)->listIndex() >= 0;
        const qsizetype warnings = platform.messages.size();
        play(action);
        if (action == u"Command1") {
            wholeDates += int{whole};
            ASSERT_EQ(platform.messages.size(), warnings + int{!whole}) << step;
        }
        const bool dayOpen = combo(3)->isEnabled();
        ASSERT_TRUE(combo(1)->isEnabled() && (combo(2)->isEnabled() || !dayOpen)) << step;
        if (dayOpen && combo(2)->listIndex() != -1) {
            const int year = 1900 + combo(1)->listIndex();
            const int month = combo(2)->listIndex() + 1;
            const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
            const int days = month == 2 ? 28 + int{leap} : 30 + ((month + month / 8) % 2);
            ASSERT_EQ(combo(3)->count(), days) << step;
            ASSERT_EQ(combo(3)->itemText(days - 1), QStringLiteral("%1日").arg(days)) << step;
        }
    }
    EXPECT_GT(wholeDates, 20) << "the session must finish dates, passing through every state";
}
