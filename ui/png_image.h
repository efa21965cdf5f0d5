#pragma once

#include <QImage>
#include <QString>

namespace biorhythm::ui {

// Reads the PNG picture at `path` as PNG. Left to guess the format, Qt loads
// every image-format plugin on the system and asks each one first, which
// costs the program's start-up more than the pictures themselves.
QImage readPng(const QString& path);

}  // namespace biorhythm::ui
