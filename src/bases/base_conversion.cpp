// The display between decimal and the other bases: hexadecimal and octal
// through the hex/octal texts, binary as at most 16 digits with negative
// values in 16-bit two's complement; and the Base key that cycles them.
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/calculator.h"

namespace zova {

namespace {
constexpr double kBinaryLimit = 32768;  // binary shows magnitudes below 2^15
}

// Reads the digits right to left, each worth its place value in powers of two.
double Calculator::binaryValue(const std::string& digits) const {
  double sum = 0, w = 1;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it < '0' || *it > '9') fail();
    sum += w * (*it - '0');
    w *= 2;
  }
  return sum;
}

// Builds binForNow for the magnitude of m (a leading "0", then the bits),
// applies the two's complement when binNegative, and drops one leading zero.
std::string Calculator::binaryDigits(double m) {
  m = std::fabs(m);
  if (m >= kBinaryLimit) fail();
  s_.binForNow.clear();
  int k = 1;
  while (std::ldexp(1.0, k) <= m) ++k;
  double s = 0;
  for (double p = std::ldexp(1.0, k); p >= 1; p /= 2) {
    if (s + p <= m) {
      s_.binForNow += '1';
      s += p;
    } else {
      s_.binForNow += '0';
    }
  }
  if (s_.binNegative) binaryNegative();
  if (s_.binForNow.size() > 1 && s_.binForNow[0] == '0') s_.binForNow.erase(0, 1);
  return s_.binForNow;
}

void Calculator::binaryNegative() {
  std::string t = "00000000000000000" + s_.binForNow;
  t = t.substr(t.size() - 16);
  for (char& c : t) c = c == '1' ? '0' : '1';
  for (int i = 15; i >= 0; --i) {
    if (t[i] == '1') {
      t[i] = '0';
    } else {
      t[i] = '1';
      break;
    }
  }
  s_.binForNow = t;
}

void Calculator::toDec() {
  trap([&] {
    s_.mug = s_.window;
    switch (s_.base) {
      case Base::kHex:
        s_.window = text(number("&H" + s_.window));
        break;
      case Base::kOctal:
        s_.window = text(number("&O" + s_.window));
        break;
      case Base::kBinary: {
        const double sum = binaryValue(s_.window);
        s_.window = text(s_.binNegative ? sum - 65536 : sum);
        break;
      }
      case Base::kDecimal:
        break;
    }
  });
}

void Calculator::toBase() {
  trap([&] {
    s_.binNegative = ParseNumber(s_.window) < 0;
    switch (s_.base) {
      case Base::kHex:
        s_.window = must(HexText(number(s_.window)));
        break;
      case Base::kOctal:
        s_.window = must(OctText(number(s_.window)));
        break;
      case Base::kBinary:
        s_.window = binaryDigits(ParseNumber(s_.window));
        break;
      case Base::kDecimal:
        break;
    }
  });
}

void Calculator::base16() {
  trap([&] {
    s_.window = dotfix(s_.window);
    s_.digits = 0;
    s_.window = must(HexText(number(s_.window)));
  });
}

void Calculator::base8() {
  trap([&] {
    s_.digits = 0;
    s_.window = "&H" + s_.window;
    s_.window = must(OctText(number(s_.window)));
  });
}

void Calculator::base2() {
  trap([&] {
    s_.digits = 0;
    s_.window = text(number("&O" + s_.window));
    s_.binNegative = number(s_.window) < 0;
    s_.window = binaryDigits(ParseNumber(s_.window));
  });
}

void Calculator::base10() {
  trap([&] {
    if (s_.window.size() > 16) fail();
    if (s_.window.size() == 16 && s_.window[0] == '1') s_.binNegative = true;
    s_.digits = 0;
    const double sum = binaryValue(s_.window);
    s_.window = text(s_.binNegative ? sum - 65536 : sum);
  });
}

void Calculator::cmdBase_Click() {
  s_.newNumber = true;
  if (s_.window.find('(') != std::string::npos || s_.window.find('/') != std::string::npos)
    s_.window = "0";
  if (s_.inv) {
    trap([&] {
      toDec();
      const std::int32_t v = must(RoundToLong(number(s_.window)));
      s_.window = std::to_string(~v);
      toBase();
      inverse();
    });
  } else {
    // Decimal, hexadecimal, octal, binary and round again.
    switch (s_.base) {
      case Base::kDecimal:
        s_.base = Base::kHex;
        break;
      case Base::kHex:
        s_.base = Base::kOctal;
        break;
      case Base::kOctal:
        s_.base = Base::kBinary;
        break;
      case Base::kBinary:
        s_.base = Base::kDecimal;
        break;
    }
    switch (s_.base) {
      case Base::kDecimal:
        s_.LblBase.clear();
        base10();
        break;
      case Base::kHex:
        s_.LblBase = "h";
        base16();
        break;
      case Base::kOctal:
        s_.LblBase = "   o";
        base8();
        break;
      case Base::kBinary: {
        const auto v = TextToNumber("&O" + s_.window, loc_);
        if (v && (*v > 32767 || *v <= -32768)) {
          // Binary cannot hold the value: the cycle goes on to decimal.
          s_.base = Base::kDecimal;
          s_.LblBase.clear();
          s_.window = text(*v);
        } else {
          s_.LblBase = "       b";
          if (v)
            base2();
          else
            showError();
        }
      }
    }
  }
  tk_.focusEquals();
}

}  // namespace zova
