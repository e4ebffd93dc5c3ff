// Number symbols by locale name.
#include "app/locale_names.h"

#include <array>
#include <cstdlib>
#include <string>

namespace zova {

namespace {
struct LocaleRow {
  std::string_view prefix;  // language, or language_COUNTRY for exceptions
  std::string_view decimal;
  std::string_view group;
};

// Exceptions by country come before their language.
constexpr std::array kLocales = {
    LocaleRow{"de_CH", ".", "'"},      LocaleRow{"it_CH", ".", "'"},
    LocaleRow{"fr_CH", ".", "\u2019"}, LocaleRow{"es_MX", ".", ","},
    LocaleRow{"pt_BR", ",", "."},      LocaleRow{"de", ",", "."},
    LocaleRow{"es", ",", "."},         LocaleRow{"it", ",", "."},
    LocaleRow{"nl", ",", "."},         LocaleRow{"pt", ",", "\u00a0"},
    LocaleRow{"da", ",", "."},         LocaleRow{"id", ",", "."},
    LocaleRow{"tr", ",", "."},         LocaleRow{"el", ",", "."},
    LocaleRow{"fr", ",", "\u202f"},    LocaleRow{"ru", ",", "\u00a0"},
    LocaleRow{"pl", ",", "\u00a0"},    LocaleRow{"cs", ",", "\u00a0"},
    LocaleRow{"sk", ",", "\u00a0"},    LocaleRow{"sv", ",", "\u00a0"},
    LocaleRow{"fi", ",", "\u00a0"},    LocaleRow{"nb", ",", "\u00a0"},
    LocaleRow{"uk", ",", "\u00a0"},    LocaleRow{"hu", ",", "\u00a0"},
};
}  // namespace

NumberLocale localeNamed(std::string_view name) {
  for (const LocaleRow& row : kLocales) {
    if (name.substr(0, row.prefix.size()) == row.prefix &&
        (name.size() == row.prefix.size() || name[row.prefix.size()] == '_' ||
         name[row.prefix.size()] == '.' || name[row.prefix.size()] == '@'))
      return NumberLocale{std::string(row.decimal), std::string(row.group)};
  }
  return NumberLocale{};
}

NumberLocale environmentLocale() {
  for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* v = std::getenv(var);
    if (v && *v) return localeNamed(v);
  }
  return NumberLocale{};
}

}  // namespace zova
