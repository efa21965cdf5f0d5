// What the window's handlers ask of the desktop, behind one interface so that
// tests can stand in for the message box, the clock and the launcher.
#pragma once

#include <QString>
#include <chrono>
#include <stdexcept>

namespace biorhythm::ui {

// Raised by Platform::launch when the command line cannot be started.
class LaunchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Platform {
public:
    enum class Look { Warning, Critical };

    virtual ~Platform() = default;

    // A modal message box with one OK button; returns once the user closed it.
    // Without a title of its own it bears the application title "工程1".
    virtual void showMessage(const QString& text, Look look) = 0;

    // Today's local date, without the time of day.
    virtual std::chrono::year_month_day today() = 0;

    // Starts `commandLine` without waiting for it. Throws LaunchError, with a
    // Chinese reason, when it cannot be started.
    virtual void launch(const QString& commandLine) = 0;

    // Ends the program at once with `status`.
    virtual void endProgram(int status) = 0;
};

}  // namespace biorhythm::ui
