#include "window_placement.h"

#include <QScreen>
#include <QWidget>

namespace biorhythm::ui {

void showCentredOn(QWidget& window, const QScreen* screen) {
    if (screen != nullptr)
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    window.activateWindow();
}

}  // namespace biorhythm::ui
