// The four buttons: analyse, clear, exit and the home page.
#include "form1.h"

namespace biorhythm::ui {

void Form1::Command1_Click() {}

void Form1::Command2_Click() {}

void Form1::Command3_Click() {}

void Form1::Command4_Click() {}

}  // namespace biorhythm::ui
