// One-operand keys: inv and hyp, the angle-unit cycle, trigonometric and
// hyperbolic functions and their inverses, logarithms, roots, powers, π,
// factorial and the degree-minute-second conversions.

#include "engine/calculator.h"

namespace zova {

void Calculator::toggleInv() {
  s_.inv = !s_.inv;
  s_.invCaption = s_.inv ? "inv" : "";
}

void Calculator::toggleHyp() {
  if (s_.base != Base::kDecimal) return;
  s_.hyper = !s_.hyper;
  s_.hypCaption = s_.hyper ? "h" : "";
}

namespace {
struct UnitRow {
  Decimal angle;
  Decimal fromPrevious;  // what Mode with inv multiplies the display by
  const char* rad;
  const char* grad;
  const char* deg;
};
UnitRow unitRow(AngleUnit unit) {
  switch (unit) {
    case AngleUnit::kRadians:
      return {1, decimalPi() / 180, "r", "", ""};
    case AngleUnit::kGrads:
      return {decimalPi() / 200, 200 / decimalPi(), "", "g", ""};
    case AngleUnit::kDegrees:
      break;
  }
  return {decimalPi() / 180, 0.9_dec, "", "", "d"};
}
}  // namespace

void Calculator::cycleAngleUnit() {
  // Outside decimal the key leaves a text such as "FF" alone.
  if (s_.base != Base::kDecimal) return;
  trap([&] {
    settleNumberText();
    s_.display = withLocaleDecimal(s_.display);
    s_.angleUnit = NextAngleUnit(s_.angleUnit);
    const UnitRow u = unitRow(*s_.angleUnit);
    s_.radiansPerUnit = u.angle;
    s_.radCaption = u.rad;
    s_.gradCaption = u.grad;
    s_.degCaption = u.deg;
    if (s_.inv) s_.display = text(number(s_.display) * u.fromPrevious);
    setInvOff();
  });
  if (s_.startedUp) tk_.focusEquals();
}

SinCos Calculator::angleSinCos(Decimal x) const {
  switch (s_.angleUnit.value_or(AngleUnit::kDegrees)) {
    case AngleUnit::kRadians:  // the library reduces any angle exactly
      return {x.sin(), x.cos()};
    case AngleUnit::kGrads:
      return sinCosInQuarterTurns(x, 100);
    case AngleUnit::kDegrees:
      break;
  }
  return sinCosInQuarterTurns(x, 90);
}

// The angle is the display's value in full precision.
void Calculator::trig(Trig key) {
  if (s_.base != Base::kDecimal) return;
  const bool inv = s_.inv, hyp = s_.hyper;
  // The tape's name of the function, by form (plain, inverse, hyperbolic, both) and key.
  static constexpr std::string_view kNames[4][3] = {{"sin", "cos", "tan"},
                                                    {"asin", "acos", "atan"},
                                                    {"sinh", "cosh", "tanh"},
                                                    {"asinh", "acosh", "atanh"}};
  const std::string_view name = kNames[hyp ? (inv ? 3 : 2) : (inv ? 1 : 0)][static_cast<int>(key)];
  std::optional<AngleUnit> unit;
  if (!hyp) unit = s_.angleUnit.value_or(AngleUnit::kDegrees);
  trapFunction(name, unit, [&] {
    const std::string shown = s_.display;
    restoreDecimalDisplay();
    s_.fullResult = 0;
    const Decimal x = number(s_.display);
    if (!s_.angleUnit) s_.radiansPerUnit = decimalPi() / 180;
    const int k = static_cast<int>(key);
    if (inv && hyp) {
      s_.display = text(must(finiteOrNone(k == 0 ? x.asinh() : k == 1 ? x.acosh() : x.atanh())));
    } else if (inv) {
      if (key != Trig::kTan && !(x.abs() <= 1)) fail();
      const Decimal r = k == 0 ? x.asin() : k == 1 ? x.acos() : x.atan();
      s_.display = text(must(checkedDivide(r, s_.radiansPerUnit)));
    } else if (hyp) {
      s_.display = text(must(finiteOrNone(k == 0 ? x.sinh() : k == 1 ? x.cosh() : x.tanh())));
    } else if (key == Trig::kTan && s_.angleUnit == AngleUnit::kRadians) {
      s_.display = text(must(finiteOrNone(x.tan())));
    } else {
      const SinCos f = angleSinCos(x);
      if (key == Trig::kSin) s_.display = text(f.sin);
      if (key == Trig::kCos) s_.display = text(f.cos);
      if (key == Trig::kTan)
        s_.display = text(must(checkedDivide(f.sin, f.cos)));  // fails at 90 degrees
    }
    if (s_.inv) setInvOff();
    if (s_.hyper) {
      s_.hyper = false;
      s_.hypCaption.clear();
    }
    tellFunction(name, shown, unit);
    endEntry();
  });
}

void Calculator::sine() { trig(Trig::kSin); }
void Calculator::cosine() { trig(Trig::kCos); }
void Calculator::tangent() { trig(Trig::kTan); }

// log and ln; with inv 10^x and e^x.
void Calculator::logarithm() {
  if (s_.base != Base::kDecimal) return;
  const bool inv = s_.inv;
  applyFunction(
      inv ? "10^x" : "log",
      [&](Decimal x) {
        if (inv) return must(checkedPower(10, x));
        if (!(x > 0)) fail();
        return must(finiteOrNone(x.log10()));
      },
      [&] { clearInvHypAndEndEntry(); });
}

void Calculator::naturalLog() {
  if (s_.base != Base::kDecimal) return;
  const bool inv = s_.inv;
  applyFunction(
      inv ? "e^x" : "ln",
      [&](Decimal x) { return inv ? must(checkedExp(x)) : must(checkedLog(x)); },
      [&] { clearInvHypAndEndEntry(); });
}

void Calculator::clearInvHypAndEndEntry() {
  if (s_.inv) toggleInv();
  if (s_.hyper) toggleHyp();
  endEntry();
}

void Calculator::squareRoot() {
  applyFunction(
      "\u221a", [&](Decimal x) { return must(checkedSqrt(x)); }, [&] { endEntry(); });
}

void Calculator::square() {
  applyFunction(
      "x\u00b2", [&](Decimal x) { return must(checkedPower(x, 2)); }, [&] { endEntry(); });
}

// Unlike the other functions it leaves the point guard as it was.
void Calculator::reciprocal() {
  applyFunction(
      "1/x", [&](Decimal x) { return must(checkedDivide(1, x)); }, [&] { s_.newNumber = true; });
}

// Shown with 15 digits, as every result is.
void Calculator::pi() {
  setDisplay(text(decimalPi()));
  endEntry();
}

// x! is Γ(x + 1): whole numbers multiply out (exact while 34 digits hold them), a
// negative whole number has none. Outside decimal the factorial is taken of the decimal
// value and shown in the base.
void Calculator::factorial() {
  trapFunction("x!", std::nullopt, [&] {
    const std::string shown = s_.display;
    restoreDecimalDisplay();
    s_.fullResult = 0;
    if (s_.display == kErrorText) fail();  // not the 0 its prefix reads as
    if (s_.base != Base::kDecimal) displayToDecimal();
    const Decimal n = prefixNumber(s_.display);
    Decimal r = 1;
    if (!n.isWhole()) {
      r = must(finiteOrNone((n + 1).tgamma()));
    } else if (n.isNegative()) {
      fail();
    } else {
      for (Decimal i = 2; i <= n; i += 1) r = must(finiteOrNone(r * i));
    }
    s_.display = text(r);
    const std::string decimal = s_.display;
    if (s_.base != Base::kDecimal) displayToBase();
    if (observer_)
      observer_->functionApplied("x!", shownNumber(shown, ""), shownNumber(s_.display, decimal),
                                 std::nullopt);
    endEntry();
  });
}

void Calculator::toDms() {
  if (s_.base != Base::kDecimal) return;
  trapFunction(">dms", std::nullopt, [&] {
    const std::string shown = s_.display;
    restoreDecimalDisplay();
    s_.fullResult = 0;
    // A negative angle is the positive one with its sign.
    const Decimal x = number(s_.display);
    const bool negative = x.isNegative();
    const Decimal a = x.abs();
    s_.dmsDegrees = a.floor();
    s_.dmsMinutes = (a - s_.dmsDegrees) * 60;
    s_.dmsSeconds = (s_.dmsMinutes - s_.dmsMinutes.floor()) * 60;
    // Seconds are rounded to the nearest millionth, carrying into minutes and degrees.
    Decimal deg = s_.dmsDegrees, min = s_.dmsMinutes.floor();
    Decimal micro = (s_.dmsSeconds * 1000000).roundHalfAway();
    if (micro >= 60000000) {
      micro -= 60000000;
      min += 1;
    }
    if (min >= 60) {
      min -= 60;
      deg += 1;
    }
    // Degrees too large to write without an exponent have no minutes to show.
    if (deg >= 1000000000000000) fail();
    std::string sec = std::to_string(micro.toInt64().value_or(0));
    sec.insert(0, 8 - std::min<std::size_t>(8, sec.size()), '0');
    s_.display =
        (negative ? "-" : "") + text(deg) + loc_.decimal + (min >= 10 ? "" : "0") + text(min) + sec;
    tellFunction(">dms", shown);
    endEntry();
  });
}

void Calculator::fromDms() {
  if (s_.base != Base::kDecimal) return;
  trapFunction("dms>", std::nullopt, [&] {
    const std::string shown = s_.display;
    restoreDecimalDisplay();
    s_.fullResult = 0;
    // A negative angle is the positive one with its sign.
    const Decimal x = number(s_.display);
    const Decimal a = x.abs();
    const Decimal f = a - a.floor();
    s_.dmsDegrees = f;
    // Minutes are taken after rounding to 10 decimals, so 12.29 reads as 29 minutes.
    static const Decimal kTenDecimals = 10000000000;
    const Decimal f100 = (f * 100 * kTenDecimals).roundHalfAway() / kTenDecimals;
    s_.dmsMinutes = f100.floor();
    s_.dmsSeconds = (f100 - s_.dmsMinutes) * 100;
    const Decimal r = a.floor() + s_.dmsMinutes / 60 + s_.dmsSeconds / 3600;
    s_.display = text(x.isNegative() ? -r : r);
    tellFunction("dms>", shown);
    endEntry();
  });
}

}  // namespace zova
