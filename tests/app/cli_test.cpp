// The command-line mode in process: options, output, JSON and exit codes.
#include "app/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "engine/keys.h"
#include "support/cli_runner.h"
#include "tape/tape_model.h"

namespace zova {
namespace {

using Result = testing::CliResult;
using testing::runCli;

// --help names every option, and its key list names every key once (the digits as
// 0-9), each a name that --keys accepts.
TEST(CommandLine, HelpNamesEveryOptionAndKey) {
  const Result r = runCli({"-h"});
  EXPECT_EQ(std::tie(r.status, r.out), std::make_tuple(0, helpText()));
  for (const char* word : {"--keys", "--json", "--settings", "--locale", "--repl", "--version"})
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
  const std::size_t from = r.out.find("key names: 0-9 "), to = r.out.find(".\nExample: ");
  ASSERT_LT(from, to) << r.out;
  std::istringstream list(r.out.substr(from + 15, to - from - 15));
  std::set<std::string> names;
  for (std::string name; list >> name;) {
    EXPECT_TRUE(names.insert(name).second) << name;
    EXPECT_EQ(runCli({"--keys", "0," + name}).status, 0) << name;
  }
  EXPECT_EQ(names.size() + 10, keyTable().size());
}

TEST(CommandLine, BadInputExitsTwoWithNothingOnStandardOutput) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"--keys", "2,nope"}, "zova: unknown key name \"nope\" at token 2"},
      {{"--keys", "(,3,\"", "--json"}, "\"\"\" at token 3"},  // the quote is no key
      {{"--keys"}, "zova: option --keys needs a value\n"},
      {{"--keys", "1", "--settings"}, "zova: option --settings needs a value\n"},
      {{}, "zova: nothing to do (see zova --help)\n"},
      {{"--"}, "zova: nothing to do (see zova --help)\n"},
      {{"--keys", "1", "--repl"}, "zova: --keys and --repl cannot be used together"},
      {{"--kyes", "1"}, "zova: unknown option --kyes (see zova --help)\n"},
      {{"--keys=1", "extra"}, "zova: unknown option extra (see zova --help)\n"},
      {{"--", "--keys", "1"}, "zova: unknown option --keys (see zova --help)\n"},
      {{"-hx"}, "zova: unknown option -hx (see zova --help)\n"},
      {{"-style", "Fusion", "--keys", "1"}, "zova: unknown option -style (see zova --help)\n"},
      {{"--json=yes", "--keys", "1"}, "zova: option --json=yes takes no value\n"},
  };
  for (const auto& [args, message] : cases) {
    const Result r = runCli(args);
    EXPECT_EQ(std::tie(r.status, r.out), std::make_tuple(2, "")) << message;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  }
}

TEST(CommandLine, EverySpellingOfAnOptionWorks) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"--keys", "2,+,3,="}, "5\n"},
      {{"--keys=-"}, "0\n"},  // a value may start with a dash
      {{"--keys", "1,÷,4,=", "--locale", "de_DE"}, "0,25\n"},
      // A decimal-comma locale: typed entries and panel cells read and show its comma.
      {{"--locale=de_DE", "--keys", "2.5,±,fin:click=PV"}, "-2,5\n"},
      {{"-V"}, "zova 2.10\n"},
      {{"--version"}, "zova 2.10\n"},
      {{"--keys", "7", "--"}, "7\n"},
  };
  for (const auto& [args, out] : cases) {
    const Result r = runCli(args);
    EXPECT_EQ(std::tie(r.status, r.out, r.err), std::make_tuple(0, out, "")) << args[0];
  }
  // The parser starts afresh each call: a bad call leaves nothing behind.
  EXPECT_EQ(runCli({"--keys"}).status, 2);
  EXPECT_EQ(runCli({"--keys", "4"}).out, "4\n");
}

TEST(CommandLine, OnlyQtsOwnOptionsOpenTheWindow) {
  const std::pair<std::vector<std::string>, bool> cases[] = {
      {{}, false},
      {{"-session", "1a2b3c"}, false},
      {{"--session", "1a2b3c"}, false},
      {{"-style=Fusion", "-reverse", "-display", ":1", "-widgetcount"}, false},
      {{"-qmljsdebugger=port:3768"}, false},
      {{"-session", "--keys"}, false},  // the session's name, however odd
      {{"--keys", "1"}, true},
      {{"-session", "1a2b", "--repl"}, true},
      {{"-platform=offscreen"}, true},  // Qt reads no -platform=
      {{"-styles"}, true},
      {{"-widgetcount", "calc"}, true},  // a flag takes no value
      {{"-widgetcount=1"}, true},
      {{"-button", "red", "-platformpluginpath", "/p"}, false},  // each takes its value
      {{"-platformpluginpath=/p"}, true},                        // Qt reads no joined value
  };
  for (const auto& [args, commandLine] : cases)
    EXPECT_EQ(wantsCommandLine(args), commandLine) << (args.empty() ? "" : args[0]);
}

TEST(CommandLine, TheWindowNeedsADisplayOrAPlatformThatNeedsNone) {
  const std::tuple<std::vector<std::string>, DisplayEnvironment, bool> cases[] = {
      {{}, {}, false},
      {{}, {":0", nullptr, nullptr}, true},
      {{}, {nullptr, "wayland-0", nullptr}, true},
      {{}, {"", "", ""}, false},
      {{}, {nullptr, nullptr, "xcb"}, false},
      {{}, {nullptr, nullptr, "offscreen:fontconfig"}, true},
      {{"--platform", "minimal"}, {}, true},
      {{"-platform", "xcb"}, {nullptr, nullptr, "offscreen"}, false},
      {{"-display", ":1"}, {}, true},
      {{"-session", "abc"}, {}, false},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(hasDisplay(std::get<0>(cases[i]), std::get<1>(cases[i])), std::get<2>(cases[i]))
        << "row " << i;
}

// Piped input is read as --repl reads it; from a terminal a one-line message naming
// --keys and --repl, exit status 1.
TEST(CommandLine, WithoutADisplayPipedInputIsReadAsTheReplReadsIt) {
  for (bool piped : {true, false}) {
    std::istringstream in("2,+,3,=\n4,X,5,=\n");
    std::ostringstream out, err;
    EXPECT_EQ(runWithoutDisplay(piped, in, out, err), piped ? 0 : 1);
    EXPECT_EQ(out.str(), piped ? "5\n20\n" : "");
    const std::string message = err.str();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), piped ? 0 : 1) << message;
    EXPECT_EQ(message.find("--keys") < message.find("--repl"), !piped) << message;
  }
}

// The JSON object's opening and closing fields (every field of every part is in the
// behaviour corpus's hashes).
TEST(CommandLine, JsonShowsTheVisibleState) {
  const std::pair<const char*, std::string> cases[] = {
      {"(,3,inv,+,4,M+",
       "{\"display\": \"4\", \"indicators\": {\"inv\": \"\", \"hyp\": \"\", \"deg\": \"d\", "
       "\"rad\": "
       "\"\", \"grad\": \"\", \"memory\": \" M\", \"base\": \"\", \"fraction\": \"\"}, "
       "\"tooltips\": {\"open\": \"open brackets: 1\", \"close\": \"open brackets: 1\"}, "
       "\"stack\": false, \"M\": \"4\", \"K\": \"0\", \"beeps\": 0, \"messages\": [], "},
      {"menu:ontop,menu:converter,menu:compact",
       "\"window\": {\"width\": 3300, \"height\": 1410, \"onTop\": true, \"compact\": true, "
       "\"panel\": \"none\"}"},
      {"menu:financial,1,+,2,=,3,tape:clear,X,4,=",  // the tape oldest first
       "\"window\": {\"width\": 7050, \"height\": 5340, \"onTop\": false, \"compact\": false, "
       "\"panel\": \"financial\"}, \"tape\": [\"3 \u00d7\", \"4\", \"= 12\", \"" +
           std::string(kTapeRule) + "\"]}\n"},
  };
  for (const auto& [keys, fragment] : cases) {
    const Result r = runCli({"--keys", keys, "--json"});
    ASSERT_EQ(r.status, 0) << keys << r.err;
    EXPECT_NE(r.out.find(fragment), std::string::npos) << keys << "\n" << r.out;
  }
}

// A unit box keeps the bytes typed into it; JSON shows every byte that is not part of
// well-formed UTF-8 as U+FFFD and keeps well-formed characters.
TEST(CommandLine, JsonIsUtf8WhateverTheDisplayHolds) {
  const std::pair<const char*, const char*> cases[] = {
      {"a\xC3\xA9\xE2\x82", "a\xC3\xA9\xEF\xBF\xBD\xEF\xBF\xBD"},  // cut-off euro sign
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                    // overlong "/"
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},    // a surrogate
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
  };
  for (const auto& [pasted, shown] : cases) {
    const Result r = runCli({"--keys", std::string("conv:from=") + pasted, "--json"});
    EXPECT_NE(r.out.find(std::string("\"from\": \"") + shown + "\", "), std::string::npos) << r.out;
  }
}

// The visible state after a sequence, without the counts of beeps and messages.
std::string stateAfter(const std::string& keys) {
  const Result r = runCli({"--keys", keys, "--json"});
  EXPECT_EQ(r.status, 0) << keys << r.err;
  const std::size_t from = r.out.find("\"beeps\""), to = r.out.find("\"stat\"");
  return r.out.substr(0, from) + r.out.substr(to);
}

// Each kind of action, undone, leaves the state before it; redone, the state after it.
TEST(CommandLine, UndoTakesBackOneActionAndRedoMakesItAgain) {
  const std::pair<const char*, const char*> cases[] = {
      {"1,+,2", "3"},
      {"1,+,2", "key:Num5"},
      {"5,+,3", "C"},
      {"(,2,+,3,M+", "AC"},
      {"(,(,(,2,×,3,+,4,=,(,5,+", "AC"},  // AC clears operands left deeper than the level
      {"4,M+", "M+"},
      {"7", "Kin"},
      {"inv,4", "Base"},
      {"3,stat:enter,4", "stat:enter"},
      {"3,stat:enter,4,stat:enter,5,stat:enter,stat:select=1", "stat:delete"},
      {"3,stat:enter,4,stat:enter,stat:select=0", "stat:clear"},
      {"2,stat:enter,Stack,6", "="},
      {"100", "fin:click=PV"},
      {"100,fin:click=PV,5,fin:click=N,8,fin:click=%/Yr", "fin:clear"},
      {"fin:start", "fin:end"},
      {"conv:Length,12", "conv:go"},
      {"conv:Length", "conv:to=Inches"},
      {"molar:drop1=H,molar:count1=2,molar:drop2=O", "molar:result"},
      {"molar:drop1=H,molar:result", "molar:clear"},
      {"2,÷,3,=", "opt:format=Fix"},
      {"1,÷,3,=,b/c", "opt:accuracy=low"},
      {"5,+", "menu:paste=1\\,234.5"},
      {"1,+,2,=,4,sin", "tape:clear"},
  };
  for (const auto& [before, action] : cases) {
    const std::string done = std::string(before) + "," + action;
    ASSERT_NE(stateAfter(before), stateAfter(done)) << done;  // the action changes something
    EXPECT_EQ(stateAfter(done + ",menu:undo"), stateAfter(before)) << done;
    EXPECT_EQ(stateAfter(done + ",menu:undo,menu:redo"), stateAfter(done)) << done;
    EXPECT_EQ(stateAfter(done + ",menu:undo,menu:undo,menu:redo,menu:redo"), stateAfter(done))
        << done;
  }
}

// The last 1,000 steps are kept; a new action drops the redo steps; with nothing to
// undo or redo nothing happens, not even a beep; an action that changes nothing is no step.
TEST(CommandLine, UndoKeepsAThousandStepsAndForgetsWhatANewActionReplaces) {
  std::string toggles = "inv", undos = "menu:undo";
  for (int i = 0; i < 1000; ++i) toggles += ",inv", undos += ",menu:undo";
  const std::pair<std::string, std::string> cases[] = {
      {toggles + "," + undos, "inv"},
      {"1,+,2,menu:undo,3,menu:redo", "1,+,3"},
      {"1,+,2,menu:undo,menu:undo,menu:undo,menu:undo", ""},
      {"menu:undo,menu:redo,7,menu:redo", "7"},
      {"7,menu:copy,menu:ontop,menu:undo", "menu:ontop"},
      {"stat:clear,stat:delete,stat:clear,6,menu:undo,menu:undo", ""},
  };
  for (const auto& [keys, same] : cases) {
    const Result r = runCli({"--keys", keys, "--json"});
    EXPECT_EQ(r.out, runCli({"--keys", same, "--json"}).out) << keys;
  }
}

TEST(CommandLine, ReplKeepsStateAndSkipsBadLines) {
  const Result r = runCli({"--repl"}, "5\n+,5,=\nbad,2\nX,2,=\r\nquit\n7\n");
  EXPECT_EQ(std::tie(r.status, r.out), std::make_tuple(0, "5\n10\n20\n"));
  EXPECT_NE(r.err.find("\"bad\" at token 1"), std::string::npos);
}

}  // namespace
}  // namespace zova
