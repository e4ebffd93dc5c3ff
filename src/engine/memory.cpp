// The two registers: M accumulates with M+ and M-, K holds one display text.
#include "engine/calculator.h"

namespace zova {

void Calculator::memoryplus() {
  if (s_.base != Base::kDecimal) return;
  quodec();
  s_.digits = 0;
  if (s_.window != "ERROR") {
    // A display that is not a number yet (such as "5E") counts by its numeric prefix.
    const double x = TextToNumber(s_.window, loc_).value_or(ParseNumber(s_.window));
    const double sum = s_.stack.parse() + (s_.inv ? -x : x);
    if (auto ok = Finite(sum)) {
      s_.stack = *ok;
      s_.Memory = " M";
      s_.newNumber = true;
      setInvOff();
    } else {
      showError();
    }
  }
  s_.pointState = PointState::kNone;
}

void Calculator::memoryRecall() {
  if (s_.base != Base::kDecimal) return;
  if (s_.inv) {
    s_.Memory.clear();
    s_.stack = 0;
    setInvOff();
    return;
  }
  setDisplay(text(s_.stack.parse()));
  if (ParseNumber(s_.window) == 0) s_.window = "0";
  endEntry();
}

void Calculator::kin() {
  quodec();
  s_.digits = 0;
  if (s_.window != "ERROR") s_.constant = s_.window;
  endEntry();
}

// K's text comes back as it was stored, in whatever base; only an empty K shows "0".
void Calculator::kout() {
  std::string k = s_.constant.text(loc_);
  setDisplay(k.empty() ? "0" : k);
  endEntry();
}

}  // namespace zova
