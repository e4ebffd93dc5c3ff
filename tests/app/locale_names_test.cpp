// The command line's locale names as the environment spells them: code sets,
// modifiers, unknown names, and which variable names the locale. (Plain names
// against the toolkit's: locale_table_test.)
#include "app/locale_names.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace zova {
namespace {

TEST(LocaleNames, NamesGiveTheirDecimalAndGroupSymbols) {
  const NumberLocale en{".", ","}, de{",", "."};
  const std::pair<const char*, NumberLocale> cases[] = {
      {"ro_RO.UTF-8", de},
      {"sr_RS@latin", de},
      {"de_AT.utf8@euro", {",", "\u00a0"}},
      {"C.UTF-8", en},
      {"xx_YY", en},
      {"deu_DE", de},
      {"DE-de", de},
      {"de_CH", {".", "\u2019"}},
      {"ar_SA", {"\u066b", "\u066c"}},
      {"", en},
      {" de_DE", en},
      {"de__DE", de},      // an empty tag ends the name: the language alone
      {"de_DE_XX", de},    // tags after the territory are ignored
      {"es_419", en},      // a numeric region
      {"sr_Latn_US", de},  // an unknown territory: the script's own default
      {"uz_Arab_UZ", {"\u066b", "\u066c"}},
  };
  for (const auto& [name, symbols] : cases)
    EXPECT_EQ(localeNamed(name), symbols) << '"' << name << '"';
}

TEST(LocaleNames, FirstSetVariableOfLcAllLcNumericLangWins) {
  const char* const variables[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
  std::vector<std::optional<std::string>> saved;
  for (const char* var : variables)
    saved.push_back(std::getenv(var) ? std::optional<std::string>(std::getenv(var)) : std::nullopt);
  const auto set = [](const char* var, const char* value) {
    value ? ::setenv(var, value, 1) : ::unsetenv(var);
  };
  const std::pair<std::array<const char*, 3>, const char*> cases[] = {
      {{"ro_RO.UTF-8", "en_US", "en_US"}, ","}, {{"", "ro_RO", "en_US"}, ","},
      {{nullptr, nullptr, "hr_HR.UTF-8"}, ","}, {{nullptr, "en_US", "hr_HR"}, "."},
      {{nullptr, nullptr, nullptr}, "."},
  };
  for (const auto& [values, decimal] : cases) {
    for (std::size_t i = 0; i < 3; ++i) set(variables[i], values[i]);
    EXPECT_EQ(environmentLocale().decimal, decimal) << (values[2] ? values[2] : "-");
  }
  for (std::size_t i = 0; i < 3; ++i) set(variables[i], saved[i] ? saved[i]->c_str() : nullptr);
}

}  // namespace
}  // namespace zova
