// The decimal number type over Intel's decimal floating-point library. The library
// is libbidgcc000: arguments by value, the rounding mode and the status flags
// passed to each call (no global state), which the three macros below select.
#include "engine/decimal.h"

#include <cstdlib>

#define DECIMAL_CALL_BY_REFERENCE 0
#define DECIMAL_GLOBAL_ROUNDING 0
#define DECIMAL_GLOBAL_EXCEPTION_FLAGS 0
#include <bid_conf.h>
#include <bid_functions.h>

namespace zova {

namespace {

constexpr _IDEC_round kNearest = BID_ROUNDING_TO_NEAREST;

}  // namespace

struct DecimalBits {
  static BID_UINT128 raw(Decimal d) { return BID_UINT128{{d.bits_[0], d.bits_[1]}}; }
  static Decimal cook(BID_UINT128 r) {
    Decimal d;
    d.bits_[0] = r.w[0];
    d.bits_[1] = r.w[1];
    return d;
  }
};

namespace {

BID_UINT128 raw(Decimal d) { return DecimalBits::raw(d); }
Decimal cook(BID_UINT128 r) { return DecimalBits::cook(r); }

// One-argument functions of the library that take the rounding mode.
template <BID_UINT128 (*F)(BID_UINT128, _IDEC_round, _IDEC_flags*)>
Decimal apply(Decimal x) {
  _IDEC_flags flags = 0;
  return cook(F(raw(x), kNearest, &flags));
}

}  // namespace

Decimal::Decimal(std::int64_t n) { *this = cook(bid128_from_int64(n)); }

std::optional<Decimal> Decimal::read(std::string_view plain) {
  std::size_t i = 0;
  if (i < plain.size() && (plain[i] == '-' || plain[i] == '+')) ++i;
  bool digit = false;
  for (; i < plain.size() && plain[i] >= '0' && plain[i] <= '9'; ++i) digit = true;
  if (i < plain.size() && plain[i] == '.') {
    for (++i; i < plain.size() && plain[i] >= '0' && plain[i] <= '9'; ++i) digit = true;
  }
  if (!digit) return std::nullopt;
  if (i < plain.size() && (plain[i] == 'e' || plain[i] == 'E')) {
    ++i;
    if (i < plain.size() && (plain[i] == '-' || plain[i] == '+')) ++i;
    const std::size_t first = i;
    for (; i < plain.size() && plain[i] >= '0' && plain[i] <= '9'; ++i) {
    }
    if (i == first || i - first > 9) return std::nullopt;
  }
  if (i != plain.size()) return std::nullopt;
  std::string text(plain);
  _IDEC_flags flags = 0;
  return cook(bid128_from_string(text.data(), kNearest, &flags));
}

Decimal Decimal::rounded(int significant) const {
  const Digits d = digits(significant);
  return read((d.negative ? "-" : "") + d.coefficient + "e" + std::to_string(d.exponent))
      .value_or(*this);
}

Decimal::Digits Decimal::digits(int significant) const {
  Digits out;
  _IDEC_flags flags = 0;
  BID_UINT128 x = raw(*this);
  out.negative = isNegative();
  if (isZero() || !isFinite()) {
    out.coefficient = "0";
    return out;
  }
  const int lead = bid128_ilogb(x, &flags);
  const BID_UINT128 quantum =
      bid128_scalbn(bid128_from_int32(1), lead - (significant - 1), kNearest, &flags);
  x = bid128_quantize(x, quantum, BID_ROUNDING_TIES_AWAY, &flags);
  char buf[64];
  bid128_to_string(buf, x, &flags);
  // The library writes [sign]coefficient"E"[sign]exponent.
  const char* p = buf;
  if (*p == '+' || *p == '-') ++p;
  while (*p == '0' && p[1] >= '0' && p[1] <= '9') ++p;
  while (*p >= '0' && *p <= '9') out.coefficient += *p++;
  if (*p == 'E') out.exponent = std::atoi(p + 1);
  while (out.coefficient.size() > 1 && out.coefficient.back() == '0') {
    out.coefficient.pop_back();
    ++out.exponent;
  }
  return out;
}

Decimal operator+(Decimal a, Decimal b) {
  _IDEC_flags flags = 0;
  return cook(bid128_add(raw(a), raw(b), kNearest, &flags));
}
Decimal operator-(Decimal a, Decimal b) {
  _IDEC_flags flags = 0;
  return cook(bid128_sub(raw(a), raw(b), kNearest, &flags));
}
Decimal operator*(Decimal a, Decimal b) {
  _IDEC_flags flags = 0;
  return cook(bid128_mul(raw(a), raw(b), kNearest, &flags));
}
Decimal operator/(Decimal a, Decimal b) {
  _IDEC_flags flags = 0;
  return cook(bid128_div(raw(a), raw(b), kNearest, &flags));
}
Decimal Decimal::operator-() const { return cook(bid128_negate(raw(*this))); }

bool operator==(Decimal a, Decimal b) {
  _IDEC_flags flags = 0;
  return bid128_quiet_equal(raw(a), raw(b), &flags) != 0;
}

std::partial_ordering operator<=>(Decimal a, Decimal b) {
  _IDEC_flags flags = 0;
  if (bid128_quiet_less(raw(a), raw(b), &flags)) return std::partial_ordering::less;
  if (bid128_quiet_greater(raw(a), raw(b), &flags)) return std::partial_ordering::greater;
  if (bid128_quiet_equal(raw(a), raw(b), &flags)) return std::partial_ordering::equivalent;
  return std::partial_ordering::unordered;
}

bool Decimal::isFinite() const { return bid128_isFinite(raw(*this)) != 0; }
bool Decimal::isZero() const { return bid128_isZero(raw(*this)) != 0; }
bool Decimal::isNegative() const { return *this < Decimal(); }
Decimal Decimal::abs() const { return cook(bid128_abs(raw(*this))); }

Decimal Decimal::floor() const {
  _IDEC_flags flags = 0;
  return cook(bid128_round_integral_negative(raw(*this), &flags));
}
Decimal Decimal::roundHalfEven() const {
  _IDEC_flags flags = 0;
  return cook(bid128_round_integral_nearest_even(raw(*this), &flags));
}
Decimal Decimal::roundHalfAway() const {
  _IDEC_flags flags = 0;
  return cook(bid128_round_integral_nearest_away(raw(*this), &flags));
}

std::optional<std::int64_t> Decimal::toInt64() const {
  if (!isWhole()) return std::nullopt;
  _IDEC_flags flags = 0;
  const BID_SINT64 n = bid128_to_int64_int(raw(*this), &flags);
  if (flags & BID_INVALID_EXCEPTION) return std::nullopt;
  return n;
}

double Decimal::toDouble() const {
  _IDEC_flags flags = 0;
  return bid128_to_binary64(raw(*this), kNearest, &flags);
}

Decimal Decimal::sqrt() const { return apply<bid128_sqrt>(*this); }
Decimal Decimal::exp() const { return apply<bid128_exp>(*this); }
Decimal Decimal::expm1() const { return apply<bid128_expm1>(*this); }
Decimal Decimal::log() const { return apply<bid128_log>(*this); }
Decimal Decimal::log1p() const { return apply<bid128_log1p>(*this); }
Decimal Decimal::log10() const { return apply<bid128_log10>(*this); }
Decimal Decimal::sin() const { return apply<bid128_sin>(*this); }
Decimal Decimal::cos() const { return apply<bid128_cos>(*this); }
Decimal Decimal::tan() const { return apply<bid128_tan>(*this); }
Decimal Decimal::asin() const { return apply<bid128_asin>(*this); }
Decimal Decimal::acos() const { return apply<bid128_acos>(*this); }
Decimal Decimal::atan() const { return apply<bid128_atan>(*this); }
Decimal Decimal::sinh() const { return apply<bid128_sinh>(*this); }
Decimal Decimal::cosh() const { return apply<bid128_cosh>(*this); }
Decimal Decimal::tanh() const { return apply<bid128_tanh>(*this); }
Decimal Decimal::asinh() const { return apply<bid128_asinh>(*this); }
Decimal Decimal::acosh() const { return apply<bid128_acosh>(*this); }
Decimal Decimal::atanh() const { return apply<bid128_atanh>(*this); }
Decimal Decimal::tgamma() const { return apply<bid128_tgamma>(*this); }

Decimal Decimal::pow(Decimal y) const {
  _IDEC_flags flags = 0;
  return cook(bid128_pow(raw(*this), raw(y), kNearest, &flags));
}

Decimal Decimal::hypot(Decimal y) const {
  _IDEC_flags flags = 0;
  return cook(bid128_hypot(raw(*this), raw(y), kNearest, &flags));
}

Decimal Decimal::remainder(Decimal y) const {
  _IDEC_flags flags = 0;
  return cook(bid128_rem(raw(*this), raw(y), &flags));
}

Decimal operator""_dec(const char* text) { return Decimal::read(text).value_or(Decimal()); }

Decimal decimalPi() {
  static const Decimal kPi = *Decimal::read("3.141592653589793238462643383279503");
  return kPi;
}

}  // namespace zova
