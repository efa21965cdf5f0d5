#include "window_placement.h"

#include <QScreen>
#include <QWidget>

namespace biorhythm::ui {

void showCentredOn(QWidget& window, const QScreen* screen) {
    if (screen != nullptr) {
        // Made first, so that its frame is counted where the platform knows it
        // before the window shows (Windows does; an X11 window manager adds
        // its frame only once the window is mapped).
        window.winId();
        window.move(screen->availableGeometry().center() - window.frameGeometry().center() +
                    window.pos());
    }
    window.show();
    window.activateWindow();
}

}  // namespace biorhythm::ui
