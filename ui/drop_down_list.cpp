#include "drop_down_list.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace biorhythm::ui {
namespace {

// Marks, on the window, that a program write is moving the focus.
constexpr auto kProgramWriteProperty = "biorhythmProgramWrite";

}  // namespace

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // No inline completion: it would turn typing into a pick.
    setCompleter(nullptr);
    // QComboBox selects a matching item when editing finishes (Enter, or the
    // focus leaving after typing); here a typed text must stay no choice.
    disconnect(lineEdit(), SIGNAL(editingFinished()), this, nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &DropDownList::forgetSelectionOnTyping);
    // activated() comes only from the user: popup picks, arrow keys and wheel.
    connect(this, &QComboBox::activated, this, &DropDownList::click);
}

void DropDownList::setText(const QString& text) {
    setCurrentIndex(-1);
    setEditText(text);
}

void DropDownList::removeAllItems() {
    clear();
}

void DropDownList::appendItems(const QStringList& items) {
    const bool wasEmpty = count() == 0;
    const QString shown = currentText();
    addItems(items);
    if (wasEmpty) {
        // QComboBox selects the first item added to an empty list.
        setCurrentIndex(-1);
        setEditText(shown);
    }
}

void DropDownList::setListEnabled(bool enabled) {
    QWidget* const form = window();
    form->setProperty(kProgramWriteProperty, true);
    setEnabled(enabled);
    form->setProperty(kProgramWriteProperty, false);
}

bool DropDownList::programIsWriting() const {
    return window()->property(kProgramWriteProperty).toBool();
}

void DropDownList::forgetSelectionOnTyping() {
    if (currentIndex() == -1) return;
    QLineEdit* const field = lineEdit();
    const QString typed = field->text();
    const int cursor = field->cursorPosition();
    setCurrentIndex(-1);
    field->setText(typed);
    field->setCursorPosition(cursor);
}

void DropDownList::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    const bool cameBack =
        event->reason() == Qt::PopupFocusReason ||
        (event->reason() == Qt::ActiveWindowFocusReason && focusAwayWithoutMoving_);
    if (!cameBack && !programIsWriting()) Q_EMIT gotFocus();
}

void DropDownList::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    focusAwayWithoutMoving_ =
        event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason;
}

}  // namespace biorhythm::ui
