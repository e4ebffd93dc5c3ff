// The calculator's display as a user sees it: a picture of the real window's display line, at
// the usual scale and at twice it, and the longest texts the calculator makes, whole and
// legible at every size of the window.
#include "shell/led_display.h"

#include <QtTest>

#include "engine/display_limits.h"
#include "shell/model_rig.h"
#include "shell/screen_scale.h"

using namespace zova;

namespace {

// The pixels of the display's picture at `ratio` device pixels per pixel that are nearer the
// digits' colour than the screen's: how many, and where.
std::pair<int, QRect> ink(QWidget* w, qreal ratio = 1) {
  QImage image(w->size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::black);
  w->render(&image);
  const QColor digits = w->palette().color(QPalette::Text);
  const QColor screen = w->palette().color(QPalette::Base);
  const auto distance = [](QRgb a, QColor b) {
    return std::abs(qRed(a) - b.red()) + std::abs(qGreen(a) - b.green()) +
           std::abs(qBlue(a) - b.blue());
  };
  std::pair<int, QRect> found;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (distance(image.pixel(x, y), digits) < distance(image.pixel(x, y), screen))
        ++found.first, found.second |= QRect(x, y, 1, 1);
  return found;
}

}  // namespace

class LedDisplayTest : public QObject {
  Q_OBJECT
 private slots:
  void decimalPointShowsAtAGlance();
  void longestTextsShowWhole_data();
  void longestTextsShowWhole();
};

// The same digits with and without the point, at the same size: the difference is a point at
// least three pixels square, scaled.
void LedDisplayTest::decimalPointShowsAtAGlance() {
  WindowRig rig;
  QVERIFY(rig.exposed());
  QLineEdit* display = rig.window->displayField();
  for (qreal ratio : {1.0, 2.0}) {
    int lit[2] = {}, pixelSize[2] = {};
    for (const char* keys : {"key:Delete,3,.,2,8", "key:Delete,3,2,8"}) {
      QVERIFY(!runSequence(rig.model, keys).has_value());
      rig.window->refresh();
      const int i = display->text() == "328";
      lit[i] = ink(display, ratio).first;
      pixelSize[i] = display->font().pixelSize();
    }
    QVERIFY(lit[1] > 0 && pixelSize[0] == pixelSize[1]);
    QVERIFY2(lit[0] - lit[1] >= 9 * ratio * ratio, qPrintable(QString::number(lit[0] - lit[1])));
  }
}

void LedDisplayTest::longestTextsShowWhole_data() {
  QTest::addColumn<QString>("keys");
  for (const char* keys :
       {"1,÷,0,=", "opt:format=Fix,opt:places=15,1,EXP,308,=", "1,±,.,2345678901234567,EXP,-,300",
        "Base,Base,Base,111111111111111111111111111111"})
    QTest::newRow(keys) << QString::fromUtf8(keys);
}

// Each text lies inside the display, its digits at least the legible height, in normal and
// compact size and with the fold-out open, at every zoom step.
void LedDisplayTest::longestTextsShowWhole() {
  QFETCH(QString, keys);
  WindowRig rig;
  QVERIFY(rig.exposed());
  auto* display = static_cast<LedDisplay*>(rig.window->displayField());
  QVERIFY(!runSequence(rig.model, keys.toStdString()).has_value());
  for (const char* size : {"", "menu:compact", "menu:compact,menu:converter"})
    for (int zoom = kMinZoom; zoom <= kMaxZoom; zoom += kZoomStep) {
      if (zoom == kMinZoom) QVERIFY(!runSequence(rig.model, size).has_value());
      rig.zoom.setZoomPercent(zoom);
      rig.window->refresh();
      QCoreApplication::processEvents();
      const QString text = display->text();
      QCOMPARE(text, q(rig.model.calc().display()));
      QVERIFY2(text.size() <= int(kDisplayCharacters), qPrintable(text));
      const QRect inside = display->contentsRect(), drawn = ink(display).second;
      const QString what = QStringLiteral("%1 at [%2] %7 %: ink %3-%4 of %5, %6 high")
                               .arg(text, QLatin1String(size))
                               .arg(drawn.left())
                               .arg(drawn.right())
                               .arg(inside.width())
                               .arg(drawn.height())
                               .arg(zoom);
      QVERIFY2(display->textWidth(display->font()) <= display->textRoom(), qPrintable(what));
      QVERIFY2(drawn.left() > inside.left() && drawn.right() < inside.right(), qPrintable(what));
      // The legible size grows with the zoom, rounded down as the zoomed fonts are.
      const int legible = int(std::lround(kLegibleDisplayPixels * logicalDpi() / 96)) * zoom / 100;
      QVERIFY2(drawn.height() >= legible, qPrintable(what));
    }
}

static const zova::ShellTest<LedDisplayTest> kRegistered("led_display");
#include "led_display_test.moc"
