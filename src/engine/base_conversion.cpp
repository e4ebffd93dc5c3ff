// The display between decimal and the other bases: hexadecimal and octal
// through the hex/octal texts, binary as at most 16 digits with negative
// values in 16-bit two's complement; and the Base key that cycles them.
#include <cstdint>
#include <string>

#include "engine/calculator.h"
#include "engine/display_limits.h"

namespace zova {

namespace {
constexpr std::int64_t kBinaryLimit = 32768;  // binary shows magnitudes below 2^15
}

// Reads the digits right to left, each worth its place value in powers of two.
std::int64_t Calculator::binaryValue(const std::string& digits) const {
  std::int64_t sum = 0, w = 1;
  if (digits.size() > 40) fail();
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it < '0' || *it > '9') fail();
    sum += w * (*it - '0');
    w *= 2;
  }
  return sum;
}

// Builds binaryText for the magnitude of m (a leading "0", then the bits),
// applies the two's complement when binNegative, and drops one leading zero.
std::string Calculator::binaryDigits(Decimal value) {
  if (value.abs() >= kBinaryLimit) fail();
  const std::int64_t m = value.abs().floor().toInt64().value_or(0);  // the fraction is dropped
  s_.binaryText.clear();
  int k = 1;
  while ((std::int64_t{1} << k) <= m) ++k;
  std::int64_t s = 0;
  for (std::int64_t p = std::int64_t{1} << k; p >= 1; p /= 2) {
    if (s + p <= m) {
      s_.binaryText += '1';
      s += p;
    } else {
      s_.binaryText += '0';
    }
  }
  if (s_.binNegative) twosComplement();
  if (s_.binaryText.size() > 1 && s_.binaryText[0] == '0') s_.binaryText.erase(0, 1);
  return s_.binaryText;
}

void Calculator::twosComplement() {
  std::string t = std::string(kBinaryDigits, '0') + s_.binaryText;
  t = t.substr(t.size() - kBinaryDigits);
  for (char& c : t) c = c == '1' ? '0' : '1';
  for (int i = static_cast<int>(kBinaryDigits) - 1; i >= 0; --i) {
    if (t[i] == '1') {
      t[i] = '0';
    } else {
      t[i] = '1';
      break;
    }
  }
  s_.binaryText = t;
}

void Calculator::displayToDecimal() {
  trap([&] {
    switch (s_.base) {
      case Base::kHex:
        s_.display = text(number("&H" + s_.display));
        break;
      case Base::kOctal:
        s_.display = text(number("&O" + s_.display));
        break;
      case Base::kBinary: {
        const std::int64_t sum = binaryValue(s_.display);
        s_.display = text(s_.binNegative ? sum - 65536 : sum);
        break;
      }
      case Base::kDecimal:
        break;
    }
  });
}

void Calculator::displayToBase() {
  trap([&] {
    s_.binNegative = parseNumber(s_.display).isNegative();
    switch (s_.base) {
      case Base::kHex:
        s_.display = must(hexText(number(s_.display)));
        break;
      case Base::kOctal:
        s_.display = must(octalText(number(s_.display)));
        break;
      case Base::kBinary:
        s_.display = binaryDigits(prefixNumber(s_.display));
        break;
      case Base::kDecimal:
        break;
    }
  });
}

void Calculator::decimalToHex() {
  trap([&] {
    s_.display = withLocaleDecimal(s_.display);
    s_.fullResult = 0;
    s_.display = must(hexText(number(s_.display)));
  });
}

void Calculator::hexToOctal() {
  trap([&] {
    s_.fullResult = 0;
    s_.display = "&H" + s_.display;
    s_.display = must(octalText(number(s_.display)));
  });
}

void Calculator::octalToBinary() {
  trap([&] {
    s_.fullResult = 0;
    s_.display = text(number("&O" + s_.display));
    s_.binNegative = number(s_.display).isNegative();
    s_.display = binaryDigits(parseNumber(s_.display));
  });
}

void Calculator::binaryToDecimal() {
  trap([&] {
    if (s_.display.size() > kBinaryDigits) fail();
    if (s_.display.size() == kBinaryDigits && s_.display[0] == '1') s_.binNegative = true;
    s_.fullResult = 0;
    const std::int64_t sum = binaryValue(s_.display);
    s_.display = text(s_.binNegative ? sum - 65536 : sum);
  });
}

void Calculator::cycleBase() {
  s_.newNumber = true;
  if (s_.display.find('(') != std::string::npos || s_.display.find('/') != std::string::npos)
    s_.display = "0";
  if (s_.inv) {
    trapFunction("not", std::nullopt, [&] {
      const std::string shown = s_.display;
      displayToDecimal();
      const std::int32_t v = must(roundToLong(number(s_.display)));
      s_.display = std::to_string(~v);
      const std::string decimal = s_.display;
      displayToBase();
      if (observer_)
        observer_->functionApplied("not", shownNumber(shown, ""), shownNumber(s_.display, decimal),
                                   std::nullopt);
      toggleInv();
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
        s_.baseCaption.clear();
        binaryToDecimal();
        break;
      case Base::kHex:
        s_.baseCaption = "h";
        decimalToHex();
        break;
      case Base::kOctal:
        s_.baseCaption = "   o";
        hexToOctal();
        break;
      case Base::kBinary: {
        const auto v = textToNumber("&O" + s_.display, loc_);
        if (v && (*v > 32767 || *v <= -32768)) {
          // Binary cannot hold the value: the cycle goes on to decimal.
          s_.base = Base::kDecimal;
          s_.baseCaption.clear();
          s_.display = text(*v);
        } else {
          s_.baseCaption = "       b";
          if (v)
            octalToBinary();
          else
            showError();
        }
      }
    }
  }
  tk_.focusEquals();
}

}  // namespace zova
