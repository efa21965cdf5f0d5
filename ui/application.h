#pragma once

#include <QApplication>

namespace biorhythm::ui {

// The program's application object: Qt's, set up for a Chinese desktop.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    // Names, version, Chinese locale and Qt's own Chinese texts; on Windows'
    // visual style, frames and buttons whole at every scaling.
    void setUp();
};

}  // namespace biorhythm::ui
