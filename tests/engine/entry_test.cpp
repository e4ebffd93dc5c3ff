// Number entry through key sequences: digits, point, EXP, sign, Back, C, AC
// and leaving the "ERROR" state.
#include <gtest/gtest.h>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::display;

// A point or exponent spent in an entry stays spent ("5,.,±,3,.,4"), a new entry has its own,
// and a result edited with Back keeps its one point. EXP on 0 starts no exponent; "0." reads
// as 0 within the same press. An operation on "ERROR" fails. C keeps waiting operations, AC
// does not. Binary and octal ignore foreign digits (after "=" the digit still empties the
// display); hexadecimal has no point and "E" is a digit there.
TEST(Entry, KeySequencesShowTheTypedNumber) {
  // clang-format off
  const testing::Case cases[] = {
      {"<", "0"}, {"1,÷,0,=,5", "5"}, {"1,÷,0,=,±", "ERROR"}, {"0,±", "0"}, {"1,÷,0,=,0", "0"},
      {"1,÷,0,=,+,2,=", "ERROR"}, {"0,0,0", "0"}, {"1,÷,0,=,<", "0"}, {"5,.,±,3,.,4", "-534"},
      {".,5", "0.5"}, {"0,.,0,0", "0.00"}, {"2,EXP,<,EXP,5", "2E5"}, {"7,±,±", "7"},
      {"1,÷,0,=,.", "0."}, {"2,.,5,1/x,3,.,5", "3.5"}, {"4,5,C", "0"}, {"2,EXP,-,5,<", "2"},
      {"1,÷,8,=,<,.,5", "0.125"}, {"9,<,<", "0"}, {"1,÷,0,=,EXP", "0"}, {"Base,1,1/x,1/x,<", "1E"},
      {"0,EXP,5", "5"}, {"2,+,3,C,4,=", "6"}, {"Base,1,EXP,1/x,-", "1CE"}, {"0,.,5,<", "0"},
      {"2,EXP,-,5", "2E-5"}, {"1,Base,Base,Base,=,2", ""}, {"1,2,3,<", "12"}, {"2,+,3,AC,4,=", "4"},
      {"2,EXP,3,1/x,4,EXP,2", "4E2"}, {"Base,.,5", "5"}, {"8,Base,Base,9", ""},
      {"5,Base,Base,Base,1,0,2", "10"}, {"5,.,.,2", "5.2"}, {"1,EXP,EXP,3", "1E3"},
      {"7,EXP,1,5,X,1,0,=,<,.,EXP,3", "7E+13"},
  };
  // clang-format on
  testing::expectDisplays(cases);
}

// Entry takes 17 digits in every base, all a double holds and all the display shows with a
// sign, point and exponent, and three in the exponent; a further digit, typed or clicked,
// beeps and is refused.
TEST(Entry, DigitsStopWhereTheDisplayEnds) {
  // A decimal line keeps room for a sign; EXP needs room for "E-" and three digits.
  const std::string whole(23, '9'), hex(17, '9'), room(18, '9');
  const std::string places = "0." + std::string(20, '0') + "5";
  // clang-format off
  struct Case {
    std::string keys;
    std::string shown;
    int beeps;
  } const cases[] = {
      {whole, whole, 0}, {whole + ",9", whole, 1}, {whole + ",0,key:7,key:0", whole, 3},
      {whole + ",.,5", whole + ".", 1}, {whole + ",EXP,1", whole, 2},
      {room + ",EXP,-,1,2,3", room + "E-123", 0}, {room + ",9,EXP", room + "9", 1},
      {whole + ",<,1", whole.substr(1) + "1", 0}, {whole + ",+,1", "1", 0}, {places, places, 0},
      {places + ",0,1", places, 2}, {"1,EXP,999", "1E999", 0}, {"1,EXP,999,9,0", "1E999", 2},
      {"1,EXP,-,324,5", "1E-324", 1}, {"Base,1,2,3,4,5,6,7,8", "12345678", 0},
      {"Base," + hex + ",X!,1", hex, 2},
      // Leading zeros take room but lose no digit: every digit typed reaches the value.
      {"opt:format=Scientific,opt:places=13,0.000987654321098765,±,=", "-9.8765432109877E-004", 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    testing::KeyRunner run;
    EXPECT_EQ(run.keys(c.keys), c.shown) << c.keys.substr(c.keys.size() - 20);
    EXPECT_EQ(run.tk.beeps, c.beeps) << c.keys.substr(c.keys.size() - 20);
  }
}

}  // namespace
}  // namespace zova
