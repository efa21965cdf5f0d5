// The window as a person sees it after the worked example, at any screen
// density: its fixed size, the results in full, nothing cut off or overlapping.
#include <QLineEdit>

#include "form_test.h"

namespace biorhythm::ui::testing {
namespace {

using LayoutTest = FormTest;

TEST_F(LayoutTest, TheWorkedExampleShowsInFullAndNothingIsCutOff) {
    play("Combo1#80 Combo2#4 Combo3#11 Command1");
    EXPECT_EQ(
        label(2)->text(),
        QStringLiteral("Zendrel：Hi，您好！ 您的生日为：1980年5月12日，您已出生了：16013天。"));
    const QString results[] = {
        QStringLiteral("您当前正处于第 486 个智力周期中（每 33 天为一个智力周期）\r\n\r\n"
                       "您今天的智力状况评价等级：聪慧    变化趋势分析：不久将下滑"),
        QStringLiteral("您当前正处于第 572 个情绪周期中（每 28 天为一个情绪周期）\r\n\r\n"
                       "您今天的情绪状况评价等级：欠佳    变化趋势分析：不断提高中"),
        QStringLiteral("您当前正处于第 697 个体力周期中（每 23 天为一个体力周期）\r\n\r\n"
                       "您今天的体力状况评价等级：充沛    变化趋势分析：不久将下滑")};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(label(3 + 2 * i)->text(), results[i]);
        const int lines =
            label(3 + 2 * i)->height() / label(3 + 2 * i)->fontMetrics().lineSpacing();
        EXPECT_EQ(lines, 3) << "one line per CR LF";
        EXPECT_LT(label(3 + 2 * i)->geometry().bottom(), label(4 + 2 * i)->y()) << "above its note";
    }
    const auto controls = form->findChildren<QWidget*>(
        QRegularExpression(QStringLiteral("^(Frame|Label|Combo|Command)")));
    for (QWidget* control : controls) {
        const std::string name = control->objectName().toStdString();
        if (auto* text = dynamic_cast<CaptionLabel*>(control)) {
            const QRect inside =
                text->parentWidget()->rect().adjusted(1, text->fontMetrics().height(), -1, -1);
            EXPECT_TRUE(inside.contains(text->geometry()))
                << name << " leaves its frame or covers its title";
            EXPECT_LE(
                text->wordWrap() ? text->heightForWidth(text->width()) : text->sizeHint().height(),
                text->height())
                << name;
            EXPECT_LE(text->sizeHint().width(), text->wordWrap() ? 10000 : text->width()) << name;
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8)
                << name;
        } else if (auto* list = qobject_cast<DropDownList*>(control)) {
            EXPECT_LE(list->fontMetrics().horizontalAdvance(list->text()),
                      list->lineEdit()->width())
                << name;
        }
        for (QWidget* other : controls) {
            const bool listOnItsFrame =
                (control->objectName() + other->objectName())
                    .contains(QRegularExpression(QStringLiteral("Combo.Frame1|Frame1Combo")));
            EXPECT_TRUE(control == other || listOnItsFrame ||
                        control->parent() != other->parent() ||
                        !control->geometry().intersects(other->geometry()))
                << name << " overlaps " << other->objectName().toStdString();
        }
    }
    EXPECT_TRUE(form->size() == QSize(752, 569) && form->minimumSize() == form->maximumSize());
    const qreal scale = form->devicePixelRatioF();
    const QPixmap picture = form->grab();
    EXPECT_EQ(picture.size(), QSize(qRound(752 * scale), qRound(569 * scale)));
    EXPECT_TRUE(picture.save(QStringLiteral(BIORHYTHM_PICTURE_DIR "/form1@%1x.png").arg(scale)));
}

}  // namespace
}  // namespace biorhythm::ui::testing
