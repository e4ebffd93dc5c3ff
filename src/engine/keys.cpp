// The keypad key table. A key's operation chooses between its first and
// second function, and in hexadecimal some keys type the digits A to F.
#include "engine/keys.h"

#include <array>
#include <iterator>
#include <utility>
#include <vector>

#include "engine/calculator.h"

namespace zova {

namespace {
bool hex(const Calculator& c) { return c.state().base == Base::kHex; }
bool second(const Calculator& c) { return c.state().inv; }

// clang-format off
using G = ColourGroup;
const std::array kKeys = {
  KeyRow{Key::kDigit7, "digit7Key", "7", "", {{{'7'}, {vk::kNumpad0 + 7}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "seven"), "7", [](Calculator& c) { c.digit(7); }},
  KeyRow{Key::kDigit8, "digit8Key", "8", "", {{{'8'}, {vk::kNumpad0 + 8}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "eight"), "8", [](Calculator& c) { c.digit(8); }},
  KeyRow{Key::kDigit9, "digit9Key", "9", "", {{{'9'}, {vk::kNumpad0 + 9}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "nine"), "9", [](Calculator& c) { c.digit(9); }},
  KeyRow{Key::kDigit4, "digit4Key", "4", "", {{{'4'}, {vk::kNumpad0 + 4}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "four"), "4", [](Calculator& c) { c.digit(4); }},
  KeyRow{Key::kDigit5, "digit5Key", "5", "", {{{'5'}, {vk::kNumpad0 + 5}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "five"), "5", [](Calculator& c) { c.digit(5); }},
  KeyRow{Key::kDigit6, "digit6Key", "6", "", {{{'6'}, {vk::kNumpad0 + 6}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "six"), "6", [](Calculator& c) { c.digit(6); }},
  KeyRow{Key::kDigit1, "digit1Key", "1", "", {{{'1'}, {vk::kNumpad0 + 1}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "one"), "1", [](Calculator& c) { c.digit(1); }},
  KeyRow{Key::kDigit2, "digit2Key", "2", "", {{{'2'}, {vk::kNumpad0 + 2}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "two"), "2", [](Calculator& c) { c.digit(2); }},
  KeyRow{Key::kDigit3, "digit3Key", "3", "", {{{'3'}, {vk::kNumpad0 + 3}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "three"), "3", [](Calculator& c) { c.digit(3); }},
  KeyRow{Key::kDigit0, "digit0Key", "0", "", {{{'0'}, {vk::kNumpad0 + 0}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "zero"), "0", [](Calculator& c) { c.zero(); }},
  KeyRow{Key::kPoint, "pointKey", ".", "", {{{vk::kDecimal}}}, ".", G::kStandard, ZOVA_TEXT("Keypad", "decimal point"), ".", [](Calculator& c) { c.point(); }},
  KeyRow{Key::kExp, "exponentKey", "EXP", "C", {{{'E'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "exponent"), "EXP", [](Calculator& c) { c.exp(); }},
  KeyRow{Key::kSign, "signKey", "\u00b1", "", {{{'R'}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "change sign"), "+/- \u00b1", [](Calculator& c) { c.changeSign(); }},
  KeyRow{Key::kBack, "backKey", "<", "", {{{vk::kBack}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "backspace"), "Back <", [](Calculator& c) { c.back(); }},
  KeyRow{Key::kClear, "clearKey", "C", "", {{{vk::kDelete}}}, "", G::kOwn, ZOVA_TEXT("Keypad", "clear entry"), "C", [](Calculator& c) { c.deleteEntry(); }},
  KeyRow{Key::kAllClear, "allClearKey", "AC", "", {{{vk::kHome}}}, "", G::kOwn, ZOVA_TEXT("Keypad", "clear all"), "AC", [](Calculator& c) { c.clearAll(); }},
  KeyRow{Key::kAdd, "addKey", "+", "Pol", {{{vk::kAdd}}}, "+", G::kStandard, ZOVA_TEXT("Keypad", "add"), "+", [](Calculator& c) { c.add(); }},
  KeyRow{Key::kSubtract, "subtractKey", "-", "Rec", {{{vk::kSubtract}}}, "-", G::kStandard, ZOVA_TEXT("Keypad", "subtract"), "- \u2212", [](Calculator& c) { c.subtract(); }},
  KeyRow{Key::kMultiply, "multiplyKey", "X", "", {{{vk::kMultiply}}}, "*", G::kStandard, ZOVA_TEXT("Keypad", "multiply"), "X \u00d7 *", [](Calculator& c) { c.multiply(); }},
  KeyRow{Key::kDivide, "divideKey", "\u00f7", "mod", {{{vk::kDivide}}}, "/", G::kStandard, ZOVA_TEXT("Keypad", "divide"), "/ \u00f7", [](Calculator& c) { c.divide(); }},
  KeyRow{Key::kPower, "powerKey", "x^y", "x^1/y", {{{'6', kShiftBit}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "power"), "x^y ^", [](Calculator& c) { c.raise(); }},
  KeyRow{Key::kPercent, "percentKey", "%", "", {{{'5', kShiftBit}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "percent"), "%", [](Calculator& c) { c.percentage(); }},
  KeyRow{Key::kEquals, "equalsKey", "=", "", {{{vk::kEnter}}}, "=", G::kOwn, ZOVA_TEXT("Keypad", "equals"), "=", [](Calculator& c) { c.evaluateAll(); }},
  KeyRow{Key::kOpen, "openBracketKey", "[( --", "", {{{'9', kShiftBit}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "open bracket"), "(", [](Calculator& c) { c.openBracket(); }},
  KeyRow{Key::kClose, "closeBracketKey", "-- )]", "", {{{'0', kShiftBit}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "close bracket"), ")", [](Calculator& c) { c.closeBracket(); }},
  KeyRow{Key::kStack, "stackKey", "Stack", "", {{{'W'}}}, "", G::kStandard, ZOVA_TEXT("Keypad", "stack results into statistics"), "Stack", [](Calculator& c) { c.toggleStack(); }},
  KeyRow{Key::kInverse, "inverseKey", "inv", "", {{{'I'}}}, "", G::kOwn, ZOVA_TEXT("Keypad", "inverse, second functions"), "inv", [](Calculator& c) { c.toggleInv(); }},
  KeyRow{Key::kHyperbolic, "hyperbolicKey", "hyp", "", {{{'H'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "hyperbolic"), "hyp", [](Calculator& c) { c.toggleHyp(); }},
  KeyRow{Key::kBase, "baseKey", "Base", "not", {{{'3', kShiftBit}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "number base"), "Base", [](Calculator& c) { c.cycleBase(); }},
  KeyRow{Key::kMode, "angleModeKey", "Mode", "", {{{'D'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "angle mode"), "Mode", [](Calculator& c) { c.cycleAngleUnit(); }},
  KeyRow{Key::kSin, "sineKey", "sin", "sin-'", {{{'S'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "sine"), "sin", [](Calculator& c) { c.sine(); }},
  KeyRow{Key::kCos, "cosineKey", "cos", "cos-'", {{{'C'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "cosine"), "cos", [](Calculator& c) { c.cosine(); }},
  KeyRow{Key::kTan, "tangentKey", "tan", "tan-'", {{{'T'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "tangent"), "tan", [](Calculator& c) { c.tangent(); }},
  KeyRow{Key::kLog, "logKey", "log", "10", {{{'L'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "common logarithm"), "log", [](Calculator& c) { c.logarithm(); }},
  KeyRow{Key::kLn, "naturalLogKey", "ln", "e", {{{'N'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "natural logarithm"), "ln", [](Calculator& c) { c.naturalLog(); }},
  KeyRow{Key::kSqrt, "squareRootKey", "\u221a", "A", {{{'V'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "square root"), "sqrt \u221a",
         [](Calculator& c) { hex(c) ? c.hexLetter('A') : c.squareRoot(); }},
  KeyRow{Key::kSquare, "squareKey", "X \u00b2", "B", {{{'2', kShiftBit}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "square"), "x2 X\u00b2",
         [](Calculator& c) { hex(c) ? c.hexLetter('B') : c.square(); }},
  KeyRow{Key::kReciprocal, "reciprocalKey", "1/x", "E", {{{'F'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "reciprocal"), "1/x",
         [](Calculator& c) { hex(c) ? c.hexLetter('E') : c.reciprocal(); }},
  KeyRow{Key::kPi, "piKey", "\u03c0", "D", {{{'P'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "pi"), "pi \u03c0",
         [](Calculator& c) { hex(c) ? c.hexLetter('D') : c.pi(); }},
  KeyRow{Key::kFactorial, "factorialKey", "X !", "xor", {{{'1', kShiftBit}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "factorial"), "x! X!",
         [](Calculator& c) { second(c) ? c.bitXor() : hex(c) ? c.hexLetter('F') : c.factorial(); }},
  KeyRow{Key::kToDms, "toDmsKey", ">\u00b0 ' \"", "", {{{'A'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "decimal degrees to degrees minutes seconds"), ">dms",
         [](Calculator& c) { c.toDms(); }},
  KeyRow{Key::kFromDms, "fromDmsKey", "\u00b0 ' \" >", "", {{{'Z'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "degrees minutes seconds to decimal degrees"), "dms>",
         [](Calculator& c) { c.fromDms(); }},
  KeyRow{Key::kFraction, "fractionKey", "b/c", "a  d/c", {{{'Q'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "fraction"), "b/c", [](Calculator& c) { c.showFraction(); }},
  KeyRow{Key::kMemoryPlus, "memoryAddKey", "M+", "M-", {{{'M'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "memory add"), "M+", [](Calculator& c) { c.memoryAdd(); }},
  KeyRow{Key::kMemoryRecall, "memoryRecallKey", "MR", "MC", {{{'J'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "memory recall"), "MR", [](Calculator& c) { c.memoryRecall(); }},
  KeyRow{Key::kConstantIn, "constantInKey", "Kin", "and", {{{'K'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "store in K"), "Kin",
         [](Calculator& c) { second(c) ? c.bitAnd() : c.storeK(); }},
  KeyRow{Key::kConstantOut, "constantOutKey", "Kout", "or", {{{'O'}}}, "", G::kFunction, ZOVA_TEXT("Keypad", "recall K"), "Kout",
         [](Calculator& c) { second(c) ? c.bitOr() : c.recallK(); }},
};
// clang-format on

std::string_view firstWord(std::string_view names) { return names.substr(0, names.find(' ')); }

// The shifted symbols of the top-row digits 0 to 9 on a US keyboard.
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

bool isDigitKey(int code) { return code >= '0' && code <= '9'; }

std::vector<KeyboardKey> gatherKeyboardKeys() {
  std::vector<KeyboardKey> keys;
  for (char c = 'A'; c <= 'Z'; ++c) keys.push_back({c, std::string(1, c)});
  for (char c = '0'; c <= '9'; ++c) keys.push_back({c, std::string(1, c)});
  for (int n = 0; n <= 9; ++n) keys.push_back({vk::kNumpad0 + n, "Num" + std::to_string(n)});
  for (int n = 1; n <= 12; ++n) keys.push_back({vk::kF1 + n - 1, "F" + std::to_string(n)});
  const KeyboardKey named[] = {
      {vk::kDecimal, "Num."},  {vk::kAdd, "Num+"},    {vk::kSubtract, "Num-"},
      {vk::kMultiply, "Num*"}, {vk::kDivide, "Num/"}, {vk::kBack, "Backspace"},
      {vk::kDelete, "Delete"}, {vk::kHome, "Home"},   {vk::kEnd, "End"},
      {vk::kEscape, "Esc"},    {vk::kEnter, "Enter"}, {vk::kShift, "Shift"},
      {vk::kControl, "Ctrl"},  {vk::kAlt, "Alt"}};
  keys.insert(keys.end(), std::begin(named), std::end(named));
  return keys;
}

const KeyboardKey* keyWithCode(int code) {
  for (const KeyboardKey& k : keyboardKeys())
    if (k.code == code) return &k;
  return nullptr;
}

// What a key prints and where it lies: "^" needs Shift+6, "." is the keypad's.
struct KeyFace {
  std::string symbol;
  std::string where;  ///< "", "keypad" or "Shift+6"
};

KeyFace faceOf(KeyBinding b) {
  if (b.shift && isDigitKey(b.code))
    return {std::string(1, kShiftedDigits[static_cast<std::size_t>(b.code - '0')]),
            "Shift+" + std::string(1, static_cast<char>(b.code))};
  const KeyboardKey* key = keyWithCode(b.code);
  if (!key) return {};
  if (key->name.starts_with("Num")) return {key->name.substr(3), "keypad"};
  return {key->name, ""};
}

/// What a key types on a US keyboard, as far as the keyboard map reads it: the
/// symbols of the shifted top-row digits and of the keypad's operators.
std::string typedOnUsKeyboard(int code, int shift) {
  if ((shift & kShiftBit) && isDigitKey(code))
    return std::string(1, kShiftedDigits[static_cast<std::size_t>(code - '0')]);
  const KeyFace face = faceOf({code});
  if (face.where == "keypad" && !isDigitKey(face.symbol[0])) return face.symbol;
  return {};
}

// The keys known by a word, which the window shows in the user's language ("End"
// is also a payment timing, translated apart in the financial panel).
constexpr std::string_view kKeyWords[] = {
    ZOVA_TEXT("KeyName", "Backspace"), ZOVA_TEXT("KeyName", "Delete"),
    ZOVA_TEXT("KeyName", "Home"),      ZOVA_TEXT("KeyName", "End"),
    ZOVA_TEXT("KeyName", "Esc"),       ZOVA_TEXT("KeyName", "Enter"),
};

Text symbolText(const KeyFace& face) {
  Text name = Text::asWritten(face.symbol);
  for (std::string_view word : kKeyWords)
    if (face.symbol == word) name.id = TextId::kKeyName;
  return name;
}

// "keypad" or "Shift+6".
Text placeText(const KeyFace& face) {
  if (face.where == "keypad") return {TextId::kKeypadPlace, {}};
  return {TextId::kShifted, {Text::asWritten(face.where.substr(face.where.find('+') + 1))}};
}
}  // namespace

Text keyboardName(KeyBinding binding) {
  const KeyFace face = faceOf(binding);
  if (face.where.empty()) return symbolText(face);
  if (face.where == "keypad") return {TextId::kKeypadKey, {Text::asWritten(face.symbol)}};
  return {TextId::kKeyAt, {symbolText(face), placeText(face)}};
}

Text keyboardTooltip(KeyBinding binding) {
  const KeyFace face = faceOf(binding);
  if (face.where.empty()) return {TextId::kKeyTip, {symbolText(face)}};
  return {TextId::kKeyTipAt, {symbolText(face), placeText(face)}};
}

std::string sequenceKeyName(KeyBinding binding) {
  const KeyboardKey* key = keyWithCode(binding.code);
  return (binding.shift ? "Shift+" : "") + (key ? key->name : std::string());
}

std::span<const KeyboardKey> keyboardKeys() {
  static const std::vector<KeyboardKey> kKeys = gatherKeyboardKeys();
  return kKeys;
}

int shiftedDigitKey(char symbol) {
  const std::size_t digit = kShiftedDigits.find(symbol);
  return digit == std::string_view::npos ? 0 : '0' + static_cast<int>(digit);
}

std::optional<KeyPress> keyNamed(std::string_view name) {
  KeyPress press;
  for (bool more = true; more;) {
    more = false;
    const std::pair<std::string_view, int> modifiers[] = {
        {"Shift+", kShiftBit}, {"Ctrl+", kCtrlBit}, {"Alt+", kAltBit}};
    for (const auto& [prefix, bit] : modifiers) {
      if (name.starts_with(prefix) && name.size() > prefix.size()) {
        press.shift |= bit;
        name.remove_prefix(prefix.size());
        more = true;
      }
    }
  }
  // A main-row character key: the keyboard map knows it by what it types.
  for (const TypedKeyName& k : typedKeyNames()) {
    if (k.name == name) {
      press.typed = k.typed;
      return press;
    }
  }
  for (const KeyboardKey& k : keyboardKeys()) {
    if (k.name == name) {
      press.code = k.code;
      press.typed = typedOnUsKeyboard(k.code, press.shift);
      return press;
    }
  }
  return std::nullopt;
}

Text keyboardName(const KeyRow& row) {
  if (row.typed.empty()) return keyboardName(row.bindings[0]);
  return Text::asWritten(std::string(row.typed) + " or " + english(keyboardName(row.bindings[0])));
}

Text keyboardTooltip(const KeyRow& row) {
  if (row.typed.empty()) return keyboardTooltip(row.bindings[0]);
  const KeyFace face = faceOf(row.bindings[0]);
  const Text typed = Text::asWritten(std::string(row.typed));
  if (face.where == "keypad" && face.symbol == row.typed)
    return {TextId::kKeyTipMainRowOrKeypad, {typed}};
  return {TextId::kKeyTipOr, {typed, keyboardName(row.bindings[0])}};
}

std::span<const TypedKeyName> typedKeyNames() {
  static constexpr TypedKeyName kNames[] = {{"Plus", "+"},  {"Minus", "-"}, {"Star", "*"},
                                            {"Slash", "/"}, {"Equal", "="}, {"Period", "."},
                                            {"Comma", ","}};
  return kNames;
}

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

const KeyRow* findTypedKey(std::string_view typed, std::string_view decimalSymbol) {
  if (typed.size() != 1) return nullptr;
  if (typed == "," && decimalSymbol == ",") return &keyRow(Key::kPoint);
  for (const KeyRow& row : kKeys)
    if (!row.typed.empty() && row.typed.find(typed) != std::string_view::npos) return &row;
  return nullptr;
}

}  // namespace zova
