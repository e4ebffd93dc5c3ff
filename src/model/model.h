// The main window's whole state without any toolkit: the calculator and the
// panels' models, start-up, and one entry point per user action, shared by
// the Qt window and the command line.
#pragma once

#include "engine/calculator.h"
#include "engine/keys.h"
#include "engine/toolkit.h"

namespace zova {

class Model {
 public:
  Model(Toolkit& toolkit, NumberLocale locale);

  /// Start values of a first start without a settings file.
  void startUp();
  /// Clicks an on-screen keypad key; the focus then returns to "=".
  void press(Key key);

  Calculator& calc() { return calc_; }
  const Calculator& calc() const { return calc_; }
  Toolkit& toolkit() { return tk_; }

 private:
  Toolkit& tk_;
  Calculator calc_;
};

}  // namespace zova
