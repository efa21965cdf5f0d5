#include <cstddef>
#include <string>

#include "biorhythm.h"

namespace biorhythm {
namespace {

constexpr std::string_view kYearMark = "年";
constexpr std::string_view kMonthMark = "月";
constexpr std::string_view kDayMark = "日";

// Long or broken input is quoted shortened and with invalid UTF-8 replaced,
// so that the message itself is always printable text.
constexpr std::size_t kQuotedCodePoints = 40;

std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
    }
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (lead == 0xE0 && second < 0xA0) return 0;  // overlong
    if (lead == 0xED && second > 0x9F) return 0;  // surrogate
    if (lead == 0xF0 && second < 0x90) return 0;  // overlong
    if (lead == 0xF4 && second > 0x8F) return 0;  // beyond U+10FFFF
    return length;
}

std::string quoted(std::string_view text) {
    std::string shown = "“";
    std::size_t at = 0;
    for (std::size_t codePoints = 0; at < text.size(); ++codePoints) {
        if (codePoints == kQuotedCodePoints) {
            shown += "…";
            break;
        }
        const std::size_t length = utf8SequenceLength(text, at);
        const auto byte = static_cast<unsigned char>(text[at]);
        const bool control = length == 1 && (byte < 0x20 || byte == 0x7F);
        if (length == 0 || control) {
            shown += "\xEF\xBF\xBD";  // U+FFFD
            ++at;
        } else {
            shown.append(text.substr(at, length));
            at += length;
        }
    }
    return shown + "”";
}

[[noreturn]] void fail(std::string_view text, std::string_view reason) {
    throw DateConversionError("无法把" + quoted(text) + "转换为日期：" + std::string(reason));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a run of ASCII digits of `minDigits` to `maxDigits` digits (no leading
// zero unless `leadingZeroAllowed`) followed by `mark`; advances `at` past both.
bool readNumber(std::string_view text, std::size_t& at, std::size_t minDigits,
                std::size_t maxDigits, bool leadingZeroAllowed, std::string_view mark, int& value) {
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end]) && end - at <= maxDigits) ++end;
    const std::size_t digits = end - at;
    if (digits < minDigits || digits > maxDigits) return false;
    if (!leadingZeroAllowed && text[at] == '0') return false;
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
    const bool wellFormed = readNumber(text, at, 4, 4, false, kYearMark, year) &&
                            readNumber(text, at, 1, 2, false, kMonthMark, month) &&
                            readNumber(text, at, 1, 2, false, kDayMark, day) && at == text.size();
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
