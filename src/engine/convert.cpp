// Text <-> number conversions, display formatting patterns, number bases and checked
// arithmetic. Decimal work goes through the value's 15-significant-digit form so
// that what is shown is what gets rounded.
#include "engine/convert.h"

#include <algorithm>
#include <charconv>

namespace zova {

namespace {

constexpr std::int64_t kTwoTo31 = 2147483648;
constexpr std::int64_t kTwoTo32 = 4294967296;

// The largest result (the largest double, as settings files have always held) and the
// smallest one.
const Decimal& rangeTop() {
  static const Decimal kTop = *Decimal::read("1.797693134862315708145274237317044E+308");
  return kTop;
}
const Decimal& rangeBottom() {
  static const Decimal kBottom = *Decimal::read("1E-999");
  return kBottom;
}

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
std::optional<std::int64_t> readRadix(std::string_view digits, int base, std::size_t& used) {
  std::int64_t value = 0;
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
// number in the C form the decimal type reads.
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

// The value of a scanned number; nullopt when it is beyond the range. Values below the
// range read as zero.
std::optional<Decimal> valueOf(const Scanned& s) {
  if (s.leadExp > 400) return std::nullopt;
  if (s.leadExp < -1100) return Decimal();
  const auto value = Decimal::read(s.plain);
  if (!value) return std::nullopt;
  return finiteOrNone(*value);
}

std::optional<std::string> radixText(Decimal x, int base) {
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

DecimalDigits toDecimalDigits(Decimal x, int significant) {
  DecimalDigits d;
  if (x.isZero()) return d;
  const Decimal::Digits digits = x.digits(std::clamp(significant, 1, DecimalDigits::kAll));
  d.negative = digits.negative;
  d.count = static_cast<int>(digits.coefficient.size());
  std::copy(digits.coefficient.begin(), digits.coefficient.end(), d.digits.begin());
  d.exp = digits.exponent + d.count - 1;
  return d;
}

std::optional<Decimal> finiteOrNone(Decimal x) {
  if (!x.isFinite() || x.abs() > rangeTop()) return std::nullopt;
  if (x.abs() < rangeBottom()) return Decimal();
  return x;
}

char DecimalDigits::at(int index) const {
  return index >= 0 && index < count ? digits[index] : '0';
}

std::optional<Decimal> parseNumberInRange(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  if (const int base = radixPrefix(text, pos)) {
    // Too many digits for 32 bits is the radix reading's own rule (0), not an overflow.
    std::size_t used = 0;
    return Decimal(readRadix(text.substr(pos + 2), base, used).value_or(0));
  }
  const Scanned s = scanDecimal(text, pos, ".", "");
  if (s.end == 0) return Decimal();
  return valueOf(s);
}

Decimal parseNumber(std::string_view text) { return parseNumberInRange(text).value_or(Decimal()); }

std::optional<Decimal> textToNumber(std::string_view text, const NumberLocale& loc) {
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
    return Decimal(*value);
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

std::string numberToText(Decimal x, const NumberLocale& loc, int significant) {
  const auto inRange = finiteOrNone(x);
  if (!inRange) return "ERROR";
  if (inRange->isZero()) return "0";
  const DecimalDigits d = toDecimalDigits(x, significant);
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

std::string paddedNumberText(Decimal x) {
  static const NumberLocale kDot{".", ","};
  std::string out = numberToText(x, kDot);
  if (finiteOrNone(x) && !x.isNegative()) out.insert(out.begin(), ' ');
  return out;
}

std::string formatNumber(Decimal x, std::string_view pattern, const NumberLocale& loc) {
  if (!finiteOrNone(x)) return "ERROR";
  x = *finiteOrNone(x);
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

std::optional<std::string> hexText(Decimal x) { return radixText(x, 16); }
std::optional<std::string> octalText(Decimal x) { return radixText(x, 8); }

std::optional<std::int32_t> roundToLong(Decimal x) {
  const auto r = x.roundHalfEven().toInt64();
  if (!r || *r < -kTwoTo31 || *r > kTwoTo31 - 1) return std::nullopt;
  return static_cast<std::int32_t>(*r);
}

std::optional<std::int16_t> roundToInteger(Decimal x) {
  const auto r = x.roundHalfEven().toInt64();
  if (!r || *r < -32768 || *r > 32767) return std::nullopt;
  return static_cast<std::int16_t>(*r);
}

SinCos sinCosInQuarterTurns(Decimal x, int quarterTurn) {
  // Whole turns off exactly, then the nearest quarter turns: |r| <= quarterTurn / 2.
  const Decimal inTurn = x.remainder(4 * quarterTurn);
  const Decimal quarters = (inTurn / quarterTurn).roundHalfEven();
  const Decimal r = inTurn - quarters * quarterTurn;
  const Decimal radians = r * decimalPi() / (2 * quarterTurn);
  const SinCos f{radians.sin(), radians.cos()};
  switch ((quarters.toInt64().value_or(0) + 4) & 3) {
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

std::optional<Decimal> checkedDivide(Decimal a, Decimal b) {
  if (b.isZero()) return std::nullopt;
  return finiteOrNone(a / b);
}

std::optional<Decimal> checkedPower(Decimal x, Decimal y) {
  if (x.isNegative() && !y.isWhole()) return std::nullopt;
  if (x.isZero() && y.isNegative()) return std::nullopt;
  if (y == 2) return finiteOrNone(x * x);  // exact
  return finiteOrNone(x.pow(y));
}

std::optional<Decimal> checkedLog(Decimal x) {
  if (!(x > 0)) return std::nullopt;
  return finiteOrNone(x.log());
}

std::optional<Decimal> checkedSqrt(Decimal x) {
  if (!(x >= 0)) return std::nullopt;
  return finiteOrNone(x.sqrt());
}

std::optional<Decimal> checkedExp(Decimal x) { return finiteOrNone(x.exp()); }

}  // namespace zova
