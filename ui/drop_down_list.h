#pragma once

#include <QComboBox>
#include <cstdint>

namespace biorhythm::ui {

// An editable drop-down list that raises exactly two events, and only for
// what the user does:
//  - click():    the user picked an item (popup, arrow keys, wheel);
//  - gotFocus(): the keyboard focus came from another control of the window.
// Typing never selects: a typed text counts as no choice, even when it equals
// an item. The program's own writes below never raise either event.
class DropDownList : public QComboBox {
    Q_OBJECT

public:
    explicit DropDownList(QWidget* parent);

    // Shows `text` with no item selected (used for the placeholders).
    void setText(const QString& text);
    QString text() const { return currentText(); }
    // The selected item's position, or -1 when no item is selected.
    std::int16_t listIndex() const { return static_cast<std::int16_t>(currentIndex()); }
    // Leaves the list without items and without a selection.
    void removeAllItems();
    // Adds `items` at the end, in one go, without selecting one or changing the
    // text.
    void appendItems(const QStringList& items);
    // Enables or disables the list. Should the list hold the focus, Qt moves it
    // on at once; that move is the program's doing and raises no gotFocus().
    void setListEnabled(bool enabled);

Q_SIGNALS:
    void click();
    void gotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void forgetSelectionOnTyping();
    bool programIsWriting() const;

    // Whether the focus last left for this list's own popup or another window:
    // getting it back then is no move from another control. Every loss of the
    // focus sets it anew.
    bool focusAwayWithoutMoving_ = false;
};

}  // namespace biorhythm::ui
