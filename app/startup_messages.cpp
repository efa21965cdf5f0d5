#include "startup_messages.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>

#include "application_title.h"
#else
#include "wayland_compositor.h"
#endif

namespace {

// One message as Qt gave it, kept whole for Qt's own handler.
struct HeldMessage {
    QtMsgType type;
    QByteArray category, file, function;
    int line;
    QString text;

    // Qt's Wayland platform reports a compositor that does not answer
    // without a category of its own.
    bool fromPlatform() const {
        return category.startsWith("qt.qpa") || text.startsWith(u"Failed to create wl_display");
    }
    // What Qt left out (no file in a release build) stays left out.
    QMessageLogContext context() const {
        const auto orNull = [](const QByteArray& bytes) {
            return bytes.isNull() ? nullptr : bytes.constData();
        };
        return {orNull(file), line, orNull(function), orNull(category)};
    }
    QString formatted() const { return qFormatLogMessage(type, context(), text); }
};

// Qt's message handler is a plain function, so the start-up's one record lives
// here. Qt may log from any thread, so every look at it takes the lock.
struct StartupMessages {
    std::mutex lock;
    QtMessageHandler qtsOwn = nullptr;
    bool holding = false;
    std::vector<HeldMessage> held;
    // The desktop platforms (X11, Wayland) speak in their own categories only
    // after they loaded: what they say on a failed start is their display.
    bool fromDesktopPlatform = false;
};

StartupMessages& startupMessages() {
    static StartupMessages messages;
    return messages;
}

#ifdef Q_OS_WIN
// A Windows program has no console: the reason is shown in a box of its own,
// which needs no Qt, under the line that the program cannot start.
[[noreturn]] void endFailedStart(const StartupMessages& messages) {
    QString text = QStringLiteral("无法启动本程序：图形平台插件无法初始化。\n");
    for (const HeldMessage& message : messages.held) text += u'\n' + message.formatted();
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.utf16()),
                reinterpret_cast<const wchar_t*>(biorhythm::ui::applicationTitle().utf16()),
                MB_OK | MB_ICONERROR);
    std::_Exit(EXIT_FAILURE);
}
#else
// Qt's own choice of platform on a desktop is X11 or Wayland, and both need a
// display named in the environment.
bool noDisplayNamedForQtsChoice() {
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

[[noreturn]] void endFailedStart(const StartupMessages& messages) {
    // Qt's Wayland platform does not always say in its own category that no
    // compositor answers: that is asked of the compositor's socket itself.
    const bool noDesktop =
        messages.fromDesktopPlatform || noDisplayNamedForQtsChoice() ||
        (qgetenv("QT_QPA_PLATFORM").startsWith("wayland") && !waylandCompositorAnswers());
    for (const HeldMessage& message : messages.held) {
        // Without a desktop, the two lines below replace Qt's own account.
        if (!noDesktop || (!message.fromPlatform() && message.type != QtFatalMsg))
            std::fprintf(stderr, "%s\n", qPrintable(message.formatted()));
    }
    std::fputs(noDesktop
                   ? "biorhythm: 无法连接到图形桌面。本程序需要图形桌面（X11 或 Wayland）；"
                     "没有显示器时，可以在虚拟显示器中启动：xvfb-run biorhythm\n"
                     "biorhythm: cannot reach a graphical desktop. This program needs one "
                     "(X11 or Wayland); without a display, start it in a virtual one: "
                     "xvfb-run biorhythm\n"
                   : "biorhythm: 无法启动本程序：图形平台插件无法初始化，原因见上方 Qt 的说明。\n",
               stderr);
    std::_Exit(EXIT_FAILURE);
}
#endif

void handleStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    StartupMessages& messages = startupMessages();
    const std::scoped_lock guard(messages.lock);
    if (!messages.holding) return messages.qtsOwn(type, context, text);
    const HeldMessage& held = messages.held.emplace_back(
        HeldMessage{type, context.category, context.file, context.function, context.line, text});
    messages.fromDesktopPlatform |=
        held.category.startsWith("qt.qpa.xcb") || held.category.startsWith("qt.qpa.wayland");
    if (type == QtFatalMsg) endFailedStart(messages);
}

}  // namespace

void holdStartupMessages() {
    // Whoever makes Qt's warnings or criticals fatal wants them seen the moment
    // they come, and Qt's own abort on them.
    if (!qEnvironmentVariableIsEmpty("QT_FATAL_WARNINGS") ||
        !qEnvironmentVariableIsEmpty("QT_FATAL_CRITICALS"))
        return;
    StartupMessages& messages = startupMessages();
    const std::scoped_lock guard(messages.lock);
    messages.holding = true;
    messages.qtsOwn = qInstallMessageHandler(handleStartupMessage);
}

void releaseStartupMessages() {
    StartupMessages& messages = startupMessages();
    const std::scoped_lock guard(messages.lock);
    if (!messages.holding) return;
    messages.holding = false;
    for (const HeldMessage& message : messages.held) {
        messages.qtsOwn(message.type, message.context(), message.text);
    }
    messages.held.clear();
    qInstallMessageHandler(messages.qtsOwn);
}
