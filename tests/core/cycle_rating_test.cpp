#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "biorhythm.h"

namespace {

using biorhythm::rateCycle;

// The rating of each whole remainder, one table a cycle, written out by phase
// ranges rather than derived from thresholds, so that the code's sixteenths
// are checked against an independent source.
struct PhaseRange {
    int first;
    int last;
    const char* word;
    const char* remark;
};

constexpr const char* kRising = "变化趋势分析：不断提高中";
constexpr const char* kSoonFalling = "变化趋势分析：不久将下滑";
constexpr const char* kFalling = "变化趋势分析：不断下滑中";
constexpr const char* kSoonRising = "变化趋势分析：不久将提高";

const std::vector<PhaseRange> kIntellect{
    {0, 2, "良好", kRising},       {3, 6, "优良", kRising},    {7, 10, "聪慧", kSoonFalling},
    {11, 14, "聪慧", kFalling},    {15, 18, "良好", kFalling}, {19, 22, "欠佳", kFalling},
    {23, 26, "迟钝", kSoonRising}, {27, 30, "欠佳", kRising},  {31, 32, "良好", kRising},
};
const std::vector<PhaseRange> kEmotion{
    {0, 1, "良好", kRising},       {2, 5, "优良", kRising},    {6, 8, "高涨", kSoonFalling},
    {9, 12, "优良", kFalling},     {13, 15, "良好", kFalling}, {16, 19, "欠佳", kFalling},
    {20, 22, "低沉", kSoonRising}, {23, 26, "欠佳", kRising},  {27, 27, "良好", kRising},
};
const std::vector<PhaseRange> kPhysical{
    {0, 1, "良好", kRising},       {2, 4, "优良", kRising},    {5, 7, "充沛", kSoonFalling},
    {8, 10, "优良", kFalling},     {11, 12, "良好", kFalling}, {13, 15, "欠佳", kFalling},
    {16, 18, "虚弱", kSoonRising}, {19, 21, "欠佳", kRising},  {22, 22, "良好", kRising},
};

void expectEveryRemainder(const biorhythm::Cycle& cycle, const std::vector<PhaseRange>& table) {
    const int period = cycle.period;
    int covered = 0;
    for (const PhaseRange& range : table) {
        for (int r = range.first; r <= range.last; ++r, ++covered) {
            const std::string expected = std::string(range.word) + "    " + range.remark;
            // The same remainder reached from several periods on.
            for (int periods : {0, 1, 7, 480}) {
                const float dayCount = static_cast<float>(r + periods * period);
                EXPECT_EQ(rateCycle(dayCount, cycle), expected)
                    << "period " << period << ", day count " << dayCount;
            }
        }
    }
    EXPECT_EQ(covered, period) << "the table must cover every remainder once";
    for (int r = -(period - 1); r <= -1; ++r) {
        for (int periods : {0, 1, 5}) {
            const float dayCount = static_cast<float>(r - periods * period);
            EXPECT_EQ(rateCycle(dayCount, cycle), "") << "day count " << dayCount;
        }
    }
}

TEST(RateCycle, IntellectEveryRemainder) {
    expectEveryRemainder(biorhythm::intellect, kIntellect);
}
TEST(RateCycle, EmotionEveryRemainder) {
    expectEveryRemainder(biorhythm::emotion, kEmotion);
}
TEST(RateCycle, PhysicalEveryRemainder) {
    expectEveryRemainder(biorhythm::physical, kPhysical);
}

TEST(RateCycle, RemainderIsTruncatedNotFloored) {
    // -33 is a whole intellect period back, but -5 and -10 are left over for
    // the other two: truncated remainders, negative, so no rating.
    EXPECT_EQ(rateCycle(-33.0f, biorhythm::intellect), "良好    变化趋势分析：不断提高中");
    EXPECT_EQ(rateCycle(-33.0f, biorhythm::emotion), "");
    EXPECT_EQ(rateCycle(-33.0f, biorhythm::physical), "");
    EXPECT_EQ(rateCycle(-56.0f, biorhythm::emotion), "良好    变化趋势分析：不断提高中");
    EXPECT_EQ(rateCycle(-56.0f, biorhythm::intellect), "");
}

TEST(RateCycle, HalfDaysRoundToEven) {
    // 6.5 rounds to 6 (emotion phase 3), 7.5 to 8 (still phase 3), 8.5 to 8;
    // rounding half up would give 9 (phase 4) for 8.5.
    EXPECT_EQ(rateCycle(8.5f, biorhythm::emotion), "高涨    变化趋势分析：不久将下滑");
    EXPECT_EQ(rateCycle(9.5f, biorhythm::emotion), "优良    变化趋势分析：不断下滑中");
    // 1.5 rounds to 2 (emotion phase 2), 0.5 to 0 (phase 1).
    EXPECT_EQ(rateCycle(1.5f, biorhythm::emotion), "优良    变化趋势分析：不断提高中");
    EXPECT_EQ(rateCycle(0.5f, biorhythm::emotion), "良好    变化趋势分析：不断提高中");
    EXPECT_EQ(rateCycle(-0.5f, biorhythm::emotion), "良好    变化趋势分析：不断提高中");
    EXPECT_EQ(rateCycle(-1.5f, biorhythm::emotion), "");
}

TEST(RateCycle, DayCountsNoDatesCanGiveAreRefused) {
    for (float bad :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
          -std::numeric_limits<float>::infinity(), 3.0e9f, -3.0e9f}) {
        EXPECT_THROW(rateCycle(bad, biorhythm::intellect), std::domain_error) << bad;
    }
    EXPECT_NO_THROW(rateCycle(2147483520.0f, biorhythm::intellect));
}

TEST(CycleNumber, CountsFromOneAndFloorsBelowZero) {
    for (const biorhythm::Cycle& cycle : biorhythm::cycles) {
        const int p = cycle.period;
        EXPECT_EQ(biorhythm::cycleNumber(0.0f, p), 1.0f);
        EXPECT_EQ(biorhythm::cycleNumber(static_cast<float>(p - 1), p), 1.0f);
        EXPECT_EQ(biorhythm::cycleNumber(static_cast<float>(p), p), 2.0f);
        EXPECT_EQ(biorhythm::cycleNumber(-1.0f, p), 0.0f);
        EXPECT_EQ(biorhythm::cycleNumber(static_cast<float>(-p), p), 0.0f);
        EXPECT_EQ(biorhythm::cycleNumber(static_cast<float>(-p - 1), p), -1.0f);
    }
    EXPECT_EQ(biorhythm::cycleNumber(-30.0f, 33), 0.0f);
    EXPECT_EQ(biorhythm::cycleNumber(-30.0f, 28), -1.0f);
    EXPECT_EQ(biorhythm::cycleNumber(16013.0f, 23), 697.0f);
}

}  // namespace
