// The biorhythm analysis: from a birth date chosen in the three lists and
// today's date to the greeting and the three cycle results. No user interface.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace biorhythm {

// One biorhythm cycle with the rating words that differ between cycles.
struct Cycle {
    int period;
    std::string_view topWord;       // today near the top of the cycle
    std::string_view afterTopWord;  // just past the top
    std::string_view bottomWord;    // near the bottom
};

inline constexpr Cycle intellect{33, "聪慧", "聪慧", "迟钝"};
inline constexpr Cycle emotion{28, "高涨", "优良", "低沉"};
inline constexpr Cycle physical{23, "充沛", "优良", "虚弱"};

// Always handled in this order: intellect, emotion, physical.
inline constexpr std::array<Cycle, 3> cycles{intellect, emotion, physical};

// Today's rating for one cycle: a rating word, four spaces and a trend remark;
// empty when the day count leaves a negative remainder (a birth date after
// today). Throws std::domain_error for a day count that no two dates can
// produce (not finite, or beyond a 32-bit integer).
std::string rateCycle(float dayCount, const Cycle& cycle);

// Which cycle today lies in: floor(dayCount / period + 1); 1 for the first
// period of life, 0 or less for a birth date after today.
float cycleNumber(float dayCount, int period);

// The four texts of a finished analysis, in the order they are shown.
struct AnalysisReport {
    std::string greeting;
    std::string intellect;
    std::string emotion;
    std::string physical;
};

// A missing choice: the text to show in a warning box.
struct Warning {
    std::string text;
};

// Raised when the joined list texts do not name a Gregorian date. The message
// is Chinese and quotes the text.
class DateConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Turns "1980年5月12日" (four-digit year, month and day without leading zero)
// into that date; throws DateConversionError for any other text and for a date
// the calendar lacks.
std::chrono::year_month_day parseChineseDate(std::string_view text);

// The analyse command's whole computation. Indexes are the lists' selected
// indexes (-1 when nothing is chosen), texts the lists' text fields. Returns
// the warning for the first missing choice, else the report. Throws
// DateConversionError when the joined texts are no date, and std::domain_error
// when `today` is not a valid date.
std::variant<Warning, AnalysisReport> analyseBirthDate(
    std::int16_t yearIndex, std::int16_t monthIndex, std::int16_t dayIndex,
    std::string_view yearText, std::string_view monthText, std::string_view dayText,
    std::chrono::year_month_day today);

}  // namespace biorhythm
