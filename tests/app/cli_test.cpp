// The command-line mode in process: options, output, JSON and exit codes.
#include "app/cli.h"

#include <gtest/gtest.h>

#include "support/cli_runner.h"

namespace zova {
namespace {

using Result = testing::CliResult;
using testing::runCli;

TEST(CommandLine, OptionsPrintTheirOutput) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"--keys", "5,.,.,2"}, "5.2\n"},
      {{"--keys", "1,÷,4,=", "--locale", "de_DE"}, "0,25\n"},
      {{"--locale", "en_US.UTF-8", "--keys", "1,÷,4,="}, "0.25\n"},
      {{"--version"}, "zova 2.10\n"},
  };
  for (const auto& [args, out] : cases) {
    const Result r = runCli(args);
    EXPECT_EQ(std::tie(r.status, r.out, r.err), std::make_tuple(0, out, "")) << args[0];
  }
  for (const char* help : {"--help", "-h"}) {
    const Result r = runCli({help});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"--keys", "--json", "--settings", "--locale", "--repl"})
      EXPECT_NE(r.out.find(word), std::string::npos) << help << " " << word;
  }
}

TEST(CommandLine, BadInputExitsTwoWithNothingOnStandardOutput) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"--keys", "2,nope"}, "zova: unknown key name \"nope\" at token 2"},
      {{"--keys"}, "zova: option --keys needs a value"},
      {{"--bogus"}, "zova: unknown option --bogus"},
      {{}, "zova: nothing to do"},
      {{"--keys", "1", "--repl"}, "zova: --keys and --repl cannot be used together"},
      {{"--keys", "(,3,\"", "--json"}, "\"\"\" at token 3"},  // the quote is no key
  };
  for (const auto& [args, message] : cases) {
    const Result r = runCli(args);
    EXPECT_EQ(r.status, 2) << message;
    EXPECT_EQ(r.out, "") << message;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  }
}

TEST(CommandLine, JsonShowsTheVisibleState) {
  const Result j = runCli({"--keys", "(,3,inv,+,4,M+", "--json"});
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
  const std::pair<const char*, const char*> panels[] = {
      {"5,stat:enter,7,stat:enter",
       "\"stat\": {\"list\": [\"7\", \"5\"], \"sums\": \"12\", \"square\": \"74\"}"},
      {"fin:start", "\"timing\": \"Start\"}"},
      {"1000,fin:click=PV", "\"PV\": \"1,000.00\""},
      {"conv:Power",
       "\"conv\": {\"button\": \"Convert\", \"fromLabel\": \"From:\", \"toLabel\": \"To:\", "
       "\"from\": \"Watts\", \"to\": \"horsepower\", \"fromItems\": [\"Watts\", \"horsepower\"], "
       "\"toItems\": [\"Watts\", \"horsepower\"]}"},
      {"conv:Constants", "\"button\": \"Use Constant\", \"fromLabel\": \"S.I.\""},
      {"elem:hover=V", "\"elem\": {\"symbol\": \"V\", \"name\": \"Vanadium\""},
      {"molar:drop2=Na",
       "\"molar\": {\"result\": \"22.9898\", \"shown\": true, \"slots\": [\"\", \"Na\", \"\", "
       "\"\"]}"},
      {"opt:format=Scientific,opt:places=4,opt:radicals=on,opt:accuracy=high",
       "\"options\": {\"format\": \"Scientific\", \"places\": 4, \"radicals\": true, "
       "\"accuracy\": \"high\"}"},
      {"key:Ctrl+S", "\"beeps\": 1"},
      {"3.14159265358979,b/c", "\"fraction\": \"A\""},
      {"menu:statistics", "\"panel\": \"statistics\"}, \"tape\": []}\n"},
      {"menu:converter", "\"panel\": \"converter\"}, \"tape\": []}\n"},
      {"menu:converter,menu:financial",
       "\"window\": {\"width\": 7050, \"height\": 5340, \"onTop\": false, \"compact\": false, "
       "\"panel\": \"financial\"}, \"tape\": []}\n"},
      {"menu:ontop,menu:converter,menu:compact",
       "\"window\": {\"width\": 3300, \"height\": 1410, \"onTop\": true, \"compact\": true, "
       "\"panel\": \"none\"}, \"tape\": []}\n"},
  };
  for (const auto& [keys, fragment] : panels) {
    const Result r = runCli({"--keys", keys, "--json"});
    ASSERT_EQ(r.status, 0) << keys << r.err;
    EXPECT_NE(r.out.find(fragment), std::string::npos) << keys << "\n" << r.out;
  }
}

// Pasted bytes reach the display as they are; JSON shows every byte that is not
// part of well-formed UTF-8 as U+FFFD and keeps well-formed characters.
TEST(CommandLine, JsonIsUtf8WhateverTheDisplayHolds) {
  const std::pair<const char*, const char*> cases[] = {
      {"\xff\xfe", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"a\xC3\xA9\xE2\x82", "a\xC3\xA9\xEF\xBF\xBD\xEF\xBF\xBD"},  // cut-off euro sign
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                    // overlong "/"
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},    // a surrogate
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
  };
  for (const auto& [pasted, shown] : cases) {
    const Result r = runCli({"--keys", std::string("menu:paste=") + pasted, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind(std::string("{\"display\": \"") + shown + "\", ", 0), 0u) << r.out;
  }
}

TEST(CommandLine, ReplKeepsStateAndSkipsBadLines) {
  const Result r = runCli({"--repl"}, "5\n+,5,=\nbad,2\nX,2,=\r\nquit\n7\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "5\n10\n20\n");
  EXPECT_NE(r.err.find("\"bad\" at token 1"), std::string::npos);
}

}  // namespace
}  // namespace zova
