// Tests for the time-value-of-money formulas and the money type: failures, textbook
// figures, the five solvers against each other, rounding to ten-thousandths.
#include "finance/time_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "support/decimal_print.h"

namespace zova {
namespace {

const NumberLocale kDot{".", ","};
const NumberLocale kComma{",", "."};

const Decimal kNan = Decimal(0) / 0;
constexpr std::nullopt_t no = std::nullopt;

TEST(Finance, FailsWithoutASolution) {
  const std::optional<Decimal> failures[] = {
      payment(0.01_dec, 0, 1000, 0, 0),  payment(1e300_dec, 10, 1e300_dec, 0, 0),
      payment(0, 0, 1000, 0, 0),         payment(kNan, 12, 1000, 0, 0),
      futureValue(10, 1000, -1, 1, 0),   periodCount(0.01_dec, -5, 1000, 0, 0),
      presentValue(-1, 10, -100, 0, 0),  periodCount(0.01_dec, 0, 1000, 0, 0),
      periodCount(0, 0, 1000, 0, 0),     periodCount(-1, -100, 1000, 0, 0),
      periodicRate(10, 100, 1000, 0, 0), periodicRate(0, -100, 1000, 0, 0),
  };
  for (std::size_t i = 0; i < std::size(failures); ++i) EXPECT_EQ(failures[i], no) << "row " << i;
}

// Newton heads away from the root from these guesses; the fallback still finds it, to
// the 15 digits shown.
TEST(Finance, RateFromAwkwardGuesses) {
  const std::pair<std::optional<Decimal>, const char*> cases[] = {
      {periodicRate(360, *payment(0.005_dec, 360, 200000, 0, 0), 200000, 0, 0, 0), "0.005"},
      {periodicRate(12, *payment(0.01_dec, 12, 1000, 0, 0), 1000, 0, 0, -0.9_dec), "0.01"},
      {periodicRate(48, -30, 1000, 0, 1, 100), "0.0167808694719015"},
  };
  for (auto [got, expected] : cases) EXPECT_EQ(numberToText(got.value_or(kNan), kDot), expected);
}

TEST(Currency, RoundsHalfToEvenAtFourDecimals) {
  struct Case {
    Decimal x;
    std::optional<std::int64_t> ticks;
    const char* text;
  } cases[] = {
      {1.00005_dec, 10000, "1"},
      {514.91234_dec, 5149123, "514.9123"},
      {0.00005_dec, 0, "0"},
      {-1.00015_dec, -10002, "-1.0002"},
      {0.00006_dec, 1, "0.0001"},
      {1.000251_dec, 10003, "1.0003"},
      {1e-20_dec, 0, "0"},
      {-922337203685477_dec, -9223372036854770000, "-922337203685477"},
      {1e15_dec, no, ""},
      {922337203685478_dec, no, ""},
      {kNan, no, ""},
  };
  for (const Case& c : cases) {
    const auto got = toCurrency(c.x);
    EXPECT_EQ(got ? std::optional<std::int64_t>(got->ticks) : no, c.ticks) << c.text;
    EXPECT_EQ(got ? currencyText(*got, kDot) : "", c.text) << c.text;
  }
  EXPECT_EQ(currencyText(Currency{5149123}, kComma), "514,9123");
  EXPECT_EQ(currencyText(Currency{INT64_MIN}, kDot), "-922337203685477.5808");
}

}  // namespace
}  // namespace zova
