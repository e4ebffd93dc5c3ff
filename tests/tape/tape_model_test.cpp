// The paper tape through key sequences: what each calculation writes down, and
// a number clicked on it.
#include "tape/tape_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/key_runner.h"

namespace zova {
namespace {

const std::string kRule(kTapeRule);

// What each calculation writes down, one row per sequence on a fresh calculator.
TEST(Tape, EachCalculationWritesItsLines) {
  struct Case {
    const char* keys;
    std::vector<std::string> tape;
  };
  const Case cases[] = {
      {"12,+,3,X,4,=", {"12 +", "3 \u00d7", "4", "= 24", kRule}},
      // "=" at the first depth evaluates it without a bracket key.
      {"(,(,1,+,2,),X,3,=", {"(", "(", "1 +", "2 )", "3 \u00d7", "3", "= 9", kRule}},
      // The root key takes the first operand as the root of the second.
      {"8,inv,x^y,3,=", {"8 x^1/y", "3", "= 1.14720269043988", kRule}},
      {"5,=,X,2,=", {"5", "= 5", kRule, "5 \u00d7", "2", "= 10", kRule}},
      {"30,sin", {"sin(30 deg) = 0.5"}},
      {"0,hyp,cos", {"cosh(0) = 1"}},
      {"100,log,inv,log", {"log(100) = 2", "10^x(2) = 100"}},
      {"5,M+,3,inv,M+,MR", {"M+ 5", "M- 3", "MR 2"}},
      {"Base,X!,X!,+,1,=", {"FF h +", "1 h", "= 100 h", kRule}},
      {"Base,5,inv,Base", {"not(5 h) = FFFFFFFA h"}},
      {"menu:converter,conv:Length,conv:from=inches,conv:to=centimeters,12,conv:go",
       {"12 inches -> centimeters = 30.48"}},
      {"conv:Constants,conv:open-from,conv:from=c: speed of light (m/s),conv:go,X,2,=",
       {"c: speed of light (m/s) = 299792458", "299792458 \u00d7", "2", "= 599584916", kRule}},
      {"1000,fin:click=PV,12,fin:click=%/Yr,12,fin:click=P/Yr,12,fin:click=N,fin:solve=PMT",
       {"PMT = -88.8487886783417"}},
      {"molar:drop1=H,molar:count1=2,molar:drop2=O,molar:index=2,molar:result,X,2,=",
       {"2 H2O = 36.03056", "36.03056 \u00d7", "2", "= 72.06112", kRule}},
      // Every "=" writes its result and every operator its operand, an error too.
      {"8,÷,0,+,1,=", {"8 \u00f7", "0 +", "ERROR", "1", "= ERROR", kRule}},
      {"1,EXP,999,sin,=", {"sin(1E999 deg) = ERROR", "= ERROR", kRule}},
      {"Mode,5,inv,sin", {"asin(5 rad) = ERROR"}},
      {"2,+,1,±,√,=", {"2 +", "\u221a(-1) = ERROR", "= ERROR", kRule}},
      {"5,+,0,ln,=", {"5 +", "ln(0) = ERROR", "= ERROR", kRule}},
      {"5,+,0,ln,X,2,=", {"5 +", "ln(0) = ERROR", "ERROR \u00d7", "2", "= ERROR", kRule}},
      {"0,ln,+,1,=", {"ln(0) = ERROR", "ERROR +", "1", "= ERROR", kRule}},
      {"9,√,X,2,=", {"\u221a(9) = 3", "3 \u00d7", "2", "= 6", kRule}},
      {"171,X!", {"x!(171) = ERROR"}},
      {"1,÷,0,=,sin", {"1 \u00f7", "0", "= ERROR", kRule, "ERROR"}},  // of an error: that error
      // The statistics list's changes, the Stack toggle's entry after its result.
      {"2,stat:enter,4,stat:enter,stat:mean,stat:select=1,stat:delete,stat:clear",
       {"Enter Data 2", "Enter Data 4", "Mean = 3", "Delete 2", "Clear All"}},
      {"Stack,2,+,3,=,1,÷,0,=",
       {"2 +", "3", "= 5", "Enter Data 5", kRule, "1 \u00f7", "0", "= ERROR", kRule}},
      {"1,+,tape:clear,2,=", {"2", "= 3", kRule}},
  };
  for (const Case& c : cases) {
    testing::KeyRunner run;
    run.keys(c.keys);
    EXPECT_EQ(run.model.tape().texts(), c.tape) << c.keys;
  }
}

TEST(Tape, ClickingANumberPutsItBackInTheCurrentBase) {
  testing::KeyRunner run;
  run.keys("255,+,1,=,Base");
  run.model.recallTapeNumber(0);
  EXPECT_EQ(run.model.calc().display(), "FF");
  EXPECT_EQ(run.model.tape().texts().back(), "Tape FF h");
  EXPECT_EQ(run.keys("+,1,="), "100");
  run.model.recallTapeNumber(3);  // the rule line has no number: nothing happens
  EXPECT_EQ(run.model.calc().display(), "100");
}

}  // namespace
}  // namespace zova
