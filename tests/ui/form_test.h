// What the widget tests share: a stand-in for the desktop, real user input
// (mouse clicks and keys, sent as the window system sends them) and the window.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "caption_label.h"
#include "drop_down_list.h"
#include "form1.h"
#include "platform.h"

namespace biorhythm::ui::testing {

// Records what the handlers ask of the desktop; today's date is fixed.
struct FakePlatform final : Platform {
    void showMessage(const QString& text, Look look) override {
        messages << text;
        looks << look;
    }
    std::chrono::year_month_day today() override { return todayIs; }
    void launch(const QString& commandLine) override {
        launches << commandLine;
        if (!launchFailure.empty()) throw LaunchError(launchFailure);
    }
    void endProgram(int status) override { endedWith << status; }

    std::chrono::year_month_day todayIs = std::chrono::year{2024} / 3 / 15;
    std::string launchFailure;  // non-empty: launches fail with this reason
    QStringList messages, launches;
    QList<Look> looks;
    QList<int> endedWith;
};

// Plays space-separated steps of user input in `window`: "Combo2#4" opens that
// list's popup with a click on its arrow and clicks item 4, "Combo2@" clicks
// into its text field, "Command1" clicks that button, ">19" types 19, "Down*3"
// presses Down three times; any other step is a key name.
inline void play(QWidget* window, const QString& steps) {
    for (const QString& step : steps.split(u' ')) {
        const QString name = step.section(QRegularExpression(QStringLiteral("[#@*]")), 0, 0);
        auto* const control = window->findChild<QWidget*>(name);
        auto* const list = qobject_cast<QComboBox*>(control);
        if (step.startsWith(u'>')) {
            QTest::keyClicks(QApplication::focusWidget(), step.mid(1));
        } else if (list && step.contains(u'#')) {
            QTest::mouseClick(list, Qt::LeftButton, {}, {list->width() - 6, list->height() / 2});
            QAbstractItemView* const view = list->view();
            if (!list->isEnabled() || !QTest::qWaitFor([view] { return view->isVisible(); }))
                continue;
            // The popup ignores a release within the double-click interval.
            QTest::qWait(QApplication::doubleClickInterval() + 10);
            const QModelIndex item = view->model()->index(step.section(u'#', 1).toInt(), 0);
            view->scrollTo(item);
            QTest::mouseMove(view->viewport(), view->visualRect(item).center());
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              view->visualRect(item).center());
            ASSERT_TRUE(QTest::qWaitFor([view] { return !view->isVisible(); }));
        } else if (control) {
            QTest::mouseClick(control, Qt::LeftButton, {},
                              list ? QPoint(8, 8) : control->rect().center());
        } else {
            for (int i = 0; i < qMax(1, step.section(u'*', 1).toInt()); ++i) {
                QTest::keyClick(QApplication::focusWidget(), QKeySequence(name)[0].key());
            }
        }
    }
}

// The window as the program shows it, on a stand-in desktop.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void play(const QString& steps) { testing::play(form.get(), steps); }
    DropDownList* combo(int n) const {
        return form->findChild<DropDownList*>(QStringLiteral("Combo%1").arg(n));
    }
    CaptionLabel* label(int n) const {
        return form->findChild<CaptionLabel*>(QStringLiteral("Label%1").arg(n));
    }

    FakePlatform platform;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(platform);
};

}  // namespace biorhythm::ui::testing
