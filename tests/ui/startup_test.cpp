// What the window shows and where the focus is when it opens.
#include <QGroupBox>
#include <QSignalSpy>

#include "form_fixture.h"
#include "user_input.h"

namespace biorhythm::ui::testing {
namespace {

class StartupTest : public FormTest {
protected:
    void SetUp() override {}  // each test shows the window itself
};

TEST_F(StartupTest, TheYearListTakesTheFocusOnceTheWindowIsShown) {
    form = std::make_unique<Form1>(platform);
    EXPECT_FALSE(combo(2)->isEnabled()) << "Load runs before the window is shown";
    QSignalSpy gotFocus(combo(1), &DropDownList::gotFocus);
    show();
    EXPECT_TRUE(combo(1)->hasFocus());
    EXPECT_EQ(gotFocus.count(), 1);
}

TEST_F(StartupTest, TheListsOpenWithTheirPlaceholders) {
    form = std::make_unique<Form1>(platform);
    show();
    const char* placeholders[] = {"选择年份", "选择月份", "选择日期"};
    for (int n : {1, 2, 3}) {
        EXPECT_EQ(combo(n)->text(), QString::fromUtf8(placeholders[n - 1]));
        EXPECT_EQ(combo(n)->listIndex(), -1);
        EXPECT_EQ(combo(n)->isEnabled(), n == 1);
    }
    ASSERT_EQ(combo(1)->count(), 110);
    EXPECT_EQ(combo(1)->itemText(0), QStringLiteral("1900年"));
    EXPECT_EQ(combo(1)->itemText(80), QStringLiteral("1980年"));
    EXPECT_EQ(combo(1)->itemText(109), QStringLiteral("2009年"));
    ASSERT_EQ(combo(2)->count(), 12);
    EXPECT_EQ(combo(2)->itemText(0), QStringLiteral("1月"));
    EXPECT_EQ(combo(2)->itemText(11), QStringLiteral("12月"));
    EXPECT_EQ(combo(3)->count(), 0);
    EXPECT_EQ(form->windowTitle(),
              QStringLiteral("人体生物节律分析工具（Zendrel庄园版） V1.0 正式版"));
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(label(2)->text(),
              QStringLiteral("小提示：录入信息后，点击“节律分析”按钮即可查看分析结果！！"));
    EXPECT_TRUE(command(4)->text().startsWith(QStringLiteral("访问Zendrel庄园：")));
}

TEST_F(StartupTest, TabVisitsTheEnabledControlsInOrder) {
    form = std::make_unique<Form1>(platform);
    show();
    QStringList visited;
    for (int i = 0; i < 6; ++i) {
        press(Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited,
              QStringList({"Command1", "Command2", "Command3", "Command4", "Combo1", "Command1"}));
    press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Combo1"));
    for (QWidget* passive : form->findChildren<QLabel*>())
        EXPECT_EQ(passive->focusPolicy(), Qt::NoFocus);
    for (QWidget* passive : form->findChildren<QGroupBox*>())
        EXPECT_EQ(passive->focusPolicy(), Qt::NoFocus);
}

TEST_F(StartupTest, NoButtonIsPressedByEnterOrEscapeFromElsewhere) {
    form = std::make_unique<Form1>(platform);
    show();
    int presses = 0;
    for (QPushButton* push : form->findChildren<QPushButton*>()) {
        QObject::connect(push, &QPushButton::clicked, [&presses] { ++presses; });
    }
    press(Qt::Key_Return);
    press(Qt::Key_Enter);
    press(Qt::Key_Escape);
    EXPECT_EQ(presses, 0);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.endedWith.empty());
}

}  // namespace
}  // namespace biorhythm::ui::testing
