#pragma once

#include <QIcon>

namespace biorhythm::ui {

// The wizard's hat of the window and of the installed program.
QIcon programIcon();

}  // namespace biorhythm::ui
