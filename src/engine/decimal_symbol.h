// Moving number texts between "." (the only decimal symbol parseNumber reads)
// and the locale's decimal symbol. The keypad and every panel use these.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/convert.h"
#include "engine/value.h"

namespace zova {

/// Every "," becomes ".".
std::string withDotDecimal(std::string issue);
/// Every "." becomes the locale's decimal symbol when the text's locale form
/// (numberToText of a number, else the text itself) has no "."; in a locale
/// whose decimal symbol is "." nothing ever changes.
std::string withLocaleDecimal(std::string issue, const NumberLocale& loc);
/// The same for a loosely typed field: a text becomes the changed text only where
/// it changes; anything else stays as it was (a number always stays a number).
Value withDotDecimal(const Value& issue, const NumberLocale& loc);
Value withLocaleDecimal(const Value& issue, const NumberLocale& loc);

/// The number a display text shows: the whole text is a number with the locale's
/// decimal symbol or "." (the two forms the calculator writes) and no grouping;
/// nullopt for any other text ("ERROR", "5E").
std::optional<Decimal> displayNumber(std::string_view text, const NumberLocale& loc);
/// The locale's form of a number text in either form, as the calculator writes it
/// ("2.5" becomes "2,5" in a decimal-comma locale), and of an entry on its way to one
/// ("7.43E"); other texts come back unchanged.
std::string localeNumberText(std::string_view text, const NumberLocale& loc);
/// The C form ("." and no grouping) of a number text or entry in either form; other
/// texts come back unchanged. What files keep, whatever the locale.
std::string pointNumberText(std::string_view text, const NumberLocale& loc);

}  // namespace zova
