#pragma once

// Real user input for widget tests: mouse clicks, keys and the wheel, sent the
// way the window system would send them.
#include <QComboBox>
#include <QString>
#include <Qt>
#include <functional>

class QAbstractButton;
class QWidget;

namespace biorhythm::ui::testing {

// Opens the list's popup with the mouse and clicks the item at `index`.
void pickWithMouse(QComboBox* list, int index);
// Opens the list's popup with the mouse and closes it again with Escape.
void openAndCloseWithMouse(QComboBox* list);
// Clicks into the list's text field.
void clickIntoField(QComboBox* list);
// One step of the mouse wheel over `widget`: up for a positive `steps`.
void turnWheel(QWidget* widget, int steps);
// Presses and releases a key on whatever holds the keyboard focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types `text` into whatever holds the keyboard focus.
void type(const QString& text);
// Clicks a button with the left mouse button.
void clickButton(QAbstractButton* button);
// Waits until `condition` holds (at most a few seconds).
bool waitFor(const std::function<bool()>& condition);

}  // namespace biorhythm::ui::testing
