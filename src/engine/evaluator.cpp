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
  s_.inv = 1;
  s_.invlabel.clear();
}

// add, and the bitwise operations; subtract joins after its exponent-sign check.
void Calculator::additive(const char* name) {
  trap([&] {
    std::string op = name;
    if (op == "and" || op == "or" || op == "xor") inverse();
    quodec();
    toDec();
    s_.digits = 0;
    s_.exponent = 0;
    const int L = level();
    if (!s_.powOp[L].empty()) equals();
    if (!s_.mulOp[L].empty()) equals();
    if (!s_.addOp[L].empty()) equals();
    s_.switch_ = 1;
    if ((op == "add" || op == "subtract") && s_.inv == -1) {
      op = op == "add" ? "pol" : "rec";
      inverse();
    }
    s_.addOp[L] = op;
    if (s_.addOperand[L].parse() != 0) calculate();
    s_.addOperand[L] = s_.window;
    if (s_.numBase != 1) toBase();  // show the stored operand in the current base
    s_.dot = 0;
  });
}

void Calculator::add() { additive("add"); }
void Calculator::bitAnd() { additive("and"); }
void Calculator::bitOr() { additive("or"); }
void Calculator::bitXor() { additive("xor"); }

void Calculator::subtract() {
  // The minus of an exponent being typed (in hexadecimal "E" is a digit).
  if (s_.numBase == 1 && !s_.window.empty() && s_.window.back() == 'E') {
    s_.window += '-';
    return;
  }
  additive("subtract");
}

void Calculator::multiply() {
  trap([&] {
    quodec();
    toDec();
    s_.digits = 0;
    s_.exponent = 0;
    const int L = level();
    if (s_.powOp[L] == "rad") equals();
    if (!s_.mulOp[L].empty()) equal();
    s_.switch_ = 1;
    s_.mulOp[L] = "multiply";
    if (s_.mulOperand[L].parse() != 0) calculatef();
    s_.mulOperand[L] = s_.window;
    if (s_.numBase != 1) toBase();
    s_.dot = 0;
  });
}

void Calculator::divide() {
  trap([&] {
    quodec();
    toDec();
    s_.digits = 0;
    s_.exponent = 0;
    const int L = level();
    if (s_.powOp[L] == "rad") equals();
    if (!s_.mulOp[L].empty()) equal();
    s_.switch_ = 1;
    if (s_.inv == -1) {
      s_.mulOp[L] = "mod";
      inverse();
    } else {
      s_.mulOp[L] = "divide";
    }
    if (s_.mulOperand[L].parse() != 0) calculatef();
    s_.mulOperand[L] = s_.window;
    if (s_.numBase != 1) toBase();
    s_.dot = 0;
  });
}

void Calculator::raise() {
  if (s_.numBase != 1) return;
  trap([&] {
    if (s_.inv == -1) {
      s_.rootFlag = -1;
      inverse();
    } else {
      s_.rootFlag = 1;
    }
    quodec();
    s_.digits = 0;
    s_.exponent = 0;
    const int L = level();
    const bool waiting = s_.powOp[L] == "rad";
    if (!waiting) equa();
    s_.switch_ = 1;
    s_.powOp[L] = "rad";
    // A power already waiting is evaluated first, so x^y^z runs left to right.
    if (waiting) calculateff();
    s_.powOperand[L] = s_.window;
    s_.dot = 0;
  });
}

void Calculator::percentage() {
  if (s_.numBase != 1) return;
  trap([&] {
    quodec();
    s_.digits = 0;
    const int L = level();
    const std::string& a = s_.addOp[L];
    const std::string& m = s_.mulOp[L];
    if (a == "add" || a == "subtract") {
      s_.window = text(operand(s_.addOperand[L]) * (number(s_.window) / 100));
    } else if (m == "multiply" || m == "divide" || (a.empty() && m.empty())) {
      s_.window = text(number(s_.window) / 100);
    }
    s_.switch_ = 1;
    s_.dot = 0;
  });
}

void Calculator::equals() {
  trap([&] {
    s_.exponent = 0;
    s_.switch_ = 1;
    calculateff();
    const int L = level();
    if (s_.powOp[L].empty()) {
      calculatef();
      s_.mulOp[L].clear();
      calculate();
      s_.addOp[L].clear();
      s_.addOperand[L] = s_.mulOperand[L] = s_.powOperand[L] = 0;
      if (s_.window.empty()) s_.window = "0";
    }
    s_.powOp[L].clear();
  });
}

void Calculator::equal() {
  trap([&] {
    s_.exponent = 0;
    s_.switch_ = 1;
    calculatef();
    const int L = level();
    s_.mulOp[L].clear();
    s_.mulOperand[L] = 0;
  });
}

void Calculator::equa() {
  trap([&] {
    s_.exponent = 0;
    s_.switch_ = 1;
    calculateff();
    const int L = level();
    s_.powOp[L].clear();
    s_.powOperand[L] = 0;
  });
}

namespace {
std::int32_t bitwise(const std::string& op, std::int32_t a, std::int32_t b) {
  const auto ua = static_cast<std::uint32_t>(a), ub = static_cast<std::uint32_t>(b);
  const std::uint32_t r = op == "and" ? (ua & ub) : op == "or" ? (ua | ub) : (ua ^ ub);
  return static_cast<std::int32_t>(r);
}
}  // namespace

void Calculator::calculate() {
  trap([&] {
    const int L = level();
    s_.addOperand[L] = zova::commafix(s_.addOperand[L], loc_);
    s_.window = commafix(s_.window);
    const std::string& op = s_.addOp[L];
    const Value& a = s_.addOperand[L];
    if (op == "add") {
      s_.window = text(a.parse() + ParseNumber(s_.window));
    } else if (op == "subtract") {
      s_.window = text(a.parse() - ParseNumber(s_.window));
    } else if (op == "pol") {
      const double x = number(dotfix(a.text(loc_)));
      const double y = number(dotfix(s_.window));
      const double theta = std::atan(must(Divide(y, x)));
      s_.constant = theta / s_.angle;
      s_.window = text(must(Divide(x, std::cos(s_.angle * s_.constant.parse()))));
    } else if (op == "rec") {
      const double r = number(dotfix(a.text(loc_)));
      const double theta = number(dotfix(s_.window));
      s_.window = text(r * std::cos(s_.angle * theta));
      const std::string k = text(r * std::sin(s_.angle * theta));
      if (k.find(',') != std::string::npos)
        s_.constant = commafix(k);
      else
        s_.constant = r * std::sin(s_.angle * theta);
    } else if (op == "and" || op == "or" || op == "xor") {
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
    const std::string& op = s_.mulOp[L];
    const double a = s_.mulOperand[L].parse();
    if (op == "multiply") {
      s_.window = text(a * ParseNumber(s_.window));
    } else if (op == "divide") {
      s_.window = text(must(Divide(a, ParseNumber(s_.window))));
    } else if (op == "mod") {
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
    if (s_.powOp[L] != "rad") return;
    s_.powOperand[L] = Value(dotfix(s_.powOperand[L].text(loc_)));
    s_.window = dotfix(s_.window);
    if (s_.rootFlag == -1) s_.powOperand[L] = must(Divide(1, operand(s_.powOperand[L])));
    if (s_.rootFlag == 1)
      s_.window = text(must(Power(operand(s_.powOperand[L]), number(s_.window))));
    else
      s_.window = text(must(Power(number(s_.window), operand(s_.powOperand[L]))));
    if (s_.hyper == -1) hyperbolic();
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
  s_.switch_ = 1;
  // A new depth starts empty: nothing left over from an earlier "=" joins it.
  if (s_.bracketLevel <= kMaxDepth) {
    const int L = s_.bracketLevel;
    s_.addOp[L].clear();
    s_.mulOp[L].clear();
    s_.powOp[L].clear();
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
