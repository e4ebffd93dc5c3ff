// A keypad key: a rounded face in the palette's button colour, a darker rim
// and a shadow, drawn the same on every desktop style.
#pragma once

#include <QPushButton>

namespace zova {

class Zoom;

class KeyButton : public QPushButton {
 public:
  /// A key captioned `text`, its face and caption at `zoom`.
  KeyButton(const QString& text, const Zoom& zoom, QWidget* parent = nullptr)
      : QPushButton(text, parent), zoom_(zoom) {}
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const Zoom& zoom_;
};

}  // namespace zova
