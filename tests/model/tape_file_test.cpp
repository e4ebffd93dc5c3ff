// The tape file: a round trip keeps every entry, and a missing, damaged or huge
// file leaves the tape as it was, the bad ones set aside.
#include "model/tape_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/key_runner.h"
#include "support/temp_dir.h"

namespace zova {
namespace {

TEST(TapeFile, RoundTripKeepsEveryEntry) {
  testing::TempDir dir;
  const std::string path = dir.file(kTapeFileName);
  testing::KeyRunner before, after;
  // Every kind of label, read back into the texts that wrote it: a constant's name
  // ends in "mass" and a function's label is of no panel.
  before.keys(
      "12,+,3,X,4,=,30,sin,5,M+,Base,X!,+,1,=,menu:statistics,2,stat:enter,stat:mean,"
      "menu:converter,12,conv:Length,conv:go,conv:Constants,conv:go,conv:open-from,"
      "conv:from=me: electron mass (kg),conv:go,elem:hover=Fe,elem:number,elem:mass,"
      "molar:drop1=H,molar:count1=2,molar:drop2=O,molar:result");
  before.model.recallTapeNumber(1);
  ASSERT_EQ(before.model.tape().size(), 20u);  // a line for each
  ASSERT_TRUE(saveTapeFile(before.model.tape(), path).written);
  EXPECT_EQ(loadTapeFile(after.model.tape(), path), TapeLoad::kRead);
  EXPECT_EQ(after.model.tape().entries(), before.model.tape().entries());
  // A tape of the other decimal symbol: its "," is never read as grouping, nor its "." in
  // a decimal-comma run.
  const struct {
    NumberLocale written, read;
    const char* keys;
    const char* recalled;
  } kOtherSymbol[] = {
      {testing::kGerman, testing::kEnglish, "2.5,+", "2.5"},
      {testing::kGerman, NumberLocale{".", "'"}, "2.5,+", "2.5"},
      {testing::kEnglish, testing::kGerman, "1.5,EXP,20,+", "1,5E+20"},
  };
  for (const auto& c : kOtherSymbol) {
    testing::KeyRunner writer(c.written), reader(c.read);
    writer.keys(c.keys);
    ASSERT_TRUE(saveTapeFile(writer.model.tape(), path).written);
    ASSERT_EQ(loadTapeFile(reader.model.tape(), path), TapeLoad::kRead);
    reader.model.recallTapeNumber(0);
    EXPECT_EQ(reader.model.calc().display(), c.recalled) << c.keys;
  }
  // Only the last entries the tape holds are read.
  std::string text = std::string(kTapeFileHeader) + "\n";
  for (std::size_t i = 0; i < kTapeCapacity + 5; ++i)
    text += "\t" + std::to_string(i) + "\t+\t" + std::to_string(i) + "\n";
  testing::spit(path, text);
  TapeModel tape;
  EXPECT_EQ(loadTapeFile(tape, path), TapeLoad::kRead);
  ASSERT_EQ(tape.size(), kTapeCapacity);
  EXPECT_EQ(tape.at(0).text(), "5 +");
}

TEST(TapeFile, MissingDamagedOrHugeFilesLeaveTheTape) {
  const std::string header = std::string(kTapeFileHeader) + "\n";
  const std::string cases[] = {
      "",  // no file
      "not a tape\n",
      header + "12\t+\n",               // too few parts
      header + "\t12\t+\t12\textra\n",  // too many
      std::string(kMaxTapeFileBytes + 1, 'x'),
      header + std::string(kMaxTapeFileBytes, '\t'),
  };
  for (const std::string& content : cases) {
    testing::TempDir dir;
    const std::string path = dir.file(kTapeFileName);
    if (!content.empty()) testing::spit(path, content);
    testing::KeyRunner run;
    run.keys("1,+,2,=");
    const auto before = run.model.tape().entries();
    EXPECT_EQ(loadTapeFile(run.model.tape(), path),
              content.empty() ? TapeLoad::kMissing : TapeLoad::kSetAside)
        << content.size();
    EXPECT_EQ(run.model.tape().entries(), before);
    EXPECT_EQ(dir.entries(), content.empty()
                                 ? std::vector<std::string>{}
                                 : std::vector<std::string>{std::string(kTapeFileName) + ".bak"});
  }
  EXPECT_EQ(tapeFileBeside("/home/u/.config/zova/dadidedo.dat"),
            "/home/u/.config/zova/zova-tape.txt");
}

}  // namespace
}  // namespace zova
