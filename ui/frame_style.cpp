#include "frame_style.h"

#include <qdrawutil.h>

#include <QStyleOption>

#include "png_image.h"

namespace biorhythm::ui {

FrameStyle::FrameStyle()
    : fusionFrame_(QPixmap::fromImage(readPng(
          QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png")))) {}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || !baseStyle()->inherits("QFusionStyle")) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion's geometry for a frame with a title (all of the window's have
    // one): the picture begins 3 pixels below the title's line.
    const int top =
        qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) + 3;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                      fusionFrame_);
}

}  // namespace biorhythm::ui
