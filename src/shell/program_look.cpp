// The calculator icon as vector drawing and the style wrapper for the window.
#include "shell/program_look.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>

#include "shell/screen_scale.h"

namespace zova {

namespace {

void drawCalculator(QPainter& p, const QRectF& target) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(target.topLeft());
  p.scale(target.width() / kProgramIconFrame, target.height() / kProgramIconFrame);
  p.setPen(Qt::NoPen);
  for (const IconShape& shape : programIconShapes()) {
    p.setBrush(shape.colour);
    if (shape.radius > 0)
      p.drawRoundedRect(shape.rect, shape.radius, shape.radius);
    else
      p.drawRect(shape.rect);
  }
  p.restore();
}

class CalculatorIconEngine : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    const int side = std::min(rect.width(), rect.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(QRectF(rect).center());
    drawCalculator(*painter, square);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paint(&p, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }
  // The sizes a window manager or a tray is offered.
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
  }
  QIconEngine* clone() const override { return new CalculatorIconEngine; }
  QString key() const override { return QStringLiteral("zova-calculator"); }
};

// The arrow of an overflowing menu bar: a small chevron in the text colour.
QIcon overflowArrow(bool horizontal, const QColor& colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colour, 1.5));
  QPainterPath chevron;
  for (qreal offset : {3.0, 8.0}) {
    chevron.moveTo(offset, 4);
    chevron.lineTo(offset + 4, 8);
    chevron.lineTo(offset, 12);
  }
  if (!horizontal) p.setTransform(QTransform(0, 1, 1, 0, 0, 0));  // mirrored about the diagonal
  p.drawPath(chevron);
  return QIcon(pixmap);
}

class ProgramStyle : public QProxyStyle {
 public:
  explicit ProgramStyle(const Zoom* zoom) : zoom_(zoom) {}
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
      return overflowArrow(icon == SP_ToolBarHorizontalExtensionButton,
                           standardPalette().color(QPalette::ButtonText));
    return QProxyStyle::standardIcon(icon, option, widget);
  }
  // The focus shows as a ring in the selection colour, two pixels wide at the standard
  // size, around the whole button or box, whatever its colour and the desktop's palette.
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    const bool ringed =
        element == CE_PushButton || element == CE_CheckBox || element == CE_RadioButton;
    if (!ringed || !(option->state & State_HasFocus)) return;
    const qreal width = zoom_ ? std::max(2, zoom_->zoomedPixels(2)) : 2;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), width));
    painter->drawRoundedRect(
        QRectF(option->rect).adjusted(width / 2, width / 2, -width / 2, -width / 2), 3, 3);
    painter->restore();
  }

  // The menu titles sit side by side, each in its own padding, as on most desktops: the
  // calculator's narrow window has no room for a gap between them too.
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_MenuBarItemSpacing) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

 private:
  const Zoom* zoom_;
};

}  // namespace

// A calculator: a slate case, a green display with three digits, and a 3 x 3
// keypad whose bottom-right key is the orange "=".
std::vector<IconShape> programIconShapes() {
  std::vector<IconShape> shapes;
  shapes.push_back({QRectF(9, 2, 46, 60), 7, QColor(0x3a, 0x48, 0x5a)});
  shapes.push_back({QRectF(14, 7, 36, 15), 2.5, QColor(0xb8, 0xc8, 0xa8)});
  for (qreal x : {33.0, 39.0, 45.0})
    shapes.push_back({QRectF(x, 11, 3, 7), 0, QColor(0x18, 0x20, 0x10)});
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const bool equals = row == 2 && col == 2;
      shapes.push_back({QRectF(14 + col * 12.5, 27 + row * 11.5, 10.5, 8.5), 1.5,
                        equals ? QColor(0xe6, 0x8a, 0x3c) : QColor(0xe8, 0xec, 0xf0)});
    }
  }
  return shapes;
}

QIcon programIcon() { return QIcon(new CalculatorIconEngine); }

QStyle* makeProgramStyle(const Zoom* zoom) { return new ProgramStyle(zoom); }

}  // namespace zova
