#pragma once

#include <QString>

// The message handler while the application object is created. Qt's platform
// messages of that moment are held back. Should the start fail:
//  - for a graphical desktop that cannot be reached (no DISPLAY or
//    WAYLAND_DISPLAY, or one that does not answer), one line in Chinese and
//    one in English say so, instead of Qt's English lines;
//  - for any other reason (a platform named in QT_QPA_PLATFORM that does not
//    exist, a platform plugin that cannot load), Qt's own explanation follows,
//    then a Chinese line that the program cannot start.
// Either way the program ends with status 1, instead of Qt's abort. Any other
// message is printed as usual.
void handleStartupMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message);
