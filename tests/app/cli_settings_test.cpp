// The command line's --settings FILE: read at start, written once at exit, never
// written after a bad sequence.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace zova {
namespace {

using testing::runCli;

// What one run leaves, the next one starts with (each setting's line: settings_file_test):
// M in decimal, K as it was stored, whichever base the keypad shows.
TEST(CommandLineSettings, StateSurvivesRunsOfKeysAndRepl) {
  testing::TempDir dir;
  const std::string file = dir.file("zova.dat");
  ASSERT_EQ(runCli({"--settings=" + file, "--keys", "5,M+,AC,7,Kin,AC,Base"}).status, 0);
  EXPECT_EQ(runCli({"--settings", file, "--keys", "Base,Base,Base,MR"}).out, "5\n");
  EXPECT_EQ(runCli({"--settings", file, "--keys", "Kout"}).out, "7\n");
  // --repl writes the file at the end, bad lines skipped: M 5 + 2 + 3.
  EXPECT_EQ(runCli({"--repl", "--settings", file}, "AC,2,M+\nbad\n3,M+\nquit\n").status, 0);
  EXPECT_EQ(runCli({"--settings", file, "--keys", "MR"}).out, "10\n");
}

TEST(CommandLineSettings, ABadSequenceWritesNothing) {
  testing::TempDir dir;
  const std::string missing = dir.file("none.dat"), file = dir.file("kept.dat");
  EXPECT_EQ(runCli({"--settings", missing, "--keys", "5,M+,nope"}).status, 2);
  EXPECT_FALSE(std::filesystem::exists(missing));
  ASSERT_EQ(runCli({"--settings", file, "--keys", "4,M+"}).status, 0);
  const std::string before = testing::slurp(file);
  EXPECT_EQ(runCli({"--settings", file, "--keys", "AC,9,M+,key:End,nope"}).status, 2);
  EXPECT_EQ(testing::slurp(file), before);
}

// The End key writes the file at once, and only once. A file that cannot be written
// is reported once on standard error and the exit status says so.
TEST(CommandLineSettings, TheEndKeyWritesTheFileOnce) {
  testing::TempDir dir;
  const std::string file = dir.file("end.dat"), folder = dir.file("folder.dat");
  ASSERT_EQ(runCli({"--settings", file, "--keys", "9,M+,key:End,AC,1,M+"}).status, 0);
  EXPECT_EQ(runCli({"--settings", file, "--keys", "MR"}).out, "9\n");
  std::filesystem::create_directories(folder + "/inside");
  const std::string message = "zova: The settings file " + folder + " could not be read";
  for (const char* keys : {"key:End", "5"}) {
    const testing::CliResult r = runCli({"--settings", folder, "--keys", keys});
    EXPECT_EQ(r.status, 1) << keys;
    const std::size_t first = r.err.find(message);
    ASSERT_NE(first, std::string::npos) << r.err;
    EXPECT_EQ(r.err.find(message, first + 1), std::string::npos) << r.err;
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder + "/inside"));
}

}  // namespace
}  // namespace zova
