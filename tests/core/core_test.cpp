// The analysis against data written out by hand and an independent formula.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "biorhythm.h"

using namespace std::chrono;
using namespace biorhythm;
using namespace ::testing;

namespace {

// The report for a birth date picked from the three lists.
AnalysisReport reportFor(year_month_day birth, year_month_day today) {
    const int y{birth.year()};
    const unsigned m{birth.month()}, d{birth.day()};
    return std::get<AnalysisReport>(
        analyseBirthDate(y - 1900, m - 1, d - 1, std::to_string(y) + "年", std::to_string(m) + "月",
                         std::to_string(d) + "日", today));
}

// Fliegel and Van Flandern's day number of a Gregorian date.
long dayNumber(year_month_day date) {
    const long y = int{date.year()}, m = unsigned{date.month()}, d = unsigned{date.day()};
    return (1461 * (y + 4800 + (m - 14) / 12)) / 4 + (367 * (m - 2 - 12 * ((m - 14) / 12))) / 12 -
           (3 * ((y + 4900 + (m - 14) / 12) / 100)) / 4 + d - 32075;
}

}  // namespace

TEST(RateCycle, EveryRemainderOfEveryCycle) {
    // Each remainder's phase, 1 to 9, and each phase's rating word, by hand.
    // clang-format off
    const std::string remarks = "不断提高中不断提高中不久将下滑不断下滑中不断下滑中不断下滑中不久将提高不断提高中不断提高中";
    for (const auto& [cycle, phases, words] : {
             std::tuple{intellect, "111222233334444555566667777888899", "良好优良聪慧聪慧良好欠佳迟钝欠佳良好"},
             {emotion, "1122223334444555666677788889", "良好优良高涨优良良好欠佳低沉欠佳良好"},
             {physical, "11222333444556667778889", "良好优良充沛优良良好欠佳虚弱欠佳良好"}}) {
        // clang-format on
        for (int r = 0; r < cycle.period; ++r) {
            const auto phase = static_cast<std::size_t>(phases[r] - '1');
            const std::string rating = std::string(words).substr(6 * phase, 6) +
                                       "    变化趋势分析：" + remarks.substr(15 * phase, 15);
            for (int periods : {0, 1, 480})
                EXPECT_EQ(rateCycle(float(r + periods * cycle.period), cycle), rating)
                    << cycle.period << r;
            // Before birth the remainder is truncated, so negative: no rating.
            EXPECT_EQ(rateCycle(float(r - cycle.period), cycle), r == 0 ? rating : "");
        }
    }
    for (float x : {3e9F, -3e9F, NAN}) EXPECT_THROW(rateCycle(x, emotion), std::domain_error);
}

// Before birth too: each cycle's number N is the one whose days, (N - 1) times
// the period up to N times it, hold the day count.
TEST(AnalyseBirthDate, CountsDaysAndCyclesOfEveryListDateLikeTheDayNumberFormula) {
    for (const year_month_day t : {2024y / March / 15, 1899y / December / 31, 1950y / July / 4,
                                   year{32767} / December / 31}) {
        for (sys_days date = 1900y / 1 / 1; date <= 2009y / 12 / 31; date += days{1}) {
            const auto report = reportFor(date, t);
            const long count = dayNumber(t) - dayNumber(date);
            ASSERT_TRUE(report.greeting.ends_with("出生了：" + std::to_string(count) + "天。"))
                << report.greeting;
            for (const auto& [text, period] :
                 {std::pair{report.intellect, 33}, {report.emotion, 28}, {report.physical, 23}}) {
                const long n = std::stol(text.substr(text.find(' ')));
                ASSERT_TRUE((n - 1) * period <= count && count < n * period) << text;
            }
        }
    }
}

TEST(AnalyseBirthDate, TextsThatAreNoDateAndInvalidTodaysRaise) {
    // clang-format off
    for (const std::string text : {
        "1900年2月29日", "1980年4月31日", "2009年13月1日", "2009年0月1日", "2009年1月0日", "", "1980年5月",
        "1980年5月12", "x1980年5月12日", "1980年5月12日x", "1980年 5月12日", "+1980年5月12日", "１９８０年5月12日",
        "1980年05月12日", "980年5月12日", "19800年5月12日", "01980年5月12日", "1980年5月12月",
        "99999999999999999999年1月1日", "1980年4294967297月1日", "1980年1月18446744073709551617日"})
        // clang-format on
        EXPECT_THAT(
            [&text] { parseChineseDate(text); },
            ThrowsMessage<DateConversionError>(StartsWith("无法把“" + text + "”转换为日期：")));
    EXPECT_THROW(reportFor(1980y / 5 / 12, 2023y / February / 29), std::domain_error);
}

// Whole answers for lists picked as the window offers them: the worked example,
// and each missing choice (the first one missing is named).
TEST(AnalyseBirthDate, AnswersInFull) {
    const std::string heading = "\r\n\r\n您今天的", trend = "    变化趋势分析：";
    // clang-format off
    for (const auto& [y, m, d, month, expected] : {
        std::tuple<std::int16_t, std::int16_t, std::int16_t, const char*, std::string>{80, 4, 11, "5月",
        "Zendrel：Hi，您好！ 您的生日为：1980年5月12日，您已出生了：16013天。"
        "|您当前正处于第 486 个智力周期中（每 33 天为一个智力周期）" + heading + "智力状况评价等级：聪慧" + trend + "不久将下滑" +
        "|您当前正处于第 572 个情绪周期中（每 28 天为一个情绪周期）" + heading + "情绪状况评价等级：欠佳" + trend + "不断提高中" +
        "|您当前正处于第 697 个体力周期中（每 23 天为一个体力周期）" + heading + "体力状况评价等级：充沛" + trend + "不久将下滑"},
        {-1, -1, -1, "选择月份", "!请选择您的阳历出生年份！"}, {-1, 4, 11, "5月", "!请选择您的阳历出生年份！"},
        {80, -1, 11, "选择月份", "!请选择您的阳历出生月份！"}, {80, 4, -1, "5月", "!请选择您的阳历出生日期！"}}) {
        // clang-format on
        const auto result = analyseBirthDate(y, m, d, "1980年", month, "12日", 2024y / March / 15);
        const auto* report = std::get_if<AnalysisReport>(&result);
        EXPECT_EQ(report ? report->greeting + "|" + report->intellect + "|" + report->emotion +
                               "|" + report->physical
                         : "!" + std::get<Warning>(result).text,
                  expected);
    }
}
