#include "application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>

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

}  // namespace biorhythm::ui
