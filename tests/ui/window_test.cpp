// The window's four buttons as the user presses them, the last resort for an
// error that escapes a handler, and the layout at any screen density.
#include <stdexcept>

#include "application.h"
#include "biorhythm.h"
#include "form_test.h"

using namespace biorhythm::ui;
using namespace biorhythm::ui::testing;
using CommandsTest = FormTest;
using LayoutTest = FormTest;

TEST_F(CommandsTest, AnalyseWarnsForTheFirstMissingChoiceAndChangesNothing) {
    const auto captions = [this] {
        return label(2)->text() + label(3)->text() + label(5)->text() + label(7)->text();
    };
    const QString before = captions();
    play("Command1 Combo1#0 Command1 Combo2#0 Command1 Combo1@ Command1");
    EXPECT_EQ(platform.messages.join(u' '),
              QStringLiteral("请选择您的阳历出生年份！ 请选择您的阳历出生月份！ "
                             "请选择您的阳历出生日期！ 请选择您的阳历出生月份！"));
    EXPECT_EQ(platform.looks, QList<Platform::Look>(4, Platform::Look::Warning));
    EXPECT_EQ(captions(), before);
}

TEST_F(CommandsTest, ExitAndTheHomePageEvenWhenTheBrowserCannotStart) {
    play("Command3 Command4");
    platform.launchFailure = "找不到程序 xdg-open";
    play("Command4");
    EXPECT_EQ(platform.endedWith, QList<int>{0});
    EXPECT_EQ(platform.launches,
              QStringList(2, QStringLiteral("explorer.exe " BIORHYTHM_HOME_PAGE)));
    EXPECT_EQ(platform.messages.join(u' '), QStringLiteral("无法打开主页 " BIORHYTHM_HOME_PAGE
                                                           "。\n\n原因：找不到程序 xdg-open"));
    EXPECT_EQ(platform.looks, QList<Platform::Look>{Platform::Look::Warning});
}

TEST(LastResort, AnErrorEscapingAHandlerIsReportedInChineseAndEndsTheProgram) {
    auto* application = static_cast<Application*>(QApplication::instance());
    FakePlatform platform;
    application->reportUnexpectedErrorsThrough(platform);
    QPushButton standard;
    QPushButton unknown;
    QObject::connect(&standard, &QPushButton::clicked, [] { throw std::runtime_error("某某"); });
    QObject::connect(&unknown, &QPushButton::clicked, [] { throw 42; });
    for (QPushButton* button : {&standard, &unknown}) {
        button->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(button));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    application->setUnexpectedErrorHandler(
        [](const QString& report) { ADD_FAILURE() << report.toStdString(); });
    const QString report = QStringLiteral("程序运行时发生了意外错误，即将退出。\n\n错误信息：");
    EXPECT_EQ(platform.messages, QStringList({report + "某某", report + "未知错误"}));
    EXPECT_EQ(platform.looks, QList<Platform::Look>(2, Platform::Look::Critical));
    EXPECT_EQ(platform.endedWith, QList<int>({1, 1}));
}

// The whole road by keyboard to the worked example: the results in full in
// their labels, every text inside its frame and not cut off, the window at its
// fixed size (saved as a picture); then the clear button.
TEST_F(LayoutTest, TheWorkedExampleShowsInFullUntilCleared) {
    const QString questions = label(3)->text() + label(5)->text() + label(7)->text();
    play("Down*81 Tab Down*5 Tab Down*12 Tab Space");
    const auto report = std::get<biorhythm::AnalysisReport>(biorhythm::analyseBirthDate(
        80, 4, 11, "1980年", "5月", "12日", std::chrono::year{2024} / 3 / 15));
    EXPECT_EQ(label(2)->text().toStdString(), report.greeting);
    for (const auto& [n, text] :
         {std::pair{3, report.intellect}, {5, report.emotion}, {7, report.physical}}) {
        EXPECT_EQ(label(n)->text().toStdString(), text);
        EXPECT_EQ(label(n)->height() / label(n)->fontMetrics().lineSpacing(), 3)
            << "a line per CR LF";
        EXPECT_LT(label(n)->geometry().bottom(), label(n + 1)->y()) << "above its note";
    }
    for (CaptionLabel* text : form->findChildren<CaptionLabel*>()) {
        const QRect frame =
            text->parentWidget()->rect().adjusted(1, text->fontMetrics().height(), -1, -1);
        const QSize needed =
            text->wordWrap() ? QSize(0, text->heightForWidth(text->width())) : text->sizeHint();
        EXPECT_TRUE(frame.contains(text->geometry()) && needed.boundedTo(text->size()) == needed)
            << text->objectName().toStdString();
    }
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8);
    }
    EXPECT_TRUE(form->size() == QSize(752, 569) && form->minimumSize() == form->maximumSize());
    const qreal scale = form->devicePixelRatioF();
    const QPixmap picture = form->grab();
    EXPECT_EQ(picture.size(), QSize(qRound(752 * scale), qRound(569 * scale)));
    EXPECT_TRUE(picture.save(QStringLiteral(BIORHYTHM_PICTURE_DIR "/form1@%1x.png").arg(scale)));

    platform.todayIs = std::chrono::year{2024} / 3 / 16;  // each press asks for today again
    play("Space");
    EXPECT_TRUE(label(2)->text().endsWith(QStringLiteral("16014天。")));
    play("Command2");
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(label(2)->text(),
              QStringLiteral("小提示：点击“开始分析”按钮后系统将给出分析结果！！"));
    EXPECT_EQ(label(3)->text() + label(5)->text() + label(7)->text(), questions);
    for (int n : {1, 2, 3}) {
        EXPECT_EQ(combo(n)->text(), QStringList({"选择年份", "选择月份", "选择日期"})[n - 1]);
        EXPECT_TRUE(combo(n)->listIndex() == -1 && combo(n)->isEnabled() == (n == 1)) << n;
    }
    EXPECT_EQ(combo(3)->count(), 31) << "the day items wait until the month list is entered";
}
