// Scientific functions and angle modes through key sequences.
#include <gtest/gtest.h>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::Case;
using testing::display;
using testing::KeyRunner;

// Seconds round up into the minutes and degrees; outside decimal the function keys type the
// letters A to F.
TEST(Functions, KeySequences) {
  // clang-format off
  const Case cases[] = {
      {"171,X!", "ERROR"}, {"1,inv,hyp,tan", "ERROR"}, {"9,√", "3"}, {"Base,1,X!", "1F"},
      {"pi", "3.14159265358979"}, {"3.5,X!", "11.6317283965674"}, {"1,inv,sin", "90"}, {"1,EXP,3,0,0,X!", "ERROR"},
      {"5,±,X!", "ERROR"}, {"1,inv,tan", "45"}, {"1,EXP,1,6,>dms", "ERROR"}, {"1000,log", "3"},
      {"1,±,ln", "ERROR"}, {"Base,X²,EXP,pi,1/x", "BCDE"}, {"1,2,X²", "144"}, {"2,inv,log", "100"},
      {"0.5,±,inv,cos", "120"}, {"Base,sin", "0"}, {"0.5,inv,sin", "30"},
      {"Mode,Mode,300,tan", "ERROR"}, {"0,hyp,cos", "1"}, {"1,±,inv,cos", "180"},
      {"0.0001,>dms", "0.0000360000"}, {"0,log", "ERROR"}, {"2,inv,sin", "ERROR"},
      {"1,inv,ln", "2.71828182845905"}, {"9,±,√", "ERROR"}, {"1,inv,hyp,cos", "0"},
      {"12.5125,>dms,dms>", "12.5125"}, {"0,1/x", "ERROR"}, {"1000,hyp,sin", "ERROR"},
      {"Base,Base,1,2,X!", "15657400"}, {"Base,√,√", "AA"}, {"Mode,Mode,100,sin", "1"},
      {"Base,Base,Base,1,1,X!", "110"}, {"12.5125,>dms", "12.3045000000"},
      {"Mode,1,inv,sin", "1.5707963267949"}, {"1,hyp,tan", "0.761594155955765"},
      {"1,inv,hyp,sin", "0.881373587019543"}, {"12.29,dms>", "12.4833333333333"},
      {"10.9999999999,>dms", "11.0000000000"}, {"170,X!", "7.257415615308E+306"},
      {"0.5,inv,hyp,tan", "0.549306144334055"}, {"1,hyp,sin", "1.1752011936438"},
      // Degrees and grads (300 above) are first reduced by whole quarter turns, so exact angles
      // give exact values; radians take the display's number as it is (π shown is not quite π).
      {"30,sin", "0.5"}, {"60,cos", "0.5"}, {"45,tan", "1"}, {"90,cos", "0"}, {"180,sin", "0"},
      {"90,tan", "ERROR"}, {"30,±,sin", "-0.5"}, {"0.5,inv,cos", "60"},
      {"Mode,pi,sin", "3.23846264338328E-15"}, {"240,cos", "-0.5"},
      {"81365.2,sin", "0.0906325801977802"}, {"Mode,1,EXP,20,sin", "-0.645251285265781"},
      // x! is Γ(x + 1); a negative angle converts as the positive one with its sign.
      {"10.5,X!", "11899423.0839622"}, {"0.5,X!", "0.886226925452758"}, {"0,X!", "1"},
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
