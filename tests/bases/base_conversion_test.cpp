// Base conversion and the Base key: the cycle, its indicators, "not", the
// binary limits and round trips.
#include <gtest/gtest.h>

#include <random>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::display;
using testing::KeyRunner;

TEST(Bases, CycleShowsEachBaseWithItsIndicator) {
  struct Step {
    const char* shown;
    const char* indicator;
    int base;
  };
  const Step steps[] = {{"A", "h", 2}, {"12", "   o", 3}, {"1010", "       b", 4}, {"10", "", 1}};
  KeyRunner run;
  run.keys("10");
  for (const Step& s : steps) {
    EXPECT_EQ(run.keys("Base"), s.shown);
    EXPECT_EQ(run.state().LblBase, s.indicator);
    EXPECT_EQ(run.state().numBase, s.base);
  }
}

TEST(Bases, EdgeCases) {
  struct Case {
    const char* keys;
    const char* shown;
    int base;
  };
  const Case cases[] = {
      {"40000,Base,Base,Base", "40000", 1},  // octal 116100 skips binary
      {"32768,±,Base,Base,Base", "-32768", 1},
      {"32767,±,Base,Base,Base", "1000000000000001", 4},
      {"32767,Base,Base,Base", "111111111111111", 4},
      {"5,±,Base,Base,Base", "1111111111111011", 4},
      {"5,±,Base,Base,Base,Base", "-5", 1},
      {"0,inv,Base", "-1", 1},
      {"5,inv,Base", "-6", 1},
      {"Base,inv,Base", "FFFFFFFF", 2},
      {"1,±,Base", "FFFFFFFF", 2},
      {"1,±,Base,Base", "37777777777", 3},
      {"0.75,b/c,Base", "0", 2},
      {"(,Base", "0", 2},
      {"5.7,Base,Base,Base", "110", 4},           // hexadecimal rounds first
      {"Base,Base,Base,1,0,1,÷,1,0,=", "10", 4},  // binary drops the fraction
      {"1,÷,0,=,Base", "ERROR", 2},
      {"3,EXP,9,Base", "ERROR", 2},  // 3E9 is outside the 32-bit range
      {"Base,X!,X!,X!,X!,X!,X!,X!,X!,X!,=", "ERROR", 2},
      {"Base,Base,Base,1,0,1,±", "1111111111111011", 4},
      {"Base,Base,Base,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,Base", "ERROR", 1},
  };
  for (const Case& c : cases) {
    KeyRunner run;
    EXPECT_EQ(run.keys(c.keys), c.shown) << c.keys;
    EXPECT_EQ(run.state().numBase, c.base) << c.keys;
    const char* expected[] = {"", "", "h", "   o", "       b"};
    EXPECT_EQ(run.state().LblBase, expected[c.base]) << c.keys;
  }
}

// Every whole number in the 16-bit range survives a full turn of the cycle.
TEST(Bases, FullCycleRoundTripsEverySixteenBitNumber) {
  KeyRunner run;
  for (int v = -32767; v <= 32767; ++v) {
    run.state().window = std::to_string(v);
    run.state().switch_ = 1;
    for (int i = 0; i < 4; ++i) run.model.calc().cmdBase_Click();
    ASSERT_EQ(run.state().window, std::to_string(v));
    ASSERT_EQ(run.state().numBase, 1);
  }
}

TEST(Bases, HexAndOctalRoundTripOverThirtyTwoBits) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
  for (int i = 0; i < 3000; ++i) {
    const std::int32_t v = i == 0 ? INT32_MIN : i == 1 ? INT32_MAX : any(rng);
    for (int base : {2, 3}) {
      KeyRunner run;
      run.state().numBase = base;
      run.state().window = std::to_string(v);
      run.model.calc().toBase();
      run.model.calc().toDec();
      ASSERT_EQ(run.state().window, std::to_string(v)) << "base " << base;
    }
  }
}

TEST(Bases, BinaryReadsBackWithItsSign) {
  KeyRunner run;
  run.state().numBase = 4;
  run.state().window = "1111111111111011";
  run.state().binNegative = true;
  run.model.calc().toDec();
  EXPECT_EQ(run.state().window, "-5");
  EXPECT_EQ(run.state().mug, "1111111111111011");
  run.state().window = "1111111111111011";
  run.state().binNegative = false;
  run.model.calc().toDec();
  EXPECT_EQ(run.state().window, "65531");
}

TEST(Bases, DecimalToDecLeavesTheDisplayButSavesIt) {
  KeyRunner run;
  run.keys("1,2,.,5");
  run.model.calc().toDec();
  EXPECT_EQ(run.state().window, "12.5");
  EXPECT_EQ(run.state().mug, "12.5");
}

}  // namespace
}  // namespace zova
