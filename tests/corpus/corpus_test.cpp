// Replays the behaviour corpus: every sequence in golden.txt runs again through
// the command line and must show exactly what it showed when the file was made.
// A change meant to alter behaviour regenerates the file with
// scripts/regenerate-corpus.sh and explains the lines that changed.
#include "corpus/corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace zova::corpus {
namespace {

constexpr std::size_t kMismatchesShown = 20;

std::vector<CorpusCase> readGolden(const std::filesystem::path& file) {
  std::vector<CorpusCase> cases;
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (auto c = parseLine(line)) cases.push_back(std::move(*c));
  }
  return cases;
}

// The corpus runs in slices so that ctest can replay them side by side; each
// slice is a run of consecutive cases.
constexpr int kSlices = 4;

class BehaviourCorpus : public ::testing::TestWithParam<int> {};

TEST_P(BehaviourCorpus, EverySequenceShowsWhatItShowedBefore) {
  const std::filesystem::path folder = ZOVA_CORPUS_FOLDER;
  const std::vector<CorpusCase> cases = readGolden(folder / "golden.txt");
  ASSERT_GE(cases.size(), 20000u) << "golden.txt is missing or cut short";
  ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());

  const std::size_t first = cases.size() * static_cast<std::size_t>(GetParam()) / kSlices;
  const std::size_t end = cases.size() * static_cast<std::size_t>(GetParam() + 1) / kSlices;
  std::size_t changed = 0;
  std::string report;
  for (std::size_t i = first; i < end; ++i) {
    const CorpusCase& c = cases[i];
    if (runAndHash(c, folder, scratch.path()).hash == c.hash) continue;
    if (++changed <= kMismatchesShown)
      report += "  case " + std::to_string(i + 1) + " [" + c.locale + ", " + c.startFile +
                "]: " + c.sequence + "\n";
  }
  EXPECT_EQ(changed, 0u) << changed << " of the " << end - first << " sequences in cases "
                         << first + 1 << " to " << end
                         << " show something else now; the first ones:\n"
                         << report;
}

INSTANTIATE_TEST_SUITE_P(Slices, BehaviourCorpus, ::testing::Range(0, kSlices));

// The same sequences in a decimal-comma locale: every number shows with "," for "." and
// "." for ",", everything else shows the same, and the settings file is the same file.

std::string swapSymbolsNextToDigits(std::string_view text);

// Every "." and "," that stands next to a digit, or after a blank and next to no letter,
// changes into the other; names such as "U.S. gallons" stay as they are, and so do the texts typed
// into the unit boxes.
std::string swapSymbols(std::string_view text, const std::vector<std::string>& kept = {}) {
  std::string masked(text);
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const std::string mark = "\x01" + std::to_string(k) + "\x02";
    // A box's text, not the start or end of a longer number ("0.5" in "10.55").
    const auto digitAt = [&](std::size_t i) {
      return i < masked.size() && masked[i] >= '0' && masked[i] <= '9';
    };
    for (std::size_t at = 0;
         !kept[k].empty() && (at = masked.find(kept[k], at)) != std::string::npos;) {
      if ((at > 0 && digitAt(at - 1)) || digitAt(at + kept[k].size())) {
        ++at;
        continue;
      }
      masked.replace(at, kept[k].size(), mark);
      at += mark.size();
    }
  }
  std::string out = swapSymbolsNextToDigits(masked);
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const std::string mark = "\x01" + std::to_string(k) + "\x02";
    for (std::size_t at = 0; (at = out.find(mark, at)) != std::string::npos; at += kept[k].size())
      out.replace(at, mark.size(), kept[k]);
  }
  return out;
}

// The texts a sequence types into the unit boxes, longest first.
std::vector<std::string> unitBoxTexts(std::string_view sequence) {
  std::vector<std::string> texts;
  for (std::string_view box : {"conv:from=", "conv:to="}) {
    for (std::size_t at = 0; (at = sequence.find(box, at)) != std::string_view::npos;) {
      at += box.size();
      const std::size_t end = std::min(sequence.find(',', at), sequence.size());
      std::string_view t = sequence.substr(at, end - at);
      while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
      if (t.find_first_of(".,") != std::string_view::npos) texts.emplace_back(t);
    }
  }
  std::sort(texts.begin(), texts.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  return texts;
}

std::string swapSymbolsNextToDigits(std::string_view text) {
  const auto is = [&](std::size_t i, bool (*what)(char)) {
    return i < text.size() && what(text[i]);
  };
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  std::string out(text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '.' && text[i] != ',') continue;
    const bool nextToDigit = (i > 0 && is(i - 1, digit)) || is(i + 1, digit);
    const bool nextToLetter = (i > 0 && is(i - 1, letter)) || is(i + 1, letter);
    const bool afterBlank = i > 0 && text[i - 1] == ' ';  // a point typed after " 1/ 2"
    if (nextToDigit || (afterBlank && !nextToLetter)) out[i] = text[i] == '.' ? ',' : '.';
  }
  return out;
}

// The sequence as a German user types it: the numbers typed into boxes and pasted are
// written with the other symbols ("\," stands for a comma in a value).
std::string germanSequence(std::string_view sequence) {
  constexpr std::string_view kNumericBoxes[] = {"molar:count",
                                                "molar:index=", "opt:places=", "menu:paste="};
  std::string out;
  std::size_t start = 0;
  while (start <= sequence.size()) {
    std::size_t end = start;
    while (end < sequence.size() && sequence[end] != ',') end += sequence[end] == '\\' ? 2 : 1;
    end = std::min(end, sequence.size());
    std::string_view token = sequence.substr(start, end - start);
    std::size_t lead = 0;
    while (lead < token.size() && token[lead] == ' ') ++lead;
    bool numeric = false;
    for (std::string_view box : kNumericBoxes)
      numeric = numeric || token.substr(lead).starts_with(box);
    const std::size_t eq = token.find('=');
    if (!numeric || eq == std::string_view::npos) {
      out += token;
    } else {
      out += token.substr(0, eq + 1);
      for (std::size_t i = eq + 1; i < token.size(); ++i) {
        if (token[i] == '\\' && i + 1 < token.size() && token[i + 1] == ',') {
          out += '.';
          ++i;
        } else if (token[i] == '\\' && i + 1 < token.size()) {
          out += token.substr(i, 2);
          ++i;
        } else {
          out += token[i] == '.' ? "\\," : std::string(1, token[i]);
        }
      }
    }
    if (end < sequence.size()) out += ',';
    start = end + 1;
  }
  return out;
}

// A pasted text with two points ("1.234.567") is no number in English, while its German
// spelling "1,234,567" is one in the C form with grouping, which paste also takes: such
// sequences are left out.
bool pastesUnmirroredGroups(std::string_view sequence) {
  constexpr std::string_view kPaste = "menu:paste=";
  for (std::size_t at = 0; (at = sequence.find(kPaste, at)) != std::string_view::npos;) {
    at += kPaste.size();
    const std::string_view value = sequence.substr(at, sequence.find(',', at) - at);
    if (std::count(value.begin(), value.end(), '.') >= 2) return true;
  }
  return false;
}

struct LocaleRun {
  testing::CliResult result;
  std::string settings;
};

LocaleRun runIn(const CorpusCase& c, const std::string& locale, const std::string& sequence,
                const std::filesystem::path& folder, const std::filesystem::path& scratch) {
  const std::filesystem::path settings = freshSettings(c, folder, scratch);
  LocaleRun run{testing::runCli({"--keys", sequence, "--json", "--locale", locale, "--settings",
                                 settings.string()}),
                {}};
  run.settings = readFile(settings);
  return run;
}

// What differs between the German run and the English one once its numbers are swapped;
// "" when nothing does.
std::string localeDifference(const LocaleRun& en, const LocaleRun& de,
                             const std::vector<std::string>& unitTexts) {
  if (en.result.status != de.result.status) return "exit status";
  if (en.result.err != de.result.err) return "standard error";
  if (en.settings != de.settings) return "settings file";
  constexpr std::string_view kNumeric[] = {"display", "M", "K", "stat", "fin", "molar", "tape"};
  std::vector<std::string_view> fields(std::begin(kHashedFields), std::end(kHashedFields));
  fields.push_back("tape");
  for (std::string_view field : fields) {
    const auto e = topLevelField(en.result.out, field);
    const auto d = topLevelField(de.result.out, field);
    const bool numeric =
        std::find(std::begin(kNumeric), std::end(kNumeric), field) != std::end(kNumeric);
    const std::string expected =
        e ? (numeric ? swapSymbols(*e, field == "tape" ? unitTexts : std::vector<std::string>{})
                     : std::string(*e))
          : "";
    if (expected != (d ? std::string(*d) : ""))
      return std::string(field) + ": " + std::string(d.value_or("")) + " instead of " + expected;
  }
  return "";
}

constexpr std::size_t kLocaleMismatchesShown = 20;

class BehaviourCorpusLocales : public ::testing::TestWithParam<int> {};

TEST_P(BehaviourCorpusLocales, NumbersSwapTheirSymbolsAndNothingElseChanges) {
  const std::filesystem::path folder = ZOVA_CORPUS_FOLDER;
  const std::vector<CorpusCase> cases = readGolden(folder / "golden.txt");
  ASSERT_GE(cases.size(), 20000u) << "golden.txt is missing or cut short";
  ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());
  const std::size_t first = cases.size() * static_cast<std::size_t>(GetParam()) / kSlices;
  const std::size_t end = cases.size() * static_cast<std::size_t>(GetParam() + 1) / kSlices;
  std::size_t tried = 0, differing = 0;
  std::string report;
  for (std::size_t i = first; i < end; ++i) {
    const CorpusCase& c = cases[i];
    if (pastesUnmirroredGroups(c.sequence)) continue;
    ++tried;
    const LocaleRun en = runIn(c, "en_US", c.sequence, folder, scratch.path());
    const LocaleRun de = runIn(c, "de_DE", germanSequence(c.sequence), folder, scratch.path());
    const std::string difference = localeDifference(en, de, unitBoxTexts(c.sequence));
    if (difference.empty()) continue;
    if (++differing <= kLocaleMismatchesShown)
      report += "  case " + std::to_string(i + 1) + " [" + c.startFile + "]: " + c.sequence +
                "\n    " + difference + "\n";
  }
  EXPECT_EQ(differing, 0u) << differing << " of " << tried
                           << " sequences show something else in de_DE; the first ones:\n"
                           << report;
}

INSTANTIATE_TEST_SUITE_P(Slices, BehaviourCorpusLocales, ::testing::Range(0, kSlices));

}  // namespace
}  // namespace zova::corpus
