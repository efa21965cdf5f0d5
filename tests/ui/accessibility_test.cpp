// What a screen reader gets from the window: names, roles and descriptions of
// the controls, and the results as the labels show them.
#include <QAccessible>

#include "form_fixture.h"
#include "user_input.h"

namespace biorhythm::ui::testing {
namespace {

using AccessibilityTest = FormTest;

QAccessibleInterface* readerView(QObject* control) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(control);
    EXPECT_NE(view, nullptr);
    return view;
}

TEST_F(AccessibilityTest, EveryListAndButtonSaysWhatItIsFor) {
    const char* lists[] = {"出生年份", "出生月份", "出生日期"};
    for (int n : {1, 2, 3}) {
        QAccessibleInterface* view = readerView(combo(n));
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->role(), QAccessible::ComboBox);
        // Qt on Linux names an editable list by its text; the purpose goes in
        // the description.
        EXPECT_EQ(view->text(QAccessible::Description), QString::fromUtf8(lists[n - 1]));
        EXPECT_EQ(view->text(QAccessible::Value), combo(n)->text());
    }
    for (int n : {1, 2, 3, 4}) {
        QAccessibleInterface* view = readerView(command(n));
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->role(), QAccessible::Button);
        EXPECT_EQ(view->text(QAccessible::Name), command(n)->text());
        EXPECT_FALSE(view->text(QAccessible::Description).isEmpty()) << n;
    }
}

TEST_F(AccessibilityTest, TheResultsReadAsTheyAreShown) {
    pickWithMouse(combo(1), 80);
    pickWithMouse(combo(2), 4);
    pickWithMouse(combo(3), 11);
    clickButton(command(1));
    for (int n : {2, 3, 5, 7}) {
        QAccessibleInterface* view = readerView(label(n));
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->role(), QAccessible::StaticText);
        EXPECT_EQ(view->text(QAccessible::Name), label(n)->text()) << n;
    }
    EXPECT_TRUE(readerView(label(3))->text(QAccessible::Name).contains(QStringLiteral("聪慧")));
}

}  // namespace
}  // namespace biorhythm::ui::testing
