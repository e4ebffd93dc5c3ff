// The key table: every key reachable by its names, described for the help
// page, the tooltips and screen readers.
#include "engine/keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace zova {
namespace {

TEST(KeyTable, EveryRowIsCompleteAndUnique) {
  std::set<std::string> controls, names, captions;
  std::set<Key> keys;
  for (const KeyRow& row : keyTable()) {
    EXPECT_TRUE(keys.insert(row.key).second) << row.control;
    EXPECT_TRUE(controls.insert(std::string(row.control)).second) << row.control;
    EXPECT_TRUE(captions.insert(std::string(row.caption)).second) << row.caption;
    EXPECT_FALSE(row.accessible.empty() || !row.bindings[0].code || !row.press) << row.control;
    EXPECT_EQ(keyRow(row.key).control, row.control);
    ASSERT_FALSE(row.names.empty()) << row.control;
    for (std::size_t start = 0, end; start < row.names.size(); start = end + 1) {
      end = std::min(row.names.find(' ', start), row.names.size());
      const std::string name(row.names.substr(start, end - start));
      EXPECT_TRUE(names.insert(name).second) << "name used twice: " << name;
      EXPECT_EQ(findKey(name), &row) << name;
    }
  }
  // Command-line aliases; names are exact.
  const std::pair<const char*, Key> cases[] = {
      {"+/-", Key::kSign},   {"\u00b1", Key::kSign},     {"<", Key::kBack},
      {"*", Key::kMultiply}, {"\u00d7", Key::kMultiply}, {"\u2212", Key::kSubtract}};
  for (auto [name, key] : cases) EXPECT_EQ(findKey(name), &keyRow(key)) << name;
  for (const char* unknown : {"", "x", "7 ", "kout", "=="}) EXPECT_EQ(findKey(unknown), nullptr);
}

// The texts that name a keyboard key: the help page's, the tooltip's and the
// command line's key:NAME.
TEST(KeyBinding, NamesForHelpTooltipAndCommandLine) {
  struct Case {
    KeyBinding binding;
    const char* help;
    const char* tooltip;
    const char* sequence;
  };
  const Case cases[] = {
      {{'7'}, "7", "Keyboard equivalent:  7 key", "7"},

      {{'6', kShiftBit}, "^ (Shift+6)", "Keyboard equivalent:  ^ key (Shift+6)", "Shift+6"},

      {{vk::kDecimal}, "keypad .", "Keyboard equivalent:  . key (keypad)", "Num."},
      {{vk::kNumpad0 + 3}, "keypad 3", "Keyboard equivalent:  3 key (keypad)", "Num3"},
      {{vk::kF1 + 10}, "F11", "Keyboard equivalent:  F11 key", "F11"},
      {{vk::kBack}, "Backspace", "Keyboard equivalent:  Backspace key", "Backspace"},

      {{vk::kEnter}, "Enter", "Keyboard equivalent:  Enter key", "Enter"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(keyboardName(c.binding), c.help);
    EXPECT_EQ(keyboardTooltip(c.binding), c.tooltip);
    EXPECT_EQ(sequenceKeyName(c.binding), c.sequence);
  }
}

// The typed-character column: each operator character presses one key, the
// comma only where it is the decimal symbol, and the help and tooltip name it.
TEST(KeyTable, TypedCharactersFindTheirKeys) {
  struct Case {
    const char* typed;
    const char* decimal;
    const char* control;
    const char* help;
    const char* tooltip;
  };
  const Case cases[] = {
      {"+", ".", "addKey", "+ or keypad +", "Keyboard equivalent:  + key (main row or keypad)"},
      {"/", ".", "divideKey", "/ or keypad /", "Keyboard equivalent:  / key (main row or keypad)"},
      {"=", ".", "equalsKey", "= or Enter", "Keyboard equivalent:  = key or Enter"},
      {".", ".", "pointKey", ". or keypad .", "Keyboard equivalent:  . key (main row or keypad)"},
      {",", ",", "pointKey", ". or keypad .", "Keyboard equivalent:  . key (main row or keypad)"},
  };
  for (const Case& c : cases) {
    const KeyRow* row = findTypedKey(c.typed, c.decimal);
    ASSERT_NE(row, nullptr) << c.typed;
    EXPECT_EQ(row->control, c.control);
    EXPECT_EQ(keyboardName(*row), c.help);
    EXPECT_EQ(keyboardTooltip(*row), c.tooltip);
  }
  for (const char* typed : {",", "8", "", "+-"}) EXPECT_EQ(findTypedKey(typed, "."), nullptr);
  // A key without typed characters is named by its first binding, as before.
  EXPECT_EQ(keyboardName(keyRow(Key::kPower)), "^ (Shift+6)");
  EXPECT_EQ(keyboardTooltip(keyRow(Key::kSin)), "Keyboard equivalent:  S key");
  // Every command-line character name types a character the table or the comma rule knows.
  std::set<std::string> names;
  for (const TypedKeyName& k : typedKeyNames()) {
    EXPECT_TRUE(names.insert(std::string(k.name)).second) << k.name;
    EXPECT_NE(findTypedKey(k.typed, ","), nullptr) << k.name;
  }
}

}  // namespace
}  // namespace zova
