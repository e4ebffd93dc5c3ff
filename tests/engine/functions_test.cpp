// Scientific functions and angle modes through key sequences.
#include <gtest/gtest.h>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::Case;
using testing::display;
using testing::KeyRunner;

// Seconds round up into the minutes and degrees; outside decimal the function keys type the
// letters A to F. Function values are pinned by function_table.txt.
TEST(Functions, KeySequences) {
  // clang-format off
  const Case cases[] = {
      {"Base,1,X!", "1F"}, {"pi", "3.14159265358979"}, {"1,EXP,1,6,>dms", "ERROR"},
      {"Base,X²,EXP,pi,1/x", "BCDE"}, {"Base,sin", "0"}, {"0.0001,>dms", "0.0000360000"},
      {"12.5125,>dms,dms>", "12.5125"}, {"Base,Base,1,2,X!", "15657400"}, {"Base,√,√", "AA"},
      {"Base,Base,Base,1,1,X!", "110"}, {"12.5125,>dms", "12.3045000000"},
      {"12.29,dms>", "12.4833333333333"}, {"10.9999999999,>dms", "11.0000000000"},
      // Grads reduce by whole quarter turns too; x! of a huge argument fails.
      {"Mode,Mode,300,tan", "ERROR"}, {"Mode,Mode,100,sin", "1"}, {"1,EXP,3,0,0,X!", "ERROR"},
      {"1,inv,hyp,cos", "0"},
      // A negative angle converts as the positive one with its sign.
      {"1.5,±,>dms", "-1.3000000000"}, {"1.5,±,>dms,dms>", "-1.5"}, {"pi,>dms", "3.0829733553"},
  };
  // clang-format on
  testing::expectDisplays(cases);
}

TEST(Functions, ModeCyclesUnitsAndConvertsWithInv) {
  KeyRunner run;
  EXPECT_EQ(run.state().degCaption, "d");
  run.keys("180,inv,Mode");
  EXPECT_EQ(run.state().display, "3.14159265358979");
  EXPECT_EQ(run.state().radCaption + run.state().degCaption + run.state().invCaption, "r");
  run.keys("inv,Mode");
  EXPECT_EQ(run.state().gradCaption, "g");
  EXPECT_EQ(run.state().display, "200");
  run.keys("inv,Mode");
  EXPECT_EQ(run.state().degCaption, "d");
  EXPECT_EQ(run.state().display, "180");
}

TEST(Functions, FlagsAreConsumedOnlyBySuccess) {
  KeyRunner run;
  run.keys("inv,hyp");
  EXPECT_EQ(run.state().invCaption + run.state().hypCaption, "invh");
  run.keys("2,sin");  // the inverse hyperbolic sine of 2
  EXPECT_EQ(run.state().invCaption + run.state().hypCaption, "");
  run.keys("inv,2,cos");
  EXPECT_EQ(run.state().display, "ERROR");
  EXPECT_EQ(run.state().invCaption, "inv");  // a failure keeps the flag
}

}  // namespace
}  // namespace zova
