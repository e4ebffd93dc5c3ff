// Saving as the user goes: after each save both files hold what the model holds,
// the tape appended or rewritten, and a failing save is told once.
#include "model/auto_save.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "model/tape_file.h"
#include "support/key_runner.h"
#include "support/temp_dir.h"

namespace zova {
namespace {

// Each step's keys, then a save: the files read back give the model's settings and tape.
TEST(AutoSave, EachSaveLeavesTheFilesAsTheModelHolds) {
  testing::TempDir dir;
  const std::string settings = dir.file(kSettingsFileName), tape = dir.file(kTapeFileName);
  testing::Started run(settings);
  AutoSave save(run.model, tape);
  save.startFrom(false);
  const char* steps[] = {
      "5,M+", "2,+,3,=,7,stat:enter", "1,÷,0,=", "tape:clear,4,X,2,=", "menu:undo", "9,Kin"};
  for (const char* keys : steps) {
    if (auto e = runSequence(run.model, keys)) FAIL() << e->message();
    save.saveChanges();
    testing::Started back(settings);
    EXPECT_EQ(back.model.settingsText(), run.model.settingsText()) << keys;
    TapeModel read;
    ASSERT_EQ(loadTapeFile(read, tape), TapeLoad::kRead) << keys;
    EXPECT_EQ(read.texts(), run.model.tape().texts()) << keys;
  }
}

// New lines are appended; past a tenth over what the tape keeps the file is written
// whole again (a new file in its place).
TEST(AutoSave, TheTapeFileStaysNearWhatTheTapeKeeps) {
  testing::TempDir dir;
  testing::KeyRunner run;
  AutoSave save(run.model, dir.file(kTapeFileName));
  save.startFrom(false);
  int written = 0;
  ino_t file = 0;
  for (std::size_t i = 0; i < kTapeCapacity + kTapeCapacity / 5; i += 100) {
    for (int k = 0; k < 100; ++k) run.model.tape().append({{}, std::to_string(k), "+", ""});
    save.saveChanges();
    struct stat st {};
    ASSERT_EQ(::stat(dir.file(kTapeFileName).c_str(), &st), 0);
    written += st.st_ino != file;
    file = st.st_ino;
  }
  EXPECT_EQ(written, 2);  // made, then written whole once
  const std::string text = testing::slurp(dir.file(kTapeFileName));
  const auto lines = std::count(text.begin(), text.end(), '\n');
  EXPECT_LE(lines, static_cast<long>(kTapeCapacity + kTapeCapacity / 10 + 1));
  EXPECT_GT(lines, static_cast<long>(kTapeCapacity));
}

TEST(AutoSave, AFailingSaveIsToldOnceAndTriedAgain) {
  testing::TempDir dir;
  const std::string folder = dir.file("later");
  testing::Started run(folder + "/" + kSettingsFileName);
  AutoSave save(run.model, folder + "/" + kTapeFileName);
  save.startFrom(false);
  std::vector<std::string> told;
  save.report = [&told](const Text& t) { told.push_back(english(t)); };
  for (const char* keys : {"5,M+", "6,M+", "7,M+"}) {
    if (auto e = runSequence(run.model, keys)) FAIL() << e->message();
    save.saveChanges();
  }
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("could not be saved"), std::string::npos) << told[0];
  EXPECT_TRUE(run.tk.messages.empty());  // no message box
  std::filesystem::create_directory(folder);
  save.saveChanges();
  EXPECT_EQ(told, (std::vector<std::string>{told[0], ""}));
  EXPECT_EQ(testing::Started(folder + "/" + kSettingsFileName).model.calc().state().memory,
            run.model.calc().state().memory);
}

}  // namespace
}  // namespace zova
