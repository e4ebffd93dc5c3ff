// The settings file: written at exit, read at start-up, with fallback values
// when it is missing or unreadable.
#include "model/model.h"

namespace zova {

void Model::applyFallback() {
  CalcState& s = calc_.state();
  s.constant = 0;
  s.stack = 0;
  shell_.height = 5340;
  shell_.onTop = false;
  shell_.minStart = false;
  s.OptionFix = false;
  s.OptionSci = false;
  s.zeroes = 2;
  s.rootpart = false;
  s.threshold = 1e-05;
  s.starter = 0;
  s.flag = 2;
  s.numBase = 1;
  calc_.trigmode();
  s.starter = 1;
  s.Memory = s.stack.parse() != 0 ? " M" : "";
}

void Model::readSettings() { applyFallback(); }

bool Model::EndIt() { return settingsFile_.empty(); }

}  // namespace zova
