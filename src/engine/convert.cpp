// Text <-> number conversions, display formatting patterns, number bases and checked
// arithmetic. Decimal work goes through the value's 15-significant-digit form so
// that what is shown is what gets rounded.
#include "engine/convert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace zova {

namespace {

constexpr int kSignificant = DecimalDigits::kSignificant;
constexpr double kTwoTo31 = 2147483648.0;
constexpr double kTwoTo32 = 4294967296.0;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsWith(std::string_view text, std::size_t pos, std::string_view what) {
  return !what.empty() && text.substr(pos, what.size()) == what;
}

// Keeps `keep` significant digits, rounding half away from zero.
void roundDigits(DecimalDigits& d, int keep) {
  if (keep >= d.count) return;
  if (keep < 0) {
    d.count = 0;
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.count = keep;
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') --i;
    if (i < 0) {  // all nines (or nothing kept): becomes 1 at the next power of ten
      d.digits[0] = '1';
      d.count = 1;
      ++d.exp;
      return;
    }
    ++d.digits[i];
    d.count = i + 1;
  }
  while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
}

void appendExponent(std::string& out, int exp, int minDigits, bool plusSign) {
  if (exp < 0) {
    out += '-';
  } else if (plusSign) {
    out += '+';
  }
  char buf[12];
  const auto res = std::to_chars(buf, buf + sizeof buf, exp < 0 ? -exp : exp);
  for (int n = static_cast<int>(res.ptr - buf); n < minDigits; ++n) out += '0';
  out.append(buf, res.ptr);
}

// The numeric patterns formatNumber understands: [int part of '#', '0', ','] ['.' zeros]
// ['E+'|'E-' zeros] ['%'].
struct Pattern {
  int minInt = 0;
  int decimals = 0;
  bool grouping = false;
  bool scientific = false;
  bool expPlus = false;
  int expDigits = 0;
  bool percent = false;
};

std::optional<Pattern> parsePattern(std::string_view p) {
  Pattern pat;
  std::size_t i = 0;
  for (; i < p.size() && (p[i] == '#' || p[i] == '0' || p[i] == ','); ++i) {
    if (p[i] == '0') ++pat.minInt;
    if (p[i] == ',') pat.grouping = true;
  }
  if (i < p.size() && p[i] == '.') {
    for (++i; i < p.size() && p[i] == '0'; ++i) ++pat.decimals;
  }
  if (i + 1 < p.size() && (p[i] == 'E' || p[i] == 'e') && (p[i + 1] == '+' || p[i + 1] == '-')) {
    pat.scientific = true;
    pat.expPlus = p[i + 1] == '+';
    for (i += 2; i < p.size() && p[i] == '0'; ++i) ++pat.expDigits;
    if (pat.expDigits == 0) return std::nullopt;
  }
  if (i < p.size() && p[i] == '%') {
    pat.percent = true;
    ++i;
  }
  if (i != p.size()) return std::nullopt;
  return pat;
}

std::string formatFixed(DecimalDigits d, const Pattern& pat, const NumberLocale& loc) {
  roundDigits(d, d.exp + 1 + pat.decimals);
  std::string out;
  if (d.negative && d.count > 0) out += '-';
  // Whole part digits, most significant first.
  std::string whole;
  for (int i = 0; i <= d.exp; ++i) whole += d.at(i);
  if (d.count == 0 || d.exp < 0) whole.clear();
  if (static_cast<int>(whole.size()) < pat.minInt) {
    whole.insert(0, pat.minInt - whole.size(), '0');
  }
  const int n = static_cast<int>(whole.size());
  for (int i = 0; i < n; ++i) {
    if (pat.grouping && i > 0 && (n - i) % 3 == 0) out += loc.group;
    out += whole[i];
  }
  if (pat.decimals > 0) {
    out += loc.decimal;
    for (int i = 0; i < pat.decimals; ++i) out += d.count == 0 ? '0' : d.at(d.exp + 1 + i);
  }
  return out;
}

std::string formatScientific(DecimalDigits d, const Pattern& pat, const NumberLocale& loc) {
  roundDigits(d, 1 + pat.decimals);
  std::string out;
  if (d.negative && d.count > 0) out += '-';
  out += d.at(0);
  if (pat.decimals > 0) {
    out += loc.decimal;
    for (int i = 1; i <= pat.decimals; ++i) out += d.at(i);
  }
  out += 'E';
  appendExponent(out, d.count == 0 ? 0 : d.exp, pat.expDigits, pat.expPlus);
  return out;
}

// Reads a whole number of at most 32 bits in base 16 or 8 from the start of `digits`;
// sets `used` to the number of digit characters read. Values >= 2^31 become negative.
std::optional<double> readRadix(std::string_view digits, int base, std::size_t& used) {
  double value = 0;
  used = 0;
  for (char c : digits) {
    int v;
    if (isDigit(c)) {
      v = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      v = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      v = c - 'A' + 10;
    } else {
      break;
    }
    if (v >= base) break;
    // Exact in a double: the value stays below 2^32 * 16 before the check fails.
    if (value < kTwoTo32) value = value * base + v;
    ++used;
  }
  if (used == 0 || value >= kTwoTo32) return std::nullopt;
  return value >= kTwoTo31 ? value - kTwoTo32 : value;
}

// "&H..." / "&O..." at `pos`: the base, and where the digits start; 0 when not a prefix.
int radixPrefix(std::string_view text, std::size_t pos) {
  if (pos + 1 >= text.size() || text[pos] != '&') return 0;
  const char c = text[pos + 1];
  if (c == 'H' || c == 'h') return 16;
  if (c == 'O' || c == 'o') return 8;
  return 0;
}

// A decimal number scanned from text: the characters consumed (0: none) and the same
// number in a form std::from_chars reads.
struct Scanned {
  std::size_t end = 0;
  std::string plain;
  int leadExp = 0;  // rough decimal exponent of the first non-zero digit
};

// Scans [sign] digits [decimal digits] [E|D [sign] digits] from pos. `group`, when not
// empty, may stand between two digits of the whole part and is dropped.
Scanned scanDecimal(std::string_view text, std::size_t pos, std::string_view decimal,
                    std::string_view group) {
  Scanned s;
  std::size_t i = pos;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') s.plain += '-';
    ++i;
  }
  int mantissaDigits = 0;
  int wholeDigits = 0;   // significant digits before the decimal symbol
  int leadingZeros = 0;  // zeros after the decimal symbol before the first non-zero digit
  bool seenNonZero = false;
  while (i < text.size()) {
    if (isDigit(text[i])) {
      if (text[i] != '0') seenNonZero = true;
      if (seenNonZero) ++wholeDigits;
      s.plain += text[i++];
      ++mantissaDigits;
    } else if (mantissaDigits > 0 && startsWith(text, i, group) && decimal != group &&
               i + group.size() < text.size() && isDigit(text[i + group.size()])) {
      i += group.size();
    } else {
      break;
    }
  }
  if (startsWith(text, i, decimal)) {
    std::size_t j = i + decimal.size();
    int fractionDigits = 0;
    s.plain += '.';
    for (; j < text.size() && isDigit(text[j]); ++j) {
      if (!seenNonZero) {
        if (text[j] == '0') {
          ++leadingZeros;
        } else {
          seenNonZero = true;
        }
      }
      s.plain += text[j];
      ++fractionDigits;
    }
    if (mantissaDigits + fractionDigits > 0) {
      i = j;
      mantissaDigits += fractionDigits;
    } else {
      s.plain.pop_back();
    }
  }
  if (mantissaDigits == 0) return Scanned{};
  s.end = i;
  long exp = 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    std::size_t j = i + 1;
    bool negative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
    const std::size_t firstDigit = j;
    for (; j < text.size() && isDigit(text[j]); ++j) {
      if (exp < 100000) exp = exp * 10 + (text[j] - '0');
    }
    if (j > firstDigit) {
      s.end = j;
      if (negative) exp = -exp;
      s.plain += 'e';
      s.plain += std::to_string(exp);
    }
  }
  s.leadExp = static_cast<int>(exp) + (wholeDigits > 0 ? wholeDigits - 1 : -leadingZeros - 1);
  return s;
}

// The value of a scanned number; nullopt when it is too large for a double. Values too
// small for a double read as zero.
std::optional<double> valueOf(const Scanned& s) {
  const char* first = s.plain.data();
  const char* last = first + s.plain.size();
  const bool negative = *first == '-';
  if (negative) ++first;
  double value = 0;
  const auto res = std::from_chars(first, last, value, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    if (s.leadExp > 0) return std::nullopt;
    value = 0;
  } else if (res.ec != std::errc() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

double roundHalfEven(double x) {
  const double f = std::floor(x);
  const double diff = x - f;
  if (diff > 0.5) return f + 1;
  if (diff < 0.5) return f;
  return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

std::optional<std::string> radixText(double x, int base) {
  const auto n = roundToLong(x);
  if (!n) return std::nullopt;
  char buf[16];
  const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<std::uint32_t>(*n), base);
  std::string out(buf, res.ptr);
  for (char& c : out) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace

DecimalDigits toDecimalDigits(double x) {
  DecimalDigits d;
  if (x == 0) return d;
  char buf[40];
  // std::to_chars is exact and ignores the C locale (which the toolkit may change).
  const auto res =
      std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, kSignificant - 1);
  const char* p = buf;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; p < res.ptr && *p != 'e'; ++p) {
    if (isDigit(*p)) d.digits[d.count++] = *p;
  }
  ++p;  // 'e'
  const bool expNegative = *p == '-';
  ++p;  // sign
  int e = 0;
  for (; p < res.ptr; ++p) e = e * 10 + (*p - '0');
  d.exp = expNegative ? -e : e;
  while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
  return d;
}

char DecimalDigits::at(int index) const {
  return index >= 0 && index < count ? digits[index] : '0';
}

std::optional<double> parseNumberInRange(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  if (const int base = radixPrefix(text, pos)) {
    // Too many digits for 32 bits is the radix reading's own rule (0), not an overflow.
    std::size_t used = 0;
    return readRadix(text.substr(pos + 2), base, used).value_or(0.0);
  }
  const Scanned s = scanDecimal(text, pos, ".", "");
  if (s.end == 0) return 0.0;
  return valueOf(s);
}

double parseNumber(std::string_view text) { return parseNumberInRange(text).value_or(0.0); }

std::optional<double> textToNumber(std::string_view text, const NumberLocale& loc) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  text = text.substr(first, last - first);
  if (text.empty()) return std::nullopt;
  if (const int base = radixPrefix(text, 0)) {
    std::size_t used = 0;
    const auto value = readRadix(text.substr(2), base, used);
    if (!value || used + 2 != text.size()) return std::nullopt;
    return value;
  }
  const Scanned s = scanDecimal(text, 0, loc.decimal, loc.group);
  if (s.end == 0 || s.end != text.size()) return std::nullopt;
  return valueOf(s);
}

bool isNumber(std::string_view text, const NumberLocale& loc) {
  return textToNumber(text, loc).has_value();
}

std::optional<std::string> ungroupedNumberText(std::string_view text, const NumberLocale& loc) {
  auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isSpace(text[first])) ++first;
  while (last > first && isSpace(text[last - 1])) --last;
  text = text.substr(first, last - first);
  // A locale whose grouping symbol is missing or is its decimal symbol writes no groups.
  const std::string_view group = loc.group == loc.decimal ? std::string_view{} : loc.group;
  const Scanned s = scanDecimal(text, 0, loc.decimal, group);
  if (s.end == 0 || s.end != text.size()) return std::nullopt;
  // scanDecimal takes a grouping symbol between any two whole digits; a number written
  // with grouping has one to three digits, then groups of exactly three.
  std::string out;
  std::size_t i = 0;
  if (text[0] == '+' || text[0] == '-') {
    if (text[0] == '-') out += '-';
    ++i;
  }
  int run = 0;  // digits since the start or the last grouping symbol
  bool grouped = false;
  for (; i < text.size() && !startsWith(text, i, loc.decimal); ++i) {
    if (!group.empty() && startsWith(text, i, group)) {
      if (run < 1 || run > 3 || (grouped && run != 3)) return std::nullopt;
      grouped = true;
      run = 0;
      i += group.size() - 1;
      continue;
    }
    if (!isDigit(text[i])) break;  // the exponent of a number without decimals
    out += text[i];
    ++run;
  }
  if (grouped && run != 3) return std::nullopt;
  out.append(text.substr(i));
  return out;
}

std::string numberToText(double x, const NumberLocale& loc) {
  if (!std::isfinite(x)) return "ERROR";
  if (x == 0) return "0";
  const DecimalDigits d = toDecimalDigits(x);
  std::string out;
  out.reserve(24 + loc.decimal.size());
  if (d.negative) out += '-';
  if (d.exp >= 0 && d.exp <= 14) {
    for (int i = 0; i <= d.exp; ++i) out += d.at(i);
    if (d.count > d.exp + 1) {
      out += loc.decimal;
      out.append(d.digits.data() + d.exp + 1, d.count - d.exp - 1);
    }
  } else if (d.exp < 0 && d.exp >= -4) {
    out += '0';
    out += loc.decimal;
    out.append(-d.exp - 1, '0');
    out.append(d.digits.data(), d.count);
  } else {
    out += d.digits[0];
    if (d.count > 1) {
      out += loc.decimal;
      out.append(d.digits.data() + 1, d.count - 1);
    }
    out += 'E';
    appendExponent(out, d.exp, 2, true);
  }
  return out;
}

std::string paddedNumberText(double x) {
  static const NumberLocale kDot{".", ","};
  std::string out = numberToText(x, kDot);
  if (std::isfinite(x) && x >= 0) out.insert(out.begin(), ' ');
  return out;
}

std::string formatNumber(double x, std::string_view pattern, const NumberLocale& loc) {
  if (!std::isfinite(x)) return "ERROR";
  const auto pat = parsePattern(pattern);
  // The empty pattern, and any pattern outside the supported set, give the general form.
  if (pattern.empty() || !pat) return numberToText(x, loc);
  DecimalDigits d = toDecimalDigits(x);
  if (pat->percent && d.count > 0) d.exp += 2;
  std::string out = pat->scientific ? formatScientific(d, *pat, loc) : formatFixed(d, *pat, loc);
  if (pat->percent) out += '%';
  return out;
}

std::string formatNumber(std::string_view text, std::string_view pattern, const NumberLocale& loc) {
  const auto value = textToNumber(text, loc);
  if (!value) return std::string(text);
  return formatNumber(*value, pattern, loc);
}

std::optional<std::string> hexText(double x) { return radixText(x, 16); }
std::optional<std::string> octalText(double x) { return radixText(x, 8); }

std::optional<std::int32_t> roundToLong(double x) {
  const double r = roundHalfEven(x);
  if (!(r >= -kTwoTo31 && r <= kTwoTo31 - 1)) return std::nullopt;
  return static_cast<std::int32_t>(r);
}

std::optional<std::int16_t> roundToInteger(double x) {
  const double r = roundHalfEven(x);
  if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
  return static_cast<std::int16_t>(r);
}

std::optional<double> finiteOrNone(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  return x;
}

SinCos sinCosInQuarterTurns(double x, double quarterTurn) {
  int quarters = 0;
  const double r = std::remquo(x, quarterTurn, &quarters);  // exact, |r| <= quarterTurn / 2
  const double radians = r * (kPi / 2 / quarterTurn);
  const SinCos f{std::sin(radians), std::cos(radians)};
  // Turn by the quarters taken off; remquo gives at least their last three bits.
  switch (quarters & 3) {
    case 1:
      return {f.cos, -f.sin};
    case 2:
      return {-f.sin, -f.cos};
    case 3:
      return {-f.cos, f.sin};
    default:
      return f;
  }
}

std::optional<double> checkedDivide(double a, double b) {
  if (b == 0) return std::nullopt;
  return finiteOrNone(a / b);
}

std::optional<double> checkedPower(double x, double y) {
  if (x < 0 && std::trunc(y) != y) return std::nullopt;
  if (x == 0 && y < 0) return std::nullopt;
  return finiteOrNone(std::pow(x, y));
}

std::optional<double> checkedLog(double x) {
  if (!(x > 0)) return std::nullopt;
  return finiteOrNone(std::log(x));
}

std::optional<double> checkedSqrt(double x) {
  if (!(x >= 0)) return std::nullopt;
  return finiteOrNone(std::sqrt(x));
}

std::optional<double> checkedExp(double x) { return finiteOrNone(std::exp(x)); }

}  // namespace zova
