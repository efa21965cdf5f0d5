#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "biorhythm.h"

namespace biorhythm {
namespace {

constexpr std::string_view kGood = "良好";
constexpr std::string_view kFine = "优良";
constexpr std::string_view kPoor = "欠佳";

constexpr std::string_view kRising = "变化趋势分析：不断提高中";
constexpr std::string_view kSoonFalling = "变化趋势分析：不久将下滑";
constexpr std::string_view kFalling = "变化趋势分析：不断下滑中";
constexpr std::string_view kSoonRising = "变化趋势分析：不久将提高";

constexpr std::string_view kSeparator = "    ";

// The boundaries between phases lie at the odd sixteenths of the period; none
// of them is whole, so a whole remainder never sits on one.
double threshold(int period, int k) {
    return period * (2.0 * k - 1.0) / 16.0;
}

// Rounds to nearest with ties to even, independent of the floating-point
// environment's rounding mode.
std::int32_t toInt32(float dayCount) {
    const double value = dayCount;
    if (!std::isfinite(value) || value < std::numeric_limits<std::int32_t>::min() - 0.5 ||
        value >= std::numeric_limits<std::int32_t>::max() + 0.5) {
        throw std::domain_error("天数超出了可计算的范围");
    }
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below + 1.0;
    if (fraction < 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) == 0.0)) rounded = below;
    return static_cast<std::int32_t>(rounded);
}

// 1 to 9, or 0 when the remainder lies in no phase (it is negative).
int phaseOf(std::int32_t remainder, int period) {
    const double r = remainder;
    if (remainder >= 0 && r < threshold(period, 1)) return 1;
    for (int k = 2; k <= 8; ++k) {
        if (r > threshold(period, k - 1) && r < threshold(period, k)) return k;
    }
    if (r > threshold(period, 8) && remainder <= period) return 9;
    return 0;
}

}  // namespace

std::string rateCycle(float dayCount, const Cycle& cycle) {
    const int phase = phaseOf(toInt32(dayCount) % cycle.period, cycle.period);
    if (phase == 0) return {};
    // Phases 1 and 9 rise through the middle, 3 is the top, 5 falls through the
    // middle, 7 is the bottom.
    const std::array<std::string_view, 9> words{kGood, kFine, cycle.topWord,    cycle.afterTopWord,
                                                kGood, kPoor, cycle.bottomWord, kPoor,
                                                kGood};
    constexpr std::array<std::string_view, 9> kRemarks{kRising,     kRising,  kSoonFalling,
                                                       kFalling,    kFalling, kFalling,
                                                       kSoonRising, kRising,  kRising};
    const std::string_view word = words[phase - 1];
    const std::string_view remark = kRemarks[phase - 1];
    std::string text;
    text.reserve(word.size() + kSeparator.size() + remark.size());
    text.append(word).append(kSeparator).append(remark);
    return text;
}

float cycleNumber(float dayCount, int period) {
    return static_cast<float>(std::floor(static_cast<double>(dayCount) / period + 1.0));
}

}  // namespace biorhythm
