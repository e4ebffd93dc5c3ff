// The time-value-of-money formulas the financial panel solves with, and the
// fixed-point money type its amortization counts in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/convert.h"

namespace zova {

// pv*(1+r)^n + pmt*(1+r*type)*((1+r)^n - 1)/r + fv = 0 (for r = 0: pv + pmt*n + fv = 0),
// solved for the one missing; type 0 pays at period end, 1 at the start.
// Every result is computed to 34 digits: right to the 15 the display shows.
std::optional<Decimal> payment(Decimal rate, Decimal nper, Decimal pv, Decimal fv, Decimal type);
std::optional<Decimal> futureValue(Decimal rate, Decimal nper, Decimal pmt, Decimal pv,
                                   Decimal type);
std::optional<Decimal> presentValue(Decimal rate, Decimal nper, Decimal pmt, Decimal fv,
                                    Decimal type);
std::optional<Decimal> periodCount(Decimal rate, Decimal pmt, Decimal pv, Decimal fv, Decimal type);
/// Newton from a guess with a bisection fallback, each run until the rate settles in
/// all its digits; fails when no rate solves the equation to 1e-7.
std::optional<Decimal> periodicRate(Decimal nper, Decimal pmt, Decimal pv, Decimal fv, Decimal type,
                                    Decimal guess = 0.1_dec);

/// Fixed-point money: a signed 64-bit count of ten-thousandths.
struct Currency {
  std::int64_t ticks = 0;
  Decimal value() const { return Decimal(ticks) / 10000; }
  bool operator==(const Currency&) const = default;
};
/// Rounds half to even to four decimals; nullopt outside the signed 64-bit range.
std::optional<Currency> toCurrency(Decimal x);
/// Decimal form with up to four decimals, no trailing zeros, locale decimal symbol.
std::string currencyText(Currency c, const NumberLocale& loc);

}  // namespace zova
