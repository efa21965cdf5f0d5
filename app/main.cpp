// Until the window exists: the analysis of one example birth date for today.
#include <chrono>
#include <iostream>
#include <variant>

#include "biorhythm.h"

int main() {
    const auto now = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const auto result = biorhythm::analyseBirthDate(80, 4, 11, "1980年", "5月", "12日",
                                                    std::chrono::year_month_day{now});
    const auto& report = std::get<biorhythm::AnalysisReport>(result);
    std::cout << report.greeting << "\n"
              << report.intellect << "\n"
              << report.emotion << "\n"
              << report.physical << "\n";
}
