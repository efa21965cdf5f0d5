#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace biorhythm::ui {

// The desktop's style, except that under Fusion the window's frames are drawn
// here as Fusion draws them, from Fusion's own frame picture read as the PNG it
// is: Fusion reads it without naming the format (see png_image.h).
class FrameStyle : public QProxyStyle {
public:
    FrameStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    QPixmap fusionFrame_;
};

}  // namespace biorhythm::ui
