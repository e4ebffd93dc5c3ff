// Conversions between display texts and numbers, and the checked arithmetic and
// math functions the calculator computes with. Everything here is locale-aware
// through NumberLocale and free of any toolkit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/decimal.h"

namespace zova {

/// The user's decimal and grouping symbols (taken from QLocale by the program).
struct NumberLocale {
  std::string decimal = ".";
  std::string group = ",";
  bool operator==(const NumberLocale&) const = default;
};

/// A finite value as sign, up to 15 significant digits (no trailing zeros) and the
/// decimal exponent of the first digit: value = 0.d0d1d2... * 10^(exp + 1). Zero has
/// no digits. Every number text is written from this form.
struct DecimalDigits {
  static constexpr int kSignificant = 15;
  static constexpr int kAll = 34;  ///< every digit a number holds
  std::array<char, kAll + 1> digits{};
  int count = 0;
  int exp = 0;
  bool negative = false;
  /// The digit at index, '0' before the first and past the last.
  char at(int index) const;
};
/// x rounded to `significant` digits, ties away from zero; x must be finite.
DecimalDigits toDecimalDigits(Decimal x, int significant = DecimalDigits::kSignificant);

/// The range of results: beyond the largest double, ±1.79769313486232E+308 as shown,
/// a result fails (the range settings files have always had); smaller in magnitude
/// than 1E-999, which three exponent digits cannot show, it is 0. Infinities and NaN fail.
std::optional<Decimal> finiteOrNone(Decimal x);

/// Longest numeric prefix: blanks skipped, optional sign, digits, "." as the only
/// decimal separator, optional exponent "E"/"D"; "&H"/"&O" prefixes read whole
/// numbers (at most 8 hex / 11 octal digits, values >= 2^31 read as value - 2^32;
/// longer texts read as 0). No numeric prefix gives 0. Fails (nullopt) only for a
/// prefix that is a number beyond the range (finiteOrNone), such as "1E999".
std::optional<Decimal> parseNumberInRange(std::string_view text);

/// parseNumberInRange for texts that need not hold a number at all (a settings
/// line, a count box): a number beyond the range reads as 0. Never fails.
Decimal parseNumber(std::string_view text);

/// The whole text (blanks around allowed) is a number in the locale, grouping
/// symbols allowed in the whole part, or "&H"/"&O" + digits; nullopt otherwise.
std::optional<Decimal> textToNumber(std::string_view text, const NumberLocale& loc);

/// True exactly when textToNumber succeeds.
bool isNumber(std::string_view text, const NumberLocale& loc);

/// When the text, white space around it allowed, is a decimal number written with the
/// locale's decimal symbol and, if any, its grouping symbol between groups of three whole
/// digits ("1,234.5", "-12,345E3", " 42\n"), that text without the white space, the
/// grouping symbols and a leading "+" ("1234.5"); nullopt for any other text. The number
/// may be beyond the range: its digits are kept, not rounded.
std::optional<std::string> ungroupedNumberText(std::string_view text, const NumberLocale& loc);

/// Rounded to 15 significant digits, ties half away from zero (as formatNumber
/// rounds), no trailing zeros, locale decimal symbol; plain while the decimal exponent
/// is in -4..14, else "1E-05"/"1E+15". -0 is "0". Values outside the range
/// (finiteOrNone) give "ERROR", those below it "0". `significant` up to 34 keeps
/// more digits (the memory's exact sum).
std::string numberToText(Decimal x, const NumberLocale& loc,
                         int significant = DecimalDigits::kSignificant);

/// As numberToText with "." always, and one leading blank for values >= 0.
std::string paddedNumberText(Decimal x);

/// Formats x by a pattern: "0", "0." + 1..15 zeros, those + "E+000", "##,0.00",
/// "##,0.00%", "##,0.0000%", "##0.0000%", or "" (numberToText). Rounds the
/// 15-significant-digit decimal form half away from zero.
std::string formatNumber(Decimal x, std::string_view pattern, const NumberLocale& loc);
/// As above for a text: a text that is not a number (textToNumber) comes back unchanged.
std::string formatNumber(std::string_view text, std::string_view pattern, const NumberLocale& loc);

/// Upper-case digits, no prefix; x is rounded (ties to even) first; the signed
/// 32-bit range only (negatives as 32-bit two's complement); nullopt outside it.
std::optional<std::string> hexText(Decimal x);
std::optional<std::string> octalText(Decimal x);

/// Nearest whole number, ties to even; nullopt outside the signed 32/16-bit range.
std::optional<std::int32_t> roundToLong(Decimal x);
std::optional<std::int16_t> roundToInteger(Decimal x);

struct SinCos {
  Decimal sin = 0;
  Decimal cos = 1;
};
/// The sine and cosine of an angle of x units, `quarterTurn` of which make a right angle
/// (90 degrees, 100 grads). Whole quarter turns are taken off exactly first, so right
/// angles give exact values (cos 90 is 0) and the rest, at most half a right angle, is
/// turned into radians with a 34-digit π: sin 30 shows as 0.5.
SinCos sinCosInQuarterTurns(Decimal x, int quarterTurn);

std::optional<Decimal> checkedDivide(Decimal a, Decimal b);  ///< fails for b == 0 and overflow
/// Fails when x < 0 and y is not whole, when x == 0 and y < 0, and on overflow.
std::optional<Decimal> checkedPower(Decimal x, Decimal y);
std::optional<Decimal> checkedLog(Decimal x);   ///< natural; fails for x <= 0
std::optional<Decimal> checkedSqrt(Decimal x);  ///< fails for x < 0
std::optional<Decimal> checkedExp(Decimal x);   ///< fails on overflow

}  // namespace zova
