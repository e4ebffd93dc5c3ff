// The key-sequence notation: numbers, names, blanks, escapes, and the errors that
// leave the calculator untouched.
#include "model/sequence.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/key_runner.h"

namespace zova {
namespace {

TEST(Sequence, TokensAndBlanks) {
  const testing::Case cases[] = {{"", "0"}, {" 2 , + , 3 , = ", "5"}, {".5,+,1.5,=", "2"}};
  testing::expectDisplays(cases);
}

// Inside an action's value "\," is a comma and "\\" a backslash; other backslashes
// stay. The unit box keeps any text it is given.
TEST(Sequence, ValuesTakeEscapedCommasAndBackslashes) {
  const std::pair<const char*, const char*> cases[] = {
      {"conv:from=a\\,b\\,", "a,b,"},
      {"conv:from=\\,,5", ","},
      {"conv:from=a\\b", "a\\b"},
      {"conv:from=a\\\\\\,b", "a\\,b"},
  };
  for (const auto& [seq, shown] : cases) {
    testing::KeyRunner run;
    run.keys(seq);
    EXPECT_EQ(run.model.converter().state().fromList.text, shown) << seq;
  }
}

TEST(Sequence, BadTokensAreReportedWithTheirPosition) {
  const std::tuple<const char*, std::size_t, const char*> cases[] = {
      {"2,bogus,3", 2, "bogus"},
      {"2,", 2, ""},
      {"1.2.3", 1, "1.2.3"},
      {"-1", 1, "-1"},
      {"5,key:", 2, "key:"},
      {"5,key:Shift+Comma=1", 2, "key:Shift+Comma=1"},
      {"menu:compact=1", 1, "menu:compact=1"},  // menu actions take no value and exact names
      {"1,menu:statistic", 2, "menu:statistic"},
      {"2,menu:paste=1\\,5,bogus", 3, "bogus"},  // an escaped comma stays inside its token
      {"1\\,5", 1, "1\\,5"},                     // elsewhere a backslash escapes nothing
  };
  for (const auto& [seq, position, token] : cases) {
    testing::KeyRunner run;
    run.keys("7");
    auto err = runSequence(run.model, seq);
    ASSERT_TRUE(err.has_value()) << seq;
    EXPECT_EQ(std::tie(err->position, err->token), std::make_tuple(position, token)) << seq;
    EXPECT_NE(err->message().find(std::to_string(position)), std::string::npos);
    EXPECT_EQ(run.model.calc().display(), "7") << "a bad sequence must change nothing: " << seq;
  }
}

}  // namespace
}  // namespace zova
