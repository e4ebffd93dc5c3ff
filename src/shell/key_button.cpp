// The keypad key's face, drawn by hand.
#include "shell/key_button.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "shell/key_colours.h"
#include "shell/screen_scale.h"

namespace zova {

QSize KeyButton::sizeHint() const { return {zoom_.scaledPixels(30), zoom_.scaledPixels(22)}; }
QSize KeyButton::minimumSizeHint() const {
  return {zoom_.scaledPixels(16), zoom_.scaledPixels(14)};
}

void KeyButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QColor face = palette().color(QPalette::Button);
  if (isDown())
    face = face.darker(115);
  else if (underMouse())
    face = face.lighter(104);
  const qreal zoom = zoom_.zoomPercent() / 100.0;  // the face's curve and shadow grow with the key
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -2.0 * zoom);
  const qreal radius = 4.0 * zoom;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 55));
  if (!isDown()) p.drawRoundedRect(r.translated(0, 1.5 * zoom), radius, radius);
  QLinearGradient shade(r.topLeft(), r.bottomLeft());
  shade.setColorAt(0, face.lighter(isDown() ? 100 : 110));
  shade.setColorAt(1, face.darker(isDown() ? 100 : 106));
  p.setBrush(shade);
  p.setPen(QPen(face.darker(150), 1));
  const QRectF faceRect = isDown() ? r.translated(0, zoom) : r;
  p.drawRoundedRect(faceRect, radius, radius);
  // The focus: a ring in the caption's colour, which stands out on any face.
  if (hasFocus()) {
    const qreal width = 2 * zoom, inset = 1.5 + width / 2;
    p.setPen(QPen(textOn(face), width));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(faceRect.adjusted(inset, inset, -inset, -inset), radius - 1, radius - 1);
  }
  // Long captions (">° ' \"") shrink to fit the face: straight to the
  // proportional size, then a pixel at a time if hinting made it wider.
  QFont caption = font();
  const qreal room = faceRect.width() - 4;
  const qreal wide = QFontMetricsF(caption).horizontalAdvance(text());
  const int smallest = zoom_.scaledPixels(7);
  if (wide > room && caption.pixelSize() > smallest)
    caption.setPixelSize(std::max(smallest, static_cast<int>(caption.pixelSize() * room / wide)));
  while (caption.pixelSize() > smallest && QFontMetricsF(caption).horizontalAdvance(text()) > room)
    caption.setPixelSize(caption.pixelSize() - 1);
  p.setPen(palette().color(QPalette::ButtonText));
  p.setFont(caption);
  p.drawText(faceRect, Qt::AlignCenter, text());
}

}  // namespace zova
