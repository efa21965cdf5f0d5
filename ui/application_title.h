#pragma once

#include <QString>

namespace biorhythm::ui {

// The title of message boxes that are given none of their own.
inline QString applicationTitle() {
    return QStringLiteral("工程1");
}

}  // namespace biorhythm::ui
