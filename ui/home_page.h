#pragma once

#include <QString>

namespace biorhythm::ui {

// The maker's home page, set when the program is built.
inline QString homePageAddress() {
    return QStringLiteral(BIORHYTHM_HOME_PAGE);
}

}  // namespace biorhythm::ui
