#pragma once

#include <QString>

// The message handler while the application object is created. A start-up
// that cannot reach a graphical desktop (no DISPLAY, or one that does not
// answer) then ends with one line in Chinese and one in English and status 1,
// instead of Qt's English lines and an abort; Qt's own platform messages of
// that moment give way to these lines, any other message is printed as usual.
void handleStartupMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message);
