#pragma once

#include <QColor>
#include <QPalette>

namespace biorhythm::ui {

// The colour a text designed in `designed` is drawn in on `palette`'s window
// background. On a light scheme the designed colour stays wherever it reads
// (3:1); elsewhere, on dark and mid-grey schemes alike, the text takes the
// nearest colour of its hue that reads as well as body text should (4.5:1), or
// as well as the palette's own text colour where even that reads worse.
QColor readableColour(const QColor& designed, const QPalette& palette);

}  // namespace biorhythm::ui
