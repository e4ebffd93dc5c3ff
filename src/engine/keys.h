// The one table of keypad keys: each key's caption, second-function caption,
// keyboard equivalent, tooltip, accessible name, command-line names and the
// operation it runs. Buttons, the keyboard help and the command line read it.
#pragma once

#include <span>
#include <string_view>

namespace zova {

class Calculator;

enum class Key {
  D0,
  D1,
  D2,
  D3,
  D4,
  D5,
  D6,
  D7,
  D8,
  D9,
  Point,
  Exp,
  Sign,
  Back,
  Clear,
  AllClear,
  Add,
  Subtract,
  Multiply,
  Divide,
  Power,
  Percent,
  Equals,
  Open,
  Close,
  Stack,
  Inv,
  Hyp,
  Mode,
  Base,
  Sin,
  Cos,
  Tan,
  Log,
  Ln,
  Sqrt,
  Square,
  Recip,
  Pi,
  Fact,
  ToDms,
  FromDms,
  Fraction,
  MPlus,
  MR,
  Kin,
  Kout,
};

struct KeyRow {
  Key key;
  std::string_view control;     ///< the control's name ("Command19")
  std::string_view caption;     ///< the key's face
  std::string_view second;      ///< the second-function caption printed above it, or ""
  std::string_view keyboard;    ///< the keyboard equivalent, as the help page lists it
  std::string_view tooltip;     ///< "" for keys whose tooltip the model writes (brackets)
  std::string_view accessible;  ///< what a screen reader says
  std::string_view names;       ///< command-line names, blank separated, first is canonical
  void (*press)(Calculator&);
};

/// Every keypad key, in keypad order.
std::span<const KeyRow> keyTable();
const KeyRow& keyRow(Key key);
/// The key a command-line name stands for, or nullptr.
const KeyRow* findKey(std::string_view name);

}  // namespace zova
