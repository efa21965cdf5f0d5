#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "biorhythm.h"

namespace {

using namespace std::chrono;

// Day number of a Gregorian date by the Fliegel and Van Flandern formula,
// independent of <chrono>.
std::int64_t julianDayNumber(std::int64_t y, std::int64_t m, std::int64_t d) {
    return (1461 * (y + 4800 + (m - 14) / 12)) / 4 + (367 * (m - 2 - 12 * ((m - 14) / 12))) / 12 -
           (3 * ((y + 4900 + (m - 14) / 12) / 100)) / 4 + d - 32075;
}

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysIn(int y, int m) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : kDays[m - 1];
}

std::int64_t dayCountInGreeting(const std::string& greeting) {
    const std::string before = "您已出生了：";
    const auto start = greeting.find(before) + before.size();
    return std::stoll(greeting.substr(start, greeting.find("天。") - start));
}

TEST(DayCount, EveryListDateAgainstSeveralTodays) {
    struct Today {
        int y, m, d;
    };
    for (const Today& t :
         {Today{2024, 3, 15}, Today{1899, 12, 31}, Today{1950, 7, 4}, Today{9999, 12, 31}}) {
        const year_month_day today{year{t.y}, month(t.m), day(t.d)};
        const std::int64_t todayNumber = julianDayNumber(t.y, t.m, t.d);
        for (int y = 1900; y <= 2009; ++y) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= daysIn(y, m); ++d) {
                    const auto result = biorhythm::analyseBirthDate(
                        static_cast<std::int16_t>(y - 1900), static_cast<std::int16_t>(m - 1),
                        static_cast<std::int16_t>(d - 1), std::to_string(y) + "年",
                        std::to_string(m) + "月", std::to_string(d) + "日", today);
                    const auto& report = std::get<biorhythm::AnalysisReport>(result);
                    ASSERT_EQ(dayCountInGreeting(report.greeting),
                              todayNumber - julianDayNumber(y, m, d))
                        << y << "-" << m << "-" << d << " to " << t.y << "-" << t.m;
                }
            }
        }
    }
}

}  // namespace
