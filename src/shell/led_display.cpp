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

// The dot's side and the room on either side of it, in pixels of the font's size.
struct PointShape {
  int side, gap;
};
PointShape pointShape(const QFont& font) {
  const int px = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
  const int side = std::max(2, (px * 2 + 5) / 10);
  return {side, std::max(1, side / 2)};
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

int LedDisplay::textWidth(const QFont& font) const {
  const QString t = text();
  if (!led_) return QFontMetrics(font).horizontalAdvance(t);
  const QFontMetrics metrics(font);
  const PointShape point = pointShape(font);
  int width = 0;
  for (const QChar c : t)
    width += isDecimalMark(c) ? point.side + 2 * point.gap : metrics.horizontalAdvance(c);
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
    // Right-aligned and centred as the line edit places its text.
    int x = room.right() + 1 - textWidth(font());
    const int baseline = room.top() +
                         (room.height() - metrics.ascent() - metrics.descent() + 1) / 2 +
                         metrics.ascent();
    const QString t = text();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= t.size(); ++i) {
      if (i < t.size() && !isDecimalMark(t[i])) continue;
      const QString run = t.mid(runStart, i - runStart);
      p.drawText(QPoint(x, baseline), run);
      x += metrics.horizontalAdvance(run);
      if (i < t.size()) {
        const QRect dot(x + point.gap, baseline - point.side, point.side, point.side);
        p.fillRect(dot, palette().color(QPalette::Text));
        // A comma is the dot with a tail below the line.
        if (t[i] == QLatin1Char(','))
          p.fillRect(QRect(dot.left(), baseline, std::max(1, point.side / 2), point.side),
                     palette().color(QPalette::Text));
        x += point.side + 2 * point.gap;
      }
      runStart = i + 1;
    }
  }
  if (clock_) clock_->painted();
}

}  // namespace zova
