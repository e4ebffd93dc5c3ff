// The command line's --settings FILE: read at start, written once at exit,
// never written after a bad sequence.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace zova {
namespace {

namespace fs = std::filesystem;
using testing::slurp;
using testing::TempDir;

using Result = testing::CliResult;
using testing::runCli;

void expectParts(const std::string& text, std::initializer_list<const char*> parts) {
  for (const char* part : parts) EXPECT_NE(text.find(part), std::string::npos) << part << text;
}

TEST(CommandLineSettings, StateSurvivesTwoRuns) {
  TempDir dir;
  const std::string file = dir.file("zova.dat");
  const Result first =
      runCli({"--settings=" + file, "--keys",
              "5,M+,AC,7,Kin,AC,Mode,opt:format=Fix,opt:places=3,1,stat:enter,2,stat:enter,3,"
              "stat:enter,AC,Base"});
  ASSERT_EQ(first.status, 0) << first.err;
  for (int again = 0; again < 2; ++again) {
    SCOPED_TRACE(again);
    const Result r = runCli({"--settings", file, "--keys", "AC", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    expectParts(r.out, {"\"M\": \"5\"", "\"K\": \"7\"", "\"memory\": \" M\"", "\"rad\": \"r\"",
                        "\"base\": \"h\"", "\"format\": \"Fix\"", "\"places\": 3",
                        "\"list\": [\"3\", \"2\", \"1\"]"});
  }
  // The keypad reads the registers back: M in decimal, K as it was stored.
  EXPECT_EQ(runCli({"--settings", file, "--keys", "Base,Base,Base,MR"}).out, "5\n");
  EXPECT_EQ(runCli({"--settings", file, "--keys", "Kout"}).out, "7\n");
}

TEST(CommandLineSettings, ABadSequenceWritesNothing) {
  TempDir dir;
  const std::string missing = dir.file("none.dat");
  Result r = runCli({"--settings", missing, "--keys", "5,M+,nope"});
  EXPECT_EQ(std::tie(r.status, r.out), std::make_tuple(2, ""));
  EXPECT_FALSE(fs::exists(missing));
  const std::string file = dir.file("kept.dat");
  ASSERT_EQ(runCli({"--settings", file, "--keys", "4,M+"}).status, 0);
  const std::string before = slurp(file);
  r = runCli({"--settings", file, "--keys", "AC,9,M+,key:End,nope"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(slurp(file), before);
}

TEST(CommandLineSettings, TheEndKeyWritesTheFileOnce) {
  TempDir dir;
  const std::string file = dir.file("end.dat");
  ASSERT_EQ(runCli({"--settings", file, "--keys", "9,M+,key:End,AC,1,M+"}).status, 0);
  EXPECT_EQ(runCli({"--settings", file, "--keys", "MR"}).out, "9\n");

  // A settings file that cannot be written is reported once on standard error,
  // by the unload, and the exit status says so.
  const std::string folder = dir.file("folder.dat");
  fs::create_directories(fs::path(folder) / "inside");
  const Result ended = runCli({"--settings", folder, "--keys", "key:End", "--json"});
  EXPECT_EQ(ended.status, 1);
  const std::string message = "zova: The settings file " + folder + " could not be read";
  const std::size_t first = ended.err.find(message);
  ASSERT_NE(first, std::string::npos) << ended.err;
  EXPECT_EQ(ended.err.find(message, first + 1), std::string::npos) << ended.err;

  // Without the End key the command line writes it at exit, and says when it could not.
  const Result plain = runCli({"--settings", folder, "--keys", "5"});
  EXPECT_EQ(std::tie(plain.status, plain.out), std::make_tuple(1, "5\n"));
  EXPECT_NE(plain.err.find(message), std::string::npos) << plain.err;
  EXPECT_TRUE(fs::is_directory(fs::path(folder) / "inside"));
}

TEST(CommandLineSettings, ReplWritesTheFileAtTheEnd) {
  TempDir dir;
  const std::string file = dir.file("repl.dat");
  EXPECT_EQ(runCli({"--repl", "--settings", file}, "2,M+\nbad\n3,M+\nquit\n").status, 0);
  EXPECT_EQ(runCli({"--settings", file, "--keys", "MR"}).out, "5\n");
}

}  // namespace
}  // namespace zova
