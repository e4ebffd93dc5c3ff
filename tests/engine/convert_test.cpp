// Tests for the value conversions: number texts in both decimal conventions, display
// patterns, number bases and checked arithmetic.
#include "engine/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace zova {
namespace {

const NumberLocale kDot{".", ","};
const NumberLocale kComma{",", "."};
const NumberLocale kFrench{",", "\xC2\xA0"};  // no-break space groups thousands
const std::string kNbsp = "\xC2\xA0";

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr std::nullopt_t no = std::nullopt;

TEST(NumberToText, WritesFifteenSignificantDigits) {
  // clang-format off
  const std::pair<double, const char*> cases[] = {
      {1.5e-100,"1.5E-100"}, {1e-5,"1E-05"}, {2.0 / 3,"0.666666666666667"},
      {123456789012345.0,"123456789012345"}, {1e15,"1E+15"}, {-0.0,"0"}, {0.1 + 0.2,"0.3"},
      {kInf,"ERROR"}, {9999999999999995.0,"1E+16"}, {kNan,"ERROR"},
  };
  // clang-format on
  for (auto [x, text] : cases) EXPECT_EQ(numberToText(x, kDot), text) << x;
  EXPECT_EQ(numberToText(-1.5e20, kComma), "-1,5E+20");
  EXPECT_EQ(paddedNumberText(5) + paddedNumberText(-5), " 5-5");
}

TEST(NumberToText, ReadsBackAsTheValueRoundedToFifteenDigits) {
  std::uint64_t state = 12345;
  for (int i = 0; i < 1000; ++i) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const double mantissa = static_cast<double>(state >> 11) / 9007199254740992.0;  // [0,1)
    const double x = (i % 2 ? -1 : 1) * (1 + mantissa) * std::pow(10.0, (state >> 3) % 80 - 40.0);
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.14e", x);
    for (const NumberLocale& loc : {kDot, kComma}) {
      const std::string text = numberToText(x, loc);
      EXPECT_EQ(textToNumber(text, loc), std::strtod(rounded, nullptr)) << text;
      EXPECT_EQ(text.find(loc.group), std::string::npos) << text;
    }
  }
}

// parseNumber reads the longest numeric prefix ("." only); textToNumber wants the whole text.
TEST(TextToNumber, ReadsNumbersAndPrefixes) {
  // clang-format off
  struct Case {
    const char* text;
    double prefix;
    std::optional<double> whole;
  } cases[] = {
      {"", 0, no}, {" 42 ", 42, 42}, {"  -3.5D2x", -350, no}, {"\t+.5", 0.5, 0.5},
      {"1,234,567.5", 1, 1234567.5}, {" 3/ 4", 3, no}, {"1,234,5", 1, 12345},
      {" &hffff ", 65535, 65535}, {",5", 0, no}, {"&H80000000", INT32_MIN, INT32_MIN},
      {"&H100000000", 0, no}, {"- 5", 0, no}, {"1E999", 0, no}, {"&o37777777777", -1, -1},
      {"1E-999", 0, 0}, {"&O40000000000", 0, no}, {"&HFFx", 255, no}, {"-&H1", 0, no},
      {"&B0", 0, no},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(parseNumber(c.text), c.prefix) << '"' << c.text << '"';
    EXPECT_EQ(textToNumber(c.text, kDot), c.whole) << '"' << c.text << '"';
    EXPECT_EQ(isNumber(c.text, kDot), c.whole.has_value()) << '"' << c.text << '"';
  }
  const std::pair<const char*, std::optional<double>> comma[] = {
      {"1.500,25", 1500.25}, {",5", 0.5}, {"1,5E2", 150}, {"1,", 1}, {"1.", no}};
  for (auto [text, whole] : comma) EXPECT_EQ(textToNumber(text, kComma), whole) << text;
  EXPECT_EQ(textToNumber("1" + kNbsp + "234,5", kFrench), 1234.5);
  EXPECT_EQ(textToNumber("1.5", kFrench), no);
}

// The checked prefix read fails only where the prefix is a number beyond the double
// range; texts that hold no number, tiny numbers and radix texts read as parseNumber does.
TEST(ParseNumberInRange, FailsOnlyForNumbersTooLargeForADouble) {
  const std::string nines309(309, '9');
  // clang-format off
  const std::pair<std::string, std::optional<double>> cases[] = {
      {"-1E999x", no}, {"1.5E309", no}, {nines309, no},
      {nines309.substr(1), std::stod(nines309.substr(1))},
      {"1.7976931348623157E308", std::numeric_limits<double>::max()}, {"1E-999", 0}, {"ERROR", 0},
      {"5E", 5}, {"&H100000000", 0},
  };
  // clang-format on
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(parseNumberInRange(text), value) << text.substr(0, 30);
    EXPECT_EQ(parseNumber(text), value.value_or(0)) << text.substr(0, 30);
  }
}

// Numbers lose the white space around them and their grouping; every other text is left
// to the caller (nullopt).
TEST(UngroupedNumberText, DropsTheLocalesGroupingAndTheWhiteSpaceAround) {
  // clang-format off
  struct Case {
    std::string text;
    NumberLocale loc;
    std::optional<std::string> plain;
  } const cases[] = {
      {" 1,234.5\n", kDot,"1234.5"}, {"-12,345,678E-3", kDot,"-12345678E-3"},
      {"+1,000", kDot,"1000"}, {"1"+ kNbsp +"234,5", kFrench,"1234,5"}, {"1,2345", kDot, no},
      {"-.5", kComma, no}, {"-,5 ", kComma,"-,5"}, {" \n", kDot, no}, {"4 2", kDot, no},
      {"42-", kDot, no}, {",123", kDot, no}, {"1,234.5", kComma, no}, {"&H1,000", kDot, no},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(ungroupedNumberText(c.text, c.loc), c.plain) << c.text;
  std::string grouped = "1";
  for (int i = 0; i < 200; ++i) grouped += ",999";
  EXPECT_EQ(ungroupedNumberText(grouped, kDot), "1" + std::string(600, '9'));
}

TEST(FormatNumber, AppliesPatternsRoundingHalfAwayFromZero) {
  const std::string fifteen = "0." + std::string(15, '0');
  // clang-format off
  struct Case {
    double x;
    std::string pattern;
    const char* expected;
  } cases[] = {
      {1e20,"0","100000000000000000000"}, {1.005,"0.00","1.01"}, {0.000123,"0.00E+000","1.23E-004"},
      {-0.4,"0","0"}, {12345,"0E+000","1E+004"}, {0,"0.00E+000","0.00E+000"},
      {2.0 / 3, fifteen,"0.666666666666667"}, {-9.995,"0.00E+000","-1.00E+001"},
      {999.999,"##,0.00","1,000.00"}, {12.345678,"##,0.00%","1,234.57%"},
      {-0.0000001,"##0.0000%","0.0000%"}, {kInf,"0.00","ERROR"},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(formatNumber(c.x, c.pattern, kDot), c.expected) << c.x << " with " << c.pattern;
  }
  EXPECT_EQ(formatNumber(12345, "0.00E+000", kComma), "1,23E+004");
  EXPECT_EQ(formatNumber(1234567.891, "##,0.00", kFrench), "1" + kNbsp + "234" + kNbsp + "567,89");
  // A text that is not a number in the locale comes back unchanged.
  EXPECT_EQ(formatNumber("1.5", "0.00", kFrench), "1.5");
  EXPECT_EQ(formatNumber("1,5", "0.00", kComma), "1,50");
}

TEST(HexOctText, WritesTheSigned32BitRangeRoundedToEven) {
  // clang-format off
  struct Case {
    double x;
    std::optional<std::string> hex, oct;
  } cases[] = {{-2147483648.5, "80000000", "20000000000"}, {254.5, "FE", "376"},
               {255.5, "100", "400"}, {kNan, no, no}, {2147483647.5, no, no},
               {-2147483648.6, no, no}};
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(hexText(c.x), c.hex) << c.x;
    EXPECT_EQ(octalText(c.x), c.oct) << c.x;
  }
  // 85 steps from the lowest to the highest 32-bit number: both texts read back.
  for (std::int64_t n = INT32_MIN; n <= INT32_MAX; n += 4294967295 / 85) {
    EXPECT_EQ(parseNumber("&H" + hexText(double(n)).value_or("")), double(n)) << n;
    EXPECT_EQ(textToNumber("&o" + octalText(double(n)).value_or(""), kComma), double(n)) << n;
  }
}

TEST(Rounding, NearestWithTiesToEven) {
  struct Case {
    double x;
    std::optional<std::int32_t> asLong;
    std::optional<std::int16_t> asInteger;
  } cases[] = {{2.5, 2, 2},    {0.49999999999999994, 0, 0},   {3.5, 4, 4},  {32767.5, 32768, no},
               {-2.5, -2, -2}, {-32768.5, -32768, -32768},    {-0.5, 0, 0}, {2147483647.5, no, no},
               {1e10, no, no}, {-2147483648.5, INT32_MIN, no}};
  for (const Case& c : cases) {
    EXPECT_EQ(roundToLong(c.x), c.asLong) << c.x;
    EXPECT_EQ(roundToInteger(c.x), c.asInteger) << c.x;
  }
  EXPECT_TRUE(!roundToLong(kNan) && !roundToInteger(kInf));
}

TEST(CheckedArithmetic, FailsOnUndefinedAndOverflowingResults) {
  // clang-format off
  const std::optional<double> failures[] = {
      finiteOrNone(kNan), checkedDivide(1e308, 1e-10), checkedDivide(1, 0),
      checkedPower(-8, 1.0 / 3), checkedPower(0, -1), checkedPower(10, 400), checkedLog(0),
      checkedSqrt(-1), checkedExp(710),
  };
  // clang-format on
  for (std::size_t i = 0; i < std::size(failures); ++i) EXPECT_EQ(failures[i], no) << "row " << i;
  EXPECT_EQ(checkedPower(-8, 3), -512);
  EXPECT_EQ(checkedPower(0, 0), 1);
  EXPECT_EQ(checkedLog(1), 0);
  EXPECT_EQ(checkedSqrt(0), 0);
  EXPECT_EQ(checkedExp(-1000), 0);
  EXPECT_DOUBLE_EQ(checkedExp(709).value_or(0), 8.218407461554972e307);
}

}  // namespace
}  // namespace zova
