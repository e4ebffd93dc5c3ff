// Scientific functions and angle modes through key sequences.
#include <gtest/gtest.h>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::display;
using testing::KeyRunner;

struct Case {
  const char* keys;
  const char* shown;
};

TEST(Functions, TrigonometryInEachUnit) {
  const Case cases[] = {
      {"30,sin", "0.499999999999999"},  // 30 × angle is read back from its text first
      {"0.5,inv,sin", "30"},
      {"1,inv,sin", "90"},
      {"1,±,inv,sin", "-90"},
      {"1,inv,cos", "0"},
      {"1,±,inv,cos", "180"},
      {"2,inv,sin", "ERROR"},
      {"60,cos", "0.499999999999998"},
      {"45,tan", "0.999999999999999"},
      {"1,inv,tan", "45"},
      {"Mode,1,inv,sin", "1.5707963267949"},
      {"Mode,Mode,1,inv,sin", "100"},
      {"Mode,Mode,100,sin", "1"},
      {"0,hyp,cos", "1"},
      {"1,hyp,sin", "1.1752011936438"},
      {"1,hyp,tan", "0.761594155955765"},
      {"1,inv,hyp,sin", "0.881373587019543"},
      {"1,inv,hyp,cos", "0"},
      {"0.5,inv,hyp,tan", "0.549306144334055"},
      {"1,inv,hyp,tan", "ERROR"},
      {"1000,hyp,sin", "ERROR"},
  };
  for (const Case& c : cases) EXPECT_EQ(display(c.keys), c.shown) << c.keys;
}

TEST(Functions, LogarithmsRootsAndPowers) {
  const Case cases[] = {
      {"1000,log", "3"},
      {"2,inv,log", "100"},
      {"1,inv,ln", "2.71828182845905"},
      {"0,log", "ERROR"},
      {"1,±,ln", "ERROR"},
      {"9,√", "3"},
      {"9,±,√", "ERROR"},
      {"1,2,X²", "144"},
      {"4,1/x", "0.25"},
      {"0,1/x", "ERROR"},
      {"pi", "3.14159265358979"},
      {"0,X!", "1"},
      {"5,X!", "120"},
      {"3.5,X!", "6"},
      {"17,X!", "355687428096000"},
      {"18,X!", "6.402373705728E+15"},
      {"170,X!", "7.25741561530799E+306"},
      {"171,X!", "ERROR"},
      {"5,±,X!", "1"},
      {"1,EXP,3,0,0,X!", "ERROR"},
  };
  for (const Case& c : cases) EXPECT_EQ(display(c.keys), c.shown) << c.keys;
}

TEST(Functions, DegreesMinutesSeconds) {
  const Case cases[] = {
      {"12.5125,>dms", "12.3045000000"},
      {"12.5125,>dms,dms>", "12.5125"},
      {"12.3045,dms>", "12.5125"},
      {"12.29,dms>", "12.4833333333333"},
      {"12.5,>dms", "12.3000000000"},
      {"0.0001,>dms", "0.0000360000"},
      {"10.9999999999,>dms", "11.0000000000"},
      {"1,EXP,1,6,>dms", "ERROR"},  // seconds round up into the minutes and degrees
  };
  for (const Case& c : cases) EXPECT_EQ(display(c.keys), c.shown) << c.keys;
}

TEST(Functions, ModeCyclesUnitsAndConvertsWithInv) {
  KeyRunner run;
  EXPECT_EQ(run.state().deglabel, "d");
  run.keys("180,inv,Mode");
  EXPECT_EQ(run.state().window, "3.14159265358979");
  EXPECT_EQ(run.state().radlabel, "r");
  EXPECT_EQ(run.state().deglabel, "");
  EXPECT_EQ(run.state().invlabel, "");
  run.keys("inv,Mode");
  EXPECT_EQ(run.state().gradlabel, "g");
  EXPECT_EQ(run.state().window, "200");
  run.keys("inv,Mode");
  EXPECT_EQ(run.state().deglabel, "d");
  EXPECT_EQ(run.state().window, "180");
}

TEST(Functions, FlagsAreConsumedOnlyBySuccess) {
  KeyRunner run;
  run.keys("inv,hyp");
  EXPECT_EQ(run.state().invlabel, "inv");
  EXPECT_EQ(run.state().hyplabel, "h");
  run.keys("2,sin");  // the inverse hyperbolic sine of 2
  EXPECT_EQ(run.state().invlabel, "");
  EXPECT_EQ(run.state().hyplabel, "");
  run.keys("inv,2,cos");
  EXPECT_EQ(run.state().window, "ERROR");
  EXPECT_EQ(run.state().invlabel, "inv");  // a failure keeps the flag
}

TEST(Functions, HexadecimalKeysTypeLetters) {
  const Case cases[] = {
      {"Base,√", "A"},
      {"Base,√,√", "AA"},
      {"Base,X²,EXP,pi,1/x", "BCDE"},
      {"Base,X!", "F"},
      {"Base,1,X!", "1F"},
      {"Base,sin", "0"},
      {"Base,Base,1,2,X!", "15657400"},  // 10! in octal
      {"Base,Base,Base,1,1,X!", "110"},
  };
  for (const Case& c : cases) EXPECT_EQ(display(c.keys), c.shown) << c.keys;
}

}  // namespace
}  // namespace zova
