// The keypad state's part of an undo step: the fields a key changed, each with
// the value not in force, found by comparing the state with a shadow copy of it
// field by field. A key changes a few fields of a record that holds three
// 101-deep operand stacks; comparing and keeping only those fields makes a step
// cost little more than the key.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/calculator.h"

namespace zova {

/// One field (or one bracket depth of an operand stack) and its other value.
struct CalcChange {
  using Held = std::variant<bool, int, double, std::string, Value, std::optional<AngleUnit>, Base,
                            NumberFormat, PointState, Op>;
  std::uint8_t field = 0;
  std::uint8_t depth = 0;  ///< the bracket depth, for the operand stacks
  Held other;
};
using CalcChanges = std::vector<CalcChange>;

/// The state as the last step left it, to compare the state in force with.
class CalcShadow {
 public:
  explicit CalcShadow(const CalcState& state) : shadow_(state) {}
  /// Takes in what changed outside any step (start-up, a dialog's Cancel), which
  /// reaches no operand deeper than the depth after the current one.
  void follow(const CalcState& now);
  /// The fields that differ from the shadow, with the shadow's values; the shadow
  /// then equals `now`.
  CalcChanges changesTo(const CalcState& now);
  /// Undo and redo: each changed field takes its other value, and the change the one
  /// it had; the shadow follows.
  void exchange(CalcState& now, CalcChanges& changes);

 private:
  /// The operand stacks are compared up to the deepest bracket seen: no key
  /// reaches past the depth after the one it is at.
  void seeDepth(const CalcState& s);

  CalcState shadow_;
  int depths_ = 1;
};

}  // namespace zova
