// Replays the behaviour corpus: every sequence in golden.txt runs again through
// the command line and must show exactly what it showed when the file was made.
// A change meant to alter behaviour regenerates the file with
// scripts/regenerate-corpus.sh and explains the lines that changed.
#include "corpus/corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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

bool isDigit(std::size_t i, std::string_view text) {
  return i < text.size() && text[i] >= '0' && text[i] <= '9';
}
bool isLetter(std::size_t i, std::string_view text) {
  return i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]));
}

// Swaps every "." and "," that stands next to a digit, or after a blank and next to no
// letter (a point typed after " 1/ 2"). Names such as "U.S. gallons" keep theirs, and so do
// the `kept` texts (typed into the unit boxes) where they stand alone, not inside a number.
std::string swapSymbols(std::string text, const std::vector<std::string>& kept = {}) {
  std::vector<bool> keep(text.size());
  for (const std::string& k : kept) {
    for (std::size_t at = 0; !k.empty() && (at = text.find(k, at)) != std::string::npos; ++at)
      if (!(at > 0 && isDigit(at - 1, text)) && !isDigit(at + k.size(), text))
        std::fill_n(keep.begin() + static_cast<std::ptrdiff_t>(at), k.size(), true);
  }
  const std::string original = text;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((text[i] != '.' && text[i] != ',') || keep[i]) continue;
    const bool nextToDigit = (i > 0 && isDigit(i - 1, original)) || isDigit(i + 1, original);
    const bool nextToLetter = (i > 0 && isLetter(i - 1, original)) || isLetter(i + 1, original);
    if (nextToDigit || (i > 0 && original[i - 1] == ' ' && !nextToLetter))
      text[i] = text[i] == '.' ? ',' : '.';
  }
  return text;
}

// The texts a sequence types into the unit boxes.
std::vector<std::string> unitBoxTexts(std::string_view sequence) {
  std::vector<std::string> texts;
  for (std::string_view box : {"conv:from=", "conv:to="}) {
    for (std::size_t at = 0; (at = sequence.find(box, at)) != std::string_view::npos;) {
      at += box.size();
      const std::string_view t = sequence.substr(at, sequence.find(',', at) - at);
      texts.emplace_back(t.substr(0, t.find_last_not_of(' ') + 1));
    }
  }
  return texts;
}

// The sequence as a German user types it: the numbers typed into boxes and pasted are
// written with the other symbols ("\," stands for a comma in a value).
std::string germanSequence(std::string_view sequence) {
  constexpr std::string_view kNumericBoxes[] = {"molar:count",
                                                "molar:index=", "opt:places=", "menu:paste="};
  std::string out;
  std::size_t token = 0;  // where the current token starts in `out`
  bool numeric = false;   // in the value of a box that takes a number
  for (std::size_t i = 0; i < sequence.size(); ++i) {
    const char c = sequence[i];
    if (c == '\\' && i + 1 < sequence.size()) {
      const char next = sequence[++i];
      out += numeric && next == ',' ? std::string(".") : std::string{'\\', next};
    } else if (c == ',') {
      out += c;
      token = out.size();
      numeric = false;
    } else if (numeric && c == '.') {
      out += "\\,";
    } else {
      out += c;
      std::string_view t = std::string_view(out).substr(token);
      t.remove_prefix(std::min(t.find_first_not_of(' '), t.size()));
      numeric =
          numeric || (c == '=' && std::any_of(std::begin(kNumericBoxes), std::end(kNumericBoxes),
                                              [&](auto box) { return t.starts_with(box); }));
    }
  }
  return out;
}

// A pasted text with two points ("1.234.567") is no number in English, while its German
// spelling "1,234,567" is one in the C form with grouping, which paste also takes.
bool pastesUnmirroredGroups(std::string_view sequence) {
  constexpr std::string_view kPaste = "menu:paste=";
  for (std::size_t at = 0; (at = sequence.find(kPaste, at)) != std::string_view::npos;) {
    at += kPaste.size();
    const std::string_view value = sequence.substr(at, sequence.find(',', at) - at);
    if (std::count(value.begin(), value.end(), '.') >= 2) return true;
  }
  return false;
}

class BehaviourCorpusLocales : public ::testing::TestWithParam<int> {};

TEST_P(BehaviourCorpusLocales, NumbersSwapTheirSymbolsAndNothingElseChanges) {
  const std::filesystem::path folder = ZOVA_CORPUS_FOLDER;
  const std::vector<CorpusCase> cases = readGolden(folder / "golden.txt");
  ASSERT_GE(cases.size(), 20000u) << "golden.txt is missing or cut short";
  ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());
  const auto run = [&](const CorpusCase& c, const char* locale, const std::string& sequence) {
    const std::filesystem::path settings = freshSettings(c, folder, scratch.path());
    testing::CliResult r = testing::runCli(
        {"--keys", sequence, "--json", "--locale", locale, "--settings", settings.string()});
    return std::pair{r, readFile(settings)};
  };
  std::vector<std::string_view> fields(std::begin(kHashedFields), std::end(kHashedFields));
  fields.push_back("tape");
  constexpr std::string_view kNumeric[] = {"display", "M", "K", "stat", "fin", "molar", "tape"};

  const std::size_t first = cases.size() * static_cast<std::size_t>(GetParam()) / kSlices;
  const std::size_t end = cases.size() * static_cast<std::size_t>(GetParam() + 1) / kSlices;
  std::size_t differing = 0;
  std::string report;
  for (std::size_t i = first; i < end; ++i) {
    const CorpusCase& c = cases[i];
    if (pastesUnmirroredGroups(c.sequence)) continue;
    const auto [en, enSettings] = run(c, "en_US", c.sequence);
    const auto [de, deSettings] = run(c, "de_DE", germanSequence(c.sequence));
    std::string difference = en.status != de.status     ? "exit status"
                             : en.err != de.err         ? "standard error"
                             : enSettings != deSettings ? "settings file"
                                                        : "";
    for (std::string_view field : fields) {
      if (!difference.empty()) break;
      const std::string e(topLevelField(en.out, field).value_or(""));
      const std::string d(topLevelField(de.out, field).value_or(""));
      const bool numeric =
          std::find(std::begin(kNumeric), std::end(kNumeric), field) != std::end(kNumeric);
      const std::string expected =
          numeric ? swapSymbols(
                        e, field == "tape" ? unitBoxTexts(c.sequence) : std::vector<std::string>{})
                  : e;
      if (d != expected) difference = std::string(field) + ": " + d + " instead of " + expected;
    }
    if (!difference.empty() && ++differing <= kMismatchesShown)
      report += "  case " + std::to_string(i + 1) + " [" + c.startFile + "]: " + c.sequence +
                "\n    " + difference + "\n";
  }
  EXPECT_EQ(differing, 0u) << differing << " sequences of cases " << first + 1 << " to " << end
                           << " show something else in de_DE; the first ones:\n"
                           << report;
}

INSTANTIATE_TEST_SUITE_P(Slices, BehaviourCorpusLocales, ::testing::Range(0, kSlices));

}  // namespace
}  // namespace zova::corpus
