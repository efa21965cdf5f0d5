#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "caption_label.h"
#include "drop_down_list.h"
#include "fake_platform.h"
#include "form1.h"
#include "qt_printers.h"

namespace biorhythm::ui::testing {

// The window as the program shows it, with a stand-in for the desktop.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<Form1>(platform);
        show();
    }

    void show() {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename Control>
    Control* control(const QString& name) const {
        auto* found = form->findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    DropDownList* combo(int n) const {
        return control<DropDownList>(QStringLiteral("Combo%1").arg(n));
    }
    CaptionLabel* label(int n) const {
        return control<CaptionLabel>(QStringLiteral("Label%1").arg(n));
    }
    QPushButton* command(int n) const {
        return control<QPushButton>(QStringLiteral("Command%1").arg(n));
    }

    FakePlatform platform;
    std::unique_ptr<Form1> form;
};

}  // namespace biorhythm::ui::testing
