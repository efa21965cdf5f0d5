#pragma once

#include <QStringView>

namespace biorhythm::ui {

// Texts that the window opens with and that its handlers write back.
inline constexpr QStringView kChooseYear = u"选择年份";
inline constexpr QStringView kChooseMonth = u"选择月份";
inline constexpr QStringView kChooseDay = u"选择日期";

inline constexpr QStringView kIntellectQuestion = u"猜猜您近日的智力状况会是什么等级？";
inline constexpr QStringView kEmotionQuestion = u"猜猜您近日的情绪状况会是什么等级？";
inline constexpr QStringView kPhysicalQuestion = u"猜猜您近日的体力状况会是什么等级？";

}  // namespace biorhythm::ui
