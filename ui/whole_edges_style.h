#pragma once

#include <QProxyStyle>

namespace biorhythm::ui {

// Windows' visual style draws a frame's or a button's edge on the last device
// pixel of its box, which it rounds apart from what the window lets it paint:
// at 125 % and 175 % that pixel can fall one past the window's clip, and the
// line is lost. This style moves such an edge in by a pixel, so that it shows.
class WholeEdgesStyle final : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace biorhythm::ui
