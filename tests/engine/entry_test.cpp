// Number entry through key sequences: digits, point, EXP, sign, Back, C, AC
// and leaving the "ERROR" state.
#include <gtest/gtest.h>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::display;

struct Case {
  const char* keys;
  const char* shown;
};

TEST(Entry, KeySequencesShowTheTypedNumber) {
  const Case cases[] = {
      {"0,0,0", "0"},
      {".,5", "0.5"},
      {"5,.,.,2", "5.2"},
      {"1,EXP,EXP,3", "1E3"},
      {"5,.,±,3", "-53"},
      {"5,.,±,3,.,4", "-534"},  // the point of this entry is still spent
      {"2,EXP,-,5", "2E-5"},
      {"2,EXP,-,5,<", "2"},
      {"0,EXP", "0"},
      {"0,EXP,5", "5"},  // EXP on 0 started no exponent
      {"0,.,0,0", "0.00"},
      {"1,2,3,<", "12"},
      {"0,.,5,<", "0"},  // "0." reads as 0 within the same press
      {"2,EXP,<,EXP,5", "2E5"},
      {"2,.,5,1/x,3,.,5", "3.5"},  // a new entry has its own point
      {"2,EXP,3,1/x,4,EXP,2", "4E2"},
      {"7,±", "-7"},
      {"7,±,±", "7"},
      {"0,±", "0"},
      {"C", "0"},
      {"4,5,C", "0"},
      {"4,5,AC", "0"},
      {"<", "0"},
      {"9,<,<", "0"},
      {"1,÷,8,=,<,.,5", "0.125"},
      {"7,EXP,1,5,X,1,0,=,<,.,EXP,3", "7E+13"},  // a result edited with Back keeps its one point
  };
  for (const Case& c : cases) EXPECT_EQ(display(c.keys), c.shown) << c.keys;
}

TEST(Entry, ErrorIsLeftByEntryKeys) {
  const Case cases[] = {
      {"1,÷,0,=", "ERROR"},   {"1,÷,0,=,5", "5"},     {"1,÷,0,=,0", "0"},  {"1,÷,0,=,.", "0."},
      {"1,÷,0,=,EXP", "0"},   {"1,÷,0,=,C", "0"},     {"1,÷,0,=,AC", "0"}, {"1,÷,0,=,<", "0"},
      {"1,÷,0,=,±", "ERROR"}, {"1,÷,0,=,+,2,=", "2"},  // the operator takes "ERROR" as 0
  };
  for (const Case& c : cases) EXPECT_EQ(display(c.keys), c.shown) << c.keys;
}

TEST(Entry, ClearEntryKeepsWaitingOperations) {
  EXPECT_EQ(display("2,+,3,C,4,="), "6");
  EXPECT_EQ(display("2,+,3,AC,4,="), "4");
}

TEST(Entry, ClearSwitchesModesOff) {
  testing::KeyRunner run;
  run.keys("inv,hyp,C");
  EXPECT_EQ(run.state().inv, 1);
  EXPECT_EQ(run.state().hyper, 1);
  EXPECT_EQ(run.state().invlabel, "");
  EXPECT_EQ(run.state().hyplabel, "");
}

TEST(Entry, ManyPointsAndExponentsStayBounded) {
  testing::KeyRunner run;
  run.keys("5");
  for (int i = 0; i < 40000; ++i) run.model.press(Key::Point);
  EXPECT_EQ(run.keys("2"), "5.2");
  for (int i = 0; i < 40000; ++i) run.model.press(Key::Exp);
  EXPECT_EQ(run.keys("3"), "5.2E3");
}

TEST(Entry, BinaryAndOctalRefuseForeignDigits) {
  // After "=" the digit still empties the display, then is ignored.
  EXPECT_EQ(display("8,Base,Base,9"), "");
  EXPECT_EQ(display("1,Base,Base,Base,=,2"), "");
  EXPECT_EQ(display("5,Base,Base,Base,1,0,2"), "10");
  EXPECT_EQ(display("Base,.,5"), "5");            // no point in hexadecimal
  EXPECT_EQ(display("Base,1,EXP,1/x,-"), "1CE");  // "E" is a digit there, not an exponent
  EXPECT_EQ(display("Base,1,1/x,1/x,<"), "1E");
}

}  // namespace
}  // namespace zova
