// The birth-date selector: the year, month and day lists open in that order,
// and the day list follows the month picked and the year's leap-year rule.
#include "drop_down_list.h"
#include "form1.h"
#include "form_texts.h"

namespace biorhythm::ui {
namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days of the month at `monthIndex` (0 for January) in `year`; 0 for an index
// that is no month.
int daysInMonth(int monthIndex, int year) {
    switch (monthIndex) {
        case 0:
        case 2:
        case 4:
        case 6:
        case 7:
        case 9:
        case 11:
            return 31;
        case 3:
        case 5:
        case 8:
        case 10:
            return 30;
        case 1:
            return isLeapYear(year) ? 29 : 28;
        default:
            return 0;
    }
}

}  // namespace

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

void Form1::Combo2_Click() {
    const int monthIndex = Combo2->listIndex();
    // With no year chosen the year is taken as 1899, a common year.
    const int days = daysInMonth(monthIndex, 1900 + Combo1->listIndex());
    if (days > 0) {
        Combo3->removeAllItems();
        Combo3->setText(kChooseDay.toString());
        for (int day = 1; day <= days; ++day) Combo3->appendItem(QStringLiteral("%1日").arg(day));
    }
    Combo3->setListEnabled(true);
}

}  // namespace biorhythm::ui
