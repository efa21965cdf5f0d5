// The window under real input: what each road through it raises, and where it
// leaves the lists and the desktop.
#include <QAccessible>
#include <QLineEdit>
#include <QUrl>
#include <random>

#include "form_test.h"

using namespace biorhythm::ui::testing;

// A road: its steps, then the desktop's log on it and the lists after it.
using Road = std::array<const char*, 2>;
class RoadTest : public FormTest, public ::testing::WithParamInterface<Road> {};

TEST_P(RoadTest, LogsAndLeavesTheListsAsExpected) {
    play(QString::fromUtf8(GetParam()[0]));
    EXPECT_EQ((platform.log.join(u' ') + " | " + lists()).toStdString(), GetParam()[1]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Roads, RoadTest, ::testing::ValuesIn(std::vector<Road>{
    // Picks with the arrow keys (the mouse picks below, from a list with and
    // without the focus); the day list rebuilt for each month, 2000 a leap year
    // as every fourth century is.
    {"Combo1#100 Tab Down*2", "Click1 GotFocus2 Click2 Click2 | 2000年#100 2月#1 选择日期 /29 Combo2"},
    // Typing is no pick, even of an item's text and on Return or leaving; it
    // keeps the cursor and is not completed.
    {"Combo1#80 Tab >5", "Click1 GotFocus2 | 1980年#80 5 选择日期- /0 Combo2"},
    {"Combo1#0 Home Delete >1 Return Tab", "Click1 GotFocus2 | 1900年 选择月份 选择日期- /0 Combo2"},
    // The program moving the focus and another window's visit raise nothing.
    {"Combo1#80 Combo1- Combo1+ Backtab", "Click1 GotFocus1 | 1980年#80 选择月份- 选择日期- /0 Combo1"},
    {"Combo1#80 Combo2#4 away", "Click1 GotFocus2 Click2 | 1980年#80 5月#4 选择日期 /31 Combo2"},
    // A click on a list not yet open raises nothing.
    {"Combo2#3 Combo3@ Combo2@", " | 选择年份 选择月份- 选择日期- /0 Combo1"},
    // Entering an earlier list starts the later ones over.
    {"Combo1#80 Combo2#4 Combo3#11 Combo2@",
     "Click1 GotFocus2 Click2 GotFocus3 Click3 GotFocus2 | 1980年#80 5月#4 选择日期- /0 Combo2"},
    {"Combo1#80 Combo2#4 Combo3#11 Combo1@ Tab",
     "Click1 GotFocus2 Click2 GotFocus3 Click3 GotFocus1 | 1980年#80 选择月份- 选择日期- /31 Command1"},
    // Analysing warns for the first missing choice.
    {"Command1 Combo1#0 Command1 Combo2#0 Command1 Combo1@ Command1",
     "!请选择您的阳历出生年份！ GotFocus1 Click1 !请选择您的阳历出生月份！ GotFocus2 Click2 !请选择您的阳历出生日期！ "
     "GotFocus1 !请选择您的阳历出生月份！ | 1900年#0 选择月份- 选择日期- /31 Command1"},
    // The home page opens each time, a browser that cannot start is reported,
    // and the exit button ends the program.
    {"Command4 Command4 Command3", "launch explorer.exe " BIORHYTHM_HOME_PAGE " launch explorer.exe " BIORHYTHM_HOME_PAGE
     " !无法打开主页 " BIORHYTHM_HOME_PAGE "。\n\n原因：找不到程序 xdg-open exit 0 | 选择年份 选择月份- 选择日期- /0 Command3"}}));
// clang-format on

// A long seeded session of mixed user actions. After each one the lists are in
// one of the selector's states, the day list holds exactly the days of the
// month shown, and an analysis warns exactly when a choice is missing.
TEST_F(FormTest, ThousandsOfRandomUserActionsKeepItConsistent) {
    std::mt19937 random{20261206};
    const auto below = [&random](int bound) { return static_cast<int>(random() % bound); };
    for (int step = 0; step < 3000 && !HasFailure(); ++step) {
        // Half the time the list a user on the way to a whole date picks from next.
        int n = 1 + below(3);
        for (int next : {3, 2, 1})
            if (below(2) && combo(next)->isEnabled() && combo(next)->listIndex() == -1) n = next;
        const QString pick =
            QStringLiteral("Combo%1#%2").arg(n).arg(below(qMax(1, combo(n)->count())));
        // clang-format off
        const QString action = QStringList{pick, "Command1", pick, "Down", QStringLiteral("Combo%1@").arg(n), "Up",
                                           "Tab", "Backtab", ">1", "Backspace", "Command2"}[below(16) % 11];
        // clang-format on
        const bool whole =
            combo(1)->listIndex() >= 0 && combo(2)->listIndex() >= 0 && combo(3)->listIndex() >= 0;
        platform.log.clear();
        play(action);
        ASSERT_EQ(platform.log.join(u' ').contains(u'!'), action == u"Command1" && !whole) << step;
        const bool dayOpen = combo(3)->isEnabled();
        ASSERT_TRUE(combo(1)->isEnabled() && (combo(2)->isEnabled() || !dayOpen)) << step;
        if (dayOpen && combo(2)->listIndex() != -1) {
            const int days =
                QDate(1900 + combo(1)->listIndex(), combo(2)->listIndex() + 1, 1).daysInMonth();
            ASSERT_EQ(combo(3)->count(), days) << step;
            ASSERT_EQ(combo(3)->itemText(days - 1), QStringLiteral("%1日").arg(days)) << step;
        }
    }
}

// What a screen reader meets: the window's controls in reading order, each by
// its role, name and description; a list, named by what it asks for, whose
// value is its text, and which opens and closes as the reader asks.
TEST_F(FormTest, AScreenReaderMeetsTheControlsInReadingOrder) {
    QAccessibleInterface* const window = QAccessible::queryAccessibleInterface(form.get());
    QStringList met;
    for (int i = 0; i < window->childCount(); ++i) {
        EXPECT_EQ(window->indexOfChild(window->child(i)), i);
        met << window->child(i)->text(QAccessible::Name) + "/" +
                   window->child(i)->text(QAccessible::Description);
    }
    EXPECT_EQ(
        met.join(u' ') + " " + QString::number(window->role()),
        "生日信息录入/ 出生年份/ 出生月份/ 出生日期/ 智力周期分析/ 情绪周期分析/ 体力周期分析/ "
        "节律分析/根据所选的出生日期分析您今天的生物节律 清空数据/清空所选的出生日期和分析结果 "
        "退出程序/退出本程序 程序说明/ 科学依据/ 访问Zendrel庄园：" +
            QUrl(QStringLiteral(BIORHYTHM_HOME_PAGE)).host() + "/在浏览器中打开Zendrel庄园的主页 " +
            QString::number(QAccessible::Window));
    EXPECT_EQ(met.size(), form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size());

    QAccessibleInterface* const year = window->child(1);
    play("Down");
    EXPECT_EQ(year->text(QAccessible::Value) + year->text(QAccessible::Name), "1900年出生年份");
    EXPECT_EQ(year->role(), QAccessible::ComboBox);
    EXPECT_EQ(year->childCount(), 2);
    EXPECT_EQ(year->child(0)->object(), combo(1)->view());
    EXPECT_EQ(year->child(1)->object(), combo(1)->lineEdit());
    for (int i : {0, 1}) EXPECT_EQ(year->indexOfChild(year->child(i)), i);
    // Neither knows what is not its child.
    EXPECT_EQ(
        window->indexOfChild(nullptr) + year->indexOfChild(nullptr) + year->indexOfChild(window),
        -3);
    for (bool open : {true, false}) {
        year->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        EXPECT_TRUE(QTest::qWaitFor([&] { return combo(1)->view()->isVisible() == open; }));
        const QAccessible::State state = year->state();
        EXPECT_TRUE(state.expandable && state.editable && state.expanded == open);
    }
}
