// The M and K registers.
#include <gtest/gtest.h>

#include <tuple>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::KeyRunner;

// Columns: keys, display, M, K, memory indicator.
TEST(Memory, RegistersThroughKeySequences) {
  const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
      {"5,M+,3,M+,MR", "8", "8", "0", " M"},
      {"2,inv,M+", "2", "-2", "0", " M"},
      {"5,M+,inv,MR", "5", "0", "0", ""},
      {"0,M+", "0", "0", "0", " M"},  // even a sum of 0 shows the indicator
      {"7,Kin,AC,Kout", "7", "0", "7", ""},
      {"7,Kin,1,÷,0,=,Kin,Kout", "7", "0", "7", ""},  // "ERROR" is never stored in K
      {"1,÷,0,=,M+", "ERROR", "0", "0", ""},
      {"5,EXP,M+,MR", "5", "5", "0", " M"},  // a display being typed counts by its prefix
      {"1,EXP,3,0,8,M+,M+", "ERROR", "1E+308", "0", " M"},
      {"Base,X!,Kin,AC,Kout", "F", "0", "F", ""},
      {"Base,X!,M+", "F", "0", "0", ""},                  // M+ and MR work in decimal only
      {"1,inv,-,90,=", "0", "0", "1", ""},                // Rec reduces an exact angle exactly
      {".1,M+,.2,M+,.3,inv,M+,MR", "0", "0", "0", " M"},  // M holds the exact sum
  };
  for (auto [keys, shown, m, k, indicator] : cases) {
    KeyRunner run;
    EXPECT_EQ(run.keys(keys), shown) << keys;
    EXPECT_EQ(run.state().memory.text({}), m) << keys;
    EXPECT_EQ(run.state().kRegister.text({}), k) << keys;
    EXPECT_EQ(run.state().memoryCaption, indicator) << keys;
    EXPECT_EQ(run.state().invCaption, "") << keys;
  }
  KeyRunner run;  // an empty K recalls 0
  run.state().kRegister = Value();
  EXPECT_EQ(run.keys("5,Kout"), "0");
}

}  // namespace
}  // namespace zova
