// The birth-date selector: the year, month and day lists open in that order,
// and the day list follows the month picked and the year's leap-year rule.
#include <chrono>

#include "drop_down_list.h"
#include "form1.h"
#include "form_texts.h"

namespace biorhythm::ui {

void Form1::Form_Load() {
    Combo2->setListEnabled(false);
    Combo3->setListEnabled(false);
}

// Entering the year list starts month and day over.
void Form1::Combo1_GotFocus() {
    Combo2->setText(kChooseMonth.toString());
    Combo2->setListEnabled(false);
    Combo3->setText(kChooseDay.toString());
    Combo3->setListEnabled(false);
}

void Form1::Combo1_Click() {
    Combo2->setListEnabled(true);
}

// Entering the month list starts the day over.
void Form1::Combo2_GotFocus() {
    Combo3->removeAllItems();
    Combo3->setText(kChooseDay.toString());
    Combo3->setListEnabled(false);
}

// Only a picked month raises Click, so the month is always one of the twelve.
// With no year chosen the year is taken as 1899, a common year.
void Form1::Combo2_Click() {
    const std::chrono::year_month_day_last monthEnd{
        std::chrono::year{1900 + Combo1->listIndex()},
        std::chrono::month_day_last{
            std::chrono::month{static_cast<unsigned>(Combo2->listIndex() + 1)}}};
    Combo3->removeAllItems();
    Combo3->setText(kChooseDay.toString());
    QStringList days;
    for (unsigned day = 1; day <= static_cast<unsigned>(monthEnd.day()); ++day) {
        days << QStringLiteral("%1日").arg(day);
    }
    Combo3->appendItems(days);
    Combo3->setListEnabled(true);
}

}  // namespace biorhythm::ui
