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
    EXPECT_FALSE(row.accessible.empty() || row.keyboard.empty() || !row.press) << row.control;
    const bool bracket = row.key == Key::Open || row.key == Key::Close;
    EXPECT_EQ(row.tooltip.empty(), bracket) << row.control;
    EXPECT_TRUE(bracket || row.tooltip.starts_with("Keyboard equivalent:")) << row.control;
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
      {"+/-", Key::Sign},   {"\u00b1", Key::Sign},     {"<", Key::Back},
      {"*", Key::Multiply}, {"\u00d7", Key::Multiply}, {"\u2212", Key::Subtract}};
  for (auto [name, key] : cases) EXPECT_EQ(findKey(name), &keyRow(key)) << name;
  for (const char* unknown : {"", "x", "7 ", "kout", "=="}) EXPECT_EQ(findKey(unknown), nullptr);
}

}  // namespace
}  // namespace zova
