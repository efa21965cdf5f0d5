// The desktop side of the handlers: the message box as the user sees it and
// today's date.
#include "qt_platform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
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

// A stand-in for the desktop's opener, first (and alone) on PATH.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        savedPath = qgetenv("PATH");
        qputenv("PATH", folder.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("PATH", savedPath); }

    void writeOpener(const QByteArray& script, bool executable) {
        QFile opener(folder.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
        opener.write(script);
        opener.close();
        opener.setPermissions(executable ? QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                         : QFileDevice::ReadOwner);
    }
    QString launchFailure(const QString& commandLine) {
        try {
            QtPlatform().launch(commandLine);
        } catch (const LaunchError& error) {
            return QString::fromUtf8(error.what());
        }
        return {};
    }

    QTemporaryDir folder;
    QByteArray savedPath;
};

TEST_F(LauncherTest, TheAddressReachesTheOpenerAsOneArgumentWithoutAShell) {
    const QString record = folder.filePath(QStringLiteral("record"));
    writeOpener("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + record.toLocal8Bit() + "'\n", true);
    const QString address = QStringLiteral("http://zendrel.example/?a=1&b=$(touch x);rm *");
    EXPECT_EQ(launchFailure(QStringLiteral("explorer.exe ") + address), QString());
    QFile recorded(record);
    ASSERT_TRUE(waitFor([&recorded] { return recorded.exists() && recorded.size() > 0; }));
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(recorded.readAll()),
              QStringLiteral("1\n") + address + QStringLiteral("\n"));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("x"))));
}

TEST_F(LauncherTest, AMissingOpenerIsReportedInChinese) {
    writeOpener("#!/bin/sh\n", false);
    const QString failure = launchFailure(QStringLiteral("explorer.exe http://zendrel.example/"));
    EXPECT_TRUE(failure.contains(QStringLiteral("找不到"))) << failure.toStdString();
    EXPECT_TRUE(failure.contains(QStringLiteral("xdg-open"))) << failure.toStdString();
}

TEST_F(LauncherTest, AnOpenerThatCannotStartIsReported) {
    writeOpener("#!/nonexistent/interpreter\n", true);
    const QString failure = launchFailure(QStringLiteral("explorer.exe http://zendrel.example/"));
    EXPECT_TRUE(failure.startsWith(QStringLiteral("无法启动"))) << failure.toStdString();
}

TEST_F(LauncherTest, OnlyTheRecordedShellCommandIsLaunched) {
    writeOpener("#!/bin/sh\n", true);
    EXPECT_FALSE(launchFailure(QStringLiteral("cmd.exe /c del")).isEmpty());
}

}  // namespace
}  // namespace biorhythm::ui::testing
