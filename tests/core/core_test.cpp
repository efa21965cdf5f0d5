// The analysis against data written out by hand and an independent formula.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <tuple>

#include "biorhythm.h"

using namespace std::chrono;
using biorhythm::rateCycle;

namespace {

// A date as the three lists give it: "1899年" and "0月" stand for no choice.
auto analyse(int y, int m, int d, year_month_day today) {
    return biorhythm::analyseBirthDate(y - 1900, m - 1, d - 1, std::to_string(y) + "年",
                                       std::to_string(m) + "月", std::to_string(d) + "日", today);
}

biorhythm::AnalysisReport reportFor(int y, int m, int d, year_month_day today) {
    return std::get<biorhythm::AnalysisReport>(analyse(y, m, d, today));
}

// Fliegel and Van Flandern's day number of a Gregorian date.
long dayNumber(long y, long m, long d) {
    return (1461 * (y + 4800 + (m - 14) / 12)) / 4 + (367 * (m - 2 - 12 * ((m - 14) / 12))) / 12 -
           (3 * ((y + 4900 + (m - 14) / 12) / 100)) / 4 + d - 32075;
}

}  // namespace

TEST(RateCycle, EveryRemainderOfEveryCycle) {
    // Each remainder's phase, 1 to 9, and each phase's rating word, by hand.
    // clang-format off
    const std::string remarks = "不断提高中不断提高中不久将下滑不断下滑中不断下滑中不断下滑中不久将提高不断提高中不断提高中";
    for (const auto& [cycle, phases, words] : {
             std::tuple{biorhythm::intellect, "111222233334444555566667777888899", "良好优良聪慧聪慧良好欠佳迟钝欠佳良好"},
             {biorhythm::emotion, "1122223334444555666677788889", "良好优良高涨优良良好欠佳低沉欠佳良好"},
             {biorhythm::physical, "11222333444556667778889", "良好优良充沛优良良好欠佳虚弱欠佳良好"}}) {
        // clang-format on
        for (int r = 0; r < cycle.period; ++r) {
            const auto phase = static_cast<std::size_t>(phases[r] - '1');
            const std::string rating = std::string(words).substr(6 * phase, 6) +
                                       "    变化趋势分析：" + remarks.substr(15 * phase, 15);
            for (int periods : {0, 1, 480}) {
                EXPECT_EQ(rateCycle(static_cast<float>(r + periods * cycle.period), cycle), rating)
                    << cycle.period << " " << r;
            }
            // Before birth the remainder is truncated, so negative: no rating.
            EXPECT_EQ(rateCycle(static_cast<float>(r - cycle.period), cycle), r == 0 ? rating : "");
        }
    }
    EXPECT_THROW(rateCycle(3e9F, biorhythm::emotion), std::domain_error);
}

TEST(AnalyseBirthDate, WorkedExample) {
    const biorhythm::AnalysisReport report = reportFor(1980, 5, 12, 2024y / March / 15);
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
    // clang-format off
    for (const auto& [y, m, d, missing] : {std::tuple{1899, 0, 0, "年份"}, {1899, 5, 12, "年份"},
             {1980, 0, 12, "月份"}, {1980, 0, 0, "月份"}, {1980, 5, 0, "日期"}}) {
        // clang-format on
        EXPECT_EQ(std::get<biorhythm::Warning>(analyse(y, m, d, 2024y / March / 15)).text,
                  std::string("请选择您的阳历出生") + missing + "！");
    }
}

TEST(AnalyseBirthDate, CountsEveryListDateLikeTheDayNumberFormula) {
    for (const year_month_day t : {2024y / March / 15, 1899y / December / 31, 1950y / July / 4,
                                   year{32767} / December / 31}) {
        const long today = dayNumber(int{t.year()}, unsigned{t.month()}, unsigned{t.day()});
        for (int y = 1900; y <= 2009; ++y) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; year_month_day{year{y}, month(m), day(d)}.ok(); ++d) {
                    ASSERT_TRUE(reportFor(y, m, d, t)
                                    .greeting.ends_with("出生了：" +
                                                        std::to_string(today - dayNumber(y, m, d)) +
                                                        "天。"))
                        << y << "-" << m << "-" << d;
                }
            }
        }
    }
}

TEST(AnalyseBirthDate, BeforeBirthTheCyclesCountBackAndOnlyWholePeriodsAreRated) {
    // Born 2009-12-31, today that many days before: each cycle's number, and
    // + where it is rated.
    for (const auto& [before, expected] : {std::pair{-1, "0- 0- 0- "},
                                           {-30, "0- -1- -1- "},
                                           {-33, "0+ -1- -1- "},
                                           {-56, "-1- -1+ -2- "}}) {
        const auto report =
            reportFor(2009, 12, 31, year_month_day{sys_days{2009y / December / 31} + days{before}});
        std::string seen;
        for (const std::string& text : {report.intellect, report.emotion, report.physical}) {
            seen += text.substr(text.find(' ') + 1, text.find(" 个") - text.find(' ') - 1) +
                    (text.ends_with("等级：") ? "- " : "+ ");
        }
        EXPECT_EQ(seen, expected) << before;
        EXPECT_TRUE(report.greeting.ends_with("出生了：" + std::to_string(before) + "天。"));
    }
}

TEST(AnalyseBirthDate, TextsThatAreNoDateAndInvalidTodaysRaise) {
    // clang-format off
    for (const std::string text : {
        "1900年2月29日", "1980年4月31日", "2009年13月1日", "2009年0月1日", "2009年1月0日", "", "1980年5月",
        "1980年5月12", "x1980年5月12日", "1980年5月12日x", "1980年 5月12日", "+1980年5月12日", "１９８０年5月12日",
        "1980年05月12日", "980年5月12日", "19800年5月12日", "01980年5月12日", "1980年5月12月",
        "99999999999999999999年1月1日", "1980年4294967297月1日", "1980年1月18446744073709551617日"}) {
        // clang-format on
        try {
            biorhythm::parseChineseDate(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const biorhythm::DateConversionError& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with("无法把“" + text + "”转换为日期："));
        }
    }
    EXPECT_THROW(reportFor(1980, 5, 12, 2023y / February / 29), std::domain_error);
}
