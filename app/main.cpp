#include <QGuiApplication>
#include <cstdlib>

#include "application.h"
#include "form1.h"
#include "qt_platform.h"
#include "startup_messages.h"
#include "unexpected_error.h"
#include "window_placement.h"
#ifndef Q_OS_WIN
#include "read_ahead.h"
#endif

int main(int argc, char** argv) {
#ifndef Q_OS_WIN  // what it reads ahead, X11's plugin and fontconfig, are Linux's
    ReadAhead readAhead;
#endif
    // Made before the application object and so ended after it: the last
    // resort reports through it to the very end.
    biorhythm::ui::QtPlatform platform;
    // The program takes no command line; Qt still sees its own options.
    holdStartupMessages();
    biorhythm::ui::Application app(argc, argv);
    releaseStartupMessages();
    app.setUp();

    try {
#ifndef Q_OS_WIN
        readAhead.finish();
#endif
        biorhythm::ui::Form1 window(platform);
        biorhythm::ui::showCentredOn(window, QGuiApplication::primaryScreen());
        return app.exec();
    } catch (...) {
        biorhythm::ui::endOnUnexpectedError(platform);
        return EXIT_FAILURE;
    }
}
