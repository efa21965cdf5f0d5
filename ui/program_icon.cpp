#include "program_icon.h"

namespace biorhythm::ui {

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        icon.addFile(QStringLiteral(":/biorhythm/biorhythm-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace biorhythm::ui
