#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <variant>

#include "biorhythm.h"

namespace {

using namespace std::chrono;
using biorhythm::analyseBirthDate;
using biorhythm::AnalysisReport;
using biorhythm::Warning;

AnalysisReport reportFor(std::int16_t y, std::int16_t m, std::int16_t d, year_month_day today) {
    const std::string yearText = std::to_string(1900 + y) + "年";
    const std::string monthText = std::to_string(m + 1) + "月";
    const std::string dayText = std::to_string(d + 1) + "日";
    auto result = analyseBirthDate(y, m, d, yearText, monthText, dayText, today);
    EXPECT_TRUE(std::holds_alternative<AnalysisReport>(result));
    return std::get<AnalysisReport>(result);
}

TEST(AnalyseBirthDate, WorkedExample) {
    const AnalysisReport report = reportFor(80, 4, 11, 2024y / March / 15);
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

TEST(AnalyseBirthDate, WarnsForTheFirstMissingChoiceWithoutConverting) {
    const year_month_day today = 2024y / March / 15;
    struct Case {
        std::int16_t y, m, d;
        const char* expected;
    };
    for (const Case& c :
         {Case{-1, -1, -1, "请选择您的阳历出生年份！"}, Case{-1, 4, 11, "请选择您的阳历出生年份！"},
          Case{80, -1, -1, "请选择您的阳历出生月份！"},
          Case{80, -1, 11, "请选择您的阳历出生月份！"},
          Case{80, 4, -1, "请选择您的阳历出生日期！"}}) {
        // Texts that are no date at all: a warning must come before any conversion.
        const auto result =
            analyseBirthDate(c.y, c.m, c.d, "选择年份", "选择月份", "随便输入", today);
        ASSERT_TRUE(std::holds_alternative<Warning>(result));
        EXPECT_EQ(std::get<Warning>(result).text, c.expected);
    }
}

TEST(AnalyseBirthDate, TextsThatAreNoDateRaise) {
    EXPECT_THROW(analyseBirthDate(0, 1, 28, "1900年", "2月", "29日", 2024y / March / 15),
                 biorhythm::DateConversionError);
    EXPECT_THROW(analyseBirthDate(80, 4, 11, "1980年", "5月", "12号", 2024y / March / 15),
                 biorhythm::DateConversionError);
}

TEST(AnalyseBirthDate, TodayThatIsNoDateRaises) {
    EXPECT_THROW(reportFor(80, 4, 11, 2023y / February / 29), std::domain_error);
    EXPECT_THROW(reportFor(80, 4, 11, year{-32768} / January / 1), std::domain_error);
    // The farthest valid todays still count exactly.
    EXPECT_NO_THROW(reportFor(0, 0, 0, year{32767} / December / 31));
    EXPECT_NO_THROW(reportFor(109, 11, 30, year{-32767} / January / 1));
}

TEST(AnalyseBirthDate, BirthdayTodayStartsEveryCycle) {
    const AnalysisReport report = reportFor(100, 0, 1, 2000y / January / 2);
    EXPECT_EQ(report.greeting, "Zendrel：Hi，您好！ 您的生日为：2000年1月2日，您已出生了：0天。");
    for (const std::string* text : {&report.intellect, &report.emotion, &report.physical}) {
        EXPECT_NE(text->find("您当前正处于第 1 个"), std::string::npos) << *text;
        EXPECT_TRUE(text->ends_with("：良好    变化趋势分析：不断提高中")) << *text;
    }
}

TEST(AnalyseBirthDate, NegativeDayCounts) {
    // Birth on 2009-12-31; today this many days earlier.
    struct Case {
        int days;
        const char* intellectNumber;
        const char* emotionNumber;
        const char* physicalNumber;
        bool intellectRated, emotionRated, physicalRated;
    };
    for (const Case& c : {Case{-1, " 0 ", " 0 ", " 0 ", false, false, false},
                          Case{-30, " 0 ", " -1 ", " -1 ", false, false, false},
                          Case{-33, " 0 ", " -1 ", " -1 ", true, false, false},
                          Case{-56, " -1 ", " -1 ", " -2 ", false, true, false}}) {
        const year_month_day today{sys_days{2009y / December / 31} + days{c.days}};
        const AnalysisReport report = reportFor(109, 11, 30, today);
        EXPECT_TRUE(report.greeting.ends_with("2009年12月31日，您已出生了：" +
                                              std::to_string(c.days) + "天。"))
            << report.greeting;
        const std::pair<const std::string*, std::pair<const char*, bool>> texts[] = {
            {&report.intellect, {c.intellectNumber, c.intellectRated}},
            {&report.emotion, {c.emotionNumber, c.emotionRated}},
            {&report.physical, {c.physicalNumber, c.physicalRated}}};
        for (const auto& [text, expected] : texts) {
            EXPECT_NE(text->find(std::string("第") + expected.first + "个"), std::string::npos)
                << *text;
            EXPECT_EQ(text->ends_with("评价等级："), !expected.second) << *text;
        }
    }
}

TEST(AnalyseBirthDate, NextCycleBeginsAfterAFullPeriod) {
    const sys_days birth{1990y / June / 1};
    const AnalysisReport lastDay = reportFor(90, 5, 0, year_month_day{birth + days{22}});
    const AnalysisReport nextDay = reportFor(90, 5, 0, year_month_day{birth + days{23}});
    EXPECT_NE(lastDay.physical.find("第 1 个体力周期"), std::string::npos);
    EXPECT_NE(nextDay.physical.find("第 2 个体力周期"), std::string::npos);
    EXPECT_TRUE(nextDay.physical.ends_with("体力状况评价等级：良好    变化趋势分析：不断提高中"));
}

TEST(AnalyseBirthDate, SmallMonthsAndDaysHaveOneDigit) {
    const AnalysisReport report = reportFor(80, 4, 1, 2024y / March / 15);
    EXPECT_NE(report.greeting.find("1980年5月2日，"), std::string::npos) << report.greeting;
}

}  // namespace
