#include "no_display.h"

#include <cstdio>
#include <cstdlib>

void handleStartupMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(
            "biorhythm: 无法连接到图形桌面。本程序需要图形桌面（X11 或 Wayland）；"
            "没有显示器时，可以在虚拟显示器中启动：xvfb-run biorhythm\n"
            "biorhythm: cannot reach a graphical desktop. This program needs one (X11 or "
            "Wayland); without a display, start it in a virtual one: xvfb-run biorhythm\n",
            stderr);
        std::_Exit(EXIT_FAILURE);
    }
    if (QLatin1String(context.category).startsWith(QLatin1String("qt.qpa"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
