// The fraction key: the search for a denominator (or, with radicals, the square
// of a multiple) that makes the display value whole within the accuracy, and
// the fraction or mixed number it leaves on the display. The search runs in binary
// for speed; the candidate it stops at is taken again in decimal, and only a fraction
// that decimal arithmetic confirms is shown.
#include "engine/fraction.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "engine/calculator.h"

namespace zova {

namespace {

constexpr int kMaxCandidates = 100000;
constexpr int kMinPow10 = -300;
constexpr int kMaxPow10 = 308;

// 10^k for k in kMinPow10..kMaxPow10, each the double nearest the exact power.
const std::array<double, kMaxPow10 - kMinPow10 + 1>& powersOfTen() {
  static const auto table = [] {
    std::array<double, kMaxPow10 - kMinPow10 + 1> t{};
    for (int k = kMinPow10; k <= kMaxPow10; ++k) {
      const std::string s = "1e" + std::to_string(k);
      std::from_chars(s.data(), s.data() + s.size(), t[k - kMinPow10]);
    }
    return t;
  }();
  return table;
}

// For a in [1e-300, 1e-4) or [1e15, max]: false when a's 15-digit form certainly has
// more than one significant digit. With p the largest tabled power of ten not above a,
// q = a / p lies in [1, 10) up to 4e-16. A one-digit form m·10^j is within 5e-15 of a
// (relative), so it forces q within 6e-14 of a whole number 1..10; far from one, the
// form has more digits. Near one, the caller asks the text.
bool mayHaveOneDigit(double a) {
  const auto& p = powersOfTen();
  // The binary exponent of a (a is normal here), times log10(2), is k or k - 1.
  const int e2 = static_cast<int>(std::bit_cast<std::uint64_t>(a) >> 52) - 1023;
  int k = std::clamp(static_cast<int>(std::floor(e2 * 0.30102999566398120)), kMinPow10, kMaxPow10);
  while (k < kMaxPow10 && a >= p[k + 1 - kMinPow10]) ++k;
  while (k > kMinPow10 && a < p[k - kMinPow10]) --k;
  const double q = a / p[k - kMinPow10];
  return std::fabs(q - std::floor(q + 0.5)) <= 1e-12;
}

// Shows the busy pointer for as long as it lives, so every way out of the search
// (a result, no result, a failure) restores the normal one.
class BusyPointer {
 public:
  BusyPointer(CalculatorToolkit& tk, bool& busy) : tk_(tk), busy_(busy) {
    busy_ = true;
    tk_.setBusy(true);
  }
  ~BusyPointer() {
    busy_ = false;
    tk_.setBusy(false);
  }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  CalculatorToolkit& tk_;
  bool& busy_;
};

enum class End { kWhole, kExhausted, kOverflow };

struct Found {
  End end = End::kWhole;
  Decimal n;  ///< the numerator, or its square with radicals
  Decimal d = 1;
};

// One candidate: whether it comes within ten times the accuracy of a whole number (from
// then on every denominator is tried), and the candidate itself, made whole when its
// fraction is below 1e-05 (fixed) or within the accuracy of the next whole number.
struct Settled {
  double n;
  bool near;
};

Settled settle(double n, double threshold) {
  const double f = n - std::floor(n);  // Floor, inlined: this is the hot loop
  const double g = std::fabs(1 - std::fabs(f));
  const bool near = std::fabs(f) < 10 * threshold || g < 10 * threshold;
  if (std::fabs(f) < 1e-05) return {std::floor(n), near};
  if (g < threshold) return {std::floor(n) + 1, near};
  return {n, near};
}

// The candidate x·d (squared with radicals) in decimal, settled as in binary; nothing
// when it does not show as a whole number.
std::optional<Decimal> confirmed(Decimal x, double d, bool radicals, Decimal threshold) {
  static const Decimal kFixed = 1e-05_dec;
  Decimal n = x * static_cast<std::int64_t>(d);
  if (radicals) n = n * n;
  if (!finiteOrNone(n)) return std::nullopt;
  const Decimal f = n - n.floor();
  if (f.abs() < kFixed) {
    n = n.floor();
  } else if ((1 - f.abs()).abs() < threshold) {
    n = n.floor() + 1;
  }
  if (paddedNumberText(n).find('.') != std::string::npos) return std::nullopt;
  return n;
}

// Tries denominators until x·d (or its square) is whole as the display shows it: first
// 100, 200, 300, ... until a candidate comes near, then every one (with radicals, every
// one from 2 on). The two runs are separate loops, so that the choice of the step is no
// link in the chain of dependent operations from one candidate to the next.
Found search(Decimal exact, bool radicals, Decimal accuracy) {
  if (paddedNumberText(exact).find('.') == std::string::npos) {
    const auto n = finiteOrNone(radicals ? exact * exact : exact);
    if (!n) return {End::kOverflow, {}, 1};
    return {End::kWhole, *n, 1};
  }
  const double x = exact.toDouble();
  const double threshold = accuracy.toDouble();
  std::optional<Decimal> n;
  int count = 0;
  double d = 1;
  if (!radicals) {
    while (true) {
      if (++count > kMaxCandidates) return {End::kExhausted, {}, 1};
      d = 100.0 * count;
      const double product = x * d;
      if (!std::isfinite(product)) return {End::kOverflow, {}, 1};
      const Settled c = settle(product, threshold);
      if (wholeAsShown(c.n) && (n = confirmed(exact, d, radicals, accuracy)))
        return {End::kWhole, *n, static_cast<std::int64_t>(d)};
      if (c.near) break;
    }
  }
  while (true) {
    if (++count > kMaxCandidates) return {End::kExhausted, {}, 1};
    d = d + 1;
    double product = x * d;
    if (radicals) product = product * product;
    if (!std::isfinite(product)) return {End::kOverflow, {}, 1};
    const Settled c = settle(product, threshold);
    if (wholeAsShown(c.n) && (n = confirmed(exact, d, radicals, accuracy)))
      return {End::kWhole, *n, static_cast<std::int64_t>(d)};
  }
}

// Removes the common factors 2 to 10 (only those).
void reduce(Decimal& n, Decimal& d) {
  for (int k = 2; k <= 10; ++k) {
    while ((n / k).isWhole() && (d / k).isWhole()) {
      n = n / k;
      d = d / k;
    }
  }
}

// The square root of a magnitude, keeping the sign in front of it.
Decimal signedRoot(Decimal m) {
  const Decimal r = m.abs().sqrt();
  return m.isNegative() ? -r : r;
}

}  // namespace

bool shownWithoutPoint(double n) {
  if (!std::isfinite(n) || n == 0) return true;
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, n, std::chars_format::scientific, 14);
  const std::string_view t(buf, static_cast<std::size_t>(res.ptr - buf));
  const std::size_t e = t.find('e');
  int exp = 0;
  std::from_chars(t.data() + e + (t[e + 1] == '+' ? 2 : 1), t.data() + t.size(), exp);
  std::string_view mantissa = t.substr(0, e);
  while (mantissa.back() == '0') mantissa.remove_suffix(1);
  const int digits = static_cast<int>(
      std::count_if(mantissa.begin(), mantissa.end(), [](char c) { return c >= '0' && c <= '9'; }));
  if (exp >= 0 && exp <= 14) return digits <= exp + 1;
  if (exp < 0 && exp >= -4) return false;
  return digits == 1;
}

// True exactly when shownWithoutPoint(n). The text is the 15-digit
// rounding R of n, plain for exponents 0..14 (no point when R is whole) and "0.…" for
// -4..-1; else mantissa and exponent, with no point when R has one significant digit.
// Most values are settled by arithmetic; only those that could round to a text without
// a point are written out. Declared by the fraction tests, which compare it with the text.
bool wholeAsShown(double n) {
  const double a = std::fabs(n);
  if (!(a <= std::numeric_limits<double>::max())) return true;  // "ERROR"
  if (a == 0) return true;
  if (a >= 1 && a < 1e14) {
    // Exact: a + 0.5 needs no rounding below 2^52, and a and its nearest whole number
    // are within a factor of two of each other.
    const double diff = std::fabs(a - std::floor(a + 0.5));
    if (diff == 0) return true;  // a whole number of at most 14 digits
    // |a - R| <= half a unit of the 15th digit <= 5e-15·a, and a's nearest whole number
    // is at least as close to a as R would be if R were whole.
    if (diff > a * 6e-15) return false;
  } else if (a >= 1e14 && a < 1e15) {
    return true;  // 15 digits left of the point, or 1E+15 after rounding up
  } else if (a >= 1e-4 && a < 0.99) {
    return false;  // R lies in [1e-4, 0.99]: "0." and digits
  } else if ((a >= 1e15 || (a >= 1e-300 && a < 1e-4)) && !mayHaveOneDigit(a)) {
    return false;
  }
  return shownWithoutPoint(n);
}

void Calculator::showFraction() {
  if (s_.base != Base::kDecimal) return;
  trapFunction(s_.inv ? "a d/c" : "b/c", std::nullopt, [&] {
    const std::string argument = s_.display;
    restoreDecimalDisplay();
    s_.fullResult = 0;
    if (s_.inv && s_.fractionRadicals) {
      toggleInv();  // there is no mixed form with radicals
      return;
    }
    const BusyPointer busy(tk_, s_.busy);
    s_.beforeFraction = s_.display;
    const bool mixed = s_.inv;
    const bool radicals = s_.fractionRadicals;
    Decimal whole;
    if (mixed) {
      const Decimal v = number(s_.display);
      whole = v.floor();  // -2.25 gives -3 and the fraction 3/4
      s_.display = text(v - whole);
    }
    const Decimal value = number(s_.display);
    if (value.isZero()) {
      // Zero shows as 0/1; a whole number in the mixed form shows only its whole part.
      s_.display = mixed && !whole.isZero() ? paddedNumberText(whole)
                                            : paddedNumberText(0) + "/" + paddedNumberText(1);
      setInvOff();
      s_.newNumber = true;
      return;
    }
    // Small and negative values are searched as their reciprocal.
    const bool reciprocal = value < 0.01_dec;
    if (reciprocal) s_.display = text(must(checkedDivide(1, value)));
    Decimal x = number(s_.display);
    // With radicals the search squares, so it works on the magnitude and the sign goes
    // back on the denominator afterwards, as it does without radicals.
    const bool negative = x.isNegative();
    if (radicals) x = x.abs();

    const Found found = search(x, radicals, s_.fractionAccuracy);
    if (found.end == End::kExhausted) {
      s_.display = s_.beforeFraction;
      return;
    }
    if (found.end == End::kOverflow) fail();
    Decimal n = found.n;
    Decimal d = found.d;
    if (!radicals) reduce(n, d);
    if (reciprocal) std::swap(n, d);  // a square is now on the denominator
    if (radicals && negative) d = -d;

    // With radicals the found member is a square: the denominator after the exchange.
    Decimal& squared = reciprocal ? d : n;
    Decimal top = n;
    Decimal bottom = d;
    if (radicals && reciprocal) bottom = signedRoot(d);
    if (radicals && !reciprocal) top = signedRoot(n);
    const Decimal shown = must(checkedDivide(top, bottom));
    if ((shown - (number(s_.beforeFraction) - whole)).abs() > 1e-14_dec) s_.fractionCaption = "A";

    bool radical = radicals;
    if (radical) {
      const Decimal root = squared.abs().sqrt().roundHalfEven();
      if (root * root == squared.abs()) {
        squared = squared.isNegative() ? -root : root;
        radical = false;
      }
    }

    std::string out;
    if (mixed && !whole.isZero()) out = paddedNumberText(whole) + "   ";
    out += paddedNumberText(n) + "/" + paddedNumberText(d);
    s_.display = out;
    if (observer_)
      observer_->functionApplied(mixed ? "a d/c" : "b/c", shownNumber(argument, ""),
                                 shownNumber(s_.display, s_.beforeFraction), std::nullopt);
    if (radical) s_.fractionCaption += reciprocal ? "  c\u00bd" : "  b\u00bd";
    setInvOff();
    s_.newNumber = true;
  });
}

}  // namespace zova
