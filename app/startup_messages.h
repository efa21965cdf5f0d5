#pragma once

// Qt's messages while the application object is created are held back, since
// that is when the platform may fail to start. Should the start fail:
//  - for a graphical desktop that cannot be reached (no DISPLAY or
//    WAYLAND_DISPLAY, or one that does not answer), one line in Chinese and
//    one in English say so, instead of Qt's English lines;
//  - for any other reason (a platform named in QT_QPA_PLATFORM that does not
//    exist, a platform plugin that cannot load), Qt's own explanation follows,
//    then a Chinese line that the program cannot start.
// On Windows, which has no console, a message box shows Qt's explanation
// under a Chinese line that the program cannot start.
// Either way the program ends with status 1, instead of Qt's abort. Once the
// application object stands, what was held is handed to Qt's own handler, as
// if it had never been held, and that handler takes over. Where
// QT_FATAL_WARNINGS or QT_FATAL_CRITICALS is set, nothing is held: Qt prints
// each message as it comes and aborts on those it was told are fatal.
void holdStartupMessages();
void releaseStartupMessages();
