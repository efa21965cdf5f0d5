#include "frame_style.h"

#include <qdrawutil.h>

#include <QPainter>
#include <QStyleOption>

#include "png_image.h"

namespace biorhythm::ui {
namespace {

// Qt's raster engine hands a stretched picture taller than 95 device rows to
// its thread pool, which costs the opening window more than it saves. In bands
// of at most 32 rows (64 on a double-density screen) the same pixels come out
// on this thread.
constexpr int kBandRows = 32;

}  // namespace

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
    const QRect picture = option->rect.adjusted(0, top, 0, 0);
    for (int y = picture.top(); y <= picture.bottom(); y += kBandRows) {
        painter->save();
        painter->setClipRect(picture.left(), y, picture.width(), kBandRows, Qt::IntersectClip);
        qDrawBorderPixmap(painter, picture, QMargins(6, 6, 6, 6), fusionFrame_);
        painter->restore();
    }
}

}  // namespace biorhythm::ui
