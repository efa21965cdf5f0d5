#pragma once

#include "platform.h"

namespace biorhythm::ui {

// The desktop itself: Qt's message box, the local clock, the desktop's web
// address opener and Qt's event loop.
class QtPlatform final : public Platform {
public:
    void showMessage(const QString& text, Look look) override;
    std::chrono::year_month_day today() override;
    void launch(const QString& commandLine) override;
    void endProgram(int status) override;

private:
    // The address that the shell command line the program was designed around
    // ("explorer.exe ADDRESS") opens. Throws LaunchError for any other command.
    static QString addressIn(const QString& commandLine);
};

}  // namespace biorhythm::ui
