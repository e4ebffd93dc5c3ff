// Conversions of the dynamic value type.
#include "engine/value.h"

namespace zova {

std::string Value::text(const NumberLocale& loc) const {
  if (auto* d = std::get_if<Decimal>(&v_)) return numberToText(*d, loc);
  if (auto* s = std::get_if<std::string>(&v_)) return *s;
  if (auto* b = std::get_if<bool>(&v_)) return *b ? "True" : "False";
  return "";
}

Decimal Value::parse() const {
  if (auto* d = std::get_if<Decimal>(&v_)) return *d;
  if (auto* s = std::get_if<std::string>(&v_)) return parseNumber(*s);
  if (auto* b = std::get_if<bool>(&v_)) return *b ? Decimal(-1) : Decimal();
  return Decimal();
}

std::optional<Decimal> Value::parseInRange() const {
  if (auto* s = std::get_if<std::string>(&v_)) return parseNumberInRange(*s);
  return parse();
}

std::optional<Decimal> Value::number(const NumberLocale& loc) const {
  if (auto* s = std::get_if<std::string>(&v_)) return textToNumber(*s, loc);
  return parse();
}

}  // namespace zova
