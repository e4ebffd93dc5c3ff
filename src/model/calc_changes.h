// The keypad state's part of an undo step: the fields a key changed, each with
// the value not in force, found by comparing the state with a shadow copy of it
// field by field. A key changes a few fields of a record that holds three
// 101-deep operand stacks; a step keeps only those fields, so it stays a few
// hundred bytes, and the stacks are compared only at the depths the key wrote.
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
  using Held = std::variant<bool, int, Decimal, std::string, Value, std::optional<AngleUnit>, Base,
                            NumberFormat, PointState, Op, Text>;
  std::uint8_t field = 0;
  std::uint8_t depth = 0;  ///< the bracket depth, for the operand stacks
  Held other;
};
using CalcChanges = std::vector<CalcChange>;

/// The state as the last step left it, to compare the state in force with. The
/// operand stacks are compared only at the depths the calculator says were
/// written (Calculator::takeDepthsWritten): the others are equal already.
class CalcShadow {
 public:
  explicit CalcShadow(const CalcState& state) : shadow_(state) {}
  /// Takes in what changed outside any step (start-up, a dialog's Cancel).
  void follow(const CalcState& now, int depths);
  /// The fields that differ from the shadow, with the shadow's values; the shadow
  /// then equals `now`.
  CalcChanges changesTo(const CalcState& now, int depths);
  /// Undo and redo: each changed field takes its other value, and the change the one
  /// it had; the shadow follows. Returns n for the stacks' depths [0, n) written.
  int exchange(CalcState& now, CalcChanges& changes);

 private:
  CalcState shadow_;
};

}  // namespace zova
