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
};

}  // namespace biorhythm::ui
