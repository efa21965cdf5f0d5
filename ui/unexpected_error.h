#pragma once

namespace biorhythm::ui {

class Platform;

// The last resort, called from a catch block: the error being handled is
// reported in Chinese, on the standard error stream and in an error box, and
// then the program ends with a non-zero status. An error while reporting ends
// the program at once (std::terminate).
void endOnUnexpectedError(Platform& platform) noexcept;

}  // namespace biorhythm::ui
