// The keypad key table. A key's operation chooses between its first and
// second function, and in hexadecimal some keys type the digits A to F.
#include "engine/keys.h"

#include <array>

#include "engine/calculator.h"

namespace zova {

namespace {
bool hex(const Calculator& c) { return c.state().base == Base::kHex; }
bool second(const Calculator& c) { return c.state().inv; }

// clang-format off
const std::array kKeys = {
  KeyRow{Key::D7, "Command7", "7", "", "7", "Keyboard equivalent:  7 key", "seven", "7", [](Calculator& c) { c.digit(7); }},
  KeyRow{Key::D8, "Command8", "8", "", "8", "Keyboard equivalent:  8 key", "eight", "8", [](Calculator& c) { c.digit(8); }},
  KeyRow{Key::D9, "Command9", "9", "", "9", "Keyboard equivalent:  9 key", "nine", "9", [](Calculator& c) { c.digit(9); }},
  KeyRow{Key::D4, "Command4", "4", "", "4", "Keyboard equivalent:  4 key", "four", "4", [](Calculator& c) { c.digit(4); }},
  KeyRow{Key::D5, "Command5", "5", "", "5", "Keyboard equivalent:  5 key", "five", "5", [](Calculator& c) { c.digit(5); }},
  KeyRow{Key::D6, "Command6", "6", "", "6", "Keyboard equivalent:  6 key", "six", "6", [](Calculator& c) { c.digit(6); }},
  KeyRow{Key::D1, "Command1", "1", "", "1", "Keyboard equivalent:  1 key", "one", "1", [](Calculator& c) { c.digit(1); }},
  KeyRow{Key::D2, "Command2", "2", "", "2", "Keyboard equivalent:  2 key", "two", "2", [](Calculator& c) { c.digit(2); }},
  KeyRow{Key::D3, "Command3", "3", "", "3", "Keyboard equivalent:  3 key", "three", "3", [](Calculator& c) { c.digit(3); }},
  KeyRow{Key::D0, "Command10", "0", "", "0", "Keyboard equivalent:  0 key", "zero", "0", [](Calculator& c) { c.zero(); }},
  KeyRow{Key::Point, "Command11", ".", "", "keypad .", "Keyboard equivalent:  . key (keypad)", "decimal point", ".", [](Calculator& c) { c.point(); }},
  KeyRow{Key::Exp, "Command30", "EXP", "C", "E", "Keyboard equivalent:  E key", "exponent", "EXP", [](Calculator& c) { c.exp(); }},
  KeyRow{Key::Sign, "Command12", "\u00b1", "", "R", "Keyboard equivalent:  R key", "change sign", "\u00b1 +/-", [](Calculator& c) { c.changeSign(); }},
  KeyRow{Key::Back, "Back", "<", "", "Backspace", "Keyboard equivalent:  Backspace key", "backspace", "< Back", [](Calculator& c) { c.back(); }},
  KeyRow{Key::Clear, "Command13", "C", "", "Delete", "Keyboard equivalent:  Delete key", "clear entry", "C", [](Calculator& c) { c.deleteEntry(); }},
  KeyRow{Key::AllClear, "Command14", "AC", "", "Home", "Keyboard equivalent:  Home key", "clear all", "AC", [](Calculator& c) { c.clearAll(); }},
  KeyRow{Key::Add, "Command17", "+", "Pol", "keypad +", "Keyboard equivalent:  + key (keypad)", "add", "+", [](Calculator& c) { c.add(); }},
  KeyRow{Key::Subtract, "Command18", "-", "Rec", "keypad -", "Keyboard equivalent:  - key (keypad)", "subtract", "- \u2212", [](Calculator& c) { c.subtract(); }},
  KeyRow{Key::Multiply, "Command15", "X", "", "keypad *", "Keyboard equivalent:  * key (keypad)", "multiply", "X \u00d7 *", [](Calculator& c) { c.multiply(); }},
  KeyRow{Key::Divide, "Command16", "\u00f7", "mod", "keypad /", "Keyboard equivalent:  / key (keypad)", "divide", "\u00f7 /", [](Calculator& c) { c.divide(); }},
  KeyRow{Key::Power, "Command22", "x^y", "x^1/y", "^ (Shift+6)", "Keyboard equivalent:  ^ key (Shift+6)", "power", "x^y ^", [](Calculator& c) { c.raise(); }},
  KeyRow{Key::Percent, "Command40", "%", "", "% (Shift+5)", "Keyboard equivalent:  % key (Shift+5)", "percent", "%", [](Calculator& c) { c.percentage(); }},
  KeyRow{Key::Equals, "Command19", "=", "", "Enter", "Keyboard equivalent:  Enter key", "equals", "=", [](Calculator& c) { c.evaluateAll(); }},
  KeyRow{Key::Open, "OpenBrack", "[( --", "", "( (Shift+9)", "", "open bracket", "(", [](Calculator& c) { c.openBracket(); }},
  KeyRow{Key::Close, "CloseBrack", "-- )]", "", ") (Shift+0)", "", "close bracket", ")", [](Calculator& c) { c.closeBracket(); }},
  KeyRow{Key::Stack, "ToggleStack", "Stack", "", "W", "Keyboard equivalent: W key", "stack results into statistics", "Stack", [](Calculator& c) { c.toggleStack(); }},
  KeyRow{Key::Inv, "arc", "inv", "", "I", "Keyboard equivalent:  I key", "inverse, second functions", "inv", [](Calculator& c) { c.toggleInv(); }},
  KeyRow{Key::Hyp, "hyp", "hyp", "", "H", "Keyboard equivalent:  H key", "hyperbolic", "hyp", [](Calculator& c) { c.toggleHyp(); }},
  KeyRow{Key::Base, "cmdBase", "Base", "not", "# (Shift+3)", "Keyboard equivalent:  # key (Shift+3)", "number base", "Base", [](Calculator& c) { c.cycleBase(); }},
  KeyRow{Key::Mode, "mode", "Mode", "", "D", "Keyboard equivalent:  D key", "angle mode", "Mode", [](Calculator& c) { c.cycleAngleUnit(); }},
  KeyRow{Key::Sin, "Command32", "sin", "sin-'", "S", "Keyboard equivalent:  S key", "sine", "sin", [](Calculator& c) { c.sine(); }},
  KeyRow{Key::Cos, "Command33", "cos", "cos-'", "C", "Keyboard equivalent:  C key", "cosine", "cos", [](Calculator& c) { c.cosine(); }},
  KeyRow{Key::Tan, "Command34", "tan", "tan-'", "T", "Keyboard equivalent:  T key", "tangent", "tan", [](Calculator& c) { c.tangent(); }},
  KeyRow{Key::Log, "Command25", "log", "10", "L", "Keyboard equivalent:  L key", "common logarithm", "log", [](Calculator& c) { c.logarithm(); }},
  KeyRow{Key::Ln, "Command26", "ln", "e", "N", "Keyboard equivalent:  N key", "natural logarithm", "ln", [](Calculator& c) { c.naturalLog(); }},
  KeyRow{Key::Sqrt, "Command23", "\u221a", "A", "V", "Keyboard equivalent:  V key", "square root", "\u221a sqrt",
         [](Calculator& c) { hex(c) ? c.hexLetter('A') : c.squareRoot(); }},
  KeyRow{Key::Square, "Command21", "X \u00b2", "B", "@ (Shift+2)", "Keyboard equivalent:  @ key (Shift+2)", "square", "X\u00b2 x2",
         [](Calculator& c) { hex(c) ? c.hexLetter('B') : c.square(); }},
  KeyRow{Key::Recip, "Command20", "1/x", "E", "F", "Keyboard equivalent:  F key", "reciprocal", "1/x",
         [](Calculator& c) { hex(c) ? c.hexLetter('E') : c.reciprocal(); }},
  KeyRow{Key::Pi, "Command24", "\u03c0", "D", "P", "Keyboard equivalent:  P key", "pi", "\u03c0 pi",
         [](Calculator& c) { hex(c) ? c.hexLetter('D') : c.pi(); }},
  KeyRow{Key::Fact, "Command29", "X !", "xor", "! (Shift+1)", "Keyboard equivalent:  ! key (Shift+1)", "factorial", "X! x!",
         [](Calculator& c) { second(c) ? c.bitXor() : hex(c) ? c.hexLetter('F') : c.factorial(); }},
  KeyRow{Key::ToDms, "Command42", ">\u00b0 ' \"", "", "A", "Keyboard equivalent:  A key", "decimal degrees to degrees minutes seconds", ">dms",
         [](Calculator& c) { c.toDms(); }},
  KeyRow{Key::FromDms, "out", "\u00b0 ' \" >", "", "Z", "Keyboard equivalent:  Z key", "degrees minutes seconds to decimal degrees", "dms>",
         [](Calculator& c) { c.fromDms(); }},
  KeyRow{Key::Fraction, "Quotient", "b/c", "a  d/c", "Q", "Keyboard equivalent:  Q key", "fraction", "b/c", [](Calculator& c) { c.showFraction(); }},
  KeyRow{Key::MPlus, "Command35", "M+", "M-", "M", "Keyboard equivalent:  M key", "memory add", "M+", [](Calculator& c) { c.memoryAdd(); }},
  KeyRow{Key::MR, "Command36", "MR", "MC", "J", "Keyboard equivalent:  J key", "memory recall", "MR", [](Calculator& c) { c.memoryRecall(); }},
  KeyRow{Key::Kin, "Command38", "Kin", "and", "K", "Keyboard equivalent:  K key", "store in K", "Kin",
         [](Calculator& c) { second(c) ? c.bitAnd() : c.storeK(); }},
  KeyRow{Key::Kout, "Command39", "Kout", "or", "O", "Keyboard equivalent:  O key", "recall K", "Kout",
         [](Calculator& c) { second(c) ? c.bitOr() : c.recallK(); }},
};
// clang-format on

std::string_view firstWord(std::string_view names) { return names.substr(0, names.find(' ')); }
}  // namespace

std::span<const KeyRow> keyTable() { return kKeys; }

const KeyRow& keyRow(Key key) {
  for (const KeyRow& row : kKeys)
    if (row.key == key) return row;
  return kKeys.front();  // unreachable for keys in the table
}

const KeyRow* findKey(std::string_view name) {
  for (const KeyRow& row : kKeys) {
    std::string_view rest = row.names;
    while (!rest.empty()) {
      const std::string_view word = firstWord(rest);
      if (word == name) return &row;
      rest = word.size() < rest.size() ? rest.substr(word.size() + 1) : std::string_view{};
    }
  }
  return nullptr;
}

}  // namespace zova
