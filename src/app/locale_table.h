// The number symbols of every locale the window's toolkit knows, as rows the
// command line looks up without loading the toolkit. A build with Qt generates
// them from its Qt; without Qt, src/app/locale_table_fallback.cpp holds them.
#pragma once

#include <span>

namespace zova {

/// One locale name and its symbols, each NUL-terminated UTF-8.
struct LocaleSymbolsRow {
  char name[14];    // language[_Script][_TERRITORY], e.g. "sr_Latn_RS", "es_419", "de"
  char decimal[4];  // decimal symbol, e.g. "," or U+066B
  char group[4];    // grouping symbol, e.g. "." or U+00A0
};

/// A language code the toolkit also accepts ("ger", "iw", "no") and the code it means.
struct LanguageAliasRow {
  char alias[4];
  char language[4];
};

/// Sorted by name (byte order); every name is unique.
std::span<const LocaleSymbolsRow> localeSymbolsTable();
/// Sorted by alias (byte order).
std::span<const LanguageAliasRow> languageAliasTable();

}  // namespace zova
