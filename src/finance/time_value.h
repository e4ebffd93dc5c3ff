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
std::optional<double> payment(double rate, double nper, double pv, double fv, double type);
std::optional<double> futureValue(double rate, double nper, double pmt, double pv, double type);
std::optional<double> presentValue(double rate, double nper, double pmt, double fv, double type);
std::optional<double> periodCount(double rate, double pmt, double pv, double fv, double type);
/// Newton from a guess with a bisection fallback; fails when no rate solves the
/// equation to 1e-7.
std::optional<double> periodicRate(double nper, double pmt, double pv, double fv, double type,
                                   double guess = 0.1);

/// Fixed-point money: a signed 64-bit count of ten-thousandths.
struct Currency {
  std::int64_t ticks = 0;
  double value() const { return static_cast<double>(ticks) / 10000.0; }
  bool operator==(const Currency&) const = default;
};
/// Rounds half to even to four decimals; nullopt outside the signed 64-bit range.
std::optional<Currency> toCurrency(double x);
/// Decimal form with up to four decimals, no trailing zeros, locale decimal symbol.
std::string currencyText(Currency c, const NumberLocale& loc);

}  // namespace zova
