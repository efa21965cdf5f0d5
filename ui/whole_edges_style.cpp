#include "whole_edges_style.h"

#include <QPaintEngine>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QWidget>

namespace biorhythm::ui {
namespace {

// `rect` in the window's device pixels, as the visual style reckons it when it
// draws straight into the window: scaled, moved, then rounded.
QRect deviceRect(const QPainter& painter, const QRect& rect, qreal scale) {
    const QTransform& device = painter.deviceTransform();
    return QRectF(QPointF(rect.topLeft()) * scale + QPointF(device.dx(), device.dy()),
                  QSizeF(rect.size()) * scale)
        .toRect();
}

// What the painter lets it paint there, reckoned the same way.
QRect paintable(const QPainter& painter, qreal scale) {
    QRect allowed = painter.paintEngine()->systemClip().boundingRect();
    if (painter.hasClipping()) {
        QRect clip;
        for (const QRect& part : painter.clipRegion())
            clip |= QRectF(QPointF(part.topLeft()) * scale, QSizeF(part.size()) * scale).toRect();
        const QTransform& device = painter.deviceTransform();
        clip.translate(QPointF(device.dx(), device.dy()).toPoint());
        allowed = allowed.isEmpty() ? clip : allowed & clip;
    }
    return allowed;
}

// `option` with its box's right and bottom edges a pixel in where they would
// be lost.
template <typename Option>
Option keptWhole(const Option& option, const QPainter& painter, const QWidget* widget) {
    Option whole(option);
    const qreal scale = widget != nullptr ? widget->devicePixelRatio() : 1.0;
    const QRect area = deviceRect(painter, option.rect, scale);
    const QRect allowed = paintable(painter, scale);
    if (!allowed.isEmpty()) {
        whole.rect.adjust(0, 0, area.right() > allowed.right() ? -1 : 0,
                          area.bottom() > allowed.bottom() ? -1 : 0);
    }
    return whole;
}

}  // namespace

void WholeEdgesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == PE_FrameGroupBox && frame != nullptr) {
        const QStyleOptionFrame whole = keptWhole(*frame, *painter, widget);
        QProxyStyle::drawPrimitive(element, &whole, painter, widget);
    } else {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void WholeEdgesStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element == CE_PushButtonBevel && button != nullptr) {
        const QStyleOptionButton whole = keptWhole(*button, *painter, widget);
        QProxyStyle::drawControl(element, &whole, painter, widget);
    } else {
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

}  // namespace biorhythm::ui
