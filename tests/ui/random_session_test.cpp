// A long seeded session of mixed user actions: after every step the lists are
// in one of the selector's three states, the day list holds exactly the days
// of the month shown, and nothing raises an error.
#include <iostream>
#include <random>

#include "form_fixture.h"
#include "user_input.h"

namespace biorhythm::ui::testing {
namespace {

constexpr int kActions = 3000;

int daysIn(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

class RandomSessionTest : public FormTest {
protected:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }

    // Does one random thing a user could do; returns what, for failure messages.
    // The list a user on the way to a whole date would pick from next.
    DropDownList* nextToChoose() const {
        for (int n : {1, 2, 3}) {
            if (combo(n)->isEnabled() && combo(n)->listIndex() == -1) return combo(n);
        }
        return combo(3);
    }

    // Does one random thing a user could do; returns what, for failure messages.
    QString act() {
        DropDownList* const list = below(2) ? nextToChoose() : combo(1 + below(3));
        const int choice = below(100);
        if (choice < 20) {
            const int items = list->count();
            if (items == 0) {
                openAndCloseWithMouse(list);
            } else {
                pickWithMouse(list, below(items));
            }
            return QStringLiteral("mouse pick in ") + list->objectName();
        }
        if (choice < 38) {
            press(below(2) ? Qt::Key_Down : Qt::Key_Up);
            return QStringLiteral("arrow key");
        }
        if (choice < 46) {
            turnWheel(list, below(2) ? 1 : -1);
            return QStringLiteral("wheel over ") + list->objectName();
        }
        if (choice < 60) {
            press(below(3) ? Qt::Key_Tab : Qt::Key_Backtab);
            return QStringLiteral("Tab");
        }
        if (choice < 66) {
            clickIntoField(list);
            return QStringLiteral("click into ") + list->objectName();
        }
        if (choice < 72) {
            static const QString kPieces[] = {QStringLiteral("1"),  QStringLiteral("9"),
                                              QStringLiteral("年"), QStringLiteral("月"),
                                              QStringLiteral("日"), QStringLiteral("x")};
            type(kPieces[below(6)]);
            return QStringLiteral("typing");
        }
        if (choice < 75) {
            press(Qt::Key_Backspace);
            return QStringLiteral("backspace");
        }
        if (choice < 97) {
            analyse();
            return QStringLiteral("analyse");
        }
        clickButton(command(2));
        return QStringLiteral("clear");
    }

    void analyse() {
        const bool complete = combo(1)->listIndex() != -1 && combo(2)->listIndex() != -1 &&
                              combo(3)->listIndex() != -1;
        const std::size_t warnings = platform.messages.size();
        clickButton(command(1));
        EXPECT_EQ(platform.messages.size(), complete ? warnings : warnings + 1);
        if (complete) {
            ++completeAnalyses;
            EXPECT_TRUE(label(2)->text().startsWith(QStringLiteral("Zendrel：Hi，您好！")));
        }
    }

    void expectConsistent(const QString& action, int step) {
        SCOPED_TRACE(QStringLiteral("step %1, after %2").arg(step).arg(action).toStdString());
        const bool monthOpen = combo(2)->isEnabled();
        const bool dayOpen = combo(3)->isEnabled();
        ++visits[dayOpen ? 2 : monthOpen ? 1 : 0];
        ASSERT_TRUE(combo(1)->isEnabled());
        ASSERT_FALSE(dayOpen && !monthOpen) << "no state has the day list open alone";

        const int days = combo(3)->count();
        for (int i = 0; i < days; ++i) {
            ASSERT_EQ(combo(3)->itemText(i), QStringLiteral("%1日").arg(i + 1));
        }
        ASSERT_TRUE(days == 0 || (days >= 28 && days <= 31)) << days;
        if (dayOpen) {
            ASSERT_GT(days, 0);
            const int yearIndex = combo(1)->listIndex();
            const int monthIndex = combo(2)->listIndex();
            if (monthIndex != -1) {
                ASSERT_EQ(days, daysIn(yearIndex == -1 ? 1899 : 1900 + yearIndex, monthIndex + 1));
            }
        }
    }

    std::mt19937 random{20261206};
    int completeAnalyses = 0;
    int visits[3] = {};  // Year first, Month open, Day open
};

TEST_F(RandomSessionTest, ThousandsOfUserActionsKeepTheSelectorConsistent) {
    int analyses = 0;
    for (int step = 0; step < kActions; ++step) {
        const QString action = act();
        if (action == QLatin1String("analyse")) ++analyses;
        expectConsistent(action, step);
        if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure()) break;
    }
    // The session must really wander through every state and finish dates.
    EXPECT_GT(analyses, kActions / 10);
    EXPECT_GT(completeAnalyses, 20);
    for (int state = 0; state < 3; ++state) EXPECT_GT(visits[state], kActions / 20) << state;
    std::cout << kActions << " actions: " << analyses << " analyses (" << completeAnalyses
              << " of a whole date), steps in Year first / Month open / Day open: " << visits[0]
              << " / " << visits[1] << " / " << visits[2] << '\n';
}

}  // namespace
}  // namespace biorhythm::ui::testing
