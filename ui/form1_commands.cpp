// The four buttons: analyse, clear, exit and the home page.
#include <QPushButton>
#include <cstdint>
#include <string>
#include <variant>

#include "biorhythm.h"
#include "caption_label.h"
#include "drop_down_list.h"
#include "form1.h"
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

void Form1::Command2_Click() {}

void Form1::Command3_Click() {}

void Form1::Command4_Click() {}

}  // namespace biorhythm::ui
