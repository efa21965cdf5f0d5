#include "screen_reader.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>

#include "drop_down_list.h"
#include "form1.h"

namespace biorhythm::ui {
namespace {

// Qt would present a plain top-level widget as a filler, and its controls in
// the order they are stacked, which puts the month list before the year list
// and the scientific basis before the results.
class WindowInReadingOrder : public QAccessibleWidget {
public:
    explicit WindowInReadingOrder(Form1* form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(controls().size()); }
    QAccessibleInterface* child(int index) const override {
        return QAccessible::queryAccessibleInterface(controls().value(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        return static_cast<int>(controls().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QWidgetList controls() const { return static_cast<Form1*>(widget())->readingOrder(); }
};

// Qt's own interface for a combo box names it by its text on Linux and offers
// no way to name it otherwise. As Qt's does, this one shows the popup's list
// and the text field as the list's children, and opens and closes the popup.
class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(DropDownList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.editable = true;
        return state;
    }
    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override {
        return index == 0   ? QAccessible::queryAccessibleInterface(list()->view())
               : index == 1 ? QAccessible::queryAccessibleInterface(list()->lineEdit())
                            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QObject* object = child != nullptr ? child->object() : nullptr;
        return object == list()->view() ? 0 : object == list()->lineEdit() ? 1 : -1;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override {
        if (action != showMenuAction()) return QAccessibleWidget::doAction(action);
        if (list()->view()->isVisible()) {
            list()->hidePopup();
        } else {
            list()->showPopup();
        }
    }

private:
    DropDownList* list() const { return static_cast<DropDownList*>(widget()); }
};

}  // namespace

QAccessibleInterface* screenReaderInterface(const QString& /*className*/, QObject* object) {
    // Qt's accessibility cache owns the interfaces that factories make.
    if (auto* form = qobject_cast<Form1*>(object)) return new WindowInReadingOrder(form);
    if (auto* list = qobject_cast<DropDownList*>(object)) return new NamedList(list);
    return nullptr;
}

}  // namespace biorhythm::ui
