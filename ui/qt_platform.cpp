#include "qt_platform.h"

#include <QCoreApplication>
#include <QDate>

namespace biorhythm::ui {

std::chrono::year_month_day QtPlatform::today() {
    const QDate date = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year{date.year()},
                                       std::chrono::month{static_cast<unsigned>(date.month())},
                                       std::chrono::day{static_cast<unsigned>(date.day())}};
}

QString QtPlatform::addressIn(const QString& commandLine) {
    constexpr QStringView kShellPrefix = u"explorer.exe ";
    if (!commandLine.startsWith(kShellPrefix)) {
        throw LaunchError(
            QStringLiteral("无法识别要启动的命令：%1").arg(commandLine).toStdString());
    }
    return commandLine.mid(kShellPrefix.size());
}

void QtPlatform::endProgram(int status) {
    QCoreApplication::exit(status);
}

}  // namespace biorhythm::ui
