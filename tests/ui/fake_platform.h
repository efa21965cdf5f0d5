#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <vector>

#include "platform.h"

namespace biorhythm::ui::testing {

// Records what the handlers ask of the desktop; today's date is fixed.
class FakePlatform final : public Platform {
public:
    struct Message {
        QString text;
        Look look;
    };

    void showMessage(const QString& text, Look look) override { messages.push_back({text, look}); }
    std::chrono::year_month_day today() override {
        if (onToday) onToday();
        return todayIs;
    }
    void launch(const QString& commandLine) override {
        launches.push_back(commandLine);
        if (!launchFailure.empty()) throw LaunchError(launchFailure);
    }
    void endProgram(int status) override { endedWith.push_back(status); }

    std::chrono::year_month_day todayIs{std::chrono::year{2024}, std::chrono::month{3},
                                        std::chrono::day{15}};
    std::function<void()> onToday;  // runs when the handler asks for today
    std::string launchFailure;      // non-empty: launches fail with this reason
    std::vector<Message> messages;
    std::vector<QString> launches;
    std::vector<int> endedWith;
};

}  // namespace biorhythm::ui::testing
