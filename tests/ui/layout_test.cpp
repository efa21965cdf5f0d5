// The window as a person sees it: nothing overlaps, nothing is cut off, the
// window keeps its size.
#include <QGroupBox>
#include <QLineEdit>
#include <QStyleOptionButton>

#include "form_fixture.h"

namespace biorhythm::ui::testing {
namespace {

using LayoutTest = FormTest;

QList<QWidget*> childControls(QWidget* container) {
    QList<QWidget*> controls;
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->objectName().isEmpty()) controls << widget;
    }
    return controls;
}

TEST_F(LayoutTest, NoTwoControlsOfOneContainerOverlap) {
    QList<QWidget*> containers{form.get()};
    for (QGroupBox* frame : form->findChildren<QGroupBox*>()) containers << frame;
    for (QWidget* container : containers) {
        const QList<QWidget*> controls = childControls(container);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                const bool listOverBirthFrame = (qobject_cast<DropDownList*>(controls[i]) ||
                                                 qobject_cast<DropDownList*>(controls[j])) &&
                                                (controls[i]->objectName() == "Frame1" ||
                                                 controls[j]->objectName() == "Frame1");
                if (listOverBirthFrame) continue;  // by design: the lists lie on that frame
                EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                    << controls[i]->objectName().toStdString() << " overlaps "
                    << controls[j]->objectName().toStdString();
            }
        }
    }
}

TEST_F(LayoutTest, TheListsCoverNothingOfTheBirthFrame) {
    QWidget* frame = control<QGroupBox>("Frame1");
    for (int n : {1, 2, 3}) {
        const QRect list = combo(n)->geometry();
        EXPECT_TRUE(frame->geometry().contains(list)) << n;
        for (int l : {1, 2}) {
            const QRect text(label(l)->mapTo(form.get(), QPoint()), label(l)->size());
            EXPECT_FALSE(text.intersects(list)) << "Combo" << n << " covers Label" << l;
        }
    }
}

TEST_F(LayoutTest, EveryStaticCaptionFits) {
    for (CaptionLabel* text : form->findChildren<CaptionLabel*>()) {
        const std::string name = text->objectName().toStdString();
        // Inside the frame's border and below its title.
        QWidget* const frame = text->parentWidget();
        const QRect inside = frame->rect().adjusted(1, frame->fontMetrics().height(), -1, -1);
        EXPECT_TRUE(inside.contains(text->geometry()))
            << name << " reaches past its frame or into its title";
        if (text->wordWrap()) {
            EXPECT_LE(text->heightForWidth(text->width()), text->height()) << name << " is cut off";
        } else {
            EXPECT_EQ(text->size(), text->sizeHint()) << name << " is not sized to its text";
        }
    }
    for (QPushButton* push : form->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = push->text();
        const QRect room =
            push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
        const int margin = push->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, push);
        EXPECT_LE(push->fontMetrics().horizontalAdvance(push->text()), room.width())
            << push->objectName().toStdString() << " cuts off " << push->text().toStdString();
        EXPECT_LE(push->fontMetrics().horizontalAdvance(push->text()) + 2 * margin, push->width())
            << push->objectName().toStdString() << " leaves its caption no margin";
    }
    for (int n : {1, 2, 3}) {
        QLineEdit* field = combo(n)->lineEdit();
        EXPECT_LE(field->fontMetrics().horizontalAdvance(combo(n)->text()), field->width()) << n;
    }
}

TEST_F(LayoutTest, AThreeLineResultEndsAboveTheNoteBelowIt) {
    const QString result = QStringLiteral(
        "您当前正处于第 486 个智力周期中（每 33 天为一个智力周期）\r\n\r\n"
        "您今天的智力状况评价等级：聪慧    变化趋势分析：不久将下滑");
    for (const auto& [resultLabel, note] : {std::pair{3, 4}, {5, 6}, {7, 8}}) {
        CaptionLabel* text = label(resultLabel);
        const int oneLine = text->height();
        text->setCaption(result);
        EXPECT_GE(text->height(), 3 * oneLine) << "three lines";
        EXPECT_LT(text->height(), 4 * oneLine) << "CR LF must be one line break";
        EXPECT_LT(text->geometry().bottom(), label(note)->geometry().top()) << resultLabel;
        EXPECT_EQ(text->pos(), QPoint(23, 27)) << "grows from its top-left corner";
    }
}

TEST_F(LayoutTest, TheWindowHasItsFixedSize) {
    EXPECT_EQ(form->size(), QSize(752, 569));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    form->resize(900, 700);
    EXPECT_EQ(form->size(), QSize(752, 569));
    // On a denser screen the client area grows with the scale factor.
    const qreal scale = form->devicePixelRatioF();
    EXPECT_EQ(form->grab().size(), QSize(qRound(752 * scale), qRound(569 * scale)));
}

TEST_F(LayoutTest, SavesAPictureOfTheWindow) {
    const qreal scale = form->devicePixelRatioF();
    const QString path = scale == 1.0
                             ? QStringLiteral(BIORHYTHM_PICTURE_DIR "/form1.png")
                             : QStringLiteral(BIORHYTHM_PICTURE_DIR "/form1@%1x.png").arg(scale);
    ASSERT_TRUE(form->grab().save(path)) << path.toStdString();
}

}  // namespace
}  // namespace biorhythm::ui::testing
