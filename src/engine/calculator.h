// The calculator state record and the keypad operations on it: number entry,
// the precedence evaluator with its bracket depths, the scientific functions,
// memory, base conversion and the fraction key. The display text is the
// working value; every operation reads it again and writes its result to it.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "engine/convert.h"
#include "engine/toolkit.h"
#include "engine/value.h"

namespace zova {

inline constexpr double kPi = 3.14159265358979;  // the value the keypad uses, as written
inline constexpr int kMaxDepth = 100;

/// The number base the display shows.
enum class Base { kDecimal, kHex, kOctal, kBinary };

/// The unit the trigonometric keys take and give.
enum class AngleUnit { kRadians, kGrads, kDegrees };

/// The unit the Mode key goes to from `unit`: radians, grads, degrees, radians again.
constexpr AngleUnit NextAngleUnit(std::optional<AngleUnit> unit) {
  if (!unit) return AngleUnit::kRadians;
  switch (*unit) {
    case AngleUnit::kRadians:
      return AngleUnit::kGrads;
    case AngleUnit::kGrads:
      return AngleUnit::kDegrees;
    case AngleUnit::kDegrees:
      break;
  }
  return AngleUnit::kRadians;
}

/// An operation waiting at one precedence level of one bracket depth.
enum class Op {
  kNone,
  // additive level
  kAdd,
  kSubtract,
  kToPolar,        ///< inv +: (x, y) to radius, the angle going to K
  kToRectangular,  ///< inv -: (radius, angle) to x, y going to K
  kAnd,
  kOr,
  kXor,
  // multiplicative level
  kMultiply,
  kDivide,
  kModulo,  ///< inv ÷
  // power level
  kPower,
};

/// How "=" writes its result.
enum class NumberFormat { Standard, Fix, Scientific };

/// The decimal point of the number being typed.
enum class PointState {
  kNone,    ///< no point yet
  kTyped,   ///< the point was just added to the display
  kClosed,  ///< a further point or EXP was pressed: no point may follow
};

/// Every field the keypad reads or writes. Names follow the program's own.
struct CalcState {
  std::string window = "0";  ///< the display text

  PointState pointState = PointState::kNone;
  Value stack;             ///< memory M
  bool inv = false;        ///< second functions on
  bool hyper = false;      ///< hyperbolic functions on
  Value constant;          ///< the K register
  bool newNumber = false;  ///< the next digit starts a new number
  double angle = kPi / 180;
  /// None until start-up or the Mode key picks one; the trigonometric keys then use degrees.
  std::optional<AngleUnit> angleUnit;
  int exponent = 0;  ///< EXP presses in this entry
  double degg = 0, minutes = 0, seconds = 0;
  Value digits;  ///< the unformatted result of "=" while it is shown
  NumberFormat format = NumberFormat::Standard;
  double zeroes = 2;
  Base base = Base::kDecimal;
  std::string mug;  ///< the display in the current base, saved by toDec
  bool binNegative = false;
  std::string binForNow;
  bool togstack = false;
  bool keyforget = false;
  bool startedUp = false;
  int bracketLevel = 0;
  std::array<Value, kMaxDepth + 1> addOperand, mulOperand, powOperand;
  std::array<Op, kMaxDepth + 1> addOp{}, mulOp{}, powOp{};
  /// The last ^ was pressed with inv: a waiting power, at any depth, takes that root.
  bool powerTakesRoot = false;

  // The fraction key.
  std::string keepwindow;
  double threshold = 1e-05;
  bool rootpart = false;
  bool busy = false;

  // The text "=" left on the display; digits stands for the display only while it shows this.
  std::string resultShown;

  // Indicator captions and bracket tooltips.
  std::string invlabel, hyplabel, deglabel, radlabel, gradlabel, Memory, LblBase, Label7;
  std::string openTip = "open brackets: 0";
  std::string closeTip = "open brackets: 0";
};

class Calculator {
 public:
  Calculator(Toolkit& toolkit, NumberLocale locale);

  CalcState& state() { return s_; }
  const CalcState& state() const { return s_; }
  const std::string& display() const { return s_.window; }
  /// Writes a value to the display from outside the keypad (panels, paste).
  void setDisplay(std::string text);
  const NumberLocale& locale() const { return loc_; }
  Toolkit& toolkit() { return tk_; }

  /// Called by "=" with the Stack toggle on, to enter the result as data.
  std::function<void()> onStackEntry;

  // Number entry.
  void digit(int d);
  void zero();
  void point();
  void exp();
  void hexLetter(char letter);
  void signchange();
  void back();
  void deleteEntry();  ///< C
  void delall();       ///< AC
  void window_GotFocus();
  /// A digit typed on the keyboard (its zero always appends).
  void keyboardDigit(int d);

  // The evaluator.
  void add();
  void subtract();
  void multiply();
  void divide();
  void raise();
  void percentage();
  void bitAnd();  ///< Kin's second function
  void bitOr();   ///< Kout's second function
  void bitXor();  ///< X!'s second function
  void peel();    ///< "="

  // Brackets and the Stack toggle.
  void OpenBrackets();
  void CloseBrackets();
  void toggleStack();

  // Functions and angle modes.
  void inverse();
  void hyperbolic();
  void trigmode();
  void sine();
  void cosine();
  void tangent();
  void logarithm();
  void natural();
  void squareroot();
  void square();
  void flip();
  void pi();
  void factorially();
  void angles();
  void angleout();

  // Memory.
  void memoryplus();
  void memoryRecall();  ///< MR, or MC with inv
  void kin();
  void kout();

  // Number bases.
  void toDec();
  void toBase();
  void base16();
  void base8();
  void base2();
  void base10();
  void binaryNegative();
  void cmdBase_Click();

  // Fractions.
  void quodec();
  void Quotient_Click();

  // Display formatting.
  std::string commafix(std::string issue) const;
  std::string dotfix(std::string issue) const;
  void scientific();

  /// Ends an entry after a panel or other result was written: switch := 1, dot := 0.
  void endEntry();

 private:
  struct Fault {};
  template <class T>
  static T must(std::optional<T> o) {
    if (!o) throw Fault{};
    return *o;
  }
  static void fail() { throw Fault{}; }
  /// Runs one routine with its own trap: a failure writes "ERROR" and ends it.
  template <class F>
  void trap(F&& body) {
    try {
      body();
    } catch (const Fault&) {
      showError();
    }
  }
  void showError();

  void clear();
  int level() const;  ///< the current depth, failing past 100
  std::string text(double x) const { return NumberToText(x, loc_); }
  double number(const std::string& t) const { return must(TextToNumber(t, loc_)); }
  double operand(const Value& v) const;  ///< a waiting operand read by TextToNumber
  void setInvOff();

  void additive(Op op);
  void equals();
  void equal();
  void equa();
  void calculate();
  void calculatef();
  void calculateff();
  void trig(int which);

  std::string binaryDigits(double m);
  double binaryValue(const std::string& digits) const;

  Toolkit& tk_;
  NumberLocale loc_;
  CalcState s_;
};

}  // namespace zova
