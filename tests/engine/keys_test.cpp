// The key table: every key reachable by its names, its tooltip naming the keyboard key, and
// the typed characters that press keys.
#include "engine/keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

namespace zova {
namespace {

TEST(KeyTable, EveryRowIsCompleteAndUniqueAndFoundByItsNames) {
  std::set<std::string> names, captions;
  for (const KeyRow& row : keyTable()) {
    EXPECT_TRUE(captions.insert(std::string(row.caption)).second) << row.caption;
    EXPECT_FALSE(row.accessible.empty() || !row.bindings[0].code || !row.press) << row.control;
    EXPECT_EQ(keyRow(row.key).control, row.control);
    std::string name;
    for (std::size_t i = 0; i <= row.names.size(); ++i) {
      if (i < row.names.size() && row.names[i] != ' ') {
        name += row.names[i];
        continue;
      }
      EXPECT_TRUE(names.insert(name).second && findKey(name) == &row) << name;
      name.clear();
    }
  }
  for (const char* unknown : {"", "x", "7 ", "kout", "=="}) EXPECT_EQ(findKey(unknown), nullptr);
  EXPECT_TRUE(keyNamed("F12") && !keyNamed("F13"));  // the keyboard's function keys
}

TEST(KeyTable, TooltipsAndTypedCharacters) {
  const std::pair<KeyBinding, const char*> tips[] = {{{'6', kShiftBit}, "^ key (Shift+6)"},
                                                     {{vk::kNumpad0 + 3}, "3 key (keypad)"},
                                                     {{vk::kF1 + 10}, "F11 key"},
                                                     {{vk::kBack}, "Backspace key"}};
  for (auto [binding, tip] : tips)
    EXPECT_EQ(english(keyboardTooltip(binding)), "Keyboard equivalent:  " + std::string(tip));
  // The comma presses the point only where it is the decimal symbol.
  const std::tuple<const char*, const char*, const char*> typed[] = {
      {"/", ".", "divideKey"}, {"=", ".", "equalsKey"}, {",", ",", "pointKey"},
      {",", ".", ""},          {"8", ".", ""},          {"+-", ".", ""}};
  for (auto [text, decimal, control] : typed) {
    const KeyRow* row = findTypedKey(text, decimal);
    EXPECT_EQ(row ? row->control : "", control) << text;
  }
  EXPECT_EQ(english(keyboardTooltip(*findTypedKey("+", "."))),
            "Keyboard equivalent:  + key (main row or keypad)");
  for (const TypedKeyName& k : typedKeyNames()) EXPECT_NE(findTypedKey(k.typed, ","), nullptr);
}

}  // namespace
}  // namespace zova
