// A keypad key: a rounded face in the palette's button colour, a darker rim
// and a shadow, drawn the same on every desktop style.
#pragma once

#include <QPushButton>

namespace zova {

class KeyButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
};

}  // namespace zova
