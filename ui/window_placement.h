#pragma once

class QScreen;
class QWidget;

namespace biorhythm::ui {

// Shows `window` centred on `screen` and gives it the focus. Without a screen
// (a display that reports none) it is shown where the window system puts it.
void showCentredOn(QWidget& window, const QScreen* screen);

}  // namespace biorhythm::ui
