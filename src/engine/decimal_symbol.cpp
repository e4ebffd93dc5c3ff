// The two decimal-symbol routines.
#include "engine/decimal_symbol.h"

namespace zova {

namespace {
std::string replaceAll(const std::string& s, char from, const std::string& to) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c == from)
      out += to;
    else
      out += c;
  }
  return out;
}
bool has(const std::string& s, char c) { return s.find(c) != std::string::npos; }
}  // namespace

std::string withDotDecimal(std::string issue) {
  if (!has(issue, ',')) return issue;
  return replaceAll(issue, ',', ".");
}

std::string withLocaleDecimal(std::string issue, const NumberLocale& loc) {
  if (loc.decimal == "." || !has(issue, '.')) return issue;
  // "5." is no number where "." groups digits, but an entry on its way to 5
  std::optional<Decimal> n = textToNumber(issue, loc);
  if (!n) n = displayNumber(issue, loc);
  const std::string g = n ? numberToText(*n, loc) : issue;
  if (has(g, '.')) return issue;
  return replaceAll(issue, '.', loc.decimal);
}

// A number stays the number it is in every locale: its text would round it to 15 digits
// only where the locale writes a comma.
Value withDotDecimal(const Value& issue, const NumberLocale& loc) {
  if (issue.isNumber()) return issue;
  const std::string t = issue.text(loc);
  if (!has(t, ',')) return issue;
  return Value(withDotDecimal(t));
}

Value withLocaleDecimal(const Value& issue, const NumberLocale& loc) {
  const std::string t = issue.text(loc);
  std::string fixed = withLocaleDecimal(t, loc);
  if (fixed == t) return issue;
  return Value(std::move(fixed));
}

namespace {
const NumberLocale kPointForm{".", ""};

// The text with the locale's decimal symbol (and ",") written as ".".
std::string pointed(std::string_view text, const NumberLocale& loc) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (!loc.decimal.empty() && text.substr(i, loc.decimal.size()) == loc.decimal) {
      out += '.';
      i += loc.decimal.size();
    } else {
      out += text[i] == ',' ? '.' : text[i];
      ++i;
    }
  }
  return out;
}

// A number or an entry on its way to one ("7,43E", "5E-"): digits, signs, exponent
// and decimal symbols only.
bool numberLike(std::string_view text, const NumberLocale& loc) {
  bool digit = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (!loc.decimal.empty() && text.substr(i, loc.decimal.size()) == loc.decimal) {
      i += loc.decimal.size() - 1;
    } else if (std::string_view("+-Ee.,").find(c) == std::string_view::npos) {
      return false;
    }
  }
  return digit;
}
}  // namespace

std::optional<Decimal> displayNumber(std::string_view text, const NumberLocale& loc) {
  return textToNumber(pointed(text, loc), kPointForm);
}

std::string localeNumberText(std::string_view text, const NumberLocale& loc) {
  if (!numberLike(text, loc)) return std::string(text);
  return replaceAll(pointed(text, loc), '.', loc.decimal);
}

std::string pointNumberText(std::string_view text, const NumberLocale& loc) {
  if (!numberLike(text, loc)) return std::string(text);
  return pointed(text, loc);
}

}  // namespace zova
