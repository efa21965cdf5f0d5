#include "user_input.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QInputMethodEvent>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>

namespace biorhythm::ui::testing {
namespace {

// The arrow button sits at the right end of an editable list.
QPoint arrowOf(QComboBox* list) {
    return {list->width() - 6, list->height() / 2};
}

// Returns whether the popup opened: a disabled list ignores the click.
bool openPopup(QComboBox* list) {
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, arrowOf(list));
    if (!list->isEnabled()) return false;
    if (!waitFor([list] { return list->view()->isVisible(); })) return false;
    // The popup ignores a release that comes within the double-click interval
    // of the click that opened it.
    QTest::qWait(QApplication::doubleClickInterval() + 10);
    return true;
}

}  // namespace

bool waitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor([&condition] { return condition(); }, 3000);
}

void pickWithMouse(QComboBox* list, int index) {
    if (!openPopup(list)) return;
    QAbstractItemView* const view = list->view();
    const QModelIndex item = view->model()->index(index, list->modelColumn(), view->rootIndex());
    view->scrollTo(item);
    // As a hand would: onto the item first, then the click.
    QTest::mouseMove(view->viewport(), view->visualRect(item).center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(item).center());
    waitFor([view] { return !view->isVisible(); });
}

void openAndCloseWithMouse(QComboBox* list) {
    if (!openPopup(list)) return;
    QAbstractItemView* const view = list->view();
    QTest::keyClick(view, Qt::Key_Escape);
    waitFor([view] { return !view->isVisible(); });
}

void clickIntoField(QComboBox* list) {
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, QPoint(8, list->height() / 2));
}

void turnWheel(QWidget* widget, int steps) {
    const QPoint at = widget->rect().center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(widget, &wheel);
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    if (QWidget* popup = QApplication::activePopupWidget())
        target = popup->focusWidget() ? popup->focusWidget() : popup;
    if (target) QTest::keyClick(target, key, modifiers);
}

void type(const QString& text) {
    QWidget* const target = QApplication::focusWidget();
    if (!target) return;
    for (const QChar character : text) {
        if (character.unicode() >= 0x20 && character.unicode() < 0x7F) {
            QTest::keyClick(target, character.toLatin1());
        } else {
            // Chinese text arrives from the input method as a committed string.
            QInputMethodEvent commit;
            commit.setCommitString(QString(character));
            QSpontaneKeyEvent::setSpontaneous(&commit);
            QApplication::instance()->notify(target, &commit);
        }
    }
}

void clickButton(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

}  // namespace biorhythm::ui::testing
