// How much the display line holds: the longest text the calculator makes, and
// the digits one entry takes.
#pragma once

#include <cstddef>

namespace zova {

/// Characters the display shows whole and legible at every size; a longer text is never made.
inline constexpr std::size_t kDisplayCharacters = 24;
/// Digits one entry takes: all a double holds (17 significant digits), and with
/// its sign, point, "E-" and three exponent digits it fits the display.
inline constexpr int kEntryDigits = 17;

}  // namespace zova
