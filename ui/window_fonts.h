#pragma once

#include <QFont>

namespace biorhythm::ui {

// The window's Song face at 9 pt, for every control without a font of its own.
QFont defaultFont();
// 10.5 pt bold, for the buttons and the prompt.
QFont boldFont();

}  // namespace biorhythm::ui
