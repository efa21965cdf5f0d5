#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "application.h"
#include "form1.h"
#include "no_display.h"
#include "qt_platform.h"
#include "read_ahead.h"

int main(int argc, char** argv) {
    ReadAhead readAhead;
    // The program takes no command line; Qt still sees its own options.
    qInstallMessageHandler(handleStartupMessage);
    biorhythm::ui::Application app(argc, argv);
    qInstallMessageHandler(nullptr);
    app.setUpForChinese();
    biorhythm::ui::QtPlatform platform;
    app.reportUnexpectedErrorsThrough(platform);

    try {
        readAhead.finish();
        biorhythm::ui::Form1 window(platform);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        window.move(screen.center() - window.rect().center());
        window.show();
        window.activateWindow();
        return app.exec();
    } catch (const std::exception& error) {
        std::cerr << "biorhythm: "
                  << biorhythm::ui::Application::unexpectedErrorReport(
                         QString::fromUtf8(error.what()))
                         .toStdString()
                  << '\n';
        return EXIT_FAILURE;
    }
}
