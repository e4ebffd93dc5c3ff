// Random key sequences from many seeds: nothing crashes, and after every key
// the display and the state are ones the keys could have produced.
#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "engine/keys.h"
#include "support/key_runner.h"

namespace zova {
namespace {

bool plausibleDisplay(const std::string& d, const NumberLocale& loc) {
  static const std::regex typed(R"(-?[0-9]*\.?[0-9]*(E-?[0-9]*)?)");
  // Panel results are decimal in every base and can be edited with Back and letters.
  static const std::regex based(R"([-0-9A-F.+]*)");
  static const std::regex fraction(R"([- 0-9.E+]*/[- 0-9.E+]+)");
  static const std::regex bracket(R"(\( -- +[0-9]+)");
  return isNumber(d, loc) || d == "ERROR" || std::regex_match(d, typed) ||
         std::regex_match(d, based) || std::regex_match(d, fraction) ||
         std::regex_match(d, bracket);
}

// Odd seeds press keypad keys only, brackets and exponent keys more often so deep nesting and
// long exponent entries occur; even seeds mix in key presses with any code and modifiers.
TEST(RandomKeys, StateStaysConsistent) {
  std::vector<Key> pool;
  for (const KeyRow& row : keyTable()) pool.push_back(row.key);
  for (int i = 0; i < 6; ++i)
    pool.insert(pool.end(), {Key::kOpen, Key::kExp, Key::kDigit1, Key::kDigit7});
  for (unsigned seed = 1; seed <= 50; ++seed) {
    testing::KeyRunner run;
    std::mt19937 rng(seed);
    std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
    std::uniform_int_distribution<int> code(0, 130), shift(0, 7), coin(0, 2);
    for (int i = 0; i < 1000; ++i) {
      const int c = seed % 2 == 0 && coin(rng) != 0 ? code(rng) : -1;
      if (c < 0) {
        run.model.press(pool[pick(rng)]);
      } else if (c != vk::kEnd) {  // End closes the program
        run.model.keyDown(c, shift(rng) == 0 ? kShiftBit : 0);
      }
      const CalcState& s = run.state();
      ASSERT_TRUE(plausibleDisplay(s.display, {}))
          << "seed " << seed << " key " << i << ": \"" << s.display << "\"";
      ASSERT_GE(s.bracketLevel, 0) << seed;
      ASSERT_EQ(s.baseCaption.empty(), s.base == Base::kDecimal) << seed;
      ASSERT_FALSE(s.busy) << seed;
    }
  }
}

}  // namespace
}  // namespace zova
