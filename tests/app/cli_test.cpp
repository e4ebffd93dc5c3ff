// The command-line mode in process: options, output, JSON and exit codes.
#include "app/cli.h"

#include <gtest/gtest.h>

#include "support/cli_runner.h"

namespace zova {
namespace {

using Result = testing::CliResult;
Result run(const std::vector<std::string>& args, const std::string& input = "") {
  return testing::runCli(args, input);
}

TEST(CommandLine, KeysPrintTheDisplay) {
  struct Case {
    std::vector<std::string> args;
    const char* out;
  };
  const Case cases[] = {
      {{"--keys", "0,0,0"}, "0\n"},
      {{"--keys", ".,5"}, "0.5\n"},
      {{"--keys", "5,.,.,2"}, "5.2\n"},
      {{"--keys", "1,EXP,EXP,3"}, "1E3\n"},
      {{"--keys", "5,.,±,3"}, "-53\n"},
      {{"--keys", "1,÷,4,=", "--locale", "de_DE"}, "0,25\n"},
      {{"--locale", "en_US.UTF-8", "--keys", "1,÷,4,="}, "0.25\n"},
      {{"--version"}, "zova 2.10\n"},
  };
  for (const Case& c : cases) {
    const Result r = run(c.args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, "");
  }
}

TEST(CommandLine, BadInputExitsTwoWithNothingOnStandardOutput) {
  const std::vector<std::vector<std::string>> cases = {
      {"--keys", "2,nope"}, {"--keys"}, {"--bogus"}, {}, {"--keys", "1", "--repl"}, {"--json"},
  };
  for (const auto& args : cases) {
    const Result r = run(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
  }
  EXPECT_NE(run({"--keys", "2,nope"}).err.find("\"nope\" at token 2"), std::string::npos);
}

TEST(CommandLine, JsonShowsTheVisibleState) {
  const Result bad = run({"--keys", "(,3,inv,+,4,M+,\"", "--json"});
  EXPECT_EQ(bad.status, 2);  // the quote is no key
  const Result j = run({"--keys", "(,3,inv,+,4,M+", "--json"});
  ASSERT_EQ(j.status, 0);
  EXPECT_EQ(j.out.rfind("{\"display\": \"4\", \"indicators\": {\"inv\": \"\", \"hyp\": \"\", "
                        "\"deg\": \"d\", \"rad\": \"\", \"grad\": \"\", \"memory\": \" M\", "
                        "\"base\": \"\", \"fraction\": \"\"}, \"tooltips\": {\"open\": \"open "
                        "brackets: 1\", \"close\": \"open brackets: 1\"}, \"stack\": false, \"M\": "
                        "\"4\", \"K\": \"0\", \"beeps\": 0, \"messages\": [], ",
                        0),
            0u)
      << j.out;
  EXPECT_EQ(j.out.back(), '\n');
}

TEST(CommandLine, JsonShowsThePanels) {
  struct Case {
    const char* keys;
    const char* fragment;
  };
  const Case cases[] = {
      {"5,stat:enter,7,stat:enter",
       "\"stat\": {\"list\": [\"7\", \"5\"], \"sums\": \"12\", "
       "\"square\": \"74\"}"},
      {"fin:start", "\"timing\": \"Start\"}"},
      {"1000,fin:click=PV", "\"PV\": \"1,000.00\""},
      {"conv:Power",
       "\"conv\": {\"button\": \"Convert\", \"fromLabel\": \"From:\", "
       "\"toLabel\": \"To:\", \"from\": \"Watts\", \"to\": \"horsepower\", "
       "\"fromItems\": [\"Watts\", \"horsepower\"], "
       "\"toItems\": [\"Watts\", \"horsepower\"]}"},
      {"conv:Constants", "\"button\": \"Use Constant\", \"fromLabel\": \"S.I.\""},
      {"elem:hover=V", "\"elem\": {\"symbol\": \"V\", \"name\": \"Vanadium\""},
      {"molar:drop2=Na",
       "\"molar\": {\"result\": \"22.9898\", \"shown\": true, "
       "\"slots\": [\"\", \"Na\", \"\", \"\"]}"},
      {"opt:format=Scientific,opt:places=4,opt:radicals=on,opt:accuracy=high",
       "\"options\": {\"format\": \"Scientific\", \"places\": 4, \"radicals\": true, "
       "\"accuracy\": \"high\"}"},
      {"key:Ctrl+S", "\"beeps\": 1"},
      {"10,Base", "\"base\": \"h\""},
      {"0.75,b/c,+", "\"fraction\": \"\""},
      {"3.14159265358979,b/c", "\"fraction\": \"A\""},
  };
  for (const Case& c : cases) {
    const Result r = run({"--keys", c.keys, "--json"});
    ASSERT_EQ(r.status, 0) << c.keys << r.err;
    EXPECT_NE(r.out.find(c.fragment), std::string::npos) << c.keys << "\n" << r.out;
  }
}

TEST(CommandLine, ReplKeepsStateAndSkipsBadLines) {
  const Result r = run({"--repl"}, "5\n+,5,=\nbad,2\nX,2,=\r\nquit\n7\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "5\n10\n20\n");
  EXPECT_NE(r.err.find("\"bad\" at token 1"), std::string::npos);
}

TEST(CommandLine, HelpNamesTheModes) {
  const Result r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* word : {"--keys", "--json", "--settings", "--locale", "--repl"})
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

}  // namespace
}  // namespace zova
