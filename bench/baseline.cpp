// The yardstick for start-up: a bare Qt window of the same size showing one
// label of Chinese text in the program's font.
#include <QApplication>
#include <QLabel>

#include "window_fonts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("人体生物节律分析工具"));
    window.setFont(biorhythm::ui::defaultFont());
    window.setFixedSize(752, 569);
    window.show();
    return app.exec();
}
