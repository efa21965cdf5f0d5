// The drop-down list contract, under real input: picks raise Click, focus
// from another control raises GotFocus, nothing else raises either.
#include "drop_down_list.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "qt_printers.h"
#include "user_input.h"

namespace biorhythm::ui::testing {
namespace {

class DropDownListTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(400, 200);
        before = new QPushButton(QStringLiteral("前"), window.get());
        before->setGeometry(10, 10, 60, 24);
        list = new DropDownList(window.get());
        list->setGeometry(80, 10, 120, 24);
        other = new DropDownList(window.get());
        other->setGeometry(210, 10, 120, 24);
        for (const char* item : {"1月", "2月", "3月"}) list->appendItem(QString::fromUtf8(item));
        other->appendItem(QStringLiteral("甲"));
        list->setText(QStringLiteral("选择月份"));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        before->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(waitFor([this] { return before->hasFocus(); }));
        events.clear();
        record(list, "Click");
        record(list, "GotFocus");
    }

    void record(DropDownList* source, const char* name) {
        const QString event = QString::fromLatin1(name);
        if (event == QLatin1String("Click")) {
            QObject::connect(source, &DropDownList::click, [this, event] { events << event; });
        } else {
            QObject::connect(source, &DropDownList::gotFocus, [this, event] { events << event; });
        }
    }

    std::unique_ptr<QWidget> window;
    QPushButton* before = nullptr;
    DropDownList* list = nullptr;
    DropDownList* other = nullptr;
    QStringList events;
};

TEST_F(DropDownListTest, ProgramWritesRaiseNothing) {
    list->setText(QStringLiteral("选择月份"));
    list->removeAllItems();
    list->appendItem(QStringLiteral("1日"));
    list->appendItem(QStringLiteral("2日"));
    list->setListEnabled(false);
    list->setListEnabled(true);
    EXPECT_TRUE(events.isEmpty()) << events.join(u',').toStdString();
}

TEST_F(DropDownListTest, WritingATextClearsTheSelection) {
    pickWithMouse(list, 1);
    ASSERT_EQ(list->listIndex(), 1);
    list->setText(QStringLiteral("选择月份"));
    EXPECT_EQ(list->listIndex(), -1);
    EXPECT_EQ(list->text(), QStringLiteral("选择月份"));
}

TEST_F(DropDownListTest, RemovingAllItemsClearsTheSelection) {
    pickWithMouse(list, 2);
    list->removeAllItems();
    EXPECT_EQ(list->listIndex(), -1);
    EXPECT_EQ(list->count(), 0);
}

TEST_F(DropDownListTest, AppendedItemsGoToTheEndWithoutBeingSelected) {
    list->removeAllItems();
    list->setText(QStringLiteral("选择日期"));
    for (const char* item : {"1日", "2日", "3日"}) list->appendItem(QString::fromUtf8(item));
    EXPECT_EQ(list->listIndex(), -1);
    EXPECT_EQ(list->text(), QStringLiteral("选择日期"));
    EXPECT_EQ(list->itemText(0), QStringLiteral("1日"));
    EXPECT_EQ(list->itemText(2), QStringLiteral("3日"));
}

TEST_F(DropDownListTest, APickFromAnUnfocusedListRaisesGotFocusThenClick) {
    pickWithMouse(list, 1);
    EXPECT_EQ(events, QStringList({QStringLiteral("GotFocus"), QStringLiteral("Click")}));
    EXPECT_EQ(list->listIndex(), 1);
    EXPECT_EQ(list->text(), QStringLiteral("2月"));
    EXPECT_TRUE(list->hasFocus());
}

TEST_F(DropDownListTest, OpeningAndClosingThePopupRaisesNoSecondGotFocus) {
    pickWithMouse(list, 0);
    events.clear();
    openAndCloseWithMouse(list);
    pickWithMouse(list, 2);
    EXPECT_EQ(events, QStringList({QStringLiteral("Click")}));
    EXPECT_EQ(list->listIndex(), 2);
}

TEST_F(DropDownListTest, ArrowKeysAndTheWheelPick) {
    press(Qt::Key_Tab);
    ASSERT_TRUE(list->hasFocus());
    ASSERT_EQ(events, QStringList({QStringLiteral("GotFocus")}));
    press(Qt::Key_Down);
    EXPECT_EQ(list->listIndex(), 0);
    press(Qt::Key_Down);
    EXPECT_EQ(list->listIndex(), 1);
    turnWheel(list, 1);  // wheel up: back to the first
    EXPECT_EQ(list->listIndex(), 0);
    EXPECT_EQ(list->text(), QStringLiteral("1月"));
    EXPECT_EQ(events.count(QStringLiteral("Click")), 3);
    EXPECT_EQ(events.count(QStringLiteral("GotFocus")), 1);
}

TEST_F(DropDownListTest, TheWheelOverAnUnfocusedListFocusesItFirst) {
    turnWheel(list, -1);
    EXPECT_EQ(events, QStringList({QStringLiteral("GotFocus"), QStringLiteral("Click")}));
    EXPECT_EQ(list->listIndex(), 0);
}

TEST_F(DropDownListTest, TypingLeavesNoSelectionAndRaisesNothing) {
    pickWithMouse(list, 0);
    events.clear();
    press(Qt::Key_End);
    press(Qt::Key_Backspace);
    EXPECT_EQ(list->listIndex(), -1) << "typing must undo the earlier pick";
    type(QStringLiteral("月"));
    EXPECT_EQ(list->text(), QStringLiteral("1月"));
    EXPECT_EQ(list->listIndex(), -1) << "a typed text equal to an item is still no choice";
    press(Qt::Key_Return);
    EXPECT_EQ(list->listIndex(), -1);
    press(Qt::Key_Tab);  // leaving after typing an item's text selects nothing either
    EXPECT_EQ(list->listIndex(), -1);
    EXPECT_EQ(list->text(), QStringLiteral("1月"));
    EXPECT_EQ(list->count(), 3) << "Enter must not add the typed text as an item";
    EXPECT_TRUE(events.isEmpty()) << events.join(u',').toStdString();
}

TEST_F(DropDownListTest, TypingKeepsTheCursorWhereItWas) {
    pickWithMouse(list, 1);  // "2月"
    press(Qt::Key_Home);
    type(QStringLiteral("1"));
    EXPECT_EQ(list->text(), QStringLiteral("12月"));
    EXPECT_EQ(list->lineEdit()->cursorPosition(), 1);
    EXPECT_EQ(list->listIndex(), -1);
}

TEST_F(DropDownListTest, ADisabledListTakesNeitherFocusNorPick) {
    list->setListEnabled(false);
    pickWithMouse(list, 1);
    turnWheel(list, -1);
    press(Qt::Key_Tab);
    EXPECT_FALSE(list->hasFocus());
    EXPECT_TRUE(other->hasFocus()) << "Tab must skip the disabled list";
    EXPECT_EQ(list->listIndex(), -1);
    EXPECT_EQ(list->text(), QStringLiteral("选择月份")) << "a disabled list still shows its text";
    EXPECT_TRUE(events.isEmpty()) << events.join(u',').toStdString();
}

TEST_F(DropDownListTest, DisablingTheFocusedListRaisesNoGotFocusWhereTheFocusLands) {
    QStringList otherEvents;
    QObject::connect(other, &DropDownList::gotFocus, [&otherEvents] { otherEvents << "GotFocus"; });
    press(Qt::Key_Tab);
    ASSERT_TRUE(list->hasFocus());
    list->setListEnabled(false);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_TRUE(otherEvents.isEmpty());
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab);  // the user's own move into it does raise it
    EXPECT_EQ(otherEvents.size(), 1);
}

TEST_F(DropDownListTest, ComingBackFromAnotherWindowRaisesNoGotFocus) {
    press(Qt::Key_Tab);
    ASSERT_EQ(events.size(), 1);
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(events.size(), 1) << events.join(u',').toStdString();
}

}  // namespace
}  // namespace biorhythm::ui::testing
