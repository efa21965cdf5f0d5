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

// Rounds to nearest, ties to even, as the program's float environment does by
// default. The range check keeps the conversion defined.
std::int32_t toInt32(float dayCount) {
    const double rounded = std::nearbyint(static_cast<double>(dayCount));
    if (std::isnan(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        throw std::domain_error("天数超出了可计算的范围");
    }
    return static_cast<std::int32_t>(rounded);
}

// 1 to 9: one more than the number of boundaries below the remainder; 0 for a
// negative remainder, which lies in no phase.
int phaseOf(std::int32_t remainder, int period) {
    if (remainder < 0) return 0;
    int phase = 1;
    for (int k = 1; k <= 8; ++k) {
        if (remainder > threshold(period, k)) ++phase;
    }
    return phase;
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
    return std::string(word).append(kSeparator).append(remark);
}

float cycleNumber(float dayCount, int period) {
    return static_cast<float>(std::floor(static_cast<double>(dayCount) / period + 1.0));
}

}  // namespace biorhythm
