// The way back from a fraction display: every key that reads the operand
// first restores the decimal text the fraction key replaced.
#include "engine/calculator.h"

namespace zova {

void Calculator::restoreDecimalDisplay() {
  if (s_.display.find('/') != std::string::npos) s_.display = s_.beforeFraction;
  s_.fractionCaption.clear();
  // The unformatted result stands for the display only while "=" left it there.
  if (!prefixNumberOrZero(s_.fullResult).isZero() && s_.newNumber && !s_.resultShown.empty() &&
      s_.display == s_.resultShown)
    s_.display = s_.fullResult.text(loc_);
  if (s_.display != "ERROR") settleNumberText();
  s_.display = withLocaleDecimal(s_.display);
}

}  // namespace zova
