// What the calculator tells a listener (the paper tape) about each key that
// takes the display as an operand or shows a result. The calculator works the
// same with or without a listener; the listener only writes down what happened.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zova {

enum class Base;
enum class AngleUnit;

/// A number as the display showed it, with its decimal text ("" when there is none).
struct ShownNumber {
  std::string shown;    ///< the display's text, in the base it was shown in
  std::string decimal;  ///< the same value as decimal text, "" when not known
  Base base;            ///< the base the display showed
};

class CalculatorObserver {
 public:
  virtual ~CalculatorObserver() = default;
  /// An operator key, ")" or "=" took the display as an operand. `op` is the
  /// operator as the tape writes it ("+", "×", "x^1/y", "Pol", ")"; "" for "=").
  virtual void operandTaken(const ShownNumber& operand, std::string_view op) = 0;
  virtual void bracketOpened() = 0;
  /// A one-operand key replaced the display: `name` is the function ("sin", "asinh",
  /// "10^x", "√", "b/c", "not"); `unit` the angle unit for the circular functions.
  /// A function that failed shows "ERROR" as its result.
  virtual void functionApplied(std::string_view name, const ShownNumber& argument,
                               const ShownNumber& result, std::optional<AngleUnit> unit) = 0;
  /// A memory key: "M+", "M-", "MR", "MC", "Kin" or "Kout", with the amount it moved.
  virtual void memoryUsed(std::string_view key, const ShownNumber& amount) = 0;
  /// "=" showed its result.
  virtual void resultShown(const ShownNumber& result) = 0;
  /// The display shows "ERROR".
  virtual void errorShown() = 0;
  /// AC cleared the calculation.
  virtual void allCleared() = 0;
};

}  // namespace zova
