// The four buttons: analyse, clear, exit and the home page.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "biorhythm.h"
#include "caption_label.h"
#include "drop_down_list.h"
#include "form1.h"
#include "form_texts.h"
#include "home_page.h"
#include "platform.h"

namespace biorhythm::ui {

void Form1::Command1_Click() {
    const std::int16_t yearIndex = Combo1->listIndex();
    const std::string yearText = Combo1->text().toStdString();
    const std::int16_t monthIndex = Combo2->listIndex();
    const std::string monthText = Combo2->text().toStdString();
    const std::int16_t dayIndex = Combo3->listIndex();
    const std::string dayText = Combo3->text().toStdString();
    const std::chrono::year_month_day today = platform_.today();
    const auto result =
        analyseBirthDate(yearIndex, monthIndex, dayIndex, yearText, monthText, dayText, today);
    if (const auto* warning = std::get_if<Warning>(&result)) {
        platform_.showMessage(QString::fromStdString(warning->text), Platform::Look::Warning);
        return;
    }
    const auto& report = std::get<AnalysisReport>(result);
    Label2->setCaption(QString::fromStdString(report.greeting));
    Label3->setCaption(QString::fromStdString(report.intellect));
    Label5->setCaption(QString::fromStdString(report.emotion));
    Label7->setCaption(QString::fromStdString(report.physical));
}

// Placeholders back, month and day closed, hints in the result labels. The
// day items stay until the month list is entered again.
void Form1::Command2_Click() {
    Combo1->setText(kChooseYear.toString());
    Combo2->setText(kChooseMonth.toString());
    Combo3->setText(kChooseDay.toString());
    Combo2->setListEnabled(false);
    Combo3->setListEnabled(false);
    Label2->setCaption(QStringLiteral("小提示：点击“开始分析”按钮后系统将给出分析结果！！"));
    Label3->setCaption(kIntellectQuestion.toString());
    Label5->setCaption(kEmotionQuestion.toString());
    Label7->setCaption(kPhysicalQuestion.toString());
}

void Form1::Command3_Click() {
    platform_.endProgram(EXIT_SUCCESS);
}

// Opens the home page in the desktop's browser without waiting for it. A
// browser that cannot be started is the desktop's trouble, not a reason for
// the program to end: the user is told and the window stays as it was.
void Form1::Command4_Click() {
    const QString address = homePageAddress();
    try {
        platform_.launch(QStringLiteral("explorer.exe ") + address);
    } catch (const LaunchError& failure) {
        platform_.showMessage(QStringLiteral("无法打开主页 %1。\n\n原因：%2")
                                  .arg(address, QString::fromUtf8(failure.what())),
                              Platform::Look::Warning);
    }
}

}  // namespace biorhythm::ui
