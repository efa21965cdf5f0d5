#include "application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "platform.h"

namespace biorhythm::ui {

void Application::setUpForChinese() {
    setApplicationName(QStringLiteral("biorhythm"));
    setApplicationVersion(QStringLiteral(BIORHYTHM_VERSION));
    setDesktopFileName(QStringLiteral("biorhythm"));
    QLocale::setDefault(
        QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));

    // Qt's own texts (message box buttons, the line edit's menu) in Chinese.
    auto* translator = new QTranslator(this);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
        installTranslator(translator);
    } else {
        std::cerr << "biorhythm: Qt's Chinese translations are missing from "
                  << folder.toStdString() << "; Qt's own texts stay in English\n";
    }
}

void Application::reportUnexpectedErrorsThrough(Platform& platform) {
    setUnexpectedErrorHandler([&platform](const QString& report) {
        platform.showMessage(report, Platform::Look::Critical);
        platform.endProgram(EXIT_FAILURE);
    });
}

QString Application::unexpectedErrorReport(const QString& what) {
    return QStringLiteral("程序运行时发生了意外错误，即将退出。\n\n错误信息：%1").arg(what);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportUnexpected(QString::fromUtf8(error.what()));
    } catch (...) {
        reportUnexpected(QStringLiteral("未知错误"));
    }
    return true;
}

void Application::reportUnexpected(const QString& what) {
    const QString report = unexpectedErrorReport(what);
    std::cerr << "biorhythm: " << report.toStdString() << '\n';
    // A second error while the first is being reported only ends the program.
    if (reporting_ || !onUnexpectedError_) {
        std::exit(EXIT_FAILURE);
    }
    reporting_ = true;
    onUnexpectedError_(report);
    reporting_ = false;
}

}  // namespace biorhythm::ui
