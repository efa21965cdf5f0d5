#include "png_image.h"

#include <QImageReader>

namespace biorhythm::ui {

QImage readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace biorhythm::ui
