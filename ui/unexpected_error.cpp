#include "unexpected_error.h"

#include <cstdlib>
#include <exception>
#include <iostream>

#include "platform.h"

namespace biorhythm::ui {

void endOnUnexpectedError(Platform& platform) noexcept {
    QString what;
    try {
        throw;
    } catch (const std::exception& error) {
        what = QString::fromUtf8(error.what());
    } catch (...) {
        what = QStringLiteral("未知错误");
    }
    const QString report =
        QStringLiteral("程序运行时发生了意外错误，即将退出。\n\n错误信息：%1").arg(what);
    std::cerr << "biorhythm: " << report.toStdString() << '\n';
    platform.showMessage(report, Platform::Look::Critical);
    platform.endProgram(EXIT_FAILURE);
}

}  // namespace biorhythm::ui
