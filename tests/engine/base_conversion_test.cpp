// Base conversion and the Base key: the cycle, its indicators, "not", limits and round trips.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::KeyRunner;

const char* indicator(Base base) {
  switch (base) {
    case Base::kHex:
      return "h";
    case Base::kOctal:
      return "   o";
    case Base::kBinary:
      return "       b";
    case Base::kDecimal:
      break;
  }
  return "";
}

// The cycle and its indicators. Binary holds magnitudes below 2^15 (a larger value skips to
// decimal) and at most 16 digits; hexadecimal rounds first and binary drops a result's fraction.
TEST(Bases, CycleAndEdgeCases) {
  const std::tuple<const char*, const char*, Base> cases[] = {
      {"10,Base", "A", Base::kHex},
      {"10,Base,Base", "12", Base::kOctal},
      {"Base,Base,17,+,1,=", "20", Base::kOctal},
      {"40000,Base,Base,Base", "40000", Base::kDecimal},
      {"32768,±,Base,Base,Base", "-32768", Base::kDecimal},
      {"Base,Base,Base,1,0,1,±", "1111111111111011", Base::kBinary},
      {"Base,Base,Base,1,0,1,±,+,=", "1111111111110110", Base::kBinary},
      // A number typed after a negative binary result is positive: -5 + 1 is -4.
      {"Base,Base,Base,1,0,1,±,+,1,=", "1111111111111100", Base::kBinary},
      {"Base,Base,Base,1,0,±,X,1,1,=", "1111111111111010", Base::kBinary},
      {"Base,Base,Base,11111111111111111,Base", "ERROR", Base::kDecimal},
      {"0,inv,Base", "-1", Base::kDecimal},
      {"Base,inv,Base", "FFFFFFFF", Base::kHex},
      {"0.75,b/c,Base", "0", Base::kHex},
      {"(,Base", "0", Base::kHex},
      {"5.7,Base,Base,Base", "110", Base::kBinary},
      {"Base,Base,Base,1,0,1,÷,1,0,=", "10", Base::kBinary},
      {"1,÷,0,=,Base", "ERROR", Base::kHex},
      {"3,EXP,9,Base", "ERROR", Base::kHex},
  };
  for (auto [keys, shown, base] : cases) {
    KeyRunner run;
    EXPECT_EQ(run.keys(keys), shown) << keys;
    EXPECT_EQ(run.state().base, base) << keys;
    EXPECT_EQ(run.state().baseCaption, indicator(base)) << keys;
  }
}

// Every 16-bit number survives a full turn of the cycle.
TEST(Bases, CycleRoundTripsEverySixteenBitNumber) {
  KeyRunner run;
  for (int v = -32767; v <= 32767; ++v) {
    run.state().display = std::to_string(v);
    run.state().newNumber = true;
    for (int i = 0; i < 4; ++i) run.model.calc().cycleBase();
    ASSERT_EQ(run.state().display, std::to_string(v));
    ASSERT_EQ(run.state().base, Base::kDecimal);
  }
}

}  // namespace
}  // namespace zova
