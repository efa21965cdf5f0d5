// The desktop side of the handlers: the message box as the user sees it and
// today's date.
#include "qt_platform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QMessageBox>
#include <QTimer>

#include "qt_printers.h"
#include "user_input.h"

namespace biorhythm::ui::testing {
namespace {

struct SeenBox {
    QString title, text, buttonText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool modal = false;
};

// Shows a box through the platform and reads it while it waits for the user,
// then closes it with its button as the user would.
SeenBox showAndRead(const QString& text, Platform::Look look) {
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = static_cast<int>(box->buttons().size());
        seen.modal = box->isModal();
        QAbstractButton* ok = box->buttons().value(0);
        seen.buttonText = ok ? ok->text() : QString();
        if (ok) clickButton(ok);
    });
    QtPlatform().showMessage(text, look);
    return seen;
}

TEST(QtPlatform, AWarningBoxHasTheApplicationTitleAndOneChineseOkButton) {
    const SeenBox seen =
        showAndRead(QStringLiteral("请选择您的阳历出生年份！"), Platform::Look::Warning);
    EXPECT_EQ(seen.title, QStringLiteral("工程1"));
    EXPECT_EQ(seen.text, QStringLiteral("请选择您的阳历出生年份！"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(seen.buttonText, QStringLiteral("确定")) << "Qt's own texts come in Chinese";
    EXPECT_TRUE(seen.modal);
}

TEST(QtPlatform, AnErrorBoxShowsTheCriticalIcon) {
    const SeenBox seen = showAndRead(QStringLiteral("出错了"), Platform::Look::Critical);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.title, QStringLiteral("工程1"));
}

TEST(QtPlatform, TodayIsTheLocalDate) {
    const QDate before = QDate::currentDate();
    const std::chrono::year_month_day today = QtPlatform().today();
    const QDate after = QDate::currentDate();
    const QDate seen(static_cast<int>(today.year()),
                     static_cast<int>(static_cast<unsigned>(today.month())),
                     static_cast<int>(static_cast<unsigned>(today.day())));
    EXPECT_TRUE(seen == before || seen == after);
}

}  // namespace
}  // namespace biorhythm::ui::testing
