// The way back from a fraction display: every key that reads the operand
// first restores the decimal text the fraction key replaced.
#include "engine/calculator.h"

namespace zova {

void Calculator::quodec() {
  if (s_.window.find('/') != std::string::npos) s_.window = s_.keepwindow;
  s_.Label7.clear();
  // The unformatted result stands for the display only while "=" left it there.
  if (s_.digits.parse() != 0 && s_.newNumber && !s_.resultShown.empty() &&
      s_.window == s_.resultShown)
    s_.window = s_.digits.text(loc_);
  if (s_.base == Base::kDecimal && s_.window != "ERROR" && !IsNumber(s_.window, loc_))
    s_.window = text(ParseNumber(s_.window));
  s_.window = dotfix(s_.window);
}

}  // namespace zova
