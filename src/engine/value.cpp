// Conversions of the dynamic value type.
#include "engine/value.h"

namespace zova {

std::string Value::text(const NumberLocale& loc) const {
  if (auto* d = std::get_if<double>(&v_)) return numberToText(*d, loc);
  if (auto* s = std::get_if<std::string>(&v_)) return *s;
  if (auto* b = std::get_if<bool>(&v_)) return *b ? "True" : "False";
  return "";
}

double Value::parse() const {
  if (auto* d = std::get_if<double>(&v_)) return *d;
  if (auto* s = std::get_if<std::string>(&v_)) return parseNumber(*s);
  if (auto* b = std::get_if<bool>(&v_)) return *b ? -1.0 : 0.0;
  return 0.0;
}

std::optional<double> Value::parseInRange() const {
  if (auto* s = std::get_if<std::string>(&v_)) return parseNumberInRange(*s);
  return parse();
}

std::optional<double> Value::number(const NumberLocale& loc) const {
  if (auto* s = std::get_if<std::string>(&v_)) return textToNumber(*s, loc);
  return parse();
}

}  // namespace zova
