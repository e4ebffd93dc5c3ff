// One-operand keys: inv and hyp, the angle-unit cycle, trigonometric and
// hyperbolic functions and their inverses, logarithms, roots, powers, π,
// factorial and the degree-minute-second conversions.
#include <cmath>
#include <cstdio>

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
  double angle;
  double fromPrevious;  // what Mode with inv multiplies the display by
  const char* rad;
  const char* grad;
  const char* deg;
};
UnitRow unitRow(AngleUnit unit) {
  switch (unit) {
    case AngleUnit::kRadians:
      return {1.0, kPi / 180, "r", "", ""};
    case AngleUnit::kGrads:
      return {kPi / 200, 200 / kPi, "", "g", ""};
    case AngleUnit::kDegrees:
      break;
  }
  return {kPi / 180, 0.9, "", "", "d"};
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

SinCos Calculator::angleSinCos(double x) const {
  switch (s_.angleUnit.value_or(AngleUnit::kDegrees)) {
    case AngleUnit::kRadians:
      return {std::sin(x), std::cos(x)};
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
    const double x = number(s_.display);
    if (!s_.angleUnit) s_.radiansPerUnit = kPi / 180;
    if (inv && hyp) {
      double r = 0;
      if (key == Trig::kSin) r = must(checkedLog(x + must(checkedSqrt(x * x + 1))));
      if (key == Trig::kCos) r = must(checkedLog(x + must(checkedSqrt(x * x - 1))));
      if (key == Trig::kTan) r = must(checkedLog(must(checkedDivide(x + 1, 1 - x)))) / 2;
      s_.display = text(r);
    } else if (inv) {
      if (key != Trig::kTan && !(std::fabs(x) <= 1)) fail();
      const double r = key == Trig::kSin   ? std::asin(x)
                       : key == Trig::kCos ? std::acos(x)
                                           : std::atan(x);
      s_.display = text(must(checkedDivide(r, s_.radiansPerUnit)));
    } else if (hyp) {
      const double ep = must(checkedExp(x)), em = must(checkedExp(-x));
      if (key == Trig::kSin) s_.display = text((ep - em) / 2);
      if (key == Trig::kCos) s_.display = text((ep + em) / 2);
      if (key == Trig::kTan) s_.display = text(must(checkedDivide(ep - em, ep + em)));
    } else if (key == Trig::kTan && s_.angleUnit == AngleUnit::kRadians) {
      s_.display = text(std::tan(x));
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
      [&](double x) {
        return inv ? must(checkedPower(10, x)) : must(checkedLog(x)) / std::log(10.0);
      },
      [&] { clearInvHypAndEndEntry(); });
}

void Calculator::naturalLog() {
  if (s_.base != Base::kDecimal) return;
  const bool inv = s_.inv;
  applyFunction(
      inv ? "e^x" : "ln",
      [&](double x) {
        return inv ? must(checkedExp(x)) : must(checkedLog(x)) / std::log(std::exp(1.0));
      },
      [&] { clearInvHypAndEndEntry(); });
}

void Calculator::clearInvHypAndEndEntry() {
  if (s_.inv) toggleInv();
  if (s_.hyper) toggleHyp();
  endEntry();
}

void Calculator::squareRoot() {
  applyFunction(
      "\u221a", [&](double x) { return must(checkedPower(x, 0.5)); }, [&] { endEntry(); });
}

void Calculator::square() {
  applyFunction(
      "x\u00b2", [&](double x) { return must(checkedPower(x, 2)); }, [&] { endEntry(); });
}

// Unlike the other functions it leaves the point guard as it was.
void Calculator::reciprocal() {
  applyFunction(
      "1/x", [&](double x) { return must(checkedDivide(1, x)); }, [&] { s_.newNumber = true; });
}

// Shown with 15 digits, as every result is.
void Calculator::pi() {
  setDisplay(text(kPi));
  endEntry();
}

// Outside decimal the factorial is taken of the decimal value and shown in the base.
void Calculator::factorial() {
  trapFunction("x!", std::nullopt, [&] {
    const std::string shown = s_.display;
    restoreDecimalDisplay();
    s_.fullResult = 0;
    if (s_.display == kErrorText) fail();  // not the 0 its prefix reads as
    if (s_.base != Base::kDecimal) displayToDecimal();
    const double n = prefixNumber(s_.display);
    double r = 1;
    for (double i = 1; i <= n; i += 1) {
      r *= i;
      if (!std::isfinite(r)) fail();
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
    const double x = number(s_.display);
    s_.dmsDegrees = std::floor(x);
    s_.dmsMinutes = (x - s_.dmsDegrees) * 60;
    s_.dmsSeconds = (s_.dmsMinutes - std::floor(s_.dmsMinutes)) * 60;
    // Seconds are rounded to the nearest millionth, carrying into minutes and degrees.
    double deg = s_.dmsDegrees, min = std::floor(s_.dmsMinutes);
    double micro = std::round(s_.dmsSeconds * 1000000);
    if (micro >= 60000000) {
      micro -= 60000000;
      min += 1;
    }
    if (min >= 60) {
      min -= 60;
      deg += 1;
    }
    // Degrees too large to write without an exponent have no minutes to show.
    if (std::fabs(deg) >= 1e15) fail();
    char sec[32];
    std::snprintf(sec, sizeof sec, "%08.0f", micro);
    s_.display = text(deg) + loc_.decimal + (min >= 10 ? "" : "0") + text(min) + sec;
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
    const double x = number(s_.display);
    const double f = x - std::floor(x);
    s_.dmsDegrees = f;
    // Minutes are taken after rounding to 10 decimals, so 12.29 reads as 29 minutes.
    const double f100 = std::round(f * 100 * 1e10) / 1e10;
    s_.dmsMinutes = std::floor(f100);
    s_.dmsSeconds = (f100 - s_.dmsMinutes) * 100;
    s_.display = text(std::floor(x) + s_.dmsMinutes / 60 + s_.dmsSeconds / 3600);
    tellFunction("dms>", shown);
    endEntry();
  });
}

}  // namespace zova
