// Number entry: digits, point, EXP, hexadecimal letters, sign change, Back,
// C and AC. The number being typed lives in the display text itself.
#include <algorithm>

#include "engine/calculator.h"

namespace zova {

namespace {
bool has(const std::string& s, char c) { return s.find(c) != std::string::npos; }
}  // namespace

Calculator::Calculator(Toolkit& toolkit, NumberLocale locale)
    : tk_(toolkit), loc_(std::move(locale)) {}

void Calculator::setDisplay(std::string text) {
  s_.window = std::move(text);
  s_.resultShown.clear();
}

void Calculator::showError() {
  s_.window = "ERROR";
  s_.newNumber = true;
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
    s_.window.clear();
    s_.newNumber = false;
    s_.pointState = PointState::kNone;
    s_.exponent = 0;
    s_.binNegative = false;
  }
}

void Calculator::digit(int d) {
  if (d == 0) return zero();
  clear();
  if ((d >= 2 && d <= 7 && s_.base == Base::kBinary) ||
      (d >= 8 && (s_.base == Base::kOctal || s_.base == Base::kBinary)))
    return;
  if (s_.window == "0" && s_.base == Base::kHex) s_.window.clear();
  if (s_.base != Base::kHex && !has(s_.window, '.') && ParseNumber(s_.window) == 0)
    s_.window.clear();
  s_.window += static_cast<char>('0' + d);
}

void Calculator::zero() {
  clear();
  if (s_.window == "0" && s_.base == Base::kHex) s_.window.clear();
  if (ParseNumber(s_.window) != 0 || s_.base == Base::kHex ||
      (!s_.window.empty() && has(s_.window, '.')))
    s_.window += '0';
  if (ParseNumber(s_.window) == 0 && !has(s_.window, '.') && s_.base != Base::kHex) s_.window = "0";
}

void Calculator::point() {
  trap([&] {
    if (s_.base != Base::kDecimal) return;
    if (s_.newNumber) s_.pointState = PointState::kNone;
    clear();
    // Only the first point of an entry is typed; any further one closes it.
    s_.pointState = s_.pointState == PointState::kNone ? PointState::kTyped : PointState::kClosed;
    const bool typed = s_.pointState == PointState::kTyped;
    if (typed) s_.window += '.';
    if (ParseNumber(s_.window) == 0 && typed) s_.window = "0.";
    if ((s_.window == "0" || s_.window == ".") && typed) s_.window = "0.";
  });
}

void Calculator::exp() {
  if (s_.base == Base::kHex) return hexLetter('C');
  clear();
  if (ParseNumber(s_.window) == 0) {
    s_.window = "0";
    return;
  }
  if (s_.exponent < 32767) ++s_.exponent;
  if (s_.exponent == 1) {
    s_.window += 'E';
    s_.pointState = PointState::kClosed;
  }
}

void Calculator::hexLetter(char letter) {
  if (s_.window == "0") s_.window.clear();
  clear();
  s_.window += letter;
}

void Calculator::signchange() {
  trap([&] {
    if (s_.base != Base::kDecimal) toDec();
    s_.binNegative = ParseNumber(s_.window) < 0;
    quodec();
    s_.digits = 0;
    if (!s_.window.empty()) {
      s_.window = dotfix(s_.window);
      s_.window = text(-number(s_.window));
    }
    if (s_.base != Base::kDecimal) toBase();
  });
}

void Calculator::back() {
  s_.newNumber = false;
  bool removedE = false;
  if (!s_.window.empty()) {
    removedE = s_.window.back() == 'E';
    s_.window.pop_back();
  }
  if (ParseNumber(s_.window) == 0) s_.window = "0";
  // Back turns a shown result back into an entry: a point already in it counts.
  if (!has(s_.window, '.'))
    s_.pointState = PointState::kNone;
  else if (s_.pointState == PointState::kNone)
    s_.pointState = PointState::kTyped;
  auto exponentGone = [&] {
    s_.exponent = 0;
    if (has(s_.window, '.')) s_.pointState = PointState::kTyped;
  };
  // In hexadecimal "E" is a digit, not an exponent.
  const bool decimal = s_.base == Base::kDecimal;
  if (removedE && decimal) exponentGone();
  if (decimal && !s_.window.empty() && s_.window.back() == 'E') {
    s_.window.pop_back();
    exponentGone();
  }
  if (!s_.window.empty() && (s_.window.back() == '+' || s_.window.back() == '-')) {
    s_.window.erase(s_.window.size() - std::min<size_t>(2, s_.window.size()));
    exponentGone();
  }
  // A result edited back to "7E-1" still has its exponent: no point or second E.
  if (decimal && has(s_.window, 'E')) {
    s_.pointState = PointState::kClosed;
    s_.exponent = std::max(s_.exponent, 1);
  }
}

void Calculator::deleteEntry() {
  s_.exponent = 0;
  s_.pointState = PointState::kNone;
  s_.newNumber = false;
  s_.binNegative = false;
  s_.window = "0";
  s_.digits = s_.window;
  if (s_.inv) inverse();
  if (s_.hyper) hyperbolic();
  quodec();
}

void Calculator::delall() {
  s_.openTip = "open brackets: 0";
  s_.closeTip = "open brackets:0";
  s_.bracketLevel = 0;
  s_.exponent = 0;
  s_.pointState = PointState::kNone;
  s_.newNumber = false;
  s_.binNegative = false;
  s_.window.clear();
  s_.digits = "";
  for (int i = 0; i <= kMaxDepth; ++i) {
    s_.addOperand[i] = s_.mulOperand[i] = s_.powOperand[i] = Value();
    s_.addOp[i] = s_.mulOp[i] = s_.powOp[i] = Op::kNone;
  }
  s_.window = "0";
  if (s_.inv) inverse();
  if (s_.hyper) hyperbolic();
  quodec();
}

void Calculator::keyboardDigit(int d) {
  if (s_.window == "0" && s_.base == Base::kHex) s_.window.clear();
  if (s_.base != Base::kHex && !has(s_.window, '.') && ParseNumber(s_.window) == 0)
    s_.window.clear();
  if (d != 0) return digit(d);
  clear();
  s_.window += '0';
}

void Calculator::window_GotFocus() {
  if (s_.base == Base::kDecimal && ParseNumber(s_.window) == 0) s_.window = "0";
  tk_.focusEquals();
}

}  // namespace zova
