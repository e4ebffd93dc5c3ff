// Base conversion and the Base key: the cycle, its indicator, "not", limits and round trips.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::KeyRunner;

// Columns: keys, display, base indicator. Binary holds magnitudes below 2^15 (a larger value
// skips to decimal) and at most 16 digits; hexadecimal rounds first and binary drops a fraction.
TEST(Bases, CycleAndEdgeCases) {
  // clang-format off
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"10,Base", "A", "h"}, {"10,Base,Base", "12", "   o"}, {"Base,Base,17,+,1,=", "20", "   o"},
      {"40000,Base,Base,Base", "40000", ""}, {"32768,±,Base,Base,Base", "-32768", ""},
      {"Base,Base,Base,1,0,1,±", "1111111111111011", "       b"}, {"Base,1,0,0,Base,Base,Base,Base,0,0,1", "1", "h"},
      // A number typed after a negative binary result is positive: -5 + 1 is -4.
      {"Base,Base,Base,1,0,1,±,+,1,=", "1111111111111100", "       b"},
      {"Base,Base,Base,1,0,±,X,1,1,=", "1111111111111010", "       b"},
      {"Base,Base,Base,11111111111111111,Base", "ERROR", ""}, {"0,inv,Base", "-1", ""},
      {"Base,inv,Base", "FFFFFFFF", "h"}, {"0.75,b/c,Base", "0", "h"},
      {"5.7,Base,Base,Base", "110", "       b"}, {"Base,Base,Base,1,0,1,÷,1,0,=", "10", "       b"},
      {"1,÷,0,=,Base", "ERROR", "h"}, {"3,EXP,9,Base", "ERROR", "h"},
  };
  // clang-format on
  for (auto [keys, shown, caption] : cases) {
    KeyRunner run;
    EXPECT_EQ(run.keys(keys), shown) << keys;
    EXPECT_EQ(run.state().baseCaption, caption) << keys;
  }
}

// Every 16-bit number survives a full turn of the cycle; each press hands the focus to "=".
TEST(Bases, CycleRoundTripsEverySixteenBitNumber) {
  KeyRunner run;
  run.tk.focusCount = 0;
  for (int v = -32767; v <= 32767; ++v) {
    run.state().display = std::to_string(v);
    run.state().newNumber = true;
    for (int i = 0; i < 4; ++i) run.model.calc().cycleBase();
    ASSERT_EQ(run.state().display, std::to_string(v));
    ASSERT_EQ(run.state().base, Base::kDecimal);
  }
  EXPECT_EQ(run.tk.focusCount, 4 * 65535);
}

}  // namespace
}  // namespace zova
