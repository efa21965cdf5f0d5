#include "readable_colour.h"

#include <algorithm>
#include <cmath>

namespace biorhythm::ui {
namespace {

// Relative luminance and contrast ratio as the web's accessibility guidelines
// (WCAG 2) define them.
double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& one, const QColor& other) {
    const double first = luminance(one) + 0.05;
    const double second = luminance(other) + 0.05;
    return std::max(first, second) / std::min(first, second);
}

}  // namespace

QColor readableColour(const QColor& designed, const QPalette& palette) {
    const QColor background = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    const bool lightScheme = luminance(background) > luminance(text);
    if (lightScheme && contrast(designed, background) >= 3) return designed;
    // Mixed with black or white, a colour keeps its hue and moves steadily
    // away from the background; a step short of them it is still coloured.
    const QColor extreme = lightScheme ? Qt::black : Qt::white;
    // A little over, for the shade that some styles give a frame's inside.
    const double wanted = std::min(4.5, contrast(text, background)) * 1.05;
    constexpr int kSteps = 64;
    QColor mixed = designed;
    for (int step = 1; step < kSteps && contrast(mixed, background) < wanted; ++step) {
        const auto towards = [step](int from, int to) {
            return from + (to - from) * step / kSteps;
        };
        mixed.setRgb(towards(designed.red(), extreme.red()),
                     towards(designed.green(), extreme.green()),
                     towards(designed.blue(), extreme.blue()));
    }
    return mixed;
}

}  // namespace biorhythm::ui
