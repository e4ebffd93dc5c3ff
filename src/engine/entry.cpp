// Number entry: digits, point, EXP, hexadecimal letters, sign change, Back,
// C and AC. The number being typed lives in the display text itself.
#include <algorithm>

#include "engine/calculator.h"
#include "engine/display_limits.h"

namespace zova {

namespace {
bool has(const std::string& s, char c) { return s.find(c) != std::string::npos; }
}  // namespace

// A typed point is the locale's decimal symbol; a "." can still be there from a text
// written in the other form (a pasted or restored number), and counts the same.
bool Calculator::hasPoint() const {
  return has(s_.display, '.') || s_.display.find(loc_.decimal) != std::string::npos;
}

void resetStartModes(CalcState& s) {
  const CalcState start;
  s.base = start.base;
  s.startedUp = start.startedUp;
  s.angleUnit = start.angleUnit;
  s.inv = start.inv;
  s.hyper = start.hyper;
  s.decimalPlaces = start.decimalPlaces;
  s.fractionAccuracy = start.fractionAccuracy;
  s.radiansPerUnit = start.radiansPerUnit;
  s.display = start.display;
}

Calculator::Calculator(CalculatorToolkit& toolkit, NumberLocale locale)
    : tk_(toolkit), loc_(std::move(locale)) {}

void Calculator::setDisplay(std::string text) {
  s_.display = std::move(text);
  s_.resultShown.clear();
}

void Calculator::showError() {
  s_.display = "ERROR";
  s_.newNumber = true;
  if (observer_) observer_->errorShown();
}

void Calculator::showFunctionError(std::string_view name, const std::string& argument,
                                   std::optional<AngleUnit> unit) {
  s_.display = "ERROR";
  s_.newNumber = true;
  if (observer_)
    observer_->functionApplied(name, shownNumber(argument, ""), shownNumber(s_.display, ""), unit);
}

void Calculator::endEntry() {
  s_.newNumber = true;
  s_.pointState = PointState::kNone;
}

// Starting a new entry also resets that entry's guards, so a point or EXP of an
// earlier entry never blocks this one, and the sign of an earlier binary
// result: typed binary digits are a positive number until the sign key.
void Calculator::clear() {
  if (s_.newNumber) {
    s_.display.clear();
    s_.newNumber = false;
    s_.pointState = PointState::kNone;
    s_.exponentPresses = 0;
    s_.binNegative = false;
  }
}

void Calculator::digit(int d) {
  if (d == 0) return zero();
  clear();
  if ((d >= 2 && d <= 7 && s_.base == Base::kBinary) ||
      (d >= 8 && (s_.base == Base::kOctal || s_.base == Base::kBinary)))
    return;
  if (!roomForDigit()) return;
  if (s_.display == "0" && s_.base == Base::kHex) s_.display.clear();
  if (s_.base != Base::kHex && !hasPoint() && displayIsZero()) s_.display.clear();
  s_.display += static_cast<char>('0' + d);
}

void Calculator::zero() {
  clear();
  if (!roomForDigit()) return;
  if (s_.display == "0" && s_.base == Base::kHex) s_.display.clear();
  if (!displayIsZero() || s_.base == Base::kHex || (!s_.display.empty() && hasPoint()))
    s_.display += '0';
  if (displayIsZero() && !hasPoint() && s_.base != Base::kHex) s_.display = "0";
}

// A decimal entry keeps every digit while the line, with room for a sign, fits the
// display (leading zeros take room but are no digits the value loses), and an exponent
// three digits. Other bases take kEntryDigits digits, and their own limits apply when
// the base is left.
bool Calculator::roomForDigit() {
  if (s_.newNumber) return true;
  const std::string& d = s_.display;
  bool room = false;
  if (s_.base == Base::kDecimal) {
    const std::size_t e = d.find('E');
    const auto expDigits = e == std::string::npos
                               ? 0
                               : std::count_if(d.begin() + static_cast<std::ptrdiff_t>(e), d.end(),
                                               [](char c) { return c >= '0' && c <= '9'; });
    room = expDigits < 3 && decimalEntryFits(d.size() + 1, !d.empty() && d[0] == '-');
  } else {
    const auto digits = std::count_if(d.begin(), d.end(), [](char c) {
      return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
    });
    room = digits < kEntryDigits;
  }
  if (room) return true;
  tk_.beep();
  return false;
}

void Calculator::point() {
  trap([&] {
    if (s_.base != Base::kDecimal) return;
    if (s_.newNumber) s_.pointState = PointState::kNone;
    clear();
    // Only the first point of an entry is typed; any further one closes it.
    s_.pointState = s_.pointState == PointState::kNone ? PointState::kTyped : PointState::kClosed;
    const bool typed = s_.pointState == PointState::kTyped;
    if (typed) s_.display += loc_.decimal;
    if (displayIsZero() && typed) s_.display = "0" + loc_.decimal;
  });
}

void Calculator::exp() {
  if (s_.base == Base::kHex) return hexLetter('C');
  clear();
  if (displayIsZero()) {
    s_.display = "0";
    return;
  }
  // On a line too full for "E-" and three digits EXP types nothing; ± always fits, as it
  // writes the number anew with 15 digits.
  if (s_.exponentPresses == 0 && !decimalEntryFits(s_.display.size() + 5, s_.display[0] == '-')) {
    tk_.beep();
    return;
  }
  if (s_.exponentPresses < 32767) ++s_.exponentPresses;
  if (s_.exponentPresses == 1) {
    s_.display += 'E';
    s_.pointState = PointState::kClosed;
  }
}

void Calculator::hexLetter(char letter) {
  if (s_.display == "0") s_.display.clear();
  clear();
  if (!roomForDigit()) return;
  s_.display += letter;
}

void Calculator::changeSign() {
  trap([&] {
    if (s_.base != Base::kDecimal) displayToDecimal();
    s_.binNegative = parseNumber(s_.display).isNegative();
    restoreDecimalDisplay();
    s_.fullResult = 0;
    if (!s_.display.empty()) {
      s_.display = withLocaleDecimal(s_.display);
      s_.display = text(-number(s_.display));
    }
    if (s_.base != Base::kDecimal) displayToBase();
  });
}

void Calculator::back() {
  s_.newNumber = false;
  bool removedE = false;
  if (!s_.display.empty()) {
    removedE = s_.display.back() == 'E';
    s_.display.pop_back();
  }
  if (displayIsZero()) s_.display = "0";
  // Back turns a shown result back into an entry: a point already in it counts.
  if (!hasPoint())
    s_.pointState = PointState::kNone;
  else if (s_.pointState == PointState::kNone)
    s_.pointState = PointState::kTyped;
  auto exponentGone = [&] {
    s_.exponentPresses = 0;
    if (hasPoint()) s_.pointState = PointState::kTyped;
  };
  // In hexadecimal "E" is a digit, not an exponent.
  const bool decimal = s_.base == Base::kDecimal;
  if (removedE && decimal) exponentGone();
  if (decimal && !s_.display.empty() && s_.display.back() == 'E') {
    s_.display.pop_back();
    exponentGone();
  }
  if (!s_.display.empty() && (s_.display.back() == '+' || s_.display.back() == '-')) {
    s_.display.erase(s_.display.size() - std::min<size_t>(2, s_.display.size()));
    exponentGone();
  }
  // A result edited back to "7E-1" still has its exponent: no point or second E.
  if (decimal && has(s_.display, 'E')) {
    s_.pointState = PointState::kClosed;
    s_.exponentPresses = std::max(s_.exponentPresses, 1);
  }
}

void Calculator::deleteEntry() {
  s_.exponentPresses = 0;
  s_.pointState = PointState::kNone;
  s_.newNumber = false;
  s_.binNegative = false;
  s_.display = "0";
  s_.fullResult = s_.display;
  if (s_.inv) toggleInv();
  if (s_.hyper) toggleHyp();
  restoreDecimalDisplay();
}

void Calculator::clearAll() {
  s_.openTip = bracketTip(" 0");
  s_.closeTip = bracketTip("0");
  s_.bracketLevel = 0;
  s_.exponentPresses = 0;
  s_.pointState = PointState::kNone;
  s_.newNumber = false;
  s_.binNegative = false;
  s_.display.clear();
  s_.fullResult = "";
  // Only the depths in use can hold anything: the others are empty already.
  depthsWritten_ = std::max(depthsWritten_, depthsInUse_);
  depthsInUse_ = 1;
  for (int i = 0; i <= kMaxDepth; ++i) {
    s_.addOperand[i] = s_.mulOperand[i] = s_.powOperand[i] = Value();
    s_.addOp[i] = s_.mulOp[i] = s_.powOp[i] = Op::kNone;
  }
  s_.display = "0";
  if (s_.inv) toggleInv();
  if (s_.hyper) toggleHyp();
  restoreDecimalDisplay();
  if (observer_) observer_->allCleared();
}

void Calculator::keyboardDigit(int d) {
  if (s_.display == "0" && s_.base == Base::kHex) s_.display.clear();
  if (s_.base != Base::kHex && !hasPoint() && displayIsZero()) s_.display.clear();
  if (d != 0) return digit(d);
  clear();
  if (!roomForDigit()) return;
  s_.display += '0';
}

}  // namespace zova
