// The one table of keypad keys: each key's caption, second-function caption,
// keyboard bindings, the characters that type it, colour group, accessible
// name, command-line names and the operation it runs. Buttons, their tooltips, the keyboard map,
// the keyboard help and the command line read it. Also the keyboard bindings' own terms.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/text.h"

namespace zova {

/// Windows virtual-key codes the keyboard map works with.
namespace vk {
inline constexpr int kBack = 8, kEnter = 13, kShift = 16, kControl = 17, kAlt = 18, kEscape = 27,
                     kEnd = 35, kHome = 36, kDelete = 46, kNumpad0 = 96, kMultiply = 106,
                     kAdd = 107, kSubtract = 109, kDecimal = 110, kDivide = 111, kF1 = 112;
}
/// Shift-state bits of a key press.
inline constexpr int kShiftBit = 1, kCtrlBit = 2, kAltBit = 4;

/// A key of the keyboard and the shift bits it needs. A binding without
/// kShiftBit answers with or without Shift held.
struct KeyBinding {
  int code = 0;   ///< Windows virtual-key code; 0 for no binding
  int shift = 0;  ///< 0 or kShiftBit
  bool operator==(const KeyBinding&) const = default;
};

/// A key's name as the keyboard help lists it: "7", "keypad .", "^ (Shift+6)", "F5".
Text keyboardName(KeyBinding binding);
/// The tooltip naming a key's keyboard equivalent: "Keyboard equivalent:  ^ key (Shift+6)".
Text keyboardTooltip(KeyBinding binding);
/// The key in the command line's key:NAME notation: "Shift+6", "Num.", "F5".
std::string sequenceKeyName(KeyBinding binding);

/// A keyboard key and the name key:NAME gives it: "A", "7", "Num7", "Num+", "F5", "Backspace".
struct KeyboardKey {
  int code;          ///< Windows virtual-key code
  std::string name;  ///< keypad keys' names start with "Num"
};
/// Every keyboard key the map knows by code: letters, top-row digits, keypad keys, F1 to F12,
/// the editing keys and the modifiers. The one table from names to codes and back.
std::span<const KeyboardKey> keyboardKeys();
/// The top-row digit key ('6') that types `symbol` ('^') with Shift on a US keyboard, or 0.
int shiftedDigitKey(char symbol);

/// One press of key:NAME: a key and the modifiers held through it.
struct KeyPress {
  int code = 0;       ///< Windows virtual-key code; 0 for a key known by what it types
  int shift = 0;      ///< kShiftBit | kCtrlBit | kAltBit
  std::string typed;  ///< what it types on a US keyboard as far as the map reads it, or ""
};
/// The press that key:NAME stands for ("Shift+6", "Ctrl+S", "Num.", "Plus"), or nullopt.
std::optional<KeyPress> keyNamed(std::string_view name);

/// The View menu's two colour commands each recolour one group of keys.
enum class ColourGroup {
  kStandard,  ///< digits, operators and the panels' keys
  kFunction,  ///< function and mode keys
  kOwn,       ///< keys with a fixed colour of their own (clear, =, inv)
};

class Calculator;

enum class Key {
  kDigit0,
  kDigit1,
  kDigit2,
  kDigit3,
  kDigit4,
  kDigit5,
  kDigit6,
  kDigit7,
  kDigit8,
  kDigit9,
  kPoint,
  kExp,
  kSign,
  kBack,
  kClear,
  kAllClear,
  kAdd,
  kSubtract,
  kMultiply,
  kDivide,
  kPower,
  kPercent,
  kEquals,
  kOpen,
  kClose,
  kStack,
  kInverse,
  kHyperbolic,
  kMode,
  kBase,
  kSin,
  kCos,
  kTan,
  kLog,
  kLn,
  kSqrt,
  kSquare,
  kReciprocal,
  kPi,
  kFactorial,
  kToDms,
  kFromDms,
  kFraction,
  kMemoryPlus,
  kMemoryRecall,
  kConstantIn,
  kConstantOut,
};

struct KeyRow {
  Key key;
  std::string_view control;  ///< the control's name ("equalsKey")
  std::string_view caption;  ///< the key's face
  std::string_view second;   ///< the second-function caption printed above it, or ""
  /// Keyboard keys that press it: the first is the one its tooltip and the help name.
  std::array<KeyBinding, 2> bindings;
  /// Characters that press it whichever key of the user's layout types them
  /// ("+" on the main row, the keypad, or Shift and the + key of a German
  /// keyboard); they come before the bindings. "" for none.
  std::string_view typed;
  ColourGroup group;
  std::string_view accessible;  ///< what a screen reader says
  /// Command-line names, blank separated; the first, typeable in ASCII, is the
  /// one --help lists.
  std::string_view names;
  void (*press)(Calculator&);
};

/// Every keypad key, in keypad order.
std::span<const KeyRow> keyTable();
const KeyRow& keyRow(Key key);
/// The key a command-line name stands for, or nullptr.
const KeyRow* findKey(std::string_view name);
/// The key that the typed text presses, or nullptr. `decimalSymbol` is the
/// locale's: where it is "," the comma is the decimal point too.
const KeyRow* findTypedKey(std::string_view typed, std::string_view decimalSymbol);
/// A key's keyboard equivalents as the keyboard help lists them: "+ or keypad +", "= or Enter".
Text keyboardName(const KeyRow& row);
/// The tooltip naming a key's keyboard equivalents: "Keyboard equivalent:  + key (main row or
/// keypad)".
Text keyboardTooltip(const KeyRow& row);

/// The command line's names of the main-row keys that type a character, as
/// key:NAME takes them: "Plus" is the key that types "+".
struct TypedKeyName {
  std::string_view name;
  std::string_view typed;
};
std::span<const TypedKeyName> typedKeyNames();

}  // namespace zova
