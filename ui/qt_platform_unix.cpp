#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "application_title.h"
#include "qt_platform.h"

namespace biorhythm::ui {
namespace {

// On Linux the address goes to the desktop's opener.
constexpr auto kOpener = "xdg-open";

}  // namespace

void QtPlatform::showMessage(const QString& text, Look look) {
    QMessageBox box(look == Look::Warning ? QMessageBox::Warning : QMessageBox::Critical,
                    applicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtPlatform::launch(const QString& commandLine) {
    const QString address = addressIn(commandLine);
    const QString opener = QStandardPaths::findExecutable(QString::fromLatin1(kOpener));
    if (opener.isEmpty()) {
        throw LaunchError(QStringLiteral("系统中找不到用来打开网页的程序 %1。")
                              .arg(QLatin1String(kOpener))
                              .toStdString());
    }
    // An argument list, never a shell: the address reaches the opener as it is.
    QProcess process;
    process.setProgram(opener);
    process.setArguments({address});
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        throw LaunchError(
            QStringLiteral("无法启动 %1：%2").arg(opener, process.errorString()).toStdString());
    }
}

}  // namespace biorhythm::ui
