// One-operand keys: inv and hyp, the angle-unit cycle, trigonometric and
// hyperbolic functions and their inverses, logarithms, roots, powers, π,
// factorial and the degree-minute-second conversions.
#include <cmath>
#include <cstdio>

#include "engine/calculator.h"

namespace zova {

void Calculator::inverse() {
  s_.inv = !s_.inv;
  s_.invlabel = s_.inv ? "inv" : "";
}

void Calculator::hyperbolic() {
  if (s_.base != Base::kDecimal) return;
  s_.hyper = !s_.hyper;
  s_.hyplabel = s_.hyper ? "h" : "";
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

void Calculator::trigmode() {
  // Outside decimal the key leaves a text such as "FF" alone.
  if (s_.base != Base::kDecimal) return;
  trap([&] {
    if (!IsNumber(s_.window, loc_)) s_.window = text(ParseNumber(s_.window));
    s_.window = dotfix(s_.window);
    s_.angleUnit = NextAngleUnit(s_.angleUnit);
    const UnitRow u = unitRow(*s_.angleUnit);
    s_.angle = u.angle;
    s_.radlabel = u.rad;
    s_.gradlabel = u.grad;
    s_.deglabel = u.deg;
    if (s_.inv) s_.window = text(number(s_.window) * u.fromPrevious);
    setInvOff();
  });
  if (s_.startedUp) tk_.focusEquals();
}

// which: 0 sine, 1 cosine, 2 tangent.
void Calculator::trig(int which) {
  if (s_.base != Base::kDecimal) return;
  trap([&] {
    quodec();
    s_.digits = 0;
    const double x = number(s_.window);
    if (!s_.angleUnit) s_.angle = kPi / 180;
    const bool inv = s_.inv, hyp = s_.hyper;
    if (inv && hyp) {
      double r = 0;
      if (which == 0) r = must(Log(x + must(Sqrt(x * x + 1))));
      if (which == 1) r = must(Log(x + must(Sqrt(x * x - 1))));
      if (which == 2) r = must(Log(must(Divide(x + 1, 1 - x)))) / 2;
      s_.window = text(r);
    } else if (inv) {
      double r = 0;
      bool exact = false;  // ±1 for the inverse sine and cosine: the angle itself
      if (which == 2) {
        r = std::atan(x);
      } else if (x == 1 || x == -1) {
        exact = true;
        r = which == 0 ? x * kPi / 2 : (x == 1 ? 0.0 : kPi);
      } else if (which == 0) {
        r = std::atan(x / must(Sqrt(1 - x * x)));
      } else {
        r = std::atan(-x / must(Sqrt(1 - x * x))) + 2 * std::atan(1.0);
      }
      if (exact) {
        s_.window = text(r / s_.angle);
      } else {
        s_.window = text(r);
        s_.window = text(must(Divide(number(s_.window), s_.angle)));
      }
    } else if (hyp) {
      const double ep = must(Exp(x)), em = must(Exp(-x));
      if (which == 0) s_.window = text((ep - em) / 2);
      if (which == 1) s_.window = text((ep + em) / 2);
      if (which == 2) s_.window = text(must(Divide(ep - em, ep + em)));
    } else {
      const double t = number(text(x * s_.angle));
      if (which == 0) s_.window = text(std::sin(t));
      if (which == 1) s_.window = text(std::cos(t));
      if (which == 2) s_.window = text(std::tan(t));
    }
    if (s_.inv) setInvOff();
    if (s_.hyper) {
      s_.hyper = false;
      s_.hyplabel.clear();
    }
    endEntry();
  });
}

void Calculator::sine() { trig(0); }
void Calculator::cosine() { trig(1); }
void Calculator::tangent() { trig(2); }

void Calculator::logarithm() {
  if (s_.base != Base::kDecimal) return;
  trap([&] {
    quodec();
    s_.digits = 0;
    const double x = number(s_.window);
    if (!s_.inv)
      s_.window = text(must(Log(x)) / std::log(10.0));
    else
      s_.window = text(must(Power(10, x)));
    if (s_.inv) inverse();
    if (s_.hyper) hyperbolic();
    endEntry();
  });
}

void Calculator::natural() {
  if (s_.base != Base::kDecimal) return;
  trap([&] {
    quodec();
    s_.digits = 0;
    const double x = number(s_.window);
    if (!s_.inv)
      s_.window = text(must(Log(x)) / std::log(std::exp(1.0)));
    else
      s_.window = text(must(Exp(x)));
    if (s_.inv) inverse();
    if (s_.hyper) hyperbolic();
    endEntry();
  });
}

void Calculator::squareroot() {
  trap([&] {
    quodec();
    s_.digits = 0;
    s_.window = text(must(Power(number(s_.window), 0.5)));
    endEntry();
  });
}

void Calculator::square() {
  trap([&] {
    quodec();
    s_.digits = 0;
    s_.window = text(must(Power(number(s_.window), 2)));
    endEntry();
  });
}

void Calculator::flip() {
  trap([&] {
    quodec();
    s_.digits = 0;
    s_.window = text(must(Divide(1, number(s_.window))));
    s_.newNumber = true;
  });
}

void Calculator::pi() {
  setDisplay(text(kPi));
  endEntry();
}

// Outside decimal the factorial is taken of the decimal value and shown in the base.
void Calculator::factorially() {
  trap([&] {
    quodec();
    s_.digits = 0;
    if (s_.base != Base::kDecimal) toDec();
    const double n = ParseNumber(s_.window);
    double r = 1;
    for (double i = 1; i <= n; i += 1) {
      r *= i;
      if (!std::isfinite(r)) fail();
    }
    s_.window = text(r);
    if (s_.base != Base::kDecimal) toBase();
    endEntry();
  });
}

void Calculator::angles() {
  if (s_.base != Base::kDecimal) return;
  trap([&] {
    quodec();
    s_.digits = 0;
    const double x = number(s_.window);
    s_.degg = Floor(x);
    s_.minutes = (x - s_.degg) * 60;
    s_.seconds = (s_.minutes - Floor(s_.minutes)) * 60;
    // Seconds are rounded to the nearest millionth, carrying into minutes and degrees.
    double deg = s_.degg, min = Floor(s_.minutes);
    double micro = std::round(s_.seconds * 1000000);
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
    s_.window = text(deg) + (min >= 10 ? "." : ".0") + text(min) + sec;
    endEntry();
  });
}

void Calculator::angleout() {
  if (s_.base != Base::kDecimal) return;
  trap([&] {
    quodec();
    s_.digits = 0;
    const double x = number(s_.window);
    const double f = x - Floor(x);
    s_.degg = f;
    // Minutes are taken after rounding to 10 decimals, so 12.29 reads as 29 minutes.
    const double f100 = std::round(f * 100 * 1e10) / 1e10;
    s_.minutes = Floor(f100);
    s_.seconds = (f100 - s_.minutes) * 100;
    s_.window = text(Floor(x) + s_.minutes / 60 + s_.seconds / 3600);
    endEntry();
  });
}

}  // namespace zova
