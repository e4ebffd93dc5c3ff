// Start-up of the model and the dispatch of keypad keys.
#include "model/model.h"

namespace zova {

Model::Model(Toolkit& toolkit, NumberLocale locale)
    : tk_(toolkit), calc_(toolkit, std::move(locale)) {}

void Model::startUp() {
  CalcState& s = calc_.state();
  s.numBase = 1;
  s.starter = 0;
  s.flag = 0;
  s.inv = 1;
  s.hyper = 1;
  s.zeroes = 2;
  s.threshold = 1e-05;
  s.angle = kPi / 180;
  s.window = "0";
  // What applies when there is no settings file to read.
  s.constant = 0;
  s.stack = 0;
  s.OptionFix = false;
  s.OptionSci = false;
  s.rootpart = false;
  s.flag = 2;
  calc_.trigmode();
  s.starter = 1;
  s.Memory = s.stack.parse() != 0 ? " M" : "";
}

void Model::press(Key key) {
  keyRow(key).press(calc_);
  tk_.focusEquals();
}

}  // namespace zova
