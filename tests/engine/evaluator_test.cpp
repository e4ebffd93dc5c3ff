// The precedence evaluator and brackets through key sequences.
#include <gtest/gtest.h>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::Case;
using testing::display;
using testing::KeyRunner;

// Results continue unformatted only while shown; bases show the stored operand; "2,(" loses 2.
// A failed step fails every operation that takes its "ERROR", in every format.
TEST(Evaluator, PrecedenceBracketsAndSecondFunctions) {
  // clang-format off
  const Case cases[] = {
      {"(,)", "0"}, {"=", "0"}, {"6,inv,Kin,3,=", "2"},
      {"(", "( --  1"}, {"3,inv,x^y,8,=", "2"},
      {"2,x^y,10000,=", "ERROR"}, 
      {"2,±,x^y,.,5,=", "ERROR"}, {"2,x^y,=", "4"}, {"7,±,inv,÷,3,=", "-1"},
      {"2,+,3,x^y,2,X,4,=", "38"}, {"2,+,3,)", "5"}, {"6,inv,Kout,3,=", "7"},
      {"Base,Base,7,+,1,=", "10"}, {"2,(,3,=", "3"}, {"0,x^y,1,±,=", "ERROR"},
      {"Base,X!,inv,Kin,3,=", "3"}, {"2,+,3,=,=", "5"}, {"7,inv,÷,0,=", "ERROR"},
      {"5,inv,-,53.130102354156,=", "3"}, {"0,inv,+,4,=", "ERROR"},
      {"9,EXP,300,X,9,EXP,300,=", "ERROR"}, {"Base,X!,X,X!,=", "E1"},
      {"30000000000,inv,Kin,1,=", "ERROR"}, {"3,inv,+,4,=", "5"}, {"(,2,+,3,x^y,2,=", "9"},
      {"(,2,+,3,x^y,2,=,(,4,+,1,),=", "5"}, {"2,+,3,=,MR,+,1,=", "1"},
      {"6,inv,X!,3,=", "5"}, {"2,x^y,3,x^y,2,=", "64"},
      {"2,+,3,=,pi,X,1,=", "3.14159265358979"}, {"Base,2,+,3,+", "5"},
      {"Base,Base,Base,1,0,1,+,1,1,=", "1000"}, {"860,-,464.846,÷,0,=", "ERROR"},
      {"opt:format=Fix,8,÷,0,X,7,=", "ERROR"}, {"200,+,0.75,b/c,%", "1.5"},
      {"(,946.475,+,39,÷,23549408,÷,0,),÷,877.036,+,641,=", "ERROR"}, {"1,÷,0,=,X!", "ERROR"},
      // Decimal arithmetic: typed decimals cancel exactly; the shown operand stays the operand.
      {"12.34,-,12.33,=", "0.01"}, {"100.1,-,100.09,=", "0.01"}, {"100,-,99.99,=", "0.01"},
      {"5.1,-,5,=", "0.1"}, {"1.015,-,1,=", "0.015"}, {"81365.2,-,81000,=", "365.2"},
      {"1000000.1,-,1000000,=", "0.1"}, {"9076.08,-,9069.09,=", "6.99"},
      {"2117.18,-,9770.61,+,7640.2,=", "-13.23"}, {"10,÷,3,X,3,=", "9.99999999999999"},
      {"1.23456789012345,-,1.23456789012344,=", "1E-14"}, {"2,x^y,1024,=", "ERROR"},
  };
  // clang-format on
  testing::expectDisplays(cases);
}

TEST(Evaluator, BracketTooltipsFollowTheDepth) {
  KeyRunner run;
  run.keys("(,(");
  EXPECT_EQ(english(run.state().closeTip), "open brackets: 2");
  run.keys(")");
  EXPECT_EQ(english(run.state().openTip), "open brackets: 1");
  run.keys("=");
  EXPECT_EQ(english(run.state().openTip) + english(run.state().closeTip),
            "open brackets:0open brackets:0");
  run.keys("(,AC");
  EXPECT_EQ(english(run.state().openTip) + english(run.state().closeTip),
            "open brackets: 0open brackets:0");
}

TEST(Evaluator, DepthPastOneHundredShowsErrorAndRecovers) {
  KeyRunner run;
  for (int i = 0; i < 101; ++i) run.keys("(");
  EXPECT_EQ(run.keys("2,+"), "ERROR");
  EXPECT_EQ(run.state().bracketLevel, 101);
  EXPECT_EQ(run.keys("inv,Kin"), "ERROR");  // "and" too
  EXPECT_EQ(run.keys("inv,Kout"), "ERROR");
  run.keys(")");
  EXPECT_EQ(run.state().bracketLevel, 100);
  EXPECT_EQ(run.keys("2,+,3,="), "5");
  EXPECT_EQ(run.state().bracketLevel, 0);
  std::string seq;  // a hundred-deep expression evaluates
  for (int i = 0; i < 100; ++i) seq += "1,+,(,";
  seq += "1";
  for (int i = 0; i < 100; ++i) seq += ",)";
  EXPECT_EQ(display(seq + ",="), "101");
}

// A number beyond the range of results ("1E999") fails in every key that reads it,
// as operand, function argument or memory addend; below 1E-999 a result is 0, and the old
// binary range's lower end is no limit.
TEST(Evaluator, NumbersBeyondTheRangeFailWhereTheyAreRead) {
  for (const char* failing :
       {"X,2,=", "+,1,=", "inv,÷,2,=", "inv,Kin,3,=", "x^y,2,=", "=", "sqrt", "X!", "%", "±", "b/c",
        "Base", "M+", "inv,Mode", "conv:Length,conv:from=meters,conv:to=centimeters,conv:go"})
    EXPECT_EQ(display(std::string("1,EXP,999,") + failing), "ERROR") << failing;
  const Case cases[] = {{"2,-,1,EXP,999,=", "ERROR"},    {"5,M+,1,EXP,999,M+,MR", "5"},
                        {"1,EXP,999,Kin,Kout", "1E999"},  // K keeps the text as typed
                        {"1,EXP,-,999,X,2,=", "2E-999"}, {"1,EXP,308,X,1,=", "1E+308"},
                        {"1,EXP,-,320,=", "1E-320"},     {"1,EXP,-,999,÷,10,=", "0"}};
  testing::expectDisplays(cases);
  KeyRunner run;
  run.keys("1,EXP,999,M+");
  EXPECT_EQ(run.state().memoryCaption, "");
}

}  // namespace
}  // namespace zova
