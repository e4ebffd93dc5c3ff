// Moving number texts between "." and the locale's decimal symbol, and the
// final form that "=" gives its result (standard, fixed or scientific).
#include <algorithm>

#include "engine/calculator.h"
#include "engine/decimal_symbol.h"

namespace zova {

std::string Calculator::commafix(std::string issue) const {
  return zova::commafix(std::move(issue));
}

std::string Calculator::dotfix(std::string issue) const {
  return zova::dotfix(std::move(issue), loc_);
}

void Calculator::scientific() {
  s_.window = commafix(s_.window);
  if (s_.base != Base::kDecimal) return;
  // A failure stays visible after "=": the text "ERROR" is never turned into a number.
  if (s_.window == "ERROR") return;
  const int places = static_cast<int>(std::clamp(s_.zeroes, 0.0, 15.0));
  const std::string p = places == 0 ? "0" : "0." + std::string(places, '0');
  s_.window = commafix(s_.window);
  s_.window = dotfix(s_.window);
  if (!IsNumber(s_.window, loc_)) s_.window = text(ParseNumber(s_.window));
  const double x = TextToNumber(s_.window, loc_).value_or(0.0);
  switch (s_.format) {
    case NumberFormat::Fix:
      s_.window = FormatNumber(x, p, loc_);
      break;
    case NumberFormat::Scientific:
      s_.window = FormatNumber(x, p + "E+000", loc_);
      break;
    case NumberFormat::Standard:
      s_.window = text(x);
      break;
  }
}

}  // namespace zova
