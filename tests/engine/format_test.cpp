// The final form of "=" results in the three formats and in a decimal-comma
// locale.
#include <gtest/gtest.h>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::KeyRunner;

enum class Format { Standard, Fix, Sci };

struct Case {
  Format format;
  int places;
  const char* keys;
  const char* shown;
};

TEST(Format, ResultsInEachFormat) {
  const Case cases[] = {
      {Format::Standard, 2, "1,÷,3,=", "0.333333333333333"},
      {Format::Fix, 2, "1,÷,3,=", "0.33"},
      {Format::Fix, 2, "2.375,=", "2.38"},
      {Format::Fix, 0, "1234.5,=", "1235"},
      {Format::Fix, 2, "1,÷,0,=", "ERROR"},
      {Format::Fix, 2, "1234567,=", "1234567.00"},
      {Format::Fix, 40, "1,÷,3,=", "0.333333333333333"},  // places past 15 count as 15
      {Format::Sci, 3, "2,÷,3,=", "6.667E-001"},
      {Format::Sci, 2, "12345,=", "1.23E+004"},
      {Format::Sci, 2, "0.000123,=", "1.23E-004"},
      {Format::Sci, 0, "12345,=", "1E+004"},
      {Format::Standard, 2, "5,.,=", "5"},
      {Format::Standard, 2, "1,EXP,3,=", "1000"},
      {Format::Standard, 2, "2,EXP,=", "2"},
      {Format::Standard, 2, "Base,X!,=", "F"},
  };
  for (const Case& c : cases) {
    KeyRunner run;
    run.state().OptionFix = c.format == Format::Fix;
    run.state().OptionSci = c.format == Format::Sci;
    run.state().zeroes = c.places;
    EXPECT_EQ(run.keys(c.keys), c.shown) << c.keys;
  }
}

TEST(Format, FixedResultContinuesAsShown) {
  KeyRunner run;
  run.state().OptionFix = true;
  EXPECT_EQ(run.keys("1,÷,3,=,X,3,="), "1.00");
  EXPECT_EQ(run.keys("1,÷,3,=,1,X,3,="), "3.00");
}

TEST(Format, DecimalCommaLocale) {
  const NumberLocale german{",", "."};
  struct LocaleCase {
    const char* keys;
    const char* shown;
  };
  const LocaleCase cases[] = {
      {"1,÷,4,=", "0,25"},
      {"1,.,5,+,1,=", "2,5"},
      {"1,.,5,X,2,=", "3"},
      {"2,x^y,.,5,=", "1,4142135623731"},
      {"1,.,5,±", "-1,5"},
      {"1,.,5,√", "1,22474487139159"},
      {"pi,X,2,=", "6,28318530717958"},
  };
  for (const LocaleCase& c : cases) {
    KeyRunner run(german);
    EXPECT_EQ(run.keys(c.keys), c.shown) << c.keys;
  }
}

}  // namespace
}  // namespace zova
