#pragma once

#include <QAccessibleInterface>

namespace biorhythm::ui {

// How screen readers meet the window, for QAccessible::installFactory: the
// window as a frame named by its title, its controls in reading order; each
// drop-down list named by what it asks for, its text as its value.
QAccessibleInterface* screenReaderInterface(const QString& className, QObject* object);

}  // namespace biorhythm::ui
