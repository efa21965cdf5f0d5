#include "application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>

#ifdef Q_OS_WIN
#include "whole_edges_style.h"
#endif

namespace biorhythm::ui {

void Application::setUp() {
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
#ifdef Q_OS_WIN
    if (style()->name().compare(u"windowsvista", Qt::CaseInsensitive) == 0)
        setStyle(new WholeEdgesStyle);  // which the application owns
#endif
}

}  // namespace biorhythm::ui
