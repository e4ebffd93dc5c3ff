// Number symbols by locale name: the name is split into its language, script
// and territory, and looked up in the generated table from the most specific
// form to the language alone, as the toolkit falls back.
#include "app/locale_names.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/locale_table.h"

namespace zova {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
bool allOf(std::string_view tag, bool (*test)(char)) {
  return std::all_of(tag.begin(), tag.end(), test);
}

// The tags of a name, up to its codeset or modifier: "sr_Latn_RS.UTF-8" gives
// "sr", "Latn", "RS". Both "_" and "-" separate tags.
std::vector<std::string_view> tagsOf(std::string_view name) {
  name = name.substr(0, name.find_first_of(".@"));
  std::vector<std::string_view> tags;
  while (true) {
    const size_t end = name.find_first_of("_-");
    tags.push_back(name.substr(0, end));
    if (end == std::string_view::npos) break;
    name.remove_prefix(end + 1);
  }
  return tags;
}

const LocaleSymbolsRow* findRow(std::string_view name) {
  const auto table = localeSymbolsTable();
  const auto row = std::lower_bound(
      table.begin(), table.end(), name,
      [](const LocaleSymbolsRow& r, std::string_view n) { return std::string_view(r.name) < n; });
  return row != table.end() && std::string_view(row->name) == name ? &*row : nullptr;
}

// The table's spelling of a language code: "ger" and "deu" are "de".
std::string canonicalLanguage(std::string language) {
  const auto table = languageAliasTable();
  const auto row = std::lower_bound(table.begin(), table.end(), language,
                                    [](const LanguageAliasRow& r, const std::string& l) {
                                      return std::string_view(r.alias) < l;
                                    });
  if (row != table.end() && std::string_view(row->alias) == language) return row->language;
  return language;
}

}  // namespace

NumberLocale localeNamed(std::string_view name) {
  const std::vector<std::string_view> tags = tagsOf(name);
  if (tags[0].size() < 2 || tags[0].size() > 3 || !allOf(tags[0], isLetter)) return NumberLocale{};
  std::string language(tags[0]);
  std::transform(language.begin(), language.end(), language.begin(), lower);
  language = canonicalLanguage(std::move(language));

  std::string script, territory;
  size_t next = 1;
  if (next < tags.size() && tags[next].size() == 4 && allOf(tags[next], isLetter)) {
    script = tags[next++];
    std::transform(script.begin(), script.end(), script.begin(), lower);
    script[0] = upper(script[0]);
  }
  if (next < tags.size() && ((tags[next].size() == 2 && allOf(tags[next], isLetter)) ||
                             (tags[next].size() == 3 && allOf(tags[next], isDigit)))) {
    territory = tags[next];
    std::transform(territory.begin(), territory.end(), territory.begin(), upper);
  }

  // Most specific first: language_Script_TERRITORY, language_Script,
  // language_TERRITORY, language.
  std::vector<std::string> forms;
  if (!script.empty() && !territory.empty())
    forms.push_back(language + '_' + script + '_' + territory);
  if (!script.empty()) forms.push_back(language + '_' + script);
  if (!territory.empty()) forms.push_back(language + '_' + territory);
  forms.push_back(language);
  for (const std::string& form : forms)
    if (const LocaleSymbolsRow* row = findRow(form)) return NumberLocale{row->decimal, row->group};
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
