// The final form of "=" results in the three formats and in a decimal-comma
// locale.
#include <gtest/gtest.h>

#include <tuple>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::KeyRunner;

enum Form { Plain, Fix, Sci };

// Places past 15 count as 15; a fixed form longer than the display holds shows as the
// standard format does.
TEST(Format, ResultsInEachFormatAndLocale) {
  // clang-format off
  const std::tuple<Form, int, const char*, const char*> cases[] = {
      {Plain, 2, "5,.,=", "5"}, {Sci, 0, "12345,=", "1E+004"}, {Plain, 2, "2,EXP,=", "2"},
      {Plain, 2, "1,EXP,3,=", "1000"}, {Fix, 2, "1,÷,3,=", "0.33"},
      {Sci, 3, "2,÷,3,=", "6.667E-001"}, {Fix, 0, "1234.5,=", "1235"},
      {Fix, 2, "1234567,=", "1234567.00"}, {Fix, 2, "1,÷,0,=", "ERROR"},
      {Fix, 40, "1,÷,3,=", "0.333333333333333"}, {Plain, 2, "Base,X!,=", "F"},
      {Plain, 2, "1,÷,3,=", "0.333333333333333"}, {Fix, 15, "1,EXP,300,=", "1E+300"},
      {Fix, 15, "12345678.9,=", "12345678.900000000000000"}, {Fix, 15, "123456789,=", "123456789"},
      {Fix, 2, "1,EXP,22,±,=", "-1E+22"}, {Fix, 2, "1,÷,3,=,1/x", "3"},  // of the full result
  };
  // clang-format on
  for (auto [form, places, keys, shown] : cases) {
    KeyRunner run;
    run.state().format = form == Fix   ? NumberFormat::kFix
                         : form == Sci ? NumberFormat::kScientific
                                       : NumberFormat::kStandard;
    run.state().decimalPlaces = places;
    EXPECT_EQ(run.keys(keys), shown) << keys;
  }
  KeyRunner fix;  // a fixed result continues as shown, a new entry as typed
  fix.state().format = NumberFormat::kFix;
  EXPECT_EQ(fix.keys("1,÷,3,=,X,3,="), "1.00");
  EXPECT_EQ(fix.keys("1,÷,3,=,1,X,3,="), "3.00");
  // In a decimal-comma locale.
  const testing::Case comma[] = {{"1,.,5,√", "1,22474487139159"}, {"1,.,5,+,1,=", "2,5"}};
  testing::expectDisplays(comma, NumberLocale{",", "."});
}

}  // namespace
}  // namespace zova
