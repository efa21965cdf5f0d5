#pragma once

#include <gtest/gtest.h>

#include "application.h"

namespace biorhythm::ui::testing {

// In the widget tests an exception escaping a handler fails the running test
// instead of ending the test program.
inline void failTestsOnUnexpectedErrors() {
    static_cast<Application*>(QApplication::instance())
        ->setUnexpectedErrorHandler(
            [](const QString& report) { ADD_FAILURE() << report.toStdString(); });
}

}  // namespace biorhythm::ui::testing
