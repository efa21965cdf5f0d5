// The birth-date selector: the year, month and day lists open in that order.
#include "drop_down_list.h"
#include "form1.h"

namespace biorhythm::ui {

void Form1::Form_Load() {
    Combo2->setListEnabled(false);
    Combo3->setListEnabled(false);
}

void Form1::Combo1_GotFocus() {}

void Form1::Combo1_Click() {}

void Form1::Combo2_GotFocus() {}

void Form1::Combo2_Click() {}

}  // namespace biorhythm::ui
