// Tests for the time-value-of-money formulas and the money type: failures, textbook
// figures, the five solvers against each other, rounding to ten-thousandths.
#include "finance/time_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace zova {
namespace {

const NumberLocale kDot{".", ","};
const NumberLocale kComma{",", "."};

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr std::nullopt_t no = std::nullopt;

TEST(Finance, FailsWithoutASolution) {
  const std::optional<double> failures[] = {
      payment(0.01, 0, 1000, 0, 0),      payment(1e300, 10, 1e300, 0, 0),
      payment(0, 0, 1000, 0, 0),         payment(kNan, 12, 1000, 0, 0),
      futureValue(10, 1000, -1, 1, 0),   periodCount(0.01, -5, 1000, 0, 0),
      presentValue(-1, 10, -100, 0, 0),  periodCount(0.01, 0, 1000, 0, 0),
      periodCount(0, 0, 1000, 0, 0),     periodCount(-1, -100, 1000, 0, 0),
      periodicRate(10, 100, 1000, 0, 0), periodicRate(0, -100, 1000, 0, 0),
  };
  for (std::size_t i = 0; i < std::size(failures); ++i) EXPECT_EQ(failures[i], no) << "row " << i;
}

// Newton heads away from the root from these guesses; the fallback still finds it.
TEST(Finance, RateFromAwkwardGuesses) {
  const std::pair<std::optional<double>, double> cases[] = {
      {periodicRate(360, -1199.1010503055138, 200000, 0, 0, 0), 0.005},
      {periodicRate(12, -88.8487886783417, 1000, 0, 0, -0.9), 0.01},
      {periodicRate(48, -30, 1000, 0, 1, 100), 0.016780869471901574},
  };
  for (auto [got, expected] : cases) EXPECT_NEAR(got.value_or(kNan), expected, 1e-9);
}

TEST(Finance, SolversAgreeWithEachOther) {
  struct Case {
    double rate, nper, pv, fv, type;
  } cases[] = {{0.01, 12, 1000, 0, 1},     {0.005, 360, 200000, -50000, 0}, {0, 10, 1000, 0, 0},
               {-0.02, 10, 1000, -500, 0}, {0.03, 2.5, 1000, 0, 0},         {1e-9, 24, 1200, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rate);
    const auto pmt = payment(c.rate, c.nper, c.pv, c.fv, c.type);
    ASSERT_TRUE(pmt.has_value());
    const double scale = std::abs(c.pv) + std::abs(c.fv);
    EXPECT_NEAR(presentValue(c.rate, c.nper, *pmt, c.fv, c.type).value_or(kNan), c.pv,
                1e-9 * scale);
    EXPECT_NEAR(futureValue(c.rate, c.nper, *pmt, c.pv, c.type).value_or(kNan), c.fv, 1e-9 * scale);
    EXPECT_NEAR(periodCount(c.rate, *pmt, c.pv, c.fv, c.type).value_or(kNan), c.nper, 1e-6);
    EXPECT_NEAR(periodicRate(c.nper, *pmt, c.pv, c.fv, c.type).value_or(kNan), c.rate, 1e-8);
  }
}

TEST(Currency, RoundsHalfToEvenAtFourDecimals) {
  struct Case {
    double x;
    std::optional<std::int64_t> ticks;
    const char* text;
  } cases[] = {
      {1.00005, 10000, "1"},  {514.91234, 5149123, "514.9123"},
      {0.00005, 0, "0"},      {-1.00015, -10002, "-1.0002"},
      {0.00006, 1, "0.0001"}, {1.000251, 10003, "1.0003"},
      {1e-20, 0, "0"},        {-922337203685477.0, -9223372036854770000, "-922337203685477"},
      {1e15, no, ""},         {922337203685478.0, no, ""},
      {kNan, no, ""},
  };
  for (const Case& c : cases) {
    const auto got = toCurrency(c.x);
    EXPECT_EQ(got ? std::optional<std::int64_t>(got->ticks) : no, c.ticks) << c.x;
    EXPECT_EQ(got ? currencyText(*got, kDot) : "", c.text) << c.x;
  }
  EXPECT_EQ(currencyText(Currency{5149123}, kComma), "514,9123");
  EXPECT_EQ(currencyText(Currency{INT64_MIN}, kDot), "-922337203685477.5808");
}

}  // namespace
}  // namespace zova
