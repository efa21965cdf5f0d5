#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "biorhythm.h"

namespace {

using namespace std::chrono;
using biorhythm::DateConversionError;
using biorhythm::parseChineseDate;

// The message must say what failed and quote the text as the user would see it.
void expectRefused(const std::string& text, const std::string& quotedInMessage) {
    try {
        parseChineseDate(text);
        ADD_FAILURE() << "accepted: " << text;
    } catch (const DateConversionError& error) {
        const std::string message = error.what();
        EXPECT_TRUE(message.starts_with("无法把“")) << message;
        EXPECT_NE(message.find("“" + quotedInMessage + "”"), std::string::npos) << message;
        EXPECT_NE(message.find("转换为日期"), std::string::npos) << message;
    }
}

TEST(ParseChineseDate, AcceptsEveryDateTheListsOffer) {
    for (sys_days day = sys_days{1900y / January / 1}; day <= sys_days{2009y / December / 31};
         day += days{1}) {
        const year_month_day date{day};
        const std::string text = std::to_string(static_cast<int>(date.year())) + "年" +
                                 std::to_string(static_cast<unsigned>(date.month())) + "月" +
                                 std::to_string(static_cast<unsigned>(date.day())) + "日";
        ASSERT_EQ(parseChineseDate(text), date) << text;
    }
}

TEST(ParseChineseDate, RefusesDatesTheCalendarLacks) {
    for (const char* text : {"1900年2月29日", "2001年2月29日", "1980年4月31日", "2009年13月1日",
                             "2009年1月0日", "2009年0月1日", "2009年1月32日"}) {
        expectRefused(text, text);
    }
    EXPECT_EQ(parseChineseDate("2000年2月29日"), 2000y / February / 29);
}

TEST(ParseChineseDate, RefusesMalformedTexts) {
    for (const char* text : {"",
                             "1980年5月",
                             "1980年12日",
                             "5月12日",
                             "1980年5月12",
                             "年月日",
                             "x1980年5月12日",
                             "1980年5月12日x",
                             "1980年 5月12日",
                             " 1980年5月12日",
                             "1980年5月12日 ",
                             "+1980年5月12日",
                             "1980年-5月12日",
                             "１９８０年5月12日",
                             "1980年05月12日",
                             "1980年5月012日",
                             "980年5月12日",
                             "01980年5月12日",
                             "1980年5月12日12日",
                             "1980年5月12月",
                             "1980-05-12",
                             "选择年份选择月份选择日期"}) {
        expectRefused(text, text);
    }
}

TEST(ParseChineseDate, RefusesDigitRunsThatWouldOverflow) {
    for (const char* text : {"99999999999999999999年1月1日", "1980年4294967297月1日",
                             "1980年1月18446744073709551617日"}) {
        expectRefused(text, text);
    }
}

TEST(ParseChineseDate, QuotesBrokenAndLongTextsSafely) {
    // Invalid UTF-8 and control characters are shown as U+FFFD, never copied raw.
    expectRefused(std::string("1980\xE5\xB9年5月12日"), "1980\xEF\xBF\xBD\xEF\xBF\xBD年5月12日");
    expectRefused(std::string("19\x01"
                              "80年",
                              6),
                  "19\xEF\xBF\xBD"
                  "80\xEF\xBF\xBD");
    expectRefused(std::string("1980\0年", 8), "1980\xEF\xBF\xBD年");
    // A very long text is cut after forty characters.
    expectRefused(std::string(100000, '7'), std::string(40, '7') + "…");
}

}  // namespace
