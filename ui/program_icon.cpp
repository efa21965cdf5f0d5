#include "program_icon.h"

#include <QPixmap>

#include "png_image.h"

namespace biorhythm::ui {

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        icon.addPixmap(
            QPixmap::fromImage(readPng(QStringLiteral(":/biorhythm/biorhythm-%1.png").arg(size))));
    }
    return icon;
}

}  // namespace biorhythm::ui
