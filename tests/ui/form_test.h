// What the widget tests share: a stand-in for the desktop, real user input
// (mouse clicks and keys, sent as the window system sends them) and the window.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>

#include "caption_label.h"
#include "drop_down_list.h"
#include "form1.h"
#include "platform.h"

namespace biorhythm::ui::testing {

// Logs what the handlers ask of the desktop: messages after their look ("!" a
// warning, "X" a critical error), "launch" and "exit" requests. Today's date is
// fixed, unless the clock is made to fail; the first launch starts, later ones
// fail as with no browser at all.
struct FakePlatform final : Platform {
    void showMessage(const QString& text, Look look) override {
        log << (look == Look::Warning ? u'!' : u'X') + text;
    }
    std::chrono::year_month_day today() override { return clockFault(), todayIs; }
    void launch(const QString& commandLine) override {
        log << "launch " + commandLine;
        if (log.filter(QStringLiteral("launch ")).size() > 1)
            throw LaunchError("找不到程序 xdg-open");
    }
    void endProgram(int status) override { log << QStringLiteral("exit %1").arg(status); }

    std::chrono::year_month_day todayIs = std::chrono::year{2024} / 3 / 15;
    std::function<void()> clockFault = [] {};  // a failure no handler expects
    QStringList log;
};

// The window as the program shows it, on a stand-in desktop whose log also
// records the events the lists raise ("Click1", "GotFocus2"), from the start.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n : {1, 2, 3}) {
            QObject::connect(combo(n), &DropDownList::click, form.get(),
                             [this, n] { platform.log << QStringLiteral("Click%1").arg(n); });
            QObject::connect(combo(n), &DropDownList::gotFocus, form.get(),
                             [this, n] { platform.log << QStringLiteral("GotFocus%1").arg(n); });
        }
        ASSERT_EQ(lists(), QStringLiteral("选择年份 选择月份- 选择日期- /0 ")) << "after Load";
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        ASSERT_EQ(platform.log, QStringList{"GotFocus1"}) << "the start focuses the year list";
        platform.log.clear();
    }

    // Plays space-separated steps of user input: "Combo2#4" opens that list's
    // popup with a click on its arrow and clicks item 4, "Combo2@" clicks into
    // its text field, "Command1" clicks that button, ">19" types 19, "Down*3"
    // presses Down three times, "away" visits another window and comes back;
    // any other step is a key name. "Combo2-" and "Combo2+" are not the user's:
    // they are the program disabling and enabling that list.
    void play(const QString& steps) {
        for (const QString& step : steps.split(u' ')) {
            const QString name = step.section(QRegularExpression(QStringLiteral("[#@*+-]")), 0, 0);
            auto* const control = form->findChild<QWidget*>(name);
            auto* const list = qobject_cast<DropDownList*>(control);
            if (step.startsWith(u'>')) {
                QTest::keyClicks(QApplication::focusWidget(), step.mid(1));
            } else if (list && (step.endsWith(u'-') || step.endsWith(u'+'))) {
                list->setListEnabled(step.endsWith(u'+'));
            } else if (step == u"away") {
                QWidget elsewhere;
                elsewhere.show();
                ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
                form->activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
            } else if (list && step.contains(u'#')) {
                QTest::mouseClick(list, Qt::LeftButton, {},
                                  {list->width() - 6, list->height() / 2});
                QAbstractItemView* const view = list->view();
                if (!list->isEnabled() || !QTest::qWaitFor([view] { return view->isVisible(); }))
                    continue;
                const QModelIndex item = view->model()->index(step.section(u'#', 1).toInt(), 0);
                view->scrollTo(item);
                const QPoint at = view->visualRect(item).center();
                // A popup opened by a press ignores a release until a timer of
                // the double-click interval has run, or the pointer has moved in
                // it: the item is pressed, moved on and released, as by hand.
                QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseMove(view->viewport(), at);
                QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
                ASSERT_TRUE(QTest::qWaitFor([view] { return !view->isVisible(); }));
            } else if (control) {
                QTest::mouseClick(control, Qt::LeftButton, {},
                                  list ? QPoint(8, 8) : control->rect().center());
            } else {
                for (int i = 0; i < qMax(1, step.section(u'*', 1).toInt()); ++i)
                    QTest::keyClick(QApplication::focusWidget(), QKeySequence(name)[0].key());
            }
        }
    }

    DropDownList* combo(int n) const {
        return form->findChild<DropDownList*>(QStringLiteral("Combo%1").arg(n));
    }
    CaptionLabel* label(int n) const {
        return form->findChild<CaptionLabel*>(QStringLiteral("Label%1").arg(n));
    }
    // The three lists as the user sees them, the day list's item count and the
    // control with the focus: "1980年#80 5月#4 选择日期 /31 Combo2", "#" before
    // a selected index, "-" after a disabled list.
    QString lists() const {
        QStringList seen;
        for (const DropDownList* list : {combo(1), combo(2), combo(3)})
            seen << list->text() +
                        (list->listIndex() == -1 ? "" : "#" + QString::number(list->listIndex())) +
                        (list->isEnabled() ? "" : "-");
        const QWidget* const focus = QApplication::focusWidget();
        return seen.join(u' ') + " /" + QString::number(combo(3)->count()) + " " +
               (focus ? focus->objectName() : "");
    }

    FakePlatform platform;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(platform);
};

}  // namespace biorhythm::ui::testing
