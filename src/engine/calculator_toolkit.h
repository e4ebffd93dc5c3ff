// The few window services the calculator and the tool panels' models ask for:
// giving the focus to "=", a beep, the busy pointer, message boxes and the on-top state.
// The model's Toolkit extends it with everything else the window offers.
#pragma once

#include <string>

#include "engine/text.h"

namespace zova {

/// Message box styles and answers, by their classic numeric codes.
enum class MsgStyle { kStop = 16, kQuestion = 36, kExclamation = 48 };
enum class MsgAnswer { kOk = 1, kYes = 6, kNo = 7 };

class CalculatorToolkit {
 public:
  virtual ~CalculatorToolkit() = default;

  virtual void focusEquals() = 0;
  virtual void beep() = 0;
  virtual MsgAnswer messageBox(const Text& text, MsgStyle style, const std::string& title) = 0;
  virtual void setTopmost(bool onTop) = 0;
  /// Busy pointer on or off around long searches.
  virtual void setBusy(bool busy) = 0;

  /// A message box that no always-on-top window hides: the window steps back while
  /// it shows and is then on top again when `onTopAfter`.
  MsgAnswer messageInFront(const Text& text, MsgStyle style, const std::string& title,
                           bool onTopAfter) {
    setTopmost(false);
    const MsgAnswer answer = messageBox(text, style, title);
    setTopmost(onTopAfter);
    return answer;
  }
};

}  // namespace zova
