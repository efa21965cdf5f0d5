#include <fontconfig/fontconfig.h>

#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <thread>

#include "application.h"
#include "form1.h"
#include "no_display.h"
#include "qt_platform.h"

int main(int argc, char** argv) {
    // Fontconfig reads the system's whole font set-up, several milliseconds of
    // work that Qt leaves until the window measures its first text. Read on a
    // second core while Qt connects to the desktop, it is ready by then. Qt's
    // own call later finds it done, and reports a failure as it always has.
    std::jthread fontSetUp(FcInit);
    // The program takes no command line; Qt still sees its own options.
    qInstallMessageHandler(handleStartupMessage);
    biorhythm::ui::Application app(argc, argv);
    qInstallMessageHandler(nullptr);
    app.setUpForChinese();
    biorhythm::ui::QtPlatform platform;
    app.reportUnexpectedErrorsThrough(platform);

    try {
        fontSetUp.join();  // one reading, not a second one racing it
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
