// Replays the behaviour corpus: every sequence in golden.txt runs again through the
// command line and must show exactly what it showed when the file was made (a change
// meant to alter behaviour regenerates it with scripts/regenerate-corpus.sh), and in a
// decimal-comma locale shows the same with the numbers' symbols swapped.
#include "corpus/corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace zova::corpus {
namespace {

// Swaps every "." and "," that stands next to a digit, or after a blank and next to no
// letter (a point typed after " 1/ 2"). Names such as "U.S. gallons" keep theirs, and so do
// the `kept` texts (typed into the unit boxes) where they stand alone, not inside a number.
std::string swapSymbols(std::string text, const std::vector<std::string>& kept) {
  const std::string original = text;
  const auto isDigit = [&](std::size_t i) {
    return i < text.size() && original[i] >= '0' && original[i] <= '9';
  };
  const auto isLetter = [&](std::size_t i) {
    return i < text.size() && std::isalpha(static_cast<unsigned char>(original[i]));
  };
  std::vector<bool> keep(text.size());
  for (const std::string& k : kept) {
    for (std::size_t at = 0; !k.empty() && (at = text.find(k, at)) != std::string::npos; ++at)
      if (!(at > 0 && isDigit(at - 1)) && !isDigit(at + k.size()))
        std::fill_n(keep.begin() + static_cast<std::ptrdiff_t>(at), k.size(), true);
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((text[i] != '.' && text[i] != ',') || keep[i]) continue;
    const bool nextToDigit = (i > 0 && isDigit(i - 1)) || isDigit(i + 1);
    const bool nextToLetter = (i > 0 && isLetter(i - 1)) || isLetter(i + 1);
    if (nextToDigit || (i > 0 && original[i - 1] == ' ' && !nextToLetter))
      text[i] = text[i] == '.' ? ',' : '.';
  }
  return text;
}

// The values a sequence gives `action` ("conv:from="), blanks after them dropped.
std::vector<std::string> valuesOf(std::string_view sequence, std::string_view action) {
  std::vector<std::string> values;
  for (std::size_t at = 0; (at = sequence.find(action, at)) != std::string_view::npos;) {
    at += action.size();
    const std::string_view t = sequence.substr(at, sequence.find(',', at) - at);
    values.emplace_back(t.substr(0, t.find_last_not_of(' ') + 1));
  }
  return values;
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

// How many times the sequence presses "=" after its last tape:clear, before an End.
std::size_t equalsPressed(std::string_view sequence) {
  constexpr std::string_view kEquals[] = {"=", "key:Enter", "key:Shift+Enter", "key:Equal",
                                          "key:Shift+Equal"};
  std::size_t n = 0;
  for (std::size_t at = 0; at <= sequence.size();) {
    std::size_t end = at;
    while (end < sequence.size() && sequence[end] != ',') end += sequence[end] == '\\' ? 2 : 1;
    std::string_view t = sequence.substr(at, std::min(end, sequence.size()) - at);
    t.remove_prefix(std::min(t.find_first_not_of(' '), t.size()));
    t = t.substr(0, t.find_last_not_of(' ') + 1);
    if (t == "key:End") break;  // the program has ended
    if (t == "tape:clear") n = 0;
    n += std::find(std::begin(kEquals), std::end(kEquals), t) != std::end(kEquals);
    at = end + 1;
  }
  return n;
}

// Each of the four slices, a run of consecutive cases, is a ctest entry of its own.
class Corpus : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    std::ifstream in(folder / "golden.txt", std::ios::binary);
    for (std::string line; std::getline(in, line);)
      if (auto c = parseLine(line)) cases.push_back(std::move(*c));
    ASSERT_GE(cases.size(), 20000u) << "golden.txt is missing or cut short";
    ASSERT_FALSE(scratch.path.empty());
    first = cases.size() * GetParam() / 4, end = cases.size() * (GetParam() + 1) / 4;
  }
  // Reports the differing cases, the first twenty by name.
  void report(std::size_t i, const std::string& what) {
    if (++differing <= 20)
      failures += "  case " + std::to_string(i + 1) + " [" + cases[i].locale + ", " +
                  cases[i].startFile + "]: " + cases[i].sequence + what + "\n";
  }
  void TearDown() override {
    EXPECT_EQ(differing, 0u) << differing << " of cases " << first + 1 << " to " << end
                             << " differ; the first ones:\n"
                             << failures;
  }
  const fs::path folder = ZOVA_CORPUS_FOLDER;
  std::vector<CorpusCase> cases;
  ScratchFolder scratch;
  std::size_t first = 0, end = 0, differing = 0;
  std::string failures;
};

TEST_P(Corpus, EverySequenceShowsWhatItShowedBefore) {
  for (std::size_t i = first; i < end; ++i)
    if (runAndHash(cases[i], folder, scratch.path).first != cases[i].hash) report(i, "");
}

// The same sequences in de_DE: every number shows with "," for "." and "." for ",",
// everything else shows the same, and the settings file is the same file. And in every
// sequence each "=" has its result's line on the tape.
TEST_P(Corpus, InGermanNumbersSwapTheirSymbolsAndNothingElseChanges) {
  std::vector<std::string_view> fields(std::begin(kHashedFields), std::end(kHashedFields));
  fields.push_back("tape");
  constexpr std::string_view kNumeric[] = {"display", "M", "K", "stat", "fin", "molar", "tape"};
  for (std::size_t i = first; i < end; ++i) {
    const CorpusCase& c = cases[i];
    const auto [en, enSettings] = runCase(c, folder, scratch.path, "en_US", c.sequence);
    // Every "=" writes its result on the tape, an error too: "= 5", "= ERROR".
    const std::string_view tape = topLevelField(en.out, "tape").value_or("");
    std::size_t results = 0;
    for (std::size_t at = 0; (at = tape.find("\"= ", at)) != std::string_view::npos; ++at)
      ++results;
    if (en.status == 0 && results != equalsPressed(c.sequence))
      report(i, "\n    tape: " + std::string(tape) + " for " +
                    std::to_string(equalsPressed(c.sequence)) + " presses of =");
    // A pasted "1.234.567" is no number in English, while its German spelling "1,234,567" is
    // one in the C form with grouping, which paste also takes.
    const auto pasted = valuesOf(c.sequence, "menu:paste=");
    if (std::any_of(pasted.begin(), pasted.end(),
                    [](auto& v) { return v.find('.') != v.rfind('.'); }))
      continue;
    std::vector<std::string> boxes = valuesOf(c.sequence, "conv:from="),
                             to = valuesOf(c.sequence, "conv:to=");
    boxes.insert(boxes.end(), to.begin(), to.end());
    const auto [de, deSettings] =
        runCase(c, folder, scratch.path, "de_DE", germanSequence(c.sequence));
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
          numeric ? swapSymbols(e, field == "tape" ? boxes : std::vector<std::string>{}) : e;
      if (d != expected) difference = std::string(field) + ": " + d + " instead of " + expected;
    }
    if (!difference.empty()) report(i, "\n    " + difference);
  }
}

INSTANTIATE_TEST_SUITE_P(Slices, Corpus, ::testing::Range(0, 4));

}  // namespace
}  // namespace zova::corpus
