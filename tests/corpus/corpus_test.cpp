// Replays the behaviour corpus: every sequence in golden.txt runs again through
// the command line and must show exactly what it showed when the file was made.
// A change meant to alter behaviour regenerates the file with
// scripts/regenerate-corpus.sh and explains the lines that changed.
#include "corpus/corpus.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zova::corpus
