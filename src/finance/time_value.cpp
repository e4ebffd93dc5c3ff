// Solving the compound-interest relation for each of its five quantities, and
// money rounded to ten-thousandths.
#include "finance/time_value.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace zova {

namespace {

// The time-value-of-money pieces for a rate: (1+r)^n and the annuity factor
// (1+r*type)*((1+r)^n - 1)/r, which is n at r = 0. expm1/log1p keep small rates exact.
struct Growth {
  Decimal g;
  Decimal annuity;
};

Growth growth(Decimal rate, Decimal nper, Decimal type) {
  if (rate.isZero()) return {1, nper};
  const Decimal due = 1 + rate * type;
  if (rate > -1) {
    const Decimal t = nper * rate.log1p();
    return {t.exp(), due * t.expm1() / rate};
  }
  const Decimal g = (1 + rate).pow(nper);
  return {g, due * (g - 1) / rate};
}

Decimal dueType(Decimal type) { return type.isZero() ? 0 : 1; }

bool allFinite(std::initializer_list<Decimal> values) {
  for (Decimal v : values) {
    if (!v.isFinite()) return false;
  }
  return true;
}

Decimal larger(Decimal a, Decimal b) { return a < b ? b : a; }

}  // namespace

std::optional<Decimal> payment(Decimal rate, Decimal nper, Decimal pv, Decimal fv, Decimal type) {
  if (!allFinite({rate, nper, pv, fv})) return std::nullopt;
  const Growth k = growth(rate, nper, dueType(type));
  if (k.annuity.isZero()) return std::nullopt;
  return finiteOrNone(-(pv * k.g + fv) / k.annuity);
}

std::optional<Decimal> futureValue(Decimal rate, Decimal nper, Decimal pmt, Decimal pv,
                                   Decimal type) {
  if (!allFinite({rate, nper, pmt, pv})) return std::nullopt;
  const Growth k = growth(rate, nper, dueType(type));
  return finiteOrNone(-(pv * k.g + pmt * k.annuity));
}

std::optional<Decimal> presentValue(Decimal rate, Decimal nper, Decimal pmt, Decimal fv,
                                    Decimal type) {
  if (!allFinite({rate, nper, pmt, fv})) return std::nullopt;
  const Growth k = growth(rate, nper, dueType(type));
  if (k.g.isZero()) return std::nullopt;
  return finiteOrNone(-(fv + pmt * k.annuity) / k.g);
}

std::optional<Decimal> periodCount(Decimal rate, Decimal pmt, Decimal pv, Decimal fv,
                                   Decimal type) {
  if (!allFinite({rate, pmt, pv, fv})) return std::nullopt;
  if (rate.isZero()) return pmt.isZero() ? std::nullopt : finiteOrNone(-(pv + fv) / pmt);
  if (rate <= -1) return std::nullopt;
  // With a = pmt*(1+r*type)/r the equation reads (1+r)^n * (pv + a) = a - fv, so
  // (1+r)^n - 1 = -(pv + fv)/(pv + a), whose log1p keeps every digit at small rates.
  const Decimal a = pmt * (1 + rate * dueType(type)) / rate;
  const Decimal grown = -(pv + fv) / (pv + a);
  if (!(grown > -1) || !grown.isFinite()) return std::nullopt;
  return finiteOrNone(grown.log1p() / rate.log1p());
}

std::optional<Decimal> periodicRate(Decimal nper, Decimal pmt, Decimal pv, Decimal fv, Decimal type,
                                    Decimal guess) {
  if (!allFinite({nper, pmt, pv, fv, guess})) return std::nullopt;
  const Decimal t = dueType(type);
  auto f = [&](Decimal r) {
    const Growth k = growth(r, nper, t);
    return pv * k.g + pmt * k.annuity + fv;
  };
  // A rate solves the equation when the balance left over is within 1e-7 of the
  // money involved, or, where the terms have grown far beyond that money, within
  // the last digits of the terms themselves. A rate at which every term vanishes
  // (all of the money lost at once) solves nothing, unless there is no money.
  const Decimal money = pv.abs() + fv.abs() + pmt.abs() * nper.abs();
  const Decimal tolerance = 1e-7_dec * larger(1, money);
  auto solves = [&](Decimal r) {
    const Growth k = growth(r, nper, t);
    const Decimal terms = (pv * k.g).abs() + (pmt * k.annuity).abs() + fv.abs();
    const Decimal v = f(r);
    if (!v.isFinite() || !terms.isFinite()) return false;
    if (terms <= tolerance && !money.isZero()) return false;
    return v.abs() <= tolerance || v.abs() <= 1e-20_dec * terms;
  };

  static const Decimal kStep = 1e-9_dec;
  static const Decimal kSettled = 1e-28_dec;
  Decimal r = guess > -1 ? guess : 0.1_dec;
  for (int i = 0; i < 60; ++i) {
    const Decimal h = std::min(kStep * (1 + r.abs()), (r + 1) / 2);
    const Decimal slope = (f(r + h) - f(r - h)) / (2 * h);
    const Decimal value = f(r);
    if (!slope.isFinite() || !value.isFinite() || slope.isZero()) break;
    Decimal next = r - value / slope;
    if (!(next > -1)) next = (r - 1) / 2;  // halfway to -1, where the equation ends
    const bool settled = (next - r).abs() <= kSettled * larger(1, r.abs());
    r = next;
    if (settled) break;
  }
  // A root at zero is settled to within kSettled, not in its digits.
  if (r.abs() < kSettled && solves(0)) return Decimal();
  if (solves(r)) return r;

  // Newton did not settle on a root: look for a sign change on a grid and bisect it.
  static const Decimal kGrid[] = {
      -0.999999_dec, -0.99_dec,  -0.9_dec,   -0.5_dec, -0.2_dec,  -0.1_dec,  -0.05_dec, -0.02_dec,
      -0.01_dec,     -0.005_dec, -0.001_dec, 0,        0.001_dec, 0.005_dec, 0.01_dec,  0.02_dec,
      0.05_dec,      0.1_dec,    0.2_dec,    0.5_dec,  1,         2,         5,         10,
      100,           1000};
  for (std::size_t i = 0; i + 1 < std::size(kGrid); ++i) {
    Decimal lo = kGrid[i];
    Decimal hi = kGrid[i + 1];
    Decimal flo = f(lo);
    const Decimal fhi = f(hi);
    if (!flo.isFinite() || !fhi.isFinite() || flo.isNegative() == fhi.isNegative()) continue;
    for (int k = 0; k < 200 && hi - lo > kSettled * larger(1, lo.abs()); ++k) {
      const Decimal mid = lo + (hi - lo) / 2;
      const Decimal fmid = f(mid);
      if (fmid.isNegative() == flo.isNegative()) {
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

std::optional<Currency> toCurrency(Decimal x) {
  if (!x.isFinite()) return std::nullopt;
  const auto ticks = (x * 10000).roundHalfEven().toInt64();
  if (!ticks) return std::nullopt;
  return Currency{*ticks};
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
