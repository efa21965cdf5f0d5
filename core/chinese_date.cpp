#include <cstddef>
#include <string>

#include "biorhythm.h"

namespace biorhythm {
namespace {

constexpr std::string_view kYearMark = "年";
constexpr std::string_view kMonthMark = "月";
constexpr std::string_view kDayMark = "日";

[[noreturn]] void fail(std::string_view text, std::string_view reason) {
    throw DateConversionError("无法把“" + std::string(text) + "”转换为日期：" + std::string(reason));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a run of `minDigits` to `maxDigits` ASCII digits without a leading zero,
// followed by `mark`; advances `at` past both.
bool readNumber(std::string_view text, std::size_t& at, std::size_t minDigits,
                std::size_t maxDigits, std::string_view mark, int& value) {
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end]) && end - at <= maxDigits) ++end;
    const std::size_t digits = end - at;
    if (digits < minDigits || digits > maxDigits) return false;
    if (text[at] == '0') return false;
    if (text.substr(end, mark.size()) != mark) return false;
    value = 0;
    for (std::size_t i = at; i < end; ++i) value = value * 10 + (text[i] - '0');
    at = end + mark.size();
    return true;
}

}  // namespace

std::chrono::year_month_day parseChineseDate(std::string_view text) {
    int year = 0;
    int month = 0;
    int day = 0;
    std::size_t at = 0;
    const bool wellFormed = readNumber(text, at, 4, 4, kYearMark, year) &&
                            readNumber(text, at, 1, 2, kMonthMark, month) &&
                            readNumber(text, at, 1, 2, kDayMark, day) && at == text.size();
    if (!wellFormed) {
        fail(text, "应为四位年份、“年”、月份、“月”、日期、“日”，例如“1980年5月12日”。");
    }
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok()) fail(text, "公历中没有这一天。");
    return date;
}

}  // namespace biorhythm
