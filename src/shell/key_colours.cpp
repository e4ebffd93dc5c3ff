// Palette changes that paint the window's controls in the settings file's colours.
#include "shell/key_colours.h"

#include <QApplication>
#include <QPushButton>
#include <cstdlib>

namespace zova {

QColor qtColour(Colour c) {
  if (c < 0) return {};
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QColor textOn(const QColor& background) {
  const double luminance =
      0.2126 * background.redF() + 0.7152 * background.greenF() + 0.0722 * background.blueF();
  return luminance < 0.5 ? QColor(0xf6, 0xf7, 0xf9) : QColor(0x1b, 0x1f, 0x24);
}

void setRole(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(role, colour.isValid() ? colour : QApplication::palette(w).color(role));
  w->setPalette(pal);
}

void setBackColour(QWidget* w, const QColor& colour) {
  if (qobject_cast<QPushButton*>(w)) {
    setRole(w, QPalette::Button, colour);
    setRole(w, QPalette::ButtonText, colour.isValid() ? textOn(colour) : QColor());
  } else {
    w->setAutoFillBackground(true);
    setRole(w, QPalette::Window, colour);
    setRole(w, QPalette::WindowText, colour.isValid() ? textOn(colour) : QColor());
  }
}

QColor litColour(const QColor& off) {
  const QColor amber(0xe6, 0xa8, 0x3c);
  const QColor face = off.isValid() ? off : QApplication::palette().color(QPalette::Button);
  const int apart = std::abs(face.red() - amber.red()) + std::abs(face.green() - amber.green()) +
                    std::abs(face.blue() - amber.blue());
  return apart >= 120 ? amber : QColor(0x9a, 0x5b, 0x00);
}

// The frame the label had is kept on it while the focus frame shows.
void showFocusFrame(QFrame* label, bool focused) {
  const char* const kOwnFrame = "zovaOwnFrame";  // its frame style and line width
  if (!label->property(kOwnFrame).isValid())
    label->setProperty(kOwnFrame, QPoint(label->frameStyle(), label->lineWidth()));
  const QPoint own = label->property(kOwnFrame).toPoint();
  label->setFrameStyle(focused ? QFrame::Box | QFrame::Plain : own.x());
  label->setLineWidth(focused ? 2 : own.y());
  label->setForegroundRole(focused ? QPalette::Highlight : QPalette::WindowText);
}

}  // namespace zova
