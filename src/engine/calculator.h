// The calculator state record and the keypad operations on it: number entry,
// the precedence evaluator with its bracket depths, the scientific functions,
// memory, base conversion and the fraction key. The display text is the
// working value; every operation reads it again and writes its result to it.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/calculator_observer.h"
#include "engine/calculator_toolkit.h"
#include "engine/convert.h"
#include "engine/value.h"

namespace zova {

inline constexpr int kMaxDepth = 100;
/// What a failed operation leaves on the display.
inline constexpr std::string_view kErrorText = "ERROR";

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
enum class NumberFormat { kStandard, kFix, kScientific };

/// The decimal point of the number being typed.
enum class PointState {
  kNone,    ///< no point yet
  kTyped,   ///< the point was just added to the display
  kClosed,  ///< a further point or EXP was pressed: no point may follow
};

/// Every field the keypad reads or writes. The initialisers are the start values:
/// start-up puts its modes back to them with resetStartModes.
struct CalcState {
  std::string display = "0";  ///< the display text: the working value

  // The entry being typed.
  bool newNumber = false;  ///< the next digit starts a new number
  PointState pointState = PointState::kNone;
  int exponentPresses = 0;   ///< EXP presses in this entry
  bool binNegative = false;  ///< the binary display is a negative number in two's complement
  std::string binaryText;    ///< the binary digits being built for the display

  // Modes.
  bool inv = false;    ///< second functions on
  bool hyper = false;  ///< hyperbolic functions on
  Base base = Base::kDecimal;
  /// None until start-up or the Mode key picks one; the trigonometric keys then use degrees.
  std::optional<AngleUnit> angleUnit;
  Decimal radiansPerUnit = decimalPi() / 180;  ///< what one unit of the angle unit is in radians
  NumberFormat format = NumberFormat::kStandard;
  Decimal decimalPlaces = 2;    ///< for the fixed and scientific formats
  bool resultsToStats = false;  ///< the Stack toggle: "=" enters its result as data
  bool startedUp = false;       ///< start-up has finished reading the settings

  // Registers.
  Value memory;                                ///< M
  Value kRegister;                             ///< K
  Decimal dmsDegrees, dmsMinutes, dmsSeconds;  ///< the last DMS conversion's parts

  // The evaluator: per bracket depth one waiting operation and operand per precedence level.
  int bracketLevel = 0;
  std::array<Value, kMaxDepth + 1> addOperand, mulOperand, powOperand;
  std::array<Op, kMaxDepth + 1> addOp{}, mulOp{}, powOp{};
  /// The last ^ was pressed with inv: a waiting power, at any depth, takes that root.
  bool powerTakesRoot = false;
  Value fullResult;  ///< the unformatted result of "=" while it is shown
  /// The text "=" left on the display; fullResult stands for the display only while it shows this.
  std::string resultShown;

  // The fraction key.
  std::string beforeFraction;            ///< the decimal text the fraction display replaced
  Decimal fractionAccuracy = 1e-05_dec;  ///< how near a whole number a candidate must come
  bool fractionRadicals = false;         ///< the search also tries square roots
  bool busy = false;                     ///< a fraction search is running

  // Indicator captions and bracket tooltips.
  std::string invCaption, hypCaption, degCaption, radCaption, gradCaption;
  std::string memoryCaption, baseCaption, fractionCaption;
  Text openTip = bracketTip(" 0");
  Text closeTip = bracketTip(" 0");
  bool operator==(const CalcState&) const = default;
};

/// Puts the modes start-up begins from (base, angle unit, inv, hyp, places, fraction
/// accuracy, display) back to their start values, the initialisers above.
void resetStartModes(CalcState& s);

class Calculator {
 public:
  Calculator(CalculatorToolkit& toolkit, NumberLocale locale);

  CalcState& state() { return s_; }
  const CalcState& state() const { return s_; }
  const std::string& display() const { return s_.display; }
  /// Writes a value to the display from outside the keypad (panels, paste).
  void setDisplay(std::string text);
  const NumberLocale& locale() const { return loc_; }
  CalculatorToolkit& toolkit() { return tk_; }

  /// Called by "=" with the Stack toggle on, to enter the result as data.
  std::function<void()> onStackEntry;
  /// Told about every operand taken and result shown (the paper tape); may be null.
  void setObserver(CalculatorObserver* observer) { observer_ = observer; }

  // Number entry.
  void digit(int d);
  void zero();
  void point();
  void exp();
  void hexLetter(char letter);
  void changeSign();
  void back();
  void deleteEntry();  ///< C
  void clearAll();     ///< AC
  /// A digit typed on the keyboard (its zero always appends).
  void keyboardDigit(int d);

  // The evaluator.
  void add();
  void subtract();
  void multiply();
  void divide();
  void raise();
  void percentage();
  void bitAnd();       ///< Kin's second function
  void bitOr();        ///< Kout's second function
  void bitXor();       ///< X!'s second function
  void evaluateAll();  ///< "="

  // Brackets and the Stack toggle.
  void openBracket();
  void closeBracket();
  void toggleStack();

  // Functions and angle modes.
  void toggleInv();
  void toggleHyp();
  void cycleAngleUnit();
  void sine();
  void cosine();
  void tangent();
  void logarithm();
  void naturalLog();
  void squareRoot();
  void square();
  void reciprocal();
  void pi();
  void factorial();
  void toDms();
  void fromDms();

  // Memory.
  void memoryAdd();
  void memoryRecall();  ///< MR, or MC with inv
  void storeK();        ///< Kin
  void recallK();       ///< Kout

  // Number bases.
  /// The display in the current base becomes its decimal text.
  void displayToDecimal();
  /// The decimal display becomes its text in the current base.
  void displayToBase();
  // The Base key's steps, each from the base before it.
  void decimalToHex();
  void hexToOctal();
  void octalToBinary();
  void binaryToDecimal();
  /// binaryText becomes its 16-bit two's complement.
  void twosComplement();
  /// The Base key: the next base, or with inv the bitwise complement.
  void cycleBase();

  // Fractions.
  /// A fraction on the display goes back to the decimal text it replaced.
  void restoreDecimalDisplay();
  /// The fraction key: the display as a fraction, or with inv a mixed number.
  void showFraction();

  // Display formatting.
  /// Every "," becomes ".".
  std::string withDotDecimal(std::string issue) const;
  /// "." becomes the locale's decimal symbol.
  std::string withLocaleDecimal(std::string issue) const;
  /// Writes the display in the number format (standard, fixed or scientific).
  void formatResult();

  /// Ends an entry after a panel or other result was written: the next digit starts a new
  /// number, with no point typed.
  void endEntry();

  /// The operand stacks' depths [0, n) written since the last call: the undo
  /// history compares only these with its copy of the state.
  int takeDepthsWritten() { return std::exchange(depthsWritten_, 0); }
  /// Undo or redo wrote depths [0, n) back.
  void depthsRestored(int n) { depthsInUse_ = std::max(depthsInUse_, n); }

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
  /// A one-operand key's trap: a failure writes "ERROR" and tells the tape which function
  /// failed on which number.
  template <class F>
  void trapFunction(std::string_view name, std::optional<AngleUnit> unit, F&& body) {
    const std::string argument = s_.display;
    try {
      body();
    } catch (const Fault&) {
      showFunctionError(name, argument, unit);
    }
  }
  void showFunctionError(std::string_view name, const std::string& argument,
                         std::optional<AngleUnit> unit);
  /// The course of a one-operand key: the shown number, read in full precision, becomes
  /// f of it and the tape is told `name`; then `after` runs. A failure shows ERROR instead.
  template <class F, class After>
  void applyFunction(std::string_view name, F&& f, After&& after) {
    trapFunction(name, std::nullopt, [&] {
      const std::string shown = s_.display;
      restoreDecimalDisplay();
      s_.fullResult = 0;
      s_.display = text(f(number(s_.display)));
      tellFunction(name, shown);
      after();
    });
  }
  void clearInvHypAndEndEntry();

  void clear();
  int level();  ///< the current depth, failing past 100; the caller may write it
  /// Depth d of the operand stacks may be written.
  void touchDepth(int d) {
    depthsInUse_ = std::max(depthsInUse_, d + 1);
    depthsWritten_ = std::max(depthsWritten_, d + 1);
  }
  /// A result as the display shows it: 15 digits; one beyond the range fails.
  std::string text(Decimal x) const { return numberToText(must(finiteOrNone(x)), loc_); }
  Decimal number(const std::string& t) const { return must(textToNumber(t, loc_)); }
  /// A text or waiting operand read by its numeric prefix ("5E" is 5, "ERROR" is 0),
  /// failing for a number beyond the range.
  /// Either decimal form reads: the display holds the locale's as well as ".".
  Decimal prefixNumber(const std::string& t) const {
    return must(parseNumberInRange(withDotDecimal(t)));
  }
  Decimal prefixNumber(const Value& v) const {
    return v.isText() ? prefixNumber(v.text(loc_)) : must(v.parseInRange());
  }
  /// As prefixNumber, but 0 for a number beyond the range; never fails.
  Decimal prefixNumberOrZero(const Value& v) const {
    return v.isText() ? parseNumber(withDotDecimal(v.text(loc_))) : v.parse();
  }
  /// The display reads as zero by its numeric prefix, in either decimal form; a number beyond
  /// the range is not zero.
  bool displayIsZero() const {
    const auto x = parseNumberInRange(withDotDecimal(s_.display));
    return x && x->isZero();
  }
  /// The display holds a decimal point, in either form.
  bool hasPoint() const;
  /// A decimal display that is not a number in the locale ("5E", "1.5E-", "ERROR") becomes
  /// the number its prefix reads as; one beyond the range stays as it is, so that
  /// the key that reads its value fails.
  void settleNumberText();
  /// Room in the entry for one more digit; beeps when there is none.
  bool roomForDigit();
  Decimal operand(const Value& v) const;  ///< a waiting operand read by textToNumber
  void setInvOff();

  void additive(Op op);
  void multiplicative(Op op);
  /// Evaluates the waiting power, and when none waits the product and sum, of the current depth.
  void reduceDepth();
  /// Evaluates and clears the waiting multiplicative operation of the current depth.
  void reduceProducts();
  /// Evaluates and clears the waiting power of the current depth.
  void reducePower();
  // Each applies the waiting operation of one precedence level to its operand and the display.
  void applyAdditive();
  void applyMultiplicative();
  void applyPower();
  enum class Trig { kSin, kCos, kTan };  ///< the trigonometric keys
  void trig(Trig key);
  /// The sine and cosine of x in the angle unit; in degrees and grads reduced exactly by
  /// quarter turns.
  SinCos angleSinCos(Decimal x) const;
  /// An operand that is the text a failure left: every operation using it fails.
  static bool holdsError(const Value& v) { return v == Value(std::string(kErrorText)); }

  // Tell the observer, when there is one.
  ShownNumber shownNumber(std::string shown, std::string decimal) const {
    return {std::move(shown), std::move(decimal), s_.base};
  }
  void tellOperand(const std::string& shown, std::string_view op) {
    // A bracket's "( -- n" stands for no operand typed: the value taken is shown instead.
    if (observer_)
      observer_->operandTaken(
          shownNumber(shown.find("( -- ") == std::string::npos ? shown : s_.display, s_.display),
          op);
  }
  void tellFunction(std::string_view name, const std::string& argument,
                    std::optional<AngleUnit> unit = std::nullopt) {
    if (observer_)
      observer_->functionApplied(
          name, shownNumber(argument, ""),
          shownNumber(s_.display, s_.base == Base::kDecimal ? s_.display : ""), unit);
  }
  void tellMemory(std::string_view key, const std::string& amount) {
    if (observer_)
      observer_->memoryUsed(key, shownNumber(amount, s_.base == Base::kDecimal ? amount : ""));
  }

  std::string binaryDigits(Decimal m);
  std::int64_t binaryValue(const std::string& digits) const;

  CalculatorToolkit& tk_;
  NumberLocale loc_;
  CalcState s_;
  CalculatorObserver* observer_ = nullptr;
  int depthsInUse_ = 1;                ///< beyond these depths the operand stacks hold only empties
  int depthsWritten_ = kMaxDepth + 1;  ///< see takeDepthsWritten; all until first taken
};

}  // namespace zova
