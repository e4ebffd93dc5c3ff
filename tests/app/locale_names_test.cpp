// The command line's locale names: the symbols a name gives, seen in what
// `zova --keys` prints, and how codesets, modifiers and unknown names read.
#include "app/locale_names.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/cli_runner.h"

namespace zova {
namespace {

TEST(LocaleNames, ThreeDividedByTwoShowsTheLocaleDecimalSymbol) {
  const struct Case {
    const char* locale;
    const char* shown;
  } cases[] = {
      // As the environment spells names; plain names are the locale table's test.
      {"ro_RO.UTF-8", "1,5\n"}, {"sr_RS@latin", "1,5\n"}, {"de_AT.utf8@euro", "1,5\n"},
      {"ar_EG", "1\u066b5\n"},  {"C.UTF-8", "1.5\n"},     {"xx_YY", "1.5\n"},
      {"deu_DE", "1,5\n"},      {"DE-de", "1,5\n"},
  };
  for (const Case& c : cases) {
    const testing::CliResult r = testing::runCli({"--keys", "3,/,2,=", "--locale", c.locale});
    EXPECT_EQ(std::tie(r.status, r.out, r.err), std::make_tuple(0, c.shown, "")) << c.locale;
  }
}

TEST(LocaleNames, NamesGiveTheirDecimalAndGroupSymbols) {
  const struct Case {
    const char* name;
    NumberLocale symbols;
  } cases[] = {
      {"en_US", {".", ","}},
      {"de_DE", {",", "."}},
      {"de_CH", {".", "\u2019"}},
      {"fr_FR", {",", "\u202f"}},
      {"ru_RU", {",", "\u00a0"}},
      {"ar_SA", {"\u066b", "\u066c"}},
      {"", {".", ","}},
      {"e", {".", ","}},
      {" de_DE", {".", ","}},
      {"de__DE", {",", "."}},      // an empty tag ends the name: the language alone
      {"de_DE_XX", {",", "."}},    // tags after the territory are ignored
      {"es_419", {".", ","}},      // a numeric region
      {"sr_Latn_US", {",", "."}},  // an unknown territory: the script's own default
      {"uz_Arab_UZ", {"\u066b", "\u066c"}},
  };
  for (const Case& c : cases) EXPECT_EQ(localeNamed(c.name), c.symbols) << '"' << c.name << '"';
}

// Sets or clears the locale variables for one test and restores them after.
class LocaleEnvironment : public ::testing::Test {
 protected:
  static constexpr const char* kVariables[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
  void SetUp() override {
    for (const char* var : kVariables) {
      const char* v = std::getenv(var);
      saved_.push_back(v ? std::optional<std::string>(v) : std::nullopt);
    }
  }
  void TearDown() override {
    for (size_t i = 0; i < saved_.size(); ++i)
      set(kVariables[i], saved_[i] ? saved_[i]->c_str() : nullptr);
  }
  static void set(const char* var, const char* value) {
    if (value)
      setenv(var, value, 1);
    else
      unsetenv(var);
  }
  std::vector<std::optional<std::string>> saved_;
};

TEST_F(LocaleEnvironment, FirstSetVariableOfLcAllLcNumericLangWins) {
  const struct Case {
    const char *lcAll, *lcNumeric, *lang;
    NumberLocale symbols;
  } cases[] = {
      {"ro_RO.UTF-8", "en_US", "en_US", {",", "."}}, {"", "ro_RO", "en_US", {",", "."}},
      {nullptr, nullptr, "hr_HR.UTF-8", {",", "."}}, {nullptr, "en_US", "hr_HR", {".", ","}},
      {nullptr, nullptr, nullptr, {".", ","}},       {nullptr, nullptr, "C", {".", ","}},
  };
  for (const Case& c : cases) {
    set("LC_ALL", c.lcAll);
    set("LC_NUMERIC", c.lcNumeric);
    set("LANG", c.lang);
    EXPECT_EQ(environmentLocale(), c.symbols) << (c.lang ? c.lang : "-");
  }
}

}  // namespace
}  // namespace zova
