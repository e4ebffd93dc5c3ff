// The two registers: M accumulates with M+ and M-, K holds one display text.
#include "engine/calculator.h"

namespace zova {

void Calculator::memoryAdd() {
  if (s_.base != Base::kDecimal) return;
  restoreDecimalDisplay();
  s_.fullResult = 0;
  if (s_.display != "ERROR") {
    // A display that is not a number yet (such as "5E") counts by its numeric prefix;
    // a number beyond the range fails as a sum beyond it does. M keeps the exact sum.
    auto x = textToNumber(s_.display, loc_);
    if (!x) x = parseNumberInRange(s_.display);
    const auto sum = x ? finiteOrNone(s_.memory.parse() + (s_.inv ? -*x : *x)) : std::nullopt;
    if (const auto ok = sum) {
      tellMemory(s_.inv ? "M-" : "M+", s_.display);
      s_.memory = *ok;
      s_.memoryCaption = " M";
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
    s_.memoryCaption.clear();
    s_.memory = 0;
    setInvOff();
    tellMemory("MC", "");
    return;
  }
  // Read by value: a parseNumber of "0,5" would take it for zero.
  setDisplay(s_.memory.parse().isZero() ? "0" : text(s_.memory.parse()));
  tellMemory("MR", s_.display);
  endEntry();
}

void Calculator::storeK() {
  restoreDecimalDisplay();
  s_.fullResult = 0;
  if (s_.display != "ERROR") {
    s_.kRegister = s_.display;
    tellMemory("Kin", s_.display);
  }
  endEntry();
}

// K's text comes back as it was stored, in whatever base; only an empty K shows "0".
void Calculator::recallK() {
  std::string k = s_.kRegister.text(loc_);
  setDisplay(k.empty() ? "0" : k);
  tellMemory("Kout", s_.display);
  endEntry();
}

}  // namespace zova
