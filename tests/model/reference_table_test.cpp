// The keypad's functions and the financial panel's solutions against tables of exact
// values that scripts/make-function-table.py wrote once: each row's keys, run on a
// fresh calculator, must leave the exact value rounded to 15 digits on the display.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/key_runner.h"

namespace zova::testing {
namespace {

// Runs every row of a table whose rows hold `before` columns, then the keys, the
// display and "tie" where the exact value lies too near a 15-digit tie to decide.
void expectTable(const std::string& path, int before) {
  std::ifstream in(std::string(ZOVA_SOURCE_DIR) + "/tests/" + path);
  ASSERT_TRUE(in) << path;
  int rows = 0, wrong = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with('#')) continue;
    std::istringstream row(line);
    std::string skip, keys, shown, tie;
    for (int i = 0; i < before; ++i) row >> skip;
    row >> keys >> shown >> tie;
    ++rows;
    if (tie == "tie") continue;
    const std::string got = display(keys);
    if (got != shown && ++wrong <= 40) ADD_FAILURE() << line << "\n  shows " << got;
  }
  EXPECT_EQ(wrong, 0) << "rows of " << rows << " differ";
  EXPECT_GT(rows, 100);
}

TEST(ReferenceTable, FunctionsShowTheExactValue) { expectTable("engine/function_table.txt", 3); }

TEST(ReferenceTable, TimeValueSolutionsShowTheExactValue) {
  expectTable("finance/time_value_table.txt", 8);
}

}  // namespace
}  // namespace zova::testing
