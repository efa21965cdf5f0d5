#include <QGuiApplication>
#include <cstdlib>

#include "application.h"
#include "form1.h"
#include "qt_platform.h"
#include "read_ahead.h"
#include "startup_messages.h"
#include "unexpected_error.h"
#include "window_placement.h"

int main(int argc, char** argv) {
    ReadAhead readAhead;
    // Made before the application object and so ended after it: the last
    // resort reports through it to the very end.
    biorhythm::ui::QtPlatform platform;
    // The program takes no command line; Qt still sees its own options.
    holdStartupMessages();
    biorhythm::ui::Application app(argc, argv);
    releaseStartupMessages();
    app.setUpForChinese();

    try {
        readAhead.finish();
        biorhythm::ui::Form1 window(platform);
        biorhythm::ui::showCentredOn(window, QGuiApplication::primaryScreen());
        return app.exec();
    } catch (...) {
        biorhythm::ui::endOnUnexpectedError(platform);
        return EXIT_FAILURE;
    }
}
