// Base conversion and the Base key: the cycle, its indicators, "not", limits and round trips.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::KeyRunner;

const char* const kIndicator[] = {"", "", "h", "   o", "       b"};

// The cycle and its indicators. Binary holds magnitudes below 2^15 (a larger value skips to
// decimal) and at most 16 digits; hexadecimal rounds first and binary drops a result's fraction.
TEST(Bases, CycleAndEdgeCases) {
  const std::tuple<const char*, const char*, int> cases[] = {
      {"10,Base", "A", 2},
      {"10,Base,Base", "12", 3},
      {"Base,Base,17,+,1,=", "20", 3},
      {"40000,Base,Base,Base", "40000", 1},
      {"32768,±,Base,Base,Base", "-32768", 1},
      {"Base,Base,Base,1,0,1,±", "1111111111111011", 4},
      {"Base,Base,Base,1,0,1,±,+,=", "1111111111110110", 4},
      // A number typed after a negative binary result is positive: -5 + 1 is -4.
      {"Base,Base,Base,1,0,1,±,+,1,=", "1111111111111100", 4},
      {"Base,Base,Base,1,0,±,X,1,1,=", "1111111111111010", 4},
      {"Base,Base,Base,11111111111111111,Base", "ERROR", 1},
      {"0,inv,Base", "-1", 1},
      {"Base,inv,Base", "FFFFFFFF", 2},
      {"0.75,b/c,Base", "0", 2},
      {"(,Base", "0", 2},
      {"5.7,Base,Base,Base", "110", 4},
      {"Base,Base,Base,1,0,1,÷,1,0,=", "10", 4},
      {"1,÷,0,=,Base", "ERROR", 2},
      {"3,EXP,9,Base", "ERROR", 2},
  };
  for (auto [keys, shown, base] : cases) {
    KeyRunner run;
    EXPECT_EQ(run.keys(keys), shown) << keys;
    EXPECT_EQ(run.state().numBase, base) << keys;
    EXPECT_EQ(run.state().LblBase, kIndicator[base]) << keys;
  }
}

// Every 16-bit number survives a full turn of the cycle.
TEST(Bases, CycleRoundTripsEverySixteenBitNumber) {
  KeyRunner run;
  for (int v = -32767; v <= 32767; ++v) {
    run.state().window = std::to_string(v);
    run.state().switch_ = 1;
    for (int i = 0; i < 4; ++i) run.model.calc().cmdBase_Click();
    ASSERT_EQ(run.state().window, std::to_string(v));
    ASSERT_EQ(run.state().numBase, 1);
  }
}

}  // namespace
}  // namespace zova
