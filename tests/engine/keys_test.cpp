// The key table: every key reachable by its names, described for the help
// page, the tooltips and screen readers.
#include "engine/keys.h"

#include <gtest/gtest.h>

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
    EXPECT_FALSE(row.accessible.empty()) << row.control;
    EXPECT_FALSE(row.keyboard.empty()) << row.control;
    EXPECT_NE(row.press, nullptr) << row.control;
    const bool bracket = row.key == Key::Open || row.key == Key::Close;
    EXPECT_EQ(row.tooltip.empty(), bracket) << row.control;
    if (!bracket) {
      EXPECT_EQ(row.tooltip.rfind("Keyboard equivalent:", 0), 0u) << row.control;
    }
    std::string rest(row.names);
    ASSERT_FALSE(rest.empty()) << row.control;
    size_t start = 0;
    while (start < rest.size()) {
      size_t end = rest.find(' ', start);
      if (end == std::string::npos) end = rest.size();
      const std::string name = rest.substr(start, end - start);
      EXPECT_TRUE(names.insert(name).second) << "name used twice: " << name;
      EXPECT_EQ(findKey(name), &row) << name;
      EXPECT_EQ(keyRow(row.key).control, row.control);
      start = end + 1;
    }
  }
}

TEST(KeyTable, CommandLineNamesAndAliases) {
  struct Case {
    const char* name;
    Key key;
  };
  const Case cases[] = {
      {"7", Key::D7},        {".", Key::Point},         {"+/-", Key::Sign},
      {"\u00b1", Key::Sign}, {"Back", Key::Back},       {"<", Key::Back},
      {"*", Key::Multiply},  {"\u00d7", Key::Multiply}, {"/", Key::Divide},
      {"^", Key::Power},     {"sqrt", Key::Sqrt},       {"x2", Key::Square},
      {"pi", Key::Pi},       {"x!", Key::Fact},         {"\u2212", Key::Subtract},
      {">dms", Key::ToDms},  {"dms>", Key::FromDms},    {"Kout", Key::Kout},
  };
  for (const Case& c : cases) {
    const KeyRow* row = findKey(c.name);
    ASSERT_NE(row, nullptr) << c.name;
    EXPECT_EQ(row->key, c.key) << c.name;
  }
  for (const char* unknown : {"", "x", "sine", "7 ", "kout", "=="})
    EXPECT_EQ(findKey(unknown), nullptr) << unknown;
}

}  // namespace
}  // namespace zova
