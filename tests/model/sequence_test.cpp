// The key-sequence notation: numbers, names, blanks, and the errors that
// leave the calculator untouched.
#include "model/sequence.h"

#include <gtest/gtest.h>

#include "support/key_runner.h"

namespace zova {
namespace {

TEST(Sequence, TokensAndBlanks) {
  struct Case {
    const char* seq;
    const char* shown;
  };
  const Case cases[] = {
      {"", "0"},        {" 2 , + , 3 , = ", "5"},
      {"200", "200"},   {"0.5", "0.5"},
      {".5", "0.5"},    {"53.130102354156", "53.130102354156"},
      {"1,2,3", "123"},
  };
  for (const Case& c : cases) EXPECT_EQ(testing::display(c.seq), c.shown) << c.seq;
}

TEST(Sequence, BadTokensAreReportedWithTheirPosition) {
  struct Case {
    const char* seq;
    size_t position;
    const char* token;
  };
  const Case cases[] = {
      {"2,bogus,3", 2, "bogus"}, {"2,,3", 2, ""},   {"2,", 2, ""},
      {"1.2.3", 1, "1.2.3"},     {"-1", 1, "-1"},   {"stat:frobnicate", 1, "stat:frobnicate"},
      {"5,key:", 2, "key:"},     {"1e5", 1, "1e5"},
  };
  for (const Case& c : cases) {
    testing::KeyRunner run;
    run.keys("7");
    auto err = runSequence(run.model, c.seq);
    ASSERT_TRUE(err.has_value()) << c.seq;
    EXPECT_EQ(err->position, c.position) << c.seq;
    EXPECT_EQ(err->token, c.token) << c.seq;
    EXPECT_NE(err->message().find(std::to_string(c.position)), std::string::npos);
    EXPECT_EQ(run.model.calc().display(), "7") << "a bad sequence must change nothing: " << c.seq;
  }
}

}  // namespace
}  // namespace zova
