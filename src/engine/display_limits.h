// How much the display line holds: the longest text the calculator makes, and
// the digits one entry takes.
#pragma once

#include <cstddef>

namespace zova {

/// Characters the display shows whole and legible at every size; a longer text is never made.
inline constexpr std::size_t kDisplayCharacters = 24;
/// Digits the binary display holds: one 16-bit two's complement word.
inline constexpr std::size_t kBinaryDigits = 16;
/// Digits one entry takes in hexadecimal, octal and binary.
inline constexpr int kEntryDigits = 17;
/// A decimal entry keeps every digit typed while the line, with room for a sign, fits the
/// display; its exponent takes three digits.
inline constexpr bool decimalEntryFits(std::size_t length, bool signed_) {
  return length + (signed_ ? 0 : 1) <= kDisplayCharacters;
}

}  // namespace zova
