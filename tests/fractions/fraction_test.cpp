// The fraction key through key sequences: fractions, mixed numbers, radicals, the
// accuracy settings, failures and the busy pointer; and the search's whole-number
// test against the display text it stands for.
#include "fractions/fraction.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/convert.h"
#include "support/key_runner.h"

namespace zova {

namespace {

using testing::KeyRunner;

const std::string kRootB = "  b\u00bd";
const std::string kRootC = "  c\u00bd";

struct Case {
  const char* keys;
  const char* shown;
  std::string label7;
  double threshold = 1e-05;
  bool radicals = false;
};

// Runs the case on a fresh calculator and checks display, indicator and the flags every
// press leaves behind.
void check(const Case& c) {
  KeyRunner run;
  run.state().threshold = c.threshold;
  run.state().rootpart = c.radicals;
  EXPECT_EQ(run.keys(c.keys), c.shown) << c.keys;
  EXPECT_EQ(run.state().Label7, c.label7) << c.keys;
  EXPECT_FALSE(run.state().busy) << c.keys;
  EXPECT_FALSE(run.tk.busy) << c.keys;
}

TEST(Fraction, EdgeCasesAtDefaultAccuracy) {
  const Case cases[] = {
      {"0.75,b/c", " 3/ 4", ""},
      {"0.333333333333333,b/c", " 1/ 3", ""},
      {"0.333,b/c", " 333/ 1000", ""},
      {"0.125,b/c", " 1/ 8", ""},
      {"5,b/c", " 5/ 1", ""},
      {"0.005,b/c", " 1/ 200", ""},
      {"0.5,+/-,b/c", " 1/-2", ""},
      {"0.75,+/-,b/c", " 3/-4", ""},
      {"2.5,+/-,b/c", " 5/-2", ""},
      {"3.14159265358979,b/c", " 1146408/ 364913", "A"},
      {"2.75,inv,b/c", " 2    3/ 4", ""},
      {"2.25,+/-,inv,b/c", "-3    3/ 4", ""},
      {"0.75,inv,b/c", " 3/ 4", ""},          // a zero whole part is not shown
      {"2.005,inv,b/c", " 2    1/ 200", ""},  // the remainder searched as a reciprocal
      {"2.75,inv,b/c,b/c", " 11/ 4", ""},     // the second press reads 2.75 again
      {"0,b/c", " 0/ 1", ""},                 // zero is 0/1, not a failure
      {"0,inv,b/c", " 0/ 1", ""},
      {"3,inv,b/c", " 3", ""},  // a whole number: its whole part only
      {"3,+/-,inv,b/c", "-3", ""},
      {"1,EXP,200,b/c", " 1E+200/ 1", ""},
  };
  for (const Case& c : cases) check(c);
}

TEST(Fraction, AccuracyAndRadicals) {
  const Case cases[] = {
      {"3.14159265358979,b/c", " 208341/ 66317", "A", 1e-04},
      {"3.14159265358979,b/c", " 4272943/ 1360120", "A", 1e-06},
      {"0.142857,b/c", " 1/ 7", "A", 1e-04},
      {"0.142857,b/c", " 142857/ 1000000", "", 1e-06},
      // The square root of 2, over 2; exact to 1e-14, so no approximation mark.
      {"0.707106781186548,b/c", " 2/ 2", kRootB, 1e-05, true},
      {"5,b/c", " 5/ 1", "", 1e-05, true},  // 25 is a perfect square
      {"1.73205080756888,b/c", " 12/ 2", kRootB, 1e-05, true},
      {"0.005,b/c", " 1/ 200", "", 1e-05, true},  // 1/√40000
      // Negative values are searched by magnitude; the sign stays on the denominator.
      {"0.5,+/-,b/c", " 1/-2", "", 1e-05, true},
      {"0.707106781186548,+/-,b/c", " 2/-8", kRootC, 1e-05, true},
      {"0.75,+/-,b/c", " 3/-4", "", 1e-05, true},
      {"0,b/c", " 0/ 1", "", 1e-05, true},
      // No mixed form with radicals: the key only clears the inverse flag.
      {"2.75,inv,b/c", "2.75", "", 1e-05, true},
  };
  for (const Case& c : cases) check(c);
}

TEST(Fraction, InverseFlagClearsAfterEveryResult) {
  const Case cases[] = {
      {"2.75,inv,b/c", " 2    3/ 4", ""},
      {"3,inv,b/c", " 3", ""},
      {"0,inv,b/c", " 0/ 1", ""},
      {"2.75,inv,b/c", "2.75", "", 1e-05, true},
  };
  for (const Case& c : cases) {
    KeyRunner run;
    run.state().rootpart = c.radicals;
    EXPECT_EQ(run.keys(c.keys), c.shown) << c.keys;
    EXPECT_EQ(run.state().inv, 1) << c.keys;
    EXPECT_EQ(run.state().invlabel, "") << c.keys;
    EXPECT_EQ(run.state().switch_, c.radicals ? 0 : 1) << c.keys;
  }
}

TEST(Fraction, ExhaustedSearchLeavesTheDisplay) {
  const Case cases[] = {
      {"0.142857,b/c", "0.142857", "", 1e-05},
      {"0.142856442857143,b/c", "0.142856442857143", "", 1e-04},
      {"0.142857137857143,b/c", "0.142857137857143", "", 1e-06},
      {"3.109982596153,b/c", "3.109982596153", "", 1e-04, true},
      {"0.949742434510743,b/c", "0.949742434510743", "", 1e-05, true},
      {"0.949742434510743,b/c", "0.949742434510743", "", 1e-06, true},
      // Above 1E+15 only a one-digit mantissa counts as whole.
      {"1.23456789012345,EXP,20,b/c", "1.23456789012345E20", ""},
  };
  for (const Case& c : cases) {
    check(c);
    // The search stops at its bound: a second press finds the same nothing.
    KeyRunner run;
    run.state().threshold = c.threshold;
    run.state().rootpart = c.radicals;
    run.keys(c.keys);
    EXPECT_EQ(run.keys("b/c"), c.shown) << c.keys;
    EXPECT_EQ(run.tk.busyCount, 2) << c.keys;
  }
  // Flags stay as they stand: the inverse flag of an unfound mixed form is still set.
  KeyRunner run;
  EXPECT_EQ(run.keys("0.142857,inv,b/c"), "0.142857");
  EXPECT_EQ(run.state().inv, -1);
}

TEST(Fraction, FailuresShowErrorAndRestoreThePointer) {
  const Case cases[] = {
      {"0,1/x,b/c", "ERROR", ""},
      // 1/-1.5E+10 times 100 rounds up to 0, which leaves a denominator of 0.
      {"1.5,EXP,10,+/-,b/c", "ERROR", ""},
      {"1.5,EXP,10,+/-,b/c", "ERROR", "", 1e-05, true},
      {"1,EXP,200,b/c", "ERROR", "", 1e-05, true},  // 1E+200 squared overflows
  };
  for (const Case& c : cases) {
    check(c);
    KeyRunner run;
    run.state().rootpart = c.radicals;
    run.keys(c.keys);
    EXPECT_EQ(run.state().switch_, 1) << c.keys;
    EXPECT_EQ(run.tk.busyCount, 1) << c.keys;
  }
}

TEST(Fraction, BusyPointerShownForEverySearch) {
  KeyRunner run;
  run.keys("0.75,b/c");
  EXPECT_EQ(run.tk.busyCount, 1);
  run.keys("0.142857,b/c");
  EXPECT_EQ(run.tk.busyCount, 2);
  EXPECT_FALSE(run.tk.busy);
  EXPECT_FALSE(run.state().busy);
}

TEST(Fraction, DoesNothingOutsideDecimal) {
  KeyRunner run;
  EXPECT_EQ(run.keys("10,Base"), "A");
  EXPECT_EQ(run.keys("b/c"), "A");
  EXPECT_EQ(run.state().Label7, "");
  EXPECT_EQ(run.tk.busyCount, 0);
}

TEST(Fraction, NextOperationReadsTheExactDecimal) {
  struct Sequence {
    const char* keys;
    const char* shown;
  } cases[] = {
      // 1146408/364913 is 3.1415926535914...: the sum shows the typed value.
      {"3.14159265358979,b/c,+,0,=", "3.14159265358979"},
      {"0.333,b/c,+,0.667,=", "1"},
      {"2.75,inv,b/c,X,2,=", "5.5"},
      {"0.5,+/-,b/c,X,4,=", "-2"},
      {"0.75,b/c,5", "5"},  // a digit starts a new number
      {"0.75,b/c,b/c", " 3/ 4"},
  };
  for (const Sequence& c : cases) EXPECT_EQ(testing::display(c.keys), c.shown) << c.keys;
  KeyRunner run;
  run.keys("0.75,b/c");
  EXPECT_EQ(run.state().Label7, "");
  run.keys("+");
  EXPECT_EQ(run.state().window, "0.75");
}

TEST(Fraction, CommaLocaleStillWritesFractionsWithPoints) {
  const NumberLocale comma{",", "."};
  EXPECT_EQ(testing::display("0.75,b/c", comma), " 3/ 4");
  EXPECT_EQ(testing::display("2.75,inv,b/c,+,0,=", comma), "2,75");
}

// Random values in [0.01, 100): the fraction shown is within the accuracy of the value,
// carries "A" exactly when it is not the value, and has no common factor up to 10.
TEST(Fraction, RandomValuesGiveFractionsWithinTheAccuracy) {
  std::mt19937_64 gen(20240611);
  std::uniform_real_distribution<double> magnitude(-2, 2);
  int found = 0;
  for (double threshold : {1e-04, 1e-05, 1e-06}) {
    for (int i = 0; i < 60; ++i) {
      const std::string typed = NumberToText(std::pow(10.0, magnitude(gen)), {});
      KeyRunner run;
      run.state().threshold = threshold;
      const std::string shown = run.keys(typed + ",b/c");
      const double v = ParseNumber(typed);
      const std::size_t slash = shown.find('/');
      if (slash == std::string::npos) {
        EXPECT_EQ(shown, typed);  // no fraction within the candidates
        continue;
      }
      ++found;
      const double n = ParseNumber(shown.substr(0, slash));
      const double d = ParseNumber(shown.substr(slash + 1));
      EXPECT_EQ(shown, PaddedNumberText(n) + "/" + PaddedNumberText(d));
      EXPECT_TRUE(d >= 1 && d <= 1e7 && std::floor(d) == d) << typed << " -> " << shown;
      EXPECT_EQ(std::floor(n), n) << typed << " -> " << shown;
      EXPECT_LT(std::fabs(n / d - v), std::max(threshold, 1e-05) / d) << typed << " -> " << shown;
      EXPECT_EQ(run.state().Label7 == "A", std::fabs(n / d - v) > 1e-14) << typed;
      for (double k : {2.0, 3.0, 5.0, 7.0}) {
        EXPECT_FALSE(std::fmod(n, k) == 0 && std::fmod(d, k) == 0) << typed << " -> " << shown;
      }
      EXPECT_EQ(run.keys("+,0,="), typed);
    }
  }
  EXPECT_GT(found, 100);
}

// --- The whole-number test of the search against the text it stands for. ---

bool textHasNoPoint(double n) { return PaddedNumberText(n).find('.') == std::string::npos; }

void addAround(std::vector<double>& out, double x, int ulps) {
  double up = x;
  double down = x;
  out.push_back(x);
  for (int i = 0; i < ulps; ++i) {
    up = std::nextafter(up, std::numeric_limits<double>::infinity());
    down = std::nextafter(down, -std::numeric_limits<double>::infinity());
    out.push_back(up);
    out.push_back(down);
  }
}

std::vector<double> adversarialValues() {
  std::vector<double> out;
  std::mt19937_64 gen(7);
  // Whole numbers of every length, and points near them within a few 15th-digit units.
  for (int digits = 1; digits <= 18; ++digits) {
    for (int i = 0; i < 40; ++i) {
      const double lo = std::pow(10.0, digits - 1);
      const double k = std::floor(lo + std::uniform_real_distribution<double>(0, 9 * lo)(gen));
      addAround(out, k, 8);
      for (double c : {0.3, 0.45, 0.5, 0.55, 0.7, 1.0, 4.0, 5.0, 6.0, 10.0, 100.0}) {
        const double unit = std::pow(10.0, digits - 15);  // one unit of the 15th digit
        addAround(out, k + c * unit, 2);
        addAround(out, k - c * unit, 2);
        addAround(out, k * (1 + c * 1e-15), 2);
        addAround(out, k * (1 - c * 1e-15), 2);
      }
    }
  }
  // One significant digit at every power of ten, and values just off it.
  for (int e = -323; e <= 308; ++e) {
    for (int m = 1; m <= 9; ++m) {
      const double x = m * std::pow(10.0, e);
      if (!std::isfinite(x) || x == 0) continue;
      addAround(out, x, 4);
      for (double c : {3e-15, 4.9e-15, 5e-15, 5.1e-15, 6e-15, 1e-14, 1e-13, 1e-12}) {
        out.push_back(x * (1 + c));
        out.push_back(x * (1 - c));
      }
    }
  }
  // The edges of the plain and exponent forms and of the arithmetic regions.
  for (double x : {1e14,
                   1e15,
                   1e16,
                   0.99,
                   1.0,
                   1e-4,
                   1e-5,
                   1e-300,
                   99999999999999.95,
                   999999999999999.4,
                   999999999999999.5,
                   999999999999999.6,
                   9.99999999999999e-5,
                   9.999999999999995e-5,
                   9.9999999999999949e-5,
                   0.999999999999999,
                   0.9999999999999995,
                   std::numeric_limits<double>::max(),
                   std::numeric_limits<double>::min(),
                   std::numeric_limits<double>::denorm_min()}) {
    addAround(out, x, 64);
  }
  for (double x :
       {0.0, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
    out.push_back(x);
  }
  return out;
}

TEST(FractionWholeTest, AgreesWithTheTextOnAdversarialValues) {
  int whole = 0;
  int notWhole = 0;
  for (double x : adversarialValues()) {
    for (double v : {x, -x}) {
      const bool expected = textHasNoPoint(v);
      ASSERT_EQ(wholeAsShown(v), expected) << PaddedNumberText(v) << " " << std::hexfloat << v;
      ++(expected ? whole : notWhole);
    }
  }
  EXPECT_GT(whole, 10000);
  EXPECT_GT(notWhole, 10000);
}

TEST(FractionWholeTest, AgreesWithTheTextOnRandomBitPatterns) {
  std::mt19937_64 gen(99);
  for (int i = 0; i < 200000; ++i) {
    const double v = std::bit_cast<double>(gen());
    ASSERT_EQ(wholeAsShown(v), textHasNoPoint(v)) << std::hexfloat << v;
  }
}

// Every candidate the searches of the slow cases try, with and without radicals.
TEST(FractionWholeTest, AgreesWithTheTextOnSearchCandidates) {
  for (double x : {0.142857, 3.14159265358979, 0.949742434510743, 1.23456789012345e20,
                   779639979.659085, -6.66666666666667e-11}) {
    for (int d = 1; d <= 100000; ++d) {
      const double product = x * d;
      ASSERT_EQ(wholeAsShown(product), textHasNoPoint(product)) << x << " " << d;
      ASSERT_EQ(wholeAsShown(product * product), textHasNoPoint(product * product))
          << x << " " << d;
      const double coarse = x * (100.0 * d);
      ASSERT_EQ(wholeAsShown(coarse), textHasNoPoint(coarse)) << x << " " << d;
    }
  }
}

}  // namespace
}  // namespace zova
