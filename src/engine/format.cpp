// Moving number texts between "." and the locale's decimal symbol, and the
// final form that "=" gives its result (standard, fixed or scientific).
#include <algorithm>

#include "engine/calculator.h"
#include "engine/decimal_symbol.h"
#include "engine/display_limits.h"

namespace zova {

std::string Calculator::withDotDecimal(std::string issue) const {
  return zova::withDotDecimal(std::move(issue));
}

std::string Calculator::withLocaleDecimal(std::string issue) const {
  return zova::withLocaleDecimal(std::move(issue), loc_);
}

void Calculator::settleNumberText() {
  if (s_.base != Base::kDecimal || isNumber(s_.display, loc_)) return;
  if (const auto x = parseNumberInRange(withDotDecimal(s_.display))) s_.display = text(*x);
}

void Calculator::formatResult() {
  s_.display = withDotDecimal(s_.display);
  if (s_.base != Base::kDecimal) return;
  // A failure stays visible after "=": the text "ERROR" is never turned into a number.
  if (s_.display == "ERROR") return;
  const int places = static_cast<int>(
      std::clamp(s_.decimalPlaces, Decimal(0), Decimal(15)).floor().toInt64().value_or(0));
  const std::string p = places == 0 ? "0" : "0." + std::string(places, '0');
  s_.display = withDotDecimal(s_.display);
  s_.display = withLocaleDecimal(s_.display);
  settleNumberText();
  // Only a number beyond the range is left that is no number.
  const auto x = textToNumber(s_.display, loc_);
  if (!x) return showError();
  switch (s_.format) {
    case NumberFormat::kFix:
      s_.display = formatNumber(*x, p, loc_);
      // A fixed form too long for the display shows as the standard format does
      // (scientific for large numbers), so that every digit can be read.
      if (s_.display.size() > kDisplayCharacters) s_.display = text(*x);
      break;
    case NumberFormat::kScientific:
      s_.display = formatNumber(*x, p + "E+000", loc_);
      break;
    case NumberFormat::kStandard:
      s_.display = text(*x);
      break;
  }
}

}  // namespace zova
