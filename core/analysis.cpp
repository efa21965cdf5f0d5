#include <charconv>
#include <cstdint>
#include <string>

#include "biorhythm.h"

namespace biorhythm {
namespace {

// What the report writes for each cycle, beside the cycle's own rating words.
struct CycleTexts {
    const Cycle& cycle;
    std::string_view sentence;
    std::string_view ratingHeading;
};

const std::array<CycleTexts, 3> kCycleTexts{{
    {intellect, "个智力周期中（每 33 天为一个智力周期）", "您今天的智力状况评价等级："},
    {emotion, "个情绪周期中（每 28 天为一个情绪周期）", "您今天的情绪状况评价等级："},
    {physical, "个体力周期中（每 23 天为一个体力周期）", "您今天的体力状况评价等级："},
}};

constexpr std::string_view kNoYear = "请选择您的阳历出生年份！";
constexpr std::string_view kNoMonth = "请选择您的阳历出生月份！";
constexpr std::string_view kNoDay = "请选择您的阳历出生日期！";

constexpr std::string_view kLineBreak = "\r\n";

std::string numberText(std::int64_t value) {
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return {digits.data(), result.ptr};
}

// Day counts and cycle numbers are floats holding whole numbers.
std::string numberText(float value) {
    return numberText(static_cast<std::int64_t>(value));
}

float dayCountBetween(std::chrono::year_month_day birth, std::chrono::year_month_day today) {
    if (!today.ok()) throw std::domain_error("今天的日期无效，无法计算出生天数");
    // Exact as a float: a four-digit birth year and any valid today lie fewer
    // than 2^24 days apart.
    return static_cast<float>(
        (std::chrono::sys_days{today} - std::chrono::sys_days{birth}).count());
}

std::string cycleText(const CycleTexts& texts, float dayCount) {
    const std::string rating = rateCycle(dayCount, texts.cycle);
    std::string text = "您当前正处于第";
    text.append(" ")
        .append(numberText(cycleNumber(dayCount, texts.cycle.period)))
        .append(" ")
        .append(texts.sentence)
        .append(kLineBreak)
        .append(kLineBreak)
        .append(texts.ratingHeading)
        .append(rating);
    return text;
}

}  // namespace

std::variant<Warning, AnalysisReport> analyseBirthDate(
    std::int16_t yearIndex, std::int16_t monthIndex, std::int16_t dayIndex,
    std::string_view yearText, std::string_view monthText, std::string_view dayText,
    std::chrono::year_month_day today) {
    // Widened so that no index, however odd, overflows.
    const std::int64_t year = std::int64_t{yearIndex} + 1900;
    const std::int64_t month = std::int64_t{monthIndex} + 1;
    const std::int64_t day = std::int64_t{dayIndex} + 1;

    if (yearIndex == -1) return Warning{std::string(kNoYear)};
    if (monthIndex == -1) return Warning{std::string(kNoMonth)};
    if (dayIndex == -1) return Warning{std::string(kNoDay)};

    std::string joined;
    joined.append(yearText).append(monthText).append(dayText);
    const float dayCount = dayCountBetween(parseChineseDate(joined), today);

    AnalysisReport report;
    report.greeting = "Zendrel：Hi，您好！ 您的生日为：";
    report.greeting.append(numberText(year))
        .append("年")
        .append(numberText(month))
        .append("月")
        .append(numberText(day))
        .append("日，您已出生了：")
        .append(numberText(dayCount))
        .append("天。");
    report.intellect = cycleText(kCycleTexts[0], dayCount);
    report.emotion = cycleText(kCycleTexts[1], dayCount);
    report.physical = cycleText(kCycleTexts[2], dayCount);
    return report;
}

}  // namespace biorhythm
