// The precedence evaluator and brackets through key sequences.
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

TEST(Evaluator, PrecedenceAndChains) {
  const Case cases[] = {
      {"2,+,3,X,4,=", "14"},
      {"2,X,3,+,4,=", "10"},
      {"2,+,3,x^y,2,X,4,=", "38"},
      {"2,x^y,3,x^y,2,=", "64"},
      {"2,+,3,+", "5"},
      {"2,-,3,X,4,÷,2,=", "-4"},
      {"1,0,-,2,-,3,=", "5"},
      {"2,x^y,=", "4"},
      {"0,x^y,2,x^y,3,=", "0"},
      {"3,inv,x^y,8,=", "2"},
      {"2,x^y,.,5,=", "1.4142135623731"},
      {"2,x^y,1,0,0,0,0,=", "ERROR"},
      {"0,x^y,1,±,=", "ERROR"},
      {"2,±,x^y,.,5,=", "ERROR"},
      {"1,÷,3,=", "0.333333333333333"},
      {"=", "0"},
      {"2,+,3,=,=", "5"},
      {"9,EXP,3,0,0,X,9,EXP,3,0,0,=", "ERROR"},
  };
  for (const Case& c : cases) EXPECT_EQ(display(c.keys), c.shown) << c.keys;
}

TEST(Evaluator, PercentageAndSecondFunctions) {
  const Case cases[] = {
      {"200,+,5,%", "10"},      {"200,+,5,%,=", "210"},
      {"200,-,5,%,=", "190"},   {"50,X,10,%,=", "5"},
      {"7,%", "0.07"},          {"7,inv,÷,3,=", "1"},
      {"7,±,inv,÷,3,=", "-1"},  {"7,inv,÷,0", "0"},
      {"7,inv,÷,0,=", "ERROR"}, {"6,inv,Kin,3,=", "2"},
      {"6,inv,Kout,3,=", "7"},  {"6,inv,X!,3,=", "5"},
      {"3,inv,+,4,=", "5"},     {"5,inv,-,53.130102354156,=", "3"},
      {"0,inv,+,4,=", "ERROR"}, {"3,0,0,0,0,0,0,0,0,0,0,inv,Kin,1,=", "ERROR"},
  };
  for (const Case& c : cases) EXPECT_EQ(display(c.keys), c.shown) << c.keys;
}

TEST(Evaluator, PolarAndRectangularLeaveTheirSecondResultInK) {
  KeyRunner run;
  run.keys("3,inv,+,4,=");
  EXPECT_EQ(run.state().constant.text({}), "53.130102354156");
  EXPECT_EQ(run.keys("Kout"), "53.130102354156");
  run.keys("5,inv,-,53.130102354156,=");
  EXPECT_EQ(run.state().constant.text({}), "4");
}

TEST(Evaluator, Brackets) {
  const Case cases[] = {
      {"2,X,(,3,+,4,),=", "14"}, {"(,2,+,3,),X,4,=", "20"}, {"2,X,(,3,+,(,4,-,1,),X,2,),=", "18"},
      {"(", "( --  1"},          {"(,(", "( --  2"},        {"(,)", "0"},
      {"2,+,3,)", "5"},          {"(,2,+,3,x^y,2,=", "9"},  {"(,2,+,3,x^y,2,=,(,4,+,1,),=", "5"},
      {"(,(,(,2,+,3,=", "5"},    {"2,(,3,=", "3"},  // a number before "(" without an operator is
                                                    // lost
  };
  for (const Case& c : cases) EXPECT_EQ(display(c.keys), c.shown) << c.keys;
}

TEST(Evaluator, BracketTooltipsFollowTheDepth) {
  KeyRunner run;
  run.keys("(");
  EXPECT_EQ(run.state().openTip, "open brackets: 1");
  run.keys("(");
  EXPECT_EQ(run.state().closeTip, "open brackets: 2");
  run.keys(")");
  EXPECT_EQ(run.state().openTip, "open brackets: 1");
  run.keys("=");
  EXPECT_EQ(run.state().openTip, "open brackets:0");
  EXPECT_EQ(run.state().closeTip, "open brackets:0");
  run.keys("(,AC");
  EXPECT_EQ(run.state().openTip, "open brackets: 0");
  EXPECT_EQ(run.state().closeTip, "open brackets:0");
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
}

TEST(Evaluator, HundredDeepExpressionEvaluates) {
  KeyRunner run;
  std::string seq;
  for (int i = 0; i < 100; ++i) seq += "1,+,(,";
  seq += "1";
  for (int i = 0; i < 100; ++i) seq += ",)";
  seq += ",=";
  EXPECT_EQ(run.keys(seq), "101");
}

TEST(Evaluator, ResultContinuesUnformattedOnlyWhileShown) {
  KeyRunner fix;
  fix.state().OptionFix = true;
  EXPECT_EQ(fix.keys("1,÷,3,="), "0.33");
  EXPECT_EQ(fix.keys("X,3,="), "1.00");
  EXPECT_EQ(display("2,+,3,=,MR,+,1,="), "1");
  EXPECT_EQ(display("2,+,3,=,pi,X,1,="), "3.14159265358979");
}

TEST(Evaluator, OtherBasesShowTheStoredOperand) {
  EXPECT_EQ(display("Base,2,+,3,+"), "5");
  EXPECT_EQ(display("Base,X!,+,1,="), "10");
  EXPECT_EQ(display("Base,X!,X,X!,="), "E1");
  EXPECT_EQ(display("Base,X!,inv,Kin,3,="), "3");
  EXPECT_EQ(display("Base,Base,7,+,1,="), "10");
  EXPECT_EQ(display("Base,Base,Base,1,0,1,+,1,1,="), "1000");
}

}  // namespace
}  // namespace zova
