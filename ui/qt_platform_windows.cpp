#include <windows.h>

#include <QApplication>
#include <QWidget>
#include <string>

#include "application_title.h"
#include "qt_platform.h"

namespace biorhythm::ui {

// Windows' own message box, as every Windows program shows it: for a warning,
// the exclamation icon with one OK button (style 48).
void QtPlatform::showMessage(const QString& text, Look look) {
    const QWidget* const owner = QApplication::activeWindow();
    MessageBoxW(owner ? reinterpret_cast<HWND>(owner->winId()) : nullptr,
                reinterpret_cast<const wchar_t*>(text.utf16()),
                reinterpret_cast<const wchar_t*>(applicationTitle().utf16()),
                MB_OK | (look == Look::Warning ? MB_ICONWARNING : MB_ICONERROR));
}

// The command line as it is, with the shell from the Windows folder (never
// one found on the path), minimised and with the focus.
void QtPlatform::launch(const QString& commandLine) {
    const QString address = addressIn(commandLine);
    std::wstring shell(MAX_PATH, L'\0');
    const UINT length = GetSystemWindowsDirectoryW(shell.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        throw LaunchError(
            QStringLiteral("找不到 Windows 文件夹：%1").arg(qt_error_string()).toStdString());
    shell.resize(length);
    shell += L"\\explorer.exe";
    std::wstring line = L"\"" + shell + L"\" " + address.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(shell.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        throw LaunchError(QStringLiteral("无法启动 %1：%2")
                              .arg(QString::fromStdWString(shell), qt_error_string())
                              .toStdString());
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

}  // namespace biorhythm::ui
