// The operator evaluator: for every bracket depth one waiting operation per
// precedence level (additive, multiplicative, power), reduced as later keys
// and "=" require. Brackets open and close depths.
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/calculator.h"
#include "engine/decimal_symbol.h"

namespace zova {

int Calculator::level() const {
  if (s_.bracketLevel < 0 || s_.bracketLevel > kMaxDepth) fail();
  return s_.bracketLevel;
}

double Calculator::operand(const Value& v) const { return must(v.number(loc_)); }

void Calculator::setInvOff() {
  s_.inv = false;
  s_.invlabel.clear();
}

// add, and the bitwise operations; subtract joins after its exponent-sign check.
void Calculator::additive(Op op) {
  trap([&] {
    if (op == Op::kAnd || op == Op::kOr || op == Op::kXor) inverse();
    quodec();
    toDec();
    s_.digits = 0;
    s_.exponent = 0;
    const int L = level();
    if (s_.powOp[L] != Op::kNone) equals();
    if (s_.mulOp[L] != Op::kNone) equals();
    if (s_.addOp[L] != Op::kNone) equals();
    s_.newNumber = true;
    if ((op == Op::kAdd || op == Op::kSubtract) && s_.inv) {
      op = op == Op::kAdd ? Op::kToPolar : Op::kToRectangular;
      inverse();
    }
    s_.addOp[L] = op;
    if (s_.addOperand[L].parse() != 0) calculate();
    s_.addOperand[L] = s_.window;
    if (s_.base != Base::kDecimal) toBase();  // show the stored operand in the current base
    s_.pointState = PointState::kNone;
  });
}

void Calculator::add() { additive(Op::kAdd); }
void Calculator::bitAnd() { additive(Op::kAnd); }
void Calculator::bitOr() { additive(Op::kOr); }
void Calculator::bitXor() { additive(Op::kXor); }

void Calculator::subtract() {
  // The minus of an exponent being typed (in hexadecimal "E" is a digit).
  if (s_.base == Base::kDecimal && !s_.window.empty() && s_.window.back() == 'E') {
    s_.window += '-';
    return;
  }
  additive(Op::kSubtract);
}

void Calculator::multiply() {
  trap([&] {
    quodec();
    toDec();
    s_.digits = 0;
    s_.exponent = 0;
    const int L = level();
    if (s_.powOp[L] == Op::kPower) equals();
    if (s_.mulOp[L] != Op::kNone) equal();
    s_.newNumber = true;
    s_.mulOp[L] = Op::kMultiply;
    if (s_.mulOperand[L].parse() != 0) calculatef();
    s_.mulOperand[L] = s_.window;
    if (s_.base != Base::kDecimal) toBase();
    s_.pointState = PointState::kNone;
  });
}

void Calculator::divide() {
  trap([&] {
    quodec();
    toDec();
    s_.digits = 0;
    s_.exponent = 0;
    const int L = level();
    if (s_.powOp[L] == Op::kPower) equals();
    if (s_.mulOp[L] != Op::kNone) equal();
    s_.newNumber = true;
    if (s_.inv) {
      s_.mulOp[L] = Op::kModulo;
      inverse();
    } else {
      s_.mulOp[L] = Op::kDivide;
    }
    if (s_.mulOperand[L].parse() != 0) calculatef();
    s_.mulOperand[L] = s_.window;
    if (s_.base != Base::kDecimal) toBase();
    s_.pointState = PointState::kNone;
  });
}

void Calculator::raise() {
  if (s_.base != Base::kDecimal) return;
  trap([&] {
    if (s_.inv) {
      s_.powerTakesRoot = true;
      inverse();
    } else {
      s_.powerTakesRoot = false;
    }
    quodec();
    s_.digits = 0;
    s_.exponent = 0;
    const int L = level();
    const bool waiting = s_.powOp[L] == Op::kPower;
    if (!waiting) equa();
    s_.newNumber = true;
    s_.powOp[L] = Op::kPower;
    // A power already waiting is evaluated first, so x^y^z runs left to right.
    if (waiting) calculateff();
    s_.powOperand[L] = s_.window;
    s_.pointState = PointState::kNone;
  });
}

void Calculator::percentage() {
  if (s_.base != Base::kDecimal) return;
  trap([&] {
    quodec();
    s_.digits = 0;
    const int L = level();
    const Op a = s_.addOp[L];
    const Op m = s_.mulOp[L];
    if (a == Op::kAdd || a == Op::kSubtract) {
      s_.window = text(operand(s_.addOperand[L]) * (number(s_.window) / 100));
    } else if (m == Op::kMultiply || m == Op::kDivide || (a == Op::kNone && m == Op::kNone)) {
      s_.window = text(number(s_.window) / 100);
    }
    s_.newNumber = true;
    s_.pointState = PointState::kNone;
  });
}

void Calculator::equals() {
  trap([&] {
    s_.exponent = 0;
    s_.newNumber = true;
    calculateff();
    const int L = level();
    if (s_.powOp[L] == Op::kNone) {
      calculatef();
      s_.mulOp[L] = Op::kNone;
      calculate();
      s_.addOp[L] = Op::kNone;
      s_.addOperand[L] = s_.mulOperand[L] = s_.powOperand[L] = 0;
      if (s_.window.empty()) s_.window = "0";
    }
    s_.powOp[L] = Op::kNone;
  });
}

void Calculator::equal() {
  trap([&] {
    s_.exponent = 0;
    s_.newNumber = true;
    calculatef();
    const int L = level();
    s_.mulOp[L] = Op::kNone;
    s_.mulOperand[L] = 0;
  });
}

void Calculator::equa() {
  trap([&] {
    s_.exponent = 0;
    s_.newNumber = true;
    calculateff();
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

void Calculator::calculate() {
  trap([&] {
    const int L = level();
    s_.addOperand[L] = zova::commafix(s_.addOperand[L], loc_);
    s_.window = commafix(s_.window);
    const Op op = s_.addOp[L];
    const Value& a = s_.addOperand[L];
    if (op == Op::kAdd) {
      s_.window = text(a.parse() + ParseNumber(s_.window));
    } else if (op == Op::kSubtract) {
      s_.window = text(a.parse() - ParseNumber(s_.window));
    } else if (op == Op::kToPolar) {
      const double x = number(dotfix(a.text(loc_)));
      const double y = number(dotfix(s_.window));
      const double theta = std::atan(must(Divide(y, x)));
      s_.constant = theta / s_.angle;
      s_.window = text(must(Divide(x, std::cos(s_.angle * s_.constant.parse()))));
    } else if (op == Op::kToRectangular) {
      const double r = number(dotfix(a.text(loc_)));
      const double theta = number(dotfix(s_.window));
      s_.window = text(r * std::cos(s_.angle * theta));
      const std::string k = text(r * std::sin(s_.angle * theta));
      if (k.find(',') != std::string::npos)
        s_.constant = commafix(k);
      else
        s_.constant = r * std::sin(s_.angle * theta);
    } else if (op == Op::kAnd || op == Op::kOr || op == Op::kXor) {
      const auto x = must(RoundToLong(a.parse()));
      const auto y = must(RoundToLong(ParseNumber(s_.window)));
      s_.window = std::to_string(bitwise(op, x, y));
    }
  });
}

void Calculator::calculatef() {
  trap([&] {
    const int L = level();
    s_.mulOperand[L] = zova::commafix(s_.mulOperand[L], loc_);
    s_.window = commafix(s_.window);
    const Op op = s_.mulOp[L];
    const double a = s_.mulOperand[L].parse();
    if (op == Op::kMultiply) {
      s_.window = text(a * ParseNumber(s_.window));
    } else if (op == Op::kDivide) {
      s_.window = text(must(Divide(a, ParseNumber(s_.window))));
    } else if (op == Op::kModulo) {
      const std::int64_t x = must(RoundToLong(a));
      const std::int64_t y = must(RoundToLong(ParseNumber(s_.window)));
      if (y == 0) fail();
      s_.window = std::to_string(x % y);  // truncating: the sign of x
    }
  });
}

void Calculator::calculateff() {
  trap([&] {
    const int L = level();
    if (s_.powOp[L] != Op::kPower) return;
    s_.powOperand[L] = Value(dotfix(s_.powOperand[L].text(loc_)));
    s_.window = dotfix(s_.window);
    if (s_.powerTakesRoot) {
      s_.powOperand[L] = must(Divide(1, operand(s_.powOperand[L])));
      s_.window = text(must(Power(number(s_.window), operand(s_.powOperand[L]))));
    } else {
      s_.window = text(must(Power(operand(s_.powOperand[L]), number(s_.window))));
    }
    if (s_.hyper) hyperbolic();
  });
}

void Calculator::peel() {
  quodec();
  while (s_.bracketLevel > 1) CloseBrackets();
  toDec();
  equals();
  s_.bracketLevel = 0;
  equals();
  toBase();
  s_.digits = s_.window;
  if (s_.togstack && onStackEntry) onStackEntry();
  s_.openTip = s_.closeTip = "open brackets:0";
  scientific();
  s_.resultShown = s_.window;
}

void Calculator::OpenBrackets() {
  s_.openTip = s_.closeTip = "open brackets:" + PaddedNumberText(s_.bracketLevel + 1.0);
  ++s_.bracketLevel;
  s_.window = "( -- " + PaddedNumberText(s_.bracketLevel);
  s_.newNumber = true;
  // A new depth starts empty: nothing left over from an earlier "=" joins it.
  if (s_.bracketLevel <= kMaxDepth) {
    const int L = s_.bracketLevel;
    s_.addOp[L] = Op::kNone;
    s_.mulOp[L] = Op::kNone;
    s_.powOp[L] = Op::kNone;
    s_.addOperand[L] = s_.mulOperand[L] = s_.powOperand[L] = Value();
  }
}

void Calculator::CloseBrackets() {
  if (s_.bracketLevel > 0)
    s_.openTip = s_.closeTip = "open brackets:" + PaddedNumberText(s_.bracketLevel - 1.0);
  if (s_.window.find("( -- ") != std::string::npos) s_.window = "0";
  quodec();
  toDec();
  equals();
  equals();
  toBase();
  if (s_.bracketLevel >= 1) --s_.bracketLevel;
  s_.digits = 0;
}

void Calculator::toggleStack() { s_.togstack = !s_.togstack; }

}  // namespace zova
