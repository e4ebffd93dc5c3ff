// The operator evaluator: for every bracket depth one waiting operation per
// precedence level (additive, multiplicative, power), reduced as later keys
// and "=" require. Brackets open and close depths.
#include <cstdint>
#include <string>

#include "engine/calculator.h"
#include "engine/decimal_symbol.h"

namespace zova {

namespace {
// The tape's mark of an additive-level key; with inv, + and - are Pol and Rec.
std::string_view additiveMark(Op op, bool inv) {
  switch (op) {
    case Op::kAdd:
      return inv ? "Pol" : "+";
    case Op::kSubtract:
      return inv ? "Rec" : "-";
    case Op::kAnd:
      return "and";
    case Op::kOr:
      return "or";
    case Op::kXor:
      return "xor";
    default:
      return "";
  }
}
}  // namespace

int Calculator::level() {
  if (s_.bracketLevel < 0 || s_.bracketLevel > kMaxDepth) fail();
  touchDepth(s_.bracketLevel);
  return s_.bracketLevel;
}

Decimal Calculator::operand(const Value& v) const { return must(v.number(loc_)); }

void Calculator::setInvOff() {
  s_.inv = false;
  s_.invCaption.clear();
}

// add, and the bitwise operations; subtract joins after its exponent-sign check.
void Calculator::additive(Op op) {
  trap([&] {
    const std::string shown = s_.display;
    if (op == Op::kAnd || op == Op::kOr || op == Op::kXor) toggleInv();
    restoreDecimalDisplay();
    displayToDecimal();
    tellOperand(shown, additiveMark(op, s_.inv));
    s_.fullResult = 0;
    s_.exponentPresses = 0;
    const int L = level();
    if (s_.powOp[L] != Op::kNone) reduceDepth();
    if (s_.mulOp[L] != Op::kNone) reduceDepth();
    if (s_.addOp[L] != Op::kNone) reduceDepth();
    s_.newNumber = true;
    if ((op == Op::kAdd || op == Op::kSubtract) && s_.inv) {
      op = op == Op::kAdd ? Op::kToPolar : Op::kToRectangular;
      toggleInv();
    }
    s_.addOp[L] = op;
    if (!prefixNumber(s_.addOperand[L]).isZero()) applyAdditive();
    s_.addOperand[L] = s_.display;
    if (s_.base != Base::kDecimal) displayToBase();  // show the stored operand in the current base
    s_.pointState = PointState::kNone;
  });
}

void Calculator::add() { additive(Op::kAdd); }
void Calculator::bitAnd() { additive(Op::kAnd); }
void Calculator::bitOr() { additive(Op::kOr); }
void Calculator::bitXor() { additive(Op::kXor); }

void Calculator::subtract() {
  // The minus of an exponent being typed (in hexadecimal "E" is a digit).
  if (s_.base == Base::kDecimal && !s_.display.empty() && s_.display.back() == 'E') {
    s_.display += '-';
    return;
  }
  additive(Op::kSubtract);
}

// multiply, and divide, which with inv is the modulo.
void Calculator::multiplicative(Op op) {
  trap([&] {
    const std::string shown = s_.display;
    restoreDecimalDisplay();
    displayToDecimal();
    if (op == Op::kDivide && s_.inv) op = Op::kModulo;
    tellOperand(shown, op == Op::kMultiply ? "\u00d7" : op == Op::kDivide ? "\u00f7" : "mod");
    s_.fullResult = 0;
    s_.exponentPresses = 0;
    const int L = level();
    if (s_.powOp[L] == Op::kPower) reduceDepth();
    if (s_.mulOp[L] != Op::kNone) reduceProducts();
    s_.newNumber = true;
    s_.mulOp[L] = op;
    if (op == Op::kModulo) toggleInv();
    if (!prefixNumber(s_.mulOperand[L]).isZero()) applyMultiplicative();
    s_.mulOperand[L] = s_.display;
    if (s_.base != Base::kDecimal) displayToBase();
    s_.pointState = PointState::kNone;
  });
}

void Calculator::multiply() { multiplicative(Op::kMultiply); }
void Calculator::divide() { multiplicative(Op::kDivide); }

void Calculator::raise() {
  if (s_.base != Base::kDecimal) return;
  trap([&] {
    const std::string shown = s_.display;
    if (s_.inv) {
      s_.powerTakesRoot = true;
      toggleInv();
    } else {
      s_.powerTakesRoot = false;
    }
    restoreDecimalDisplay();
    tellOperand(shown, s_.powerTakesRoot ? "x^1/y" : "x^y");
    s_.fullResult = 0;
    s_.exponentPresses = 0;
    const int L = level();
    const bool waiting = s_.powOp[L] == Op::kPower;
    if (!waiting) reducePower();
    s_.newNumber = true;
    s_.powOp[L] = Op::kPower;
    // A power already waiting is evaluated first, so x^y^z runs left to right.
    if (waiting) applyPower();
    s_.powOperand[L] = s_.display;
    s_.pointState = PointState::kNone;
  });
}

void Calculator::percentage() {
  if (s_.base != Base::kDecimal) return;
  trap([&] {
    const std::string shown = s_.display;
    restoreDecimalDisplay();
    tellOperand(shown, "%");
    s_.fullResult = 0;
    const int L = level();
    const Op a = s_.addOp[L];
    const Op m = s_.mulOp[L];
    if (a == Op::kAdd || a == Op::kSubtract) {
      s_.display = text(operand(s_.addOperand[L]) * (number(s_.display) / 100));
    } else if (m == Op::kMultiply || m == Op::kDivide || (a == Op::kNone && m == Op::kNone)) {
      s_.display = text(number(s_.display) / 100);
    }
    s_.newNumber = true;
    s_.pointState = PointState::kNone;
  });
}

void Calculator::reduceDepth() {
  trap([&] {
    s_.exponentPresses = 0;
    s_.newNumber = true;
    applyPower();
    const int L = level();
    if (s_.powOp[L] == Op::kNone) {
      applyMultiplicative();
      s_.mulOp[L] = Op::kNone;
      applyAdditive();
      s_.addOp[L] = Op::kNone;
      s_.addOperand[L] = s_.mulOperand[L] = s_.powOperand[L] = 0;
      if (s_.display.empty()) s_.display = "0";
    }
    s_.powOp[L] = Op::kNone;
  });
}

void Calculator::reduceProducts() {
  trap([&] {
    s_.exponentPresses = 0;
    s_.newNumber = true;
    applyMultiplicative();
    const int L = level();
    s_.mulOp[L] = Op::kNone;
    s_.mulOperand[L] = 0;
  });
}

void Calculator::reducePower() {
  trap([&] {
    s_.exponentPresses = 0;
    s_.newNumber = true;
    applyPower();
    const int L = level();
    s_.powOp[L] = Op::kNone;
    s_.powOperand[L] = 0;
  });
}

namespace {
std::int32_t bitwise(Op op, std::int32_t a, std::int32_t b) {
  const auto ua = static_cast<std::uint32_t>(a), ub = static_cast<std::uint32_t>(b);
  const std::uint32_t r = op == Op::kAnd ? (ua & ub) : op == Op::kOr ? (ua | ub) : (ua ^ ub);
  return static_cast<std::int32_t>(r);
}
}  // namespace

void Calculator::applyAdditive() {
  trap([&] {
    const int L = level();
    s_.addOperand[L] = zova::withDotDecimal(s_.addOperand[L], loc_);
    const Op op = s_.addOp[L];
    const Value& a = s_.addOperand[L];
    if (op == Op::kNone) return;
    if (holdsError(a) || s_.display == kErrorText) fail();
    if (op == Op::kAdd) {
      s_.display = text(prefixNumber(a) + prefixNumber(s_.display));
    } else if (op == Op::kSubtract) {
      s_.display = text(prefixNumber(a) - prefixNumber(s_.display));
    } else if (op == Op::kToPolar) {
      const Decimal x = number(withLocaleDecimal(a.text(loc_)));
      const Decimal y = number(withLocaleDecimal(s_.display));
      const Decimal theta = must(checkedDivide(y, x)).atan();
      s_.kRegister = theta / s_.radiansPerUnit;
      const Decimal r = must(finiteOrNone(x.hypot(y)));
      s_.display = text(x.isNegative() ? -r : r);  // the sign of x
    } else if (op == Op::kToRectangular) {
      const Decimal r = number(withLocaleDecimal(a.text(loc_)));
      const SinCos f = angleSinCos(number(withLocaleDecimal(s_.display)));
      s_.display = text(r * f.cos);
      s_.kRegister = must(finiteOrNone(r * f.sin));
    } else if (op == Op::kAnd || op == Op::kOr || op == Op::kXor) {
      const auto x = must(roundToLong(prefixNumber(a)));
      const auto y = must(roundToLong(prefixNumber(s_.display)));
      s_.display = std::to_string(bitwise(op, x, y));
    }
  });
}

void Calculator::applyMultiplicative() {
  trap([&] {
    const int L = level();
    s_.mulOperand[L] = zova::withDotDecimal(s_.mulOperand[L], loc_);
    const Op op = s_.mulOp[L];
    if (op == Op::kNone) return;
    if (holdsError(s_.mulOperand[L]) || s_.display == kErrorText) fail();
    const Decimal a = prefixNumber(s_.mulOperand[L]);
    if (op == Op::kMultiply) {
      s_.display = text(a * prefixNumber(s_.display));
    } else if (op == Op::kDivide) {
      s_.display = text(must(checkedDivide(a, prefixNumber(s_.display))));
    } else if (op == Op::kModulo) {
      const std::int64_t x = must(roundToLong(a));
      const std::int64_t y = must(roundToLong(prefixNumber(s_.display)));
      if (y == 0) fail();
      s_.display = std::to_string(x % y);  // truncating: the sign of x
    }
  });
}

void Calculator::applyPower() {
  trap([&] {
    const int L = level();
    if (s_.powOp[L] != Op::kPower) return;
    if (holdsError(s_.powOperand[L]) || s_.display == kErrorText) fail();
    s_.powOperand[L] = Value(withLocaleDecimal(s_.powOperand[L].text(loc_)));
    s_.display = withLocaleDecimal(s_.display);
    if (s_.powerTakesRoot) {
      s_.powOperand[L] = must(checkedDivide(1, operand(s_.powOperand[L])));
      s_.display = text(must(checkedPower(number(s_.display), operand(s_.powOperand[L]))));
    } else {
      s_.display = text(must(checkedPower(operand(s_.powOperand[L]), number(s_.display))));
    }
    if (s_.hyper) toggleHyp();
  });
}

void Calculator::evaluateAll() {
  std::string shown = s_.display;
  restoreDecimalDisplay();
  if (s_.bracketLevel > 1) {
    while (s_.bracketLevel > 1) closeBracket();
    shown = s_.display;
  }
  displayToDecimal();
  tellOperand(shown, "");
  reduceDepth();
  s_.bracketLevel = 0;
  reduceDepth();
  const std::string decimal = s_.display;
  displayToBase();
  s_.fullResult = s_.display;
  if (s_.resultsToStats && onStackEntry) onStackEntry();
  s_.openTip = s_.closeTip = bracketTip("0");
  formatResult();
  s_.resultShown = s_.display;
  if (observer_) observer_->resultShown(shownNumber(s_.display, decimal));
}

void Calculator::openBracket() {
  s_.openTip = s_.closeTip = bracketTip(paddedNumberText(s_.bracketLevel + 1));
  ++s_.bracketLevel;
  s_.display = "( -- " + paddedNumberText(s_.bracketLevel);
  if (observer_) observer_->bracketOpened();
  s_.newNumber = true;
  // A new depth starts empty: nothing left over from an earlier "=" joins it.
  if (s_.bracketLevel <= kMaxDepth) {
    const int L = s_.bracketLevel;
    touchDepth(L);
    s_.addOp[L] = Op::kNone;
    s_.mulOp[L] = Op::kNone;
    s_.powOp[L] = Op::kNone;
    s_.addOperand[L] = s_.mulOperand[L] = s_.powOperand[L] = Value();
  }
}

void Calculator::closeBracket() {
  if (s_.bracketLevel > 0)
    s_.openTip = s_.closeTip = bracketTip(paddedNumberText(s_.bracketLevel - 1));
  if (s_.display.find("( -- ") != std::string::npos) s_.display = "0";
  const std::string shown = s_.display;
  restoreDecimalDisplay();
  displayToDecimal();
  tellOperand(shown, ")");
  reduceDepth();
  reduceDepth();
  displayToBase();
  if (s_.bracketLevel >= 1) --s_.bracketLevel;
  s_.fullResult = 0;
}

void Calculator::toggleStack() { s_.resultsToStats = !s_.resultsToStats; }

}  // namespace zova
