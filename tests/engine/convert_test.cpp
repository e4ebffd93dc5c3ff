// Tests for the value conversions: number texts in both decimal conventions, display
// patterns, number bases and checked arithmetic.
#include "engine/convert.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "support/decimal_print.h"

namespace zova {
namespace {

const NumberLocale kDot{".", ","};
const NumberLocale kComma{",", "."};
const NumberLocale kFrench{",", "\xC2\xA0"};  // no-break space groups thousands
const std::string kNbsp = "\xC2\xA0";

const Decimal kInf = Decimal(1) / 0;
const Decimal kNan = Decimal(0) / 0;
constexpr std::nullopt_t no = std::nullopt;

TEST(NumberToText, WritesFifteenSignificantDigits) {
  // clang-format off
  const std::pair<Decimal, const char*> cases[] = {
      {1.5e-100_dec,"1.5E-100"}, {1e-5_dec,"1E-05"}, {Decimal(2) / 3,"0.666666666666667"},
      {123456789012345_dec,"123456789012345"}, {1e15_dec,"1E+15"}, {-0_dec,"0"},
      {0.1_dec + 0.2_dec,"0.3"}, {kInf,"ERROR"}, {9999999999999995_dec,"1E+16"}, {kNan,"ERROR"},
      {1e-320_dec,"1E-320"}, {1e-1000_dec,"0"}, {1.7976931348623157e308_dec,"1.79769313486232E+308"},
      {1.7976931348623158e308_dec,"ERROR"}, {0.0000000000000015_dec,"1.5E-15"},
      {2.5e-15_dec + 0.000000000000000000000000000000001_dec,"2.5E-15"},
      {12.3456789012345_dec * 10,"123.456789012345"}, {-0.1234567890123445_dec,"-0.123456789012345"},
  };
  // clang-format on
  for (auto [x, text] : cases) EXPECT_EQ(numberToText(x, kDot), text) << text;
  EXPECT_EQ(numberToText(-1.5e20_dec, kComma), "-1,5E+20");
  EXPECT_EQ(numberToText(0.1234567890123456789_dec, kDot, DecimalDigits::kAll),
            "0.1234567890123456789");
  EXPECT_EQ(paddedNumberText(5) + paddedNumberText(-5), " 5-5");
}

// parseNumber reads the longest numeric prefix ("." only); textToNumber wants the whole text.
TEST(TextToNumber, ReadsNumbersAndPrefixes) {
  // clang-format off
  struct Case {
    const char* text;
    Decimal prefix;
    std::optional<Decimal> whole;
  } cases[] = {
      {"", 0, no}, {" 42 ", 42, 42}, {"  -3.5D2x", -350, no}, {"\t+.5", 0.5_dec, 0.5_dec},
      {"1,234,567.5", 1, 1234567.5_dec}, {" 3/ 4", 3, no}, {"1,234,5", 1, 12345},
      {" &hffff ", 65535, 65535}, {",5", 0, no}, {"&H80000000", INT32_MIN, INT32_MIN},
      {"&H100000000", 0, no}, {"- 5", 0, no}, {"1E999", 0, no}, {"&o37777777777", -1, -1},
      {"1E-1000", 0, 0}, {"&O40000000000", 0, no}, {"&HFFx", 255, no}, {"-&H1", 0, no},
      {"&B0", 0, no},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(parseNumber(c.text), c.prefix) << '"' << c.text << '"';
    EXPECT_EQ(textToNumber(c.text, kDot), c.whole) << '"' << c.text << '"';
    EXPECT_EQ(isNumber(c.text, kDot), c.whole.has_value()) << '"' << c.text << '"';
  }
  const std::pair<const char*, std::optional<Decimal>> comma[] = {
      {"1.500,25", 1500.25_dec}, {",5", 0.5_dec}, {"1,5E2", 150}, {"1,", 1}, {"1.", no}};
  for (auto [text, whole] : comma) EXPECT_EQ(textToNumber(text, kComma), whole) << text;
  EXPECT_EQ(textToNumber("1" + kNbsp + "234,5", kFrench), 1234.5_dec);
  EXPECT_EQ(textToNumber("1.5", kFrench), no);
}

// The checked prefix read fails only where the prefix is a number beyond the range;
// texts that hold no number, tiny numbers and radix texts read as parseNumber does.
TEST(ParseNumberInRange, FailsOnlyForNumbersBeyondTheRange) {
  const std::string nines309(309, '9');
  // clang-format off
  const std::pair<std::string, std::optional<Decimal>> cases[] = {
      {"-1E999x", no}, {"1.5E309", no}, {nines309, no}, {nines309.substr(1), 1e308_dec},
      {"1.7976931348623157E308", 1.7976931348623157e308_dec}, {"1E-1000", 0}, {"ERROR", 0},
      {"5E", 5}, {"&H100000000", 0}, {"1E-999", 1e-999_dec}, {"12.345678901234567890123", 12.345678901234567890123_dec},
  };
  // clang-format on
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(parseNumberInRange(text), value) << text.substr(0, 30);
    EXPECT_EQ(parseNumber(text), value.value_or(Decimal())) << text.substr(0, 30);
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
    Decimal x;
    std::string pattern;
    const char* expected;
  } cases[] = {
      {1e20_dec,"0","100000000000000000000"}, {1.005_dec,"0.00","1.01"},
      {0.000123_dec,"0.00E+000","1.23E-004"}, {-0.4_dec,"0","0"}, {12345,"0E+000","1E+004"},
      {0,"0.00E+000","0.00E+000"}, {Decimal(2) / 3, fifteen,"0.666666666666667"},
      {-9.995_dec,"0.00E+000","-1.00E+001"}, {999.999_dec,"##,0.00","1,000.00"},
      {12.345678_dec,"##,0.00%","1,234.57%"}, {-0.0000001_dec,"##0.0000%","0.0000%"},
      {kInf,"0.00","ERROR"}, {-0.000987654321098765_dec,"0.0000000000000E+000","-9.8765432109877E-004"},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(formatNumber(c.x, c.pattern, kDot), c.expected)
        << c.expected << " with " << c.pattern;
  }
  EXPECT_EQ(formatNumber(12345, "0.00E+000", kComma), "1,23E+004");
  EXPECT_EQ(formatNumber(1234567.891_dec, "##,0.00", kFrench),
            "1" + kNbsp + "234" + kNbsp + "567,89");
  // A text that is not a number in the locale comes back unchanged.
  EXPECT_EQ(formatNumber("1.5", "0.00", kFrench), "1.5");
  EXPECT_EQ(formatNumber("1,5", "0.00", kComma), "1,50");
}

TEST(HexOctText, WritesTheSigned32BitRangeRoundedToEven) {
  // clang-format off
  struct Case {
    Decimal x;
    std::optional<std::string> hex, oct;
  } cases[] = {{-2147483648.5_dec, "80000000", "20000000000"}, {254.5_dec, "FE", "376"},
               {255.5_dec, "100", "400"}, {kNan, no, no}, {2147483647.5_dec, no, no},
               {-2147483648.6_dec, no, no}};
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(hexText(c.x), c.hex) << c.hex.value_or("none");
    EXPECT_EQ(octalText(c.x), c.oct) << c.hex.value_or("none");
  }
  // 85 steps from the lowest to the highest 32-bit number: both texts read back.
  for (std::int64_t n = INT32_MIN; n <= INT32_MAX; n += 4294967295 / 85) {
    EXPECT_EQ(parseNumber("&H" + hexText(Decimal(n)).value_or("")), Decimal(n)) << n;
    EXPECT_EQ(textToNumber("&o" + octalText(Decimal(n)).value_or(""), kComma), Decimal(n)) << n;
  }
}

TEST(Rounding, NearestWithTiesToEven) {
  struct Case {
    Decimal x;
    std::optional<std::int32_t> asLong;
    std::optional<std::int16_t> asInteger;
  };
  // clang-format off
  const Case cases[] = {
      {2.5_dec, 2, 2},   {0.49999999999999994_dec, 0, 0},   {3.5_dec, 4, 4},
      {-2.5_dec, -2, -2}, {-32768.5_dec, -32768, -32768}, {-0.5_dec, 0, 0},
      {32767.5_dec, 32768, no}, {32767.4_dec, 32767, 32767}, {2147483647.5_dec, no, no},
      {1e10_dec, no, no}, {-2147483648.5_dec, INT32_MIN, no}};
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(roundToLong(c.x), c.asLong) << c.asLong.value_or(0);
    EXPECT_EQ(roundToInteger(c.x), c.asInteger) << c.asLong.value_or(0);
  }
  EXPECT_TRUE(!roundToLong(kNan) && !roundToInteger(kInf));
}

TEST(CheckedArithmetic, FailsOnUndefinedAndOverflowingResults) {
  // clang-format off
  const std::optional<Decimal> failures[] = {
      finiteOrNone(kNan), checkedDivide(1e308_dec, 1e-10_dec), checkedDivide(1, 0),
      checkedPower(-8, Decimal(1) / 3), checkedPower(0, -1), checkedPower(10, 400), checkedLog(0),
      checkedSqrt(-1), checkedExp(710), checkedPower(2, 1024),
  };
  // clang-format on
  for (std::size_t i = 0; i < std::size(failures); ++i) EXPECT_EQ(failures[i], no) << "row " << i;
  EXPECT_EQ(checkedPower(-8, 3), -512);
  EXPECT_EQ(checkedPower(0, 0), 1);
  EXPECT_EQ(checkedLog(1), 0);
  EXPECT_EQ(checkedSqrt(0), 0);
  EXPECT_EQ(checkedExp(-3000), 0);
  EXPECT_EQ(numberToText(checkedExp(709).value_or(0), kDot), "8.21840746155497E+307");
}

}  // namespace
}  // namespace zova
