#include "startup_messages.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace {

// What the platform said while the application object was being made. Qt's
// message handler is a plain function, so the start-up's one record lives
// here; nothing reads it once the application object stands.
struct PlatformMessages {
    QStringList lines;
    // The desktop platforms (X11, Wayland) speak in their own categories only
    // after they loaded: what they say on a failed start is their display.
    bool fromDesktopPlatform = false;
};

PlatformMessages& platformMessages() {
    static PlatformMessages messages;
    return messages;
}

bool startsWith(const char* category, const char* prefix) {
    return QLatin1String(category).startsWith(QLatin1String(prefix));
}

// Qt's own choice of platform on a desktop is X11 or Wayland, and both need a
// display named in the environment.
bool noDisplayNamedForQtsChoice() {
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

void handleStartupMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    const QString line = qFormatLogMessage(type, context, message);
    PlatformMessages& held = platformMessages();
    if (type != QtFatalMsg) {
        if (startsWith(context.category, "qt.qpa")) {
            held.lines << line;
            held.fromDesktopPlatform |= startsWith(context.category, "qt.qpa.xcb") ||
                                        startsWith(context.category, "qt.qpa.wayland");
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(line));
        }
        return;
    }
    if (held.fromDesktopPlatform || noDisplayNamedForQtsChoice()) {
        std::fputs(
            "biorhythm: 无法连接到图形桌面。本程序需要图形桌面（X11 或 Wayland）；"
            "没有显示器时，可以在虚拟显示器中启动：xvfb-run biorhythm\n"
            "biorhythm: cannot reach a graphical desktop. This program needs one (X11 or "
            "Wayland); without a display, start it in a virtual one: xvfb-run biorhythm\n",
            stderr);
    } else {
        held.lines << line;
        std::fprintf(
            stderr,
            "%s\nbiorhythm: 无法启动本程序：图形平台插件无法初始化，原因见上方 Qt 的说明。\n",
            qPrintable(held.lines.join(u'\n')));
    }
    std::_Exit(EXIT_FAILURE);
}
