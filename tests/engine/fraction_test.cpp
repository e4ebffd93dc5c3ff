// The fraction key through key sequences: fractions, mixed numbers, radicals, the accuracy
// settings, failures and the busy pointer.
#include "engine/fraction.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/convert.h"
#include "support/key_runner.h"

namespace zova {
namespace {

using testing::KeyRunner;

TEST(Fraction, KeySequencesAtEachAccuracy) {
  const std::string kRootB = "  b\u00bd", kRootC = "  c\u00bd";
  struct Case {
    const char* keys;
    const char* shown;
    std::string label7 = "";
    double threshold = 1e-05;
    bool radicals = false;
    int ended = 1;     // the entry ends
    int searches = 1;  // the busy pointer shows once for each search
  } cases[] = {
      {"0.75,b/c", " 3/ 4"},
      {"0.005,b/c", " 1/ 200"},
      {"0.75,+/-,b/c", " 3/-4"},
      {"0,b/c", " 0/ 1"},         // zero is 0/1, not a failure
      {"0.75,inv,b/c", " 3/ 4"},  // a zero whole part is not shown
      {"3.14159265358979,b/c", " 1146408/ 364913", "A"},
      {"2.25,+/-,inv,b/c", "-3    3/ 4"},
      {"2.005,inv,b/c", " 2    1/ 200"},  // the remainder searched as a reciprocal
      {"2.75,inv,b/c,b/c", " 11/ 4", "", 1e-05, false, 1, 2},  // the second press reads 2.75
      {"3,inv,b/c", " 3"},  // a whole number: its whole part only
      {"1,EXP,200,b/c", " 1E+200/ 1"},
      {"3.14159265358979,b/c", " 208341/ 66317", "A", 1e-04},
      {"0.707106781186548,b/c", " 2/ 2", kRootB, 1e-05, true},      // √2/2 to 1e-14: no "A"
      {"5,b/c", " 5/ 1", "", 1e-05, true},                          // 25 is a perfect square
      {"0.005,b/c", " 1/ 200", "", 1e-05, true},                    // 1/√40000
      {"0.707106781186548,+/-,b/c", " 2/-8", kRootC, 1e-05, true},  // sign to the denominator
      // Above 1E+15 only a one-digit mantissa counts as whole.
      {"1.23456789012345,EXP,20,b/c", "1.23456789012345E20", "", 1e-05, false, 0},
      {"1.5,EXP,10,+/-,b/c", "ERROR"},  // 1/-1.5E+10 times 100 rounds to 0: a zero denominator
      {"1,EXP,200,b/c", "ERROR", "", 1e-05, true},               // 1E+200 squared overflows
      {"2.75,inv,b/c", "2.75", "", 1e-05, true, 0, 0},           // no mixed form with radicals
      {"0.142857,b/c,b/c", "0.142857", "", 1e-05, false, 0, 2},  // the search stops at its bound
      {"10,Base,b/c", "A", "", 1e-05, false, 1, 0},  // outside decimal the key does nothing
  };
  for (const Case& c : cases) {
    KeyRunner run;
    run.state().fractionAccuracy = *Decimal::read(std::to_string(c.threshold));
    run.state().fractionRadicals = c.radicals;
    EXPECT_EQ(run.keys(c.keys), c.shown) << c.keys;
    EXPECT_EQ(run.state().fractionCaption, c.label7) << c.keys;
    EXPECT_TRUE(!run.state().inv && run.state().invCaption.empty()) << c.keys;
    EXPECT_TRUE(run.state().newNumber == (c.ended == 1) && run.tk.busyCount == c.searches)
        << c.keys;
    EXPECT_FALSE(run.state().busy || run.tk.busy) << c.keys;
  }
}

TEST(Fraction, StateForTheNextKeys) {
  KeyRunner exhausted;  // an unfound mixed form keeps the flag
  EXPECT_EQ(exhausted.keys("0.142857,inv,b/c"), "0.142857");
  EXPECT_TRUE(exhausted.state().inv);
  // 1146408/364913 is 3.1415926535914...: the sum shows the typed value.
  EXPECT_EQ(testing::display("3.14159265358979,b/c,+,0,="), "3.14159265358979");
  const NumberLocale comma{",", "."};  // fractions keep their points
  EXPECT_EQ(testing::display("0.75,b/c", comma), " 3/ 4");
  EXPECT_EQ(testing::display("2.75,inv,b/c,+,0,=", comma), "2,75");
}

}  // namespace
}  // namespace zova
