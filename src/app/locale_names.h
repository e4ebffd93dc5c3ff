// Decimal and grouping symbols for a locale name ("de_DE", "en_US.UTF-8"),
// from a small table by language and country, so the command line needs no
// locale data installed on the system.
#pragma once

#include <string_view>

#include "engine/convert.h"

namespace zova {

NumberLocale localeNamed(std::string_view name);
/// The locale of the environment: LC_ALL, then LC_NUMERIC, then LANG.
NumberLocale environmentLocale();

}  // namespace zova
