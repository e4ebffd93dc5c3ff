// Makes the behaviour corpus: random key sequences from a fixed seed over every key
// name and panel, menu and options action the command line takes, each run once to
// record in CORPUS_FOLDER/golden.txt the hash of what it shows (usage:
// zova_make_corpus CORPUS_FOLDER). The start settings files beside it are fixed inputs.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "converter/constant_table.h"
#include "converter/unit_table.h"
#include "corpus/corpus.h"
#include "elements/element_table.h"
#include "engine/keys.h"
#include "finance/finance_model.h"
#include "model/sequence.h"
#include "stats/stats_register.h"

namespace zova::corpus {
namespace {

constexpr std::uint64_t kSeed = 0x5a6f7661436f7270ULL;
constexpr int kCaseCount = 20000;

/// splitmix64: the same numbers on every compiler and library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
  int between(int low, int high) { return low + static_cast<int>(below(high - low + 1)); }
  bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }
  template <typename Items>
  const auto& pick(const Items& items) {
    return items[below(std::size(items))];
  }

 private:
  std::uint64_t state_;
};

// The vocabulary comes from the program's own tables wherever they hold the
// names; a row added to a table is drawn too (and moves golden.txt).
using Names = std::vector<std::string>;

Names split(std::string_view text, char separator) {
  Names parts;
  for (std::size_t start = 0, end = 0; end != std::string_view::npos; start = end + 1)
    parts.emplace_back(text.substr(start, (end = text.find(separator, start)) - start));
  return parts;
}

// Every keypad key's command-line names, in Key order, the one its caption
// spells first.
Names keypadNames() {
  Names out;
  for (int k = 0; k <= static_cast<int>(Key::kConstantOut); ++k) {
    const KeyRow& row = keyRow(static_cast<Key>(k));
    std::string caption(row.caption);
    std::erase(caption, ' ');
    Names names = split(row.names, ' ');
    std::stable_partition(names.begin(), names.end(),
                          [&](const std::string& n) { return n == caption; });
    out.insert(out.end(), names.begin(), names.end());
  }
  return out;
}

/// The `field` of every row of `rows`, then of the further tables and fields given.
template <typename Rows, typename Field, typename... More>
Names namesOf(Rows rows, Field field, More... more) {
  Names out;
  for (const auto& row : rows) out.emplace_back(row.*field);
  if constexpr (sizeof...(more) > 0) {
    const Names rest = namesOf(more...);
    out.insert(out.end(), rest.begin(), rest.end());
  }
  return out;
}

/// The actions of `area` that take no VALUE, in table order, or the choices of `choices`.
Names actions(std::string_view area, std::string_view choices = "") {
  Names out;
  for (const ActionRow& row : actionTable()) {
    if (row.area == area && !choices.empty() && row.names.front() == choices)
      return split(row.value, '|');
    if (row.area == area && row.value.empty() && row.numbered == 0 && row.names.size() == 1)
      out.push_back(row.names.front());
  }
  return out;
}

// Undo and Redo stay out: the corpus records the calculator, not its history.
Names withoutHistory(Names menus) {
  std::erase_if(menus, [](const std::string& n) { return n == "undo" || n == "redo"; });
  return menus;
}

struct Vocabulary {
  Names keypad = keypadNames();
  Names statKeys = namesOf(statKeyTable(), &StatKeyRow::name);
  Names categories = namesOf(categoryRows(), &CategoryRow::action);
  Names finCells = namesOf(finCellTable(), &FinCellRow::name);
  Names finKeys = namesOf(finKeyTable(), &FinKeyRow::name);
  Names finButtons = actions("fin");
  Names panelMenus = withoutHistory(actions("menu"));
  Names formats = actions("opt", "format");
  Names accuracies = actions("opt", "accuracy");
  Names units = namesOf(unitRows(), &UnitRow::text, temperatureRows(), &TemperatureRow::text);
  Names constants = namesOf(siConstants(), &ConstantRow::text, engConstants(), &ConstantRow::text);
  Names elements = namesOf(kElements, &Element::symbol);
};
const Vocabulary& vocabulary() {
  static const Vocabulary kVocabulary;
  return kVocabulary;
}

// Key names for key:NAME, End apart (it ends the program, so it is drawn rarely);
// in an order of their own, which the keyboard table does not keep.
const Names kKeyboardNames = split(
    "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z 0 1 2 3 4 5 6 7 8 9 Num0 Num1 Num2 Num3 "
    "Num4 Num5 Num6 Num7 Num8 Num9 Num. Num+ Num- Num* Num/ F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 "
    "Backspace Delete Home Esc Enter Shift Ctrl Alt",
    ' ');

const Names kModifiers = split("||||||Shift+|Shift+|Ctrl+|Alt+|Ctrl+Shift+|Shift+Ctrl+Alt+", '|');

// Texts typed into boxes or pasted: numbers in both locales' spelling, blanks,
// signs, exponents, letters and nothing.
const Names kTypedTexts = split(
    "0|1|2|3|4|7|10|12|15|16|2.5|| 3 "
    "|-1|-2.5|abc|1e3|1E-4|99|1.234|1.234.567|0.5|3.14159|1000000|12345678901234567890|A|FF|1/2| ",
    '|');

// Tokens that the parser rejects: unknown names, malformed actions, actions of
// no panel, and an empty token.
const Names kRejectedTokens = split(
    "bogus|key:Foo|key:Shift+|key:F13|key:A=1|stat:nope|stat:select=x|stat:enter=1|conv:Lengthx|"
    "conv:nothing|fin:click=XX|fin:solve=Rate|fin:start=1|elem:hover=Xx|elem:name|molar:drop5=H|"
    "molar:drop1=Qq|molar:count0=1|opt:format=Fancy|opt:radicals=yes|opt:accuracy=top|opt:places|"
    "menu:paste|menu:exit|tape:nothing|nowhere:thing|1.2.3|-5||sin cos",
    '|');

// The themes of a sequence, by index: keypad, keyboard, statistics, converter, finance,
// elements and molar mass, options and menus, everything.
constexpr int kThemeCount = 8;
constexpr int kOptionsTheme = 6;

// Token kinds, in kWeights' column order: number, keypad, keyboard, stat, conv, fin, elem,
// molar, opt, menu.
constexpr int kKindCount = 10;

// Relative weights of the token kinds in each theme.
constexpr int kWeights[kThemeCount][kKindCount] = {
    {30, 60, 2, 1, 1, 1, 1, 1, 2, 2},  {15, 20, 60, 1, 1, 1, 1, 1, 1, 2},
    {30, 25, 5, 30, 1, 1, 1, 1, 3, 4}, {20, 15, 5, 1, 50, 1, 1, 1, 3, 4},
    {30, 15, 5, 1, 1, 40, 1, 1, 3, 4}, {15, 15, 3, 1, 1, 1, 30, 30, 2, 3},
    {25, 35, 5, 3, 3, 3, 2, 2, 15, 8}, {15, 20, 10, 10, 10, 10, 8, 8, 5, 5}};

// The panel each theme opens first (most of the time).
constexpr std::string_view kThemeOpener[kThemeCount] = {
    "", "", "menu:statistics", "menu:converter", "menu:financial", "", "", ""};

std::string numberToken(Random& r) {
  const auto digits = [&](int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>('0' + r.below(10));
    return s;
  };
  static const Names kNotable = split(
      "53.130102354156 3.14159265358979 180 360 0.5 1000000 0.0001 45 90 1024 255 69 170 171 1.0 "
      "100",
      ' ');
  const std::size_t form = r.below(8);
  if (form == 0) return std::to_string(r.below(10));
  if (form == 1) return std::to_string(r.below(100));
  if (form == 2) return digits(r.between(3, 16));
  if (form == 3) return digits(r.between(1, 4)) + "." + digits(r.between(1, 6));
  if (form == 4) return "." + digits(r.between(1, 4));
  if (form == 5) return digits(r.between(1, 3)) + ".";
  if (form == 6) return r.pick(kNotable);
  return digits(r.between(1, 2)) + "." + digits(r.between(1, 2));
}

std::string keyboardToken(Random& r) {
  if (r.below(400) == 0) return "key:End";
  return "key:" + r.pick(kModifiers) + r.pick(kKeyboardNames);
}

std::string convToken(Random& r) {
  const Vocabulary& v = vocabulary();
  const std::size_t form = r.below(9);
  if (form <= 1) return "conv:" + r.pick(v.categories);
  if (form == 2) return "conv:Constants";
  if (form == 3) return r.chance(50) ? "conv:open-from" : "conv:open-to";
  if (form >= 6) return "conv:go";
  const std::string side = r.chance(50) ? "conv:from=" : "conv:to=";
  const int what = static_cast<int>(r.below(10));
  return side + (what < 6 ? r.pick(v.units) : what < 9 ? r.pick(v.constants) : r.pick(kTypedTexts));
}

std::string finToken(Random& r) {
  const std::size_t form = r.below(6);
  if (form <= 1) return "fin:click=" + r.pick(vocabulary().finCells);
  if (form <= 3) return "fin:solve=" + r.pick(vocabulary().finKeys);
  return "fin:" + r.pick(vocabulary().finButtons);
}

std::string elemToken(Random& r) {
  if (r.chance(70)) return "elem:hover=" + r.pick(vocabulary().elements);
  return r.chance(50) ? "elem:number" : "elem:mass";
}

std::string molarToken(Random& r) {
  const std::string slot = std::to_string(r.between(1, 4));
  const std::size_t form = r.below(6);
  if (form <= 1) return "molar:drop" + slot + "=" + r.pick(vocabulary().elements);
  if (form == 2) return "molar:count" + slot + "=" + r.pick(kTypedTexts);
  if (form == 3) return "molar:index=" + r.pick(kTypedTexts);
  return form == 4 ? "molar:clear" : "molar:result";
}

std::string optToken(Random& r) {
  const std::size_t form = r.below(4);
  if (form == 0) return "opt:format=" + r.pick(vocabulary().formats);
  if (form == 1)
    return "opt:places=" + (r.chance(80) ? std::to_string(r.below(16)) : r.pick(kTypedTexts));
  if (form == 2) return r.chance(50) ? "opt:radicals=on" : "opt:radicals=off";
  return "opt:accuracy=" + r.pick(vocabulary().accuracies);
}

std::string menuToken(Random& r) {
  if (r.chance(30)) return "menu:paste=" + (r.chance(60) ? numberToken(r) : r.pick(kTypedTexts));
  return "menu:" + r.pick(vocabulary().panelMenus);
}

std::string statToken(Random& r) {
  if (r.chance(15)) return "stat:select=" + std::to_string(r.below(r.chance(80) ? 4 : 200));
  return "stat:" + r.pick(vocabulary().statKeys);
}

std::string keypadToken(Random& r) { return r.pick(vocabulary().keypad); }

std::string token(Random& r, int theme) {
  using Maker = std::string (*)(Random&);
  constexpr Maker kMakers[kKindCount] = {numberToken, keypadToken, keyboardToken, statToken,
                                         convToken,   finToken,    elemToken,     molarToken,
                                         optToken,    menuToken};
  const int* weights = kWeights[theme];
  int total = 0;
  for (int k = 0; k < kKindCount; ++k) total += weights[k];
  int roll = static_cast<int>(r.below(static_cast<std::size_t>(total)));
  int kind = 0;
  while (roll >= weights[kind]) roll -= weights[kind++];
  return kMakers[kind](r);
}

/// Mostly short sequences, some up to 60 tokens.
int sequenceLength(Random& r) {
  const int band = static_cast<int>(r.below(100));
  if (band < 40) return r.between(1, 5);
  if (band < 78) return r.between(6, 15);
  if (band < 93) return r.between(16, 30);
  return r.between(31, 60);
}

std::string sequence(Random& r) {
  const int theme = static_cast<int>(r.below(kThemeCount));
  std::vector<std::string> tokens;
  const std::string_view opener = kThemeOpener[theme];
  if (!opener.empty() && r.chance(80)) tokens.emplace_back(opener);
  // Cases about options mostly choose a number format first, so that the
  // numbers that follow show in it.
  if (theme == kOptionsTheme && r.chance(80)) {
    tokens.push_back("opt:format=" + r.pick(vocabulary().formats));
    if (r.chance(60)) tokens.push_back("opt:places=" + std::to_string(r.below(16)));
  }
  const int length = sequenceLength(r);
  while (static_cast<int>(tokens.size()) < length) tokens.push_back(token(r, theme));
  if (r.chance(2)) tokens[r.below(tokens.size())] = r.pick(kRejectedTokens);
  std::string text;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (i > 0) text += ',';
    // Blanks around a token are ignored; a few cases show it.
    text += r.chance(3) ? " " + tokens[i] + " " : tokens[i];
  }
  return text;
}

constexpr std::string_view kStartFileNames[] = {"memory-stats.dat", "panels-de.dat",
                                                "finance.dat",      "compact-hex.dat",
                                                "damaged-cut.dat",  "damaged-junk.dat"};

int writeGolden(const std::filesystem::path& folder) {
  ScratchFolder scratch;
  if (scratch.path.empty()) return 1;
  std::ofstream golden(folder / "golden.txt", std::ios::binary);
  golden << "# Behaviour corpus: made by scripts/regenerate-corpus.sh, checked by corpus_test.\n"
            "# hash<TAB>locale<TAB>start settings file or -<TAB>--keys sequence\n"
            "# The hash (FNV-1a 64) covers the exit status, the named top-level fields of the\n"
            "# --json output, the settings file at exit and, for rejected sequences, stderr.\n";
  Random r(kSeed);
  int rejected = 0;
  for (int i = 0; i < kCaseCount; ++i) {
    CorpusCase c;
    c.locale = r.chance(50) ? "en_US" : "de_DE";
    c.startFile = r.chance(20) ? r.pick(kStartFileNames) : std::string("-");
    c.sequence = sequence(r);
    int status = 0;
    std::tie(c.hash, status) = runAndHash(c, folder, scratch.path);
    rejected += status == 2;
    golden << formatLine(c) << "\n";
  }
  std::cerr << kCaseCount << " cases, " << rejected << " rejected\n";
  return golden.good() ? 0 : 1;
}

}  // namespace
}  // namespace zova::corpus

int main(int argc, char** argv) {
  if (argc == 2) return zova::corpus::writeGolden(argv[1]);
  std::cerr << "usage: zova_make_corpus CORPUS_FOLDER\n";
  return 2;
}
