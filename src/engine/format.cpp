// Moving number texts between "." and the locale's decimal symbol, and the
// final form that "=" gives its result (standard, fixed or scientific).
#include <algorithm>

#include "engine/calculator.h"

namespace zova {

namespace {
std::string replaceAll(std::string s, char from, const std::string& to) {
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

std::string Calculator::commafix(std::string issue) const {
  if (!has(issue, ',')) return issue;
  return replaceAll(std::move(issue), ',', ".");
}

// In a locale whose decimal symbol is "." nothing ever changes.
std::string Calculator::dotfix(std::string issue) const {
  if (loc_.decimal == "." || !has(issue, '.')) return issue;
  const std::string g = IsNumber(issue, loc_) ? text(*TextToNumber(issue, loc_)) : issue;
  if (g.find('.') != std::string::npos) return issue;
  return replaceAll(std::move(issue), '.', loc_.decimal);
}

void Calculator::scientific() {
  s_.window = commafix(s_.window);
  if (s_.numBase != 1) return;
  // A failure stays visible after "=": the text "ERROR" is never turned into a number.
  if (s_.window == "ERROR") return;
  const int places = static_cast<int>(std::clamp(s_.zeroes, 0.0, 15.0));
  const std::string p = places == 0 ? "0" : "0." + std::string(places, '0');
  s_.window = commafix(s_.window);
  s_.window = dotfix(s_.window);
  if (!IsNumber(s_.window, loc_)) s_.window = text(ParseNumber(s_.window));
  const double x = TextToNumber(s_.window, loc_).value_or(0.0);
  if (s_.OptionFix)
    s_.window = FormatNumber(x, p, loc_);
  else if (s_.OptionSci)
    s_.window = FormatNumber(x, p + "E+000", loc_);
  else
    s_.window = text(x);
}

}  // namespace zova
