#include "program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace biorhythm::ui {

QIcon programIcon() {
    QSvgRenderer renderer(QStringLiteral(":/biorhythm/biorhythm.svg"));
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

}  // namespace biorhythm::ui
