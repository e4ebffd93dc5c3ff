// Moving number texts between "." (the only decimal symbol ParseNumber reads)
// and the locale's decimal symbol. The keypad and every panel use these.
#pragma once

#include <string>

#include "engine/convert.h"
#include "engine/value.h"

namespace zova {

/// Every "," becomes ".".
std::string withDotDecimal(std::string issue);
/// Every "." becomes the locale's decimal symbol when the text's locale form
/// (NumberToText of a number, else the text itself) has no "."; in a locale
/// whose decimal symbol is "." nothing ever changes.
std::string withLocaleDecimal(std::string issue, const NumberLocale& loc);
/// The same for a loosely typed field: it becomes the changed text only where
/// its text changes; otherwise it stays as it was (a number stays a number).
Value withDotDecimal(const Value& issue, const NumberLocale& loc);
Value withLocaleDecimal(const Value& issue, const NumberLocale& loc);

}  // namespace zova
