// The analysis against data written out by hand and against an independent
// day-number formula.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <tuple>
#include <variant>

#include "biorhythm.h"

namespace {

using namespace std::chrono;
using biorhythm::AnalysisReport;
using biorhythm::rateCycle;

// A date as the three lists give it: selected indexes and texts.
AnalysisReport reportFor(int y, int m, int d, year_month_day today) {
    return std::get<AnalysisReport>(biorhythm::analyseBirthDate(
        static_cast<std::int16_t>(y - 1900), static_cast<std::int16_t>(m - 1),
        static_cast<std::int16_t>(d - 1), std::to_string(y) + "年", std::to_string(m) + "月",
        std::to_string(d) + "日", today));
}

// Fliegel and Van Flandern's day number of a Gregorian date, free of <chrono>.
long dayNumber(long y, long m, long d) {
    return (1461 * (y + 4800 + (m - 14) / 12)) / 4 + (367 * (m - 2 - 12 * ((m - 14) / 12))) / 12 -
           (3 * ((y + 4900 + (m - 14) / 12) / 100)) / 4 + d - 32075;
}

TEST(RateCycle, EveryRemainderOfEveryCycle) {
    // Each remainder's phase, 1 to 9, and each phase's rating word, by hand.
    for (const auto& [cycle, phases, words] :
         {std::tuple{biorhythm::intellect, "111222233334444555566667777888899",
                     "良好优良聪慧聪慧良好欠佳迟钝欠佳良好"},
          {biorhythm::emotion, "1122223334444555666677788889",
           "良好优良高涨优良良好欠佳低沉欠佳良好"},
          {biorhythm::physical, "11222333444556667778889",
           "良好优良充沛优良良好欠佳虚弱欠佳良好"}}) {
        for (int r = 0; r < cycle.period; ++r) {
            const auto phase = static_cast<std::size_t>(phases[r] - '1');
            const std::string rating = std::string(words).substr(6 * phase, 6) +
                                       "    变化趋势分析：" +
                                       std::string(
                                           "不断提高中不断提高中不久将下滑不断下滑中不断下滑中不断"
                                           "下滑中不久将提高不断提高中不断提高中")
                                           .substr(15 * phase, 15);
            for (int periods : {0, 1, 480}) {
                EXPECT_EQ(rateCycle(static_cast<float>(r + periods * cycle.period), cycle), rating)
                    << cycle.period << " " << r;
            }
            // Before birth the remainder is truncated, so negative: no rating.
            EXPECT_EQ(rateCycle(static_cast<float>(r - cycle.period), cycle), r == 0 ? rating : "")
                << cycle.period << " " << r;
        }
    }
    EXPECT_THROW(rateCycle(3e9F, biorhythm::emotion), std::domain_error);
}

TEST(AnalyseBirthDate, WorkedExample) {
    const AnalysisReport report = reportFor(1980, 5, 12, 2024y / March / 15);
    EXPECT_EQ(report.greeting,
              "Zendrel：Hi，您好！ 您的生日为：1980年5月12日，您已出生了：16013天。");
    EXPECT_EQ(report.intellect,
              "您当前正处于第 486 个智力周期中（每 33 天为一个智力周期）\r\n\r\n"
              "您今天的智力状况评价等级：聪慧    变化趋势分析：不久将下滑");
    EXPECT_EQ(report.emotion,
              "您当前正处于第 572 个情绪周期中（每 28 天为一个情绪周期）\r\n\r\n"
              "您今天的情绪状况评价等级：欠佳    变化趋势分析：不断提高中");
    EXPECT_EQ(report.physical,
              "您当前正处于第 697 个体力周期中（每 23 天为一个体力周期）\r\n\r\n"
              "您今天的体力状况评价等级：充沛    变化趋势分析：不久将下滑");
}

TEST(AnalyseBirthDate, WarnsForTheFirstMissingChoiceBeforeReadingAnyText) {
    for (const auto& [y, m, d, warning] : {std::tuple{-1, -1, -1, "年份"},
                                           {-1, 4, 11, "年份"},
                                           {80, -1, 11, "月份"},
                                           {80, -1, -1, "月份"},
                                           {80, 4, -1, "日期"}}) {
        const auto result = biorhythm::analyseBirthDate(
            static_cast<std::int16_t>(y), static_cast<std::int16_t>(m),
            static_cast<std::int16_t>(d), "选择年份", "选择月份", "随便", 2024y / March / 15);
        EXPECT_EQ(std::get<biorhythm::Warning>(result).text,
                  std::string("请选择您的阳历出生") + warning + "！");
    }
}

TEST(AnalyseBirthDate, CountsEveryListDateLikeTheDayNumberFormula) {
    for (const year_month_day today : {2024y / March / 15, 1899y / December / 31, 1950y / July / 4,
                                       year{32767} / December / 31}) {
        const long todayNumber =
            dayNumber(int{today.year()}, unsigned{today.month()}, unsigned{today.day()});
        for (sys_days day{1900y / January / 1}; day <= sys_days{2009y / December / 31};
             day += days{1}) {
            const year_month_day birth{day};
            const int y = int{birth.year()};
            const int m = static_cast<int>(unsigned{birth.month()});
            const int d = static_cast<int>(unsigned{birth.day()});
            ASSERT_TRUE(
                reportFor(y, m, d, today)
                    .greeting.ends_with("：" + std::to_string(y) + "年" + std::to_string(m) + "月" +
                                        std::to_string(d) + "日，您已出生了：" +
                                        std::to_string(todayNumber - dayNumber(y, m, d)) + "天。"))
                << y << "-" << m << "-" << d;
        }
    }
}

TEST(AnalyseBirthDate, BeforeBirthTheCyclesCountBackAndOnlyWholePeriodsAreRated) {
    // Born 2009-12-31, today that many days before: "cycle number, rated?" of
    // intellect, emotion and physical.
    for (const auto& [before, expected] : {std::pair{-1, "0- 0- 0-"},
                                           {-30, "0- -1- -1-"},
                                           {-33, "0+ -1- -1-"},
                                           {-56, "-1- -1+ -2-"}}) {
        const AnalysisReport report =
            reportFor(2009, 12, 31, year_month_day{sys_days{2009y / December / 31} + days{before}});
        std::string seen;
        for (const std::string& text : {report.intellect, report.emotion, report.physical}) {
            seen += text.substr(text.find(' ') + 1, text.find(" 个") - text.find(' ') - 1) +
                    (text.ends_with("等级：") ? "- " : "+ ");
        }
        EXPECT_EQ(seen, std::string(expected) + " ") << before;
        EXPECT_TRUE(report.greeting.ends_with("出生了：" + std::to_string(before) + "天。"));
    }
}

TEST(AnalyseBirthDate, TextsThatAreNoDateAndInvalidTodaysRaise) {
    // clang-format off
    for (const char* text : {
        "1900年2月29日", "1980年4月31日", "2009年13月1日", "2009年0月1日", "2009年1月0日", "", "1980年5月",
        "1980年5月12", "x1980年5月12日", "1980年5月12日x", "1980年 5月12日", "+1980年5月12日", "１９８０年5月12日",
        "1980年05月12日", "980年5月12日", "19800年5月12日", "01980年5月12日", "1980年5月12月", "99999999999999999999年1月1日",
        "1980年4294967297月1日", "1980年1月18446744073709551617日"}) {
        // clang-format on
        try {
            biorhythm::parseChineseDate(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const biorhythm::DateConversionError& error) {
            EXPECT_TRUE(std::string(error.what())
                            .starts_with("无法把“" + std::string(text) + "”转换为日期："))
                << error.what();
        }
    }
    EXPECT_THROW(reportFor(1980, 5, 12, 2023y / February / 29), std::domain_error);
}

}  // namespace
