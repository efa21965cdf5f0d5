// The window's layout at any screen density.
#include <QGroupBox>

#include "biorhythm.h"
#include "form_test.h"

using namespace biorhythm::ui::testing;
using LayoutTest = FormTest;

// Whether a frame's top border, as `picture` (of the whole window) shows it,
// runs clear of the frame's title and above its first text: some row of device
// pixels there crosses the frame in one colour, the colour of its left border.
// A row through the title or a text is not of one colour.
static bool topBorderRunsClear(const QImage& picture, const QGroupBox* frame) {
    const int firstText = frame->childrenRect().top();  // a frame holds only texts
    const qreal scale = picture.devicePixelRatio();
    const QRect box(frame->geometry().topLeft() * scale, frame->size() * scale);
    const auto grey = [&](int x, int y) { return qGray(picture.pixel(box.left() + x, y)); };
    int border = 255;  // the darkest of the left border's columns
    for (int x = 0; x < 4 * scale; ++x) border = qMin(border, grey(x, box.center().y()));
    const int inset = qRound(8 * scale);
    for (int y = box.top(); y < box.top() + int(firstText * scale); ++y) {
        const int colour = grey(inset, y);
        bool uniform = qAbs(colour - border) < qAbs(colour - grey(-1, y));
        for (int x = inset; uniform && x < box.width() - inset; ++x)
            uniform = qAbs(grey(x, y) - colour) <= 2;
        if (uniform) return true;
    }
    return false;
}

// The whole road by keyboard to the worked example: the results in full in
// their labels, every text inside its frame and not cut off, the window at its
// fixed size (saved as a picture); then the clear button.
TEST_F(LayoutTest, TheWorkedExampleShowsInFullUntilCleared) {
    const QString questions = label(3)->text() + label(5)->text() + label(7)->text();
    play("Down*81 Tab Down*5 Tab Down*12 Tab Space");
    const auto report = std::get<biorhythm::AnalysisReport>(biorhythm::analyseBirthDate(
        80, 4, 11, "1980年", "5月", "12日", std::chrono::year{2024} / 3 / 15));
    EXPECT_EQ(
        (label(2)->text() + label(3)->text() + label(5)->text() + label(7)->text()).toStdString(),
        report.greeting + report.intellect + report.emotion + report.physical);
    for (int n : {3, 5, 7}) {  // a line per CR LF, above the label's note
        EXPECT_EQ(label(n)->height() / label(n)->fontMetrics().lineSpacing(), 3) << n;
        EXPECT_LT(label(n)->geometry().bottom(), label(n + 1)->y()) << n;
    }
    for (auto* text : form->findChildren<biorhythm::ui::CaptionLabel*>()) {
        const QRect frame =
            text->parentWidget()->rect().adjusted(1, text->fontMetrics().height(), -1, -1);
        const QSize needed =
            text->wordWrap() ? QSize(0, text->heightForWidth(text->width())) : text->sizeHint();
        EXPECT_TRUE(frame.contains(text->geometry()) && needed.boundedTo(text->size()) == needed)
            << text->objectName().toStdString();
    }
    for (QPushButton* button : form->findChildren<QPushButton*>())
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8);
    EXPECT_TRUE(form->size() == QSize(752, 569) && form->minimumSize() == form->maximumSize());
    const QImage picture = form->grab().toImage();
    EXPECT_TRUE(picture.save(
        QStringLiteral(BIORHYTHM_PICTURE_DIR "/form1@%1x.png").arg(form->devicePixelRatioF())));
    for (const QGroupBox* frame : form->findChildren<QGroupBox*>())
        EXPECT_TRUE(topBorderRunsClear(picture, frame)) << frame->objectName().toStdString();

    platform.todayIs = std::chrono::year{2024} / 3 / 16;  // each press asks for today again
    play("Space");
    EXPECT_TRUE(label(2)->text().endsWith(QStringLiteral("16014天。")));
    play("Command2");
    EXPECT_EQ(label(2)->text(),
              QStringLiteral("小提示：点击“开始分析”按钮后系统将给出分析结果！！"));
    EXPECT_EQ(label(3)->text() + label(5)->text() + label(7)->text(), questions);
    // The day items wait until the month list is entered.
    EXPECT_EQ(lists(), QStringLiteral("选择年份 选择月份- 选择日期- /31 Command2"));
}
