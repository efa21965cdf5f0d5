// A long seeded session of mixed user actions. After each one the lists are in
// one of the selector's states, the day list holds exactly the days of the
// month shown, and an analysis warns exactly when a choice is missing.
#include <random>

#include "form_test.h"

namespace biorhythm::ui::testing {
namespace {

using RandomSessionTest = FormTest;

TEST_F(RandomSessionTest, ThousandsOfUserActionsKeepTheSelectorConsistent) {
    std::mt19937 random{20261206};
    auto below = [&random](int bound) {
        return std::uniform_int_distribution(0, bound - 1)(random);
    };
    int wholeDates = 0;
    std::array<int, 3> visits{};  // steps with only the year, the month, the day list open
    for (int step = 0; step < 3000 && !HasFailure(); ++step) {
        // Half the time the list a user on the way to a whole date picks from next.
        int n = 1 + below(3);
        for (int next : {3, 2, 1}) {
            if (below(2) && combo(next)->isEnabled() && combo(next)->listIndex() == -1) n = next;
        }
        const QString pick =
            QStringLiteral("Combo%1#%2").arg(n).arg(below(std::max(1, combo(n)->count())));
        const QString steps[] = {
            pick,      "Command1", pick,      "Down", QStringLiteral("Combo%1@").arg(n),
            "Up",      "Tab",      "Backtab", ">1",   "Backspace",
            "Command2"};
        const QString action = steps[below(16) % 11];
        const bool whole = combo(1)->listIndex() != -1 && combo(2)->listIndex() != -1 &&
                           combo(3)->listIndex() != -1;
        const qsizetype warnings = platform.messages.size();
        if (combo(n)->count() > 0 || !action.contains(u'#')) play(action);
        if (action == u"Command1") {
            wholeDates += int{whole};
            ASSERT_EQ(platform.messages.size(), warnings + int{!whole}) << step;
        }
        const int monthIndex = combo(2)->listIndex();
        const bool dayOpen = combo(3)->isEnabled();
        ++visits.at(dayOpen ? 2 : combo(2)->isEnabled() ? 1 : 0);
        ASSERT_TRUE(combo(1)->isEnabled() && (combo(2)->isEnabled() || !dayOpen)) << step;
        if (dayOpen && monthIndex != -1) {
            const int year = 1900 + combo(1)->listIndex();
            const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
            const int month = monthIndex + 1;
            const int days = month == 2 ? 28 + int{leap} : 30 + ((month + month / 8) % 2);
            ASSERT_EQ(combo(3)->count(), days) << step;
            ASSERT_EQ(combo(3)->itemText(days - 1), QStringLiteral("%1日").arg(days)) << step;
        }
    }
    // The session must really wander through every state and finish dates.
    EXPECT_GT(wholeDates, 20);
    for (int state : visits) EXPECT_GT(state, 150);
}

}  // namespace
}  // namespace biorhythm::ui::testing
