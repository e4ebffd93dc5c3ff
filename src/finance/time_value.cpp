// Solving the compound-interest relation for each of its five quantities, and
// money rounded to ten-thousandths.
#include "finance/time_value.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <limits>

namespace zova {

namespace {

// The time-value-of-money pieces for a rate: (1+r)^n and the annuity factor
// (1+r*type)*((1+r)^n - 1)/r, which is n at r = 0. expm1/log1p keep small rates exact.
struct Growth {
  double g;
  double annuity;
};

Growth growth(double rate, double nper, double type) {
  if (rate == 0) return {1.0, nper};
  const double due = 1 + rate * type;
  if (rate > -1) {
    const double t = nper * std::log1p(rate);
    return {std::exp(t), due * std::expm1(t) / rate};
  }
  const double g = std::pow(1 + rate, nper);
  return {g, due * (g - 1) / rate};
}

double dueType(double type) { return type != 0 ? 1.0 : 0.0; }

bool allFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

}  // namespace

std::optional<double> payment(double rate, double nper, double pv, double fv, double type) {
  if (!allFinite({rate, nper, pv, fv})) return std::nullopt;
  const Growth k = growth(rate, nper, dueType(type));
  if (k.annuity == 0) return std::nullopt;
  return finiteOrNone(-(pv * k.g + fv) / k.annuity);
}

std::optional<double> futureValue(double rate, double nper, double pmt, double pv, double type) {
  if (!allFinite({rate, nper, pmt, pv})) return std::nullopt;
  const Growth k = growth(rate, nper, dueType(type));
  return finiteOrNone(-(pv * k.g + pmt * k.annuity));
}

std::optional<double> presentValue(double rate, double nper, double pmt, double fv, double type) {
  if (!allFinite({rate, nper, pmt, fv})) return std::nullopt;
  const Growth k = growth(rate, nper, dueType(type));
  if (k.g == 0) return std::nullopt;
  return finiteOrNone(-(fv + pmt * k.annuity) / k.g);
}

std::optional<double> periodCount(double rate, double pmt, double pv, double fv, double type) {
  if (!allFinite({rate, pmt, pv, fv})) return std::nullopt;
  if (rate == 0) return pmt == 0 ? std::nullopt : finiteOrNone(-(pv + fv) / pmt);
  if (rate <= -1) return std::nullopt;
  // With a = pmt*(1+r*type)/r the equation reads (1+r)^n * (pv + a) = a - fv.
  const double a = pmt * (1 + rate * dueType(type)) / rate;
  const double g = (a - fv) / (pv + a);
  if (!(g > 0) || !std::isfinite(g)) return std::nullopt;
  return finiteOrNone(std::log(g) / std::log1p(rate));
}

std::optional<double> periodicRate(double nper, double pmt, double pv, double fv, double type,
                                   double guess) {
  if (!allFinite({nper, pmt, pv, fv, guess})) return std::nullopt;
  const double t = dueType(type);
  auto f = [&](double r) {
    const Growth k = growth(r, nper, t);
    return pv * k.g + pmt * k.annuity + fv;
  };
  // A rate solves the equation when the balance left over is within 1e-7 of the
  // money involved.
  const double tolerance =
      1e-7 * std::max(1.0, std::abs(pv) + std::abs(fv) + std::abs(pmt) * std::abs(nper));
  auto solves = [&](double r) {
    const double v = f(r);
    return std::isfinite(v) && std::abs(v) <= tolerance;
  };

  double r = guess > -1 ? guess : 0.1;
  for (int i = 0; i < 50; ++i) {
    const double h = std::min(1e-6 * (1 + std::abs(r)), (r + 1) / 2);
    const double slope = (f(r + h) - f(r - h)) / (2 * h);
    const double value = f(r);
    if (!std::isfinite(slope) || !std::isfinite(value) || slope == 0) break;
    double next = r - value / slope;
    if (!(next > -1)) next = (r - 1) / 2;  // halfway to -1, where the equation ends
    const bool settled = std::abs(next - r) <= 1e-12 * std::max(1.0, std::abs(r));
    r = next;
    if (settled) break;
  }
  if (solves(r)) return r;

  // Newton did not settle on a root: look for a sign change on a grid and bisect it.
  static constexpr double kGrid[] = {
      -0.999999, -0.99, -0.9, -0.5, -0.2, -0.1, -0.05, -0.02, -0.01, -0.005, -0.001, 0,   0.001,
      0.005,     0.01,  0.02, 0.05, 0.1,  0.2,  0.5,   1,     2,     5,      10,     100, 1000};
  for (std::size_t i = 0; i + 1 < std::size(kGrid); ++i) {
    double lo = kGrid[i];
    double hi = kGrid[i + 1];
    double flo = f(lo);
    const double fhi = f(hi);
    if (!std::isfinite(flo) || !std::isfinite(fhi) || (flo < 0) == (fhi < 0)) continue;
    for (int k = 0; k < 200 && hi - lo > 1e-15 * std::max(1.0, std::abs(lo)); ++k) {
      const double mid = lo + (hi - lo) / 2;
      const double fmid = f(mid);
      if ((fmid < 0) == (flo < 0)) {
        lo = mid;
        flo = fmid;
      } else {
        hi = mid;
      }
    }
    if (solves(lo)) return lo;
    if (solves(hi)) return hi;
  }
  return std::nullopt;
}

std::optional<Currency> toCurrency(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  const DecimalDigits d = toDecimalDigits(x);
  if (d.count == 0) return Currency{};
  // Ticks are the digits down to the 1e-4 place; the rest decides the rounding.
  const int keep = d.exp + 5;
  if (keep > 19) return std::nullopt;  // 1e19 ticks and above do not fit
  std::uint64_t ticks = 0;
  for (int i = 0; i < keep; ++i) ticks = ticks * 10 + static_cast<unsigned>(d.at(i) - '0');
  if (keep >= 0 && keep < d.count) {
    const char next = d.digits[keep];
    bool restNonZero = false;
    for (int i = keep + 1; i < d.count; ++i) restNonZero = restNonZero || d.digits[i] != '0';
    const bool up = next > '5' || (next == '5' && (restNonZero || ticks % 2 == 1));
    if (up) ++ticks;
  } else if (keep < 0) {
    ticks = 0;  // below half a tick
  }
  constexpr std::uint64_t kMaxPositive = std::numeric_limits<std::int64_t>::max();
  if (ticks > kMaxPositive + (d.negative ? 1 : 0)) return std::nullopt;
  if (d.negative) return Currency{static_cast<std::int64_t>(0 - ticks)};
  return Currency{static_cast<std::int64_t>(ticks)};
}

std::string currencyText(Currency c, const NumberLocale& loc) {
  const bool negative = c.ticks < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(c.ticks) : static_cast<std::uint64_t>(c.ticks);
  std::string out = negative ? "-" : "";
  out += std::to_string(magnitude / 10000);
  std::uint64_t fraction = magnitude % 10000;
  if (fraction != 0) {
    char digits[4];
    for (int i = 3; i >= 0; --i) {
      digits[i] = static_cast<char>('0' + fraction % 10);
      fraction /= 10;
    }
    int n = 4;
    while (digits[n - 1] == '0') --n;
    out += loc.decimal;
    out.append(digits, n);
  }
  return out;
}

}  // namespace zova
