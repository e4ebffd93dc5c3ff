// Decimal and grouping symbols for a locale name ("de_DE", "en_US.UTF-8"),
// read the way the window's toolkit reads it, from a table made from the
// toolkit's locale data: the command line loads no toolkit and needs no
// locale data installed on the system, yet shows the window's symbols.
#pragma once

#include <string_view>

#include "engine/convert.h"

namespace zova {

/// A name as language[_Script][_TERRITORY][.codeset][@modifier]; "C", "POSIX",
/// an empty name and an unknown language give "." and ",".
NumberLocale localeNamed(std::string_view name);
/// The locale of the environment: LC_ALL, then LC_NUMERIC, then LANG.
NumberLocale environmentLocale();

}  // namespace zova
