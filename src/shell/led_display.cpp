// The display line. The LED font's point has no width of its own and is a
// pixel or two at the usual sizes, so "3.28" read as "328": the display draws
// each decimal mark itself, as a square dot on the digits' baseline in a place
// of its own.
#include "shell/led_display.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace zova {

namespace {

bool isDecimalMark(QChar c) { return c == QLatin1Char('.') || c == QLatin1Char(','); }

// The LED font lights a 1's right-hand segments only, in a place as wide as any digit's,
// so "10" read as " 10" and "123" as "1 23" once centred. A 1 takes a narrower place: it
// starts where a digit's ink starts.
int oneInset(const QFontMetrics& metrics) {
  return std::max(0, metrics.tightBoundingRect(QStringLiteral("1")).left() -
                         metrics.tightBoundingRect(QStringLiteral("8")).left());
}
int advance(const QFontMetrics& metrics, QChar c) {
  return metrics.horizontalAdvance(c) - (c == QLatin1Char('1') ? oneInset(metrics) : 0);
}

// How far the first character's ink reaches left of where it is drawn, and the
// last one's past its advance.
int leftOverhang(const QFontMetrics& metrics, const QString& t) {
  if (t.isEmpty()) return 0;
  const QChar first = t.front() == QLatin1Char('1') ? QLatin1Char('8') : t.front();
  return std::max(0, -metrics.tightBoundingRect(first).left());
}
int rightOverhang(const QFontMetrics& metrics, const QString& t) {
  if (t.isEmpty()) return 0;
  const QChar last = t.back();
  const int drawnAt = last == QLatin1Char('1') ? -oneInset(metrics) : 0;
  return std::max(0,
                  drawnAt + metrics.tightBoundingRect(last).right() + 1 - advance(metrics, last));
}

// The dot's side and the room on either side of it, in pixels of the font's size.
struct PointShape {
  int side, gap;
};
PointShape pointShape(const QFont& font) {
  const int px = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
  const int side = std::max(2, (px * 2 + 5) / 10);
  return {side, std::max(1, side / 2)};
}

// A character in its place at x. The LED font draws a bracket as two short slants apart:
// it is drawn as a curve as thick as a segment, as tall as a digit.
void drawCharacter(QPainter& p, QChar c, int x, int baseline, const QFontMetrics& metrics) {
  const QRect digit = metrics.tightBoundingRect(QStringLiteral("8"));
  if (c == QLatin1Char('1')) {
    p.drawText(QPoint(x - oneInset(metrics), baseline), QString(c));
    return;
  }
  if (c != QLatin1Char('(') && c != QLatin1Char(')')) {
    p.drawText(QPoint(x, baseline), QString(c));
    return;
  }
  const qreal thick = std::max(1.0, digit.height() * 0.09);  // the font's segments
  const qreal width = digit.width() * 0.4;
  const qreal middle = x + (digit.left() + digit.right()) / 2.0;
  const bool open = c == QLatin1Char('(');
  // The bracket is one side of an ellipse twice its width.
  const QRectF ellipse(open ? middle - width / 2 : middle + width / 2 - 2 * width,
                       baseline + digit.top() + thick / 2, 2 * width, digit.height() - thick);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(p.pen().color(), thick, Qt::SolidLine, Qt::FlatCap));
  p.drawArc(ellipse, (open ? 100 : -80) * 16, 160 * 16);
  p.restore();
}

}  // namespace

// Watches every key press the program gets; the display's next paint ends
// the measurement.
class LedDisplay::KeyPressClock : public QObject {
 public:
  explicit KeyPressClock(const QString& path) : log_(path) {
    log_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    clock_.start();
    // The last filter installed sees an event first: waiting for the event
    // loop puts this one ahead of the window's key map, which takes presses.
    QTimer::singleShot(0, this, [this] { qApp->installEventFilter(this); });
  }
  ~KeyPressClock() override { qApp->removeEventFilter(this); }

  void painted() {
    if (pressed_ < 0) return;
    const QByteArray line =
        QByteArray::number(pressed_) + ' ' + QByteArray::number(clock_.nsecsElapsed()) + '\n';
    log_.write(line);
    pressed_ = -1;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A press reaches the focus widget and then each parent it is passed
    // on to; its time stamp tells the first sighting from the others.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat() || key->timestamp() == lastStamp_) return false;
    lastStamp_ = key->timestamp();
    pressed_ = clock_.nsecsElapsed();
    return false;
  }

 private:
  QFile log_;
  QElapsedTimer clock_;
  qint64 pressed_ = -1;
  quint64 lastStamp_ = 0;
};

LedDisplay::LedDisplay(QWidget* parent) : QLineEdit(parent) {
  const QString log = qEnvironmentVariable("ZOVA_LATENCY_LOG");
  if (!log.isEmpty()) clock_ = std::make_unique<KeyPressClock>(log);
}

LedDisplay::~LedDisplay() = default;

void LedDisplay::setLedFace(bool led) {
  led_ = led;
  update();
}

// The LED digits lean: the top of the last one reaches past its advance, and the
// foot of the first one before it. The width counts both overhangs.
int LedDisplay::textWidth(const QFont& font) const {
  const QString t = text();
  if (!led_) return QFontMetrics(font).horizontalAdvance(t);
  const QFontMetrics metrics(font);
  const PointShape point = pointShape(font);
  int width = 0;
  for (const QChar c : t)
    width += isDecimalMark(c) ? point.side + 2 * point.gap : advance(metrics, c);
  width += leftOverhang(metrics, t) + rightOverhang(metrics, t);
  return width;
}

void LedDisplay::paintEvent(QPaintEvent* event) {
  if (!led_) {
    QLineEdit::paintEvent(event);
  } else {
    QPainter p(this);
    const QRect room = contentsRect();
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setFont(font());
    p.setPen(palette().color(QPalette::Text));
    const QFontMetrics metrics(font());
    const PointShape point = pointShape(font());
    // Right-aligned, one pixel off the edge, and centred as the line edit places its text.
    int x = room.right() - textWidth(font()) + leftOverhang(metrics, text());
    const int baseline = room.top() +
                         (room.height() - metrics.ascent() - metrics.descent() + 1) / 2 +
                         metrics.ascent();
    const QString t = text();
    // Each character in a place of its own, as textWidth counts them: a run drawn
    // at once would spread by the fractions of its advances and lose its last digit.
    for (const QChar c : t) {
      if (!isDecimalMark(c)) {
        drawCharacter(p, c, x, baseline, metrics);
        x += advance(metrics, c);
        continue;
      }
      const QRect dot(x + point.gap, baseline - point.side, point.side, point.side);
      p.fillRect(dot, palette().color(QPalette::Text));
      // A comma is the dot with a tail below the line.
      if (c == QLatin1Char(','))
        p.fillRect(QRect(dot.left(), baseline, std::max(1, point.side / 2), point.side),
                   palette().color(QPalette::Text));
      x += point.side + 2 * point.gap;
    }
  }
  if (clock_) clock_->painted();
}

}  // namespace zova
