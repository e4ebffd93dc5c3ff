// The calculator's display as a user sees it: a picture of the real window's
// display line, at the usual scale and at twice it, and the longest texts the
// calculator makes, whole and legible at every size of the window.
#include "shell/led_display.h"

#include <QtTest>
#include <memory>

#include "engine/display_limits.h"
#include "shell/model_rig.h"
#include "shell/screen_scale.h"

using namespace zova;

namespace {

// A picture of the widget at `ratio` device pixels per pixel.
QImage picture(QWidget* w, qreal ratio) {
  QImage image(w->size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::black);
  w->render(&image);
  return image;
}

// The pixels nearer the digits' colour than the screen's: how many, and where.
struct Ink {
  int lit = 0;
  QRect box;
};
Ink ink(const QImage& image, QColor digits, QColor screen) {
  const auto distance = [](QRgb a, QColor b) {
    return std::abs(qRed(a) - b.red()) + std::abs(qGreen(a) - b.green()) +
           std::abs(qBlue(a) - b.blue());
  };
  Ink found;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (distance(p, digits) >= distance(p, screen)) continue;
      ++found.lit;
      found.box |= QRect(x, y, 1, 1);
    }
  return found;
}

}  // namespace

class LedDisplayTest : public QObject {
  Q_OBJECT
 private slots:
  void decimalPointShowsAtAGlance_data();
  void decimalPointShowsAtAGlance();
  void longestTextsShowWhole_data();
  void longestTextsShowWhole();
};

void LedDisplayTest::decimalPointShowsAtAGlance_data() {
  QTest::addColumn<qreal>("ratio");
  QTest::addColumn<int>("fewestPixels");  // a dot three pixels square, scaled
  QTest::newRow("100%") << 1.0 << 9;
  QTest::newRow("200%") << 2.0 << 36;
}

// The same digits with and without the point: the difference is the point.
void LedDisplayTest::decimalPointShowsAtAGlance() {
  QFETCH(qreal, ratio);
  QFETCH(int, fewestPixels);
  WindowRig rig;
  QVERIFY(rig.exposed());
  Model& model = rig.model;
  MainWindow& window = *rig.window;
  QLineEdit* display = window.displayField();
  const QColor digits = display->palette().color(QPalette::Text);
  const QColor screen = display->palette().color(QPalette::Base);

  struct Shot {
    QString text;
    int fontPixels;
    int lit;
  };
  const auto show = [&](const char* keys) {
    runSequence(model, "key:Delete");
    const auto failure = runSequence(model, keys);
    window.refresh();
    return Shot{display->text(), display->font().pixelSize(),
                failure ? -1 : ink(picture(display, ratio), digits, screen).lit};
  };
  const Shot withPoint = show("key:3,key:Period,key:2,key:8");
  const Shot without = show("key:3,key:2,key:8");
  QCOMPARE(withPoint.text, QStringLiteral("3.28"));
  QCOMPARE(without.text, QStringLiteral("328"));
  QVERIFY(without.lit > 0);
  QCOMPARE(withPoint.fontPixels, without.fontPixels);  // the same digits at the same size
  const int pointPixels = withPoint.lit - without.lit;
  QVERIFY2(pointPixels >= fewestPixels, qPrintable(QString::number(pointPixels)));
}

void LedDisplayTest::longestTextsShowWhole_data() {
  QTest::addColumn<QString>("keys");
  const QString typed309 = QString(309, '9');
  const std::pair<const char*, QString> rows[] = {
      {"ERROR", "1,÷,0,="},
      {"negative exponent", "1.23456789012345,EXP,-,300,±,="},
      {"Fix, 15 places, 1E308", "opt:format=Fix,opt:places=15,1,EXP,308,="},
      {"entry with sign, point and exponent", "1,±,.,2345678901234567,EXP,-,300"},
      {"309 digits typed", typed309},
      {"largest number", "1.79769313486231,EXP,308,±,="},
      {"binary typed", "Base,Base,Base," + QString(30, '1')}};
  for (const auto& [name, keys] : rows) QTest::newRow(name) << keys;
}

// Each text lies inside the display, its digits at least the legible height, in normal and
// compact size and with the fold-out open.
void LedDisplayTest::longestTextsShowWhole() {
  QFETCH(QString, keys);
  WindowRig rig;
  QVERIFY(rig.exposed());
  MainWindow& window = *rig.window;
  LedDisplay* display = static_cast<LedDisplay*>(window.displayField());
  QVERIFY(!runSequence(rig.model, keys.toStdString()).has_value());
  for (const char* size : {"", "menu:compact", "menu:compact,menu:converter"}) {
    QVERIFY(!runSequence(rig.model, size).has_value());
    window.refresh();
    QCoreApplication::processEvents();
    const QString text = display->text();
    QCOMPARE(text, q(rig.model.calc().display()));
    QVERIFY2(text.size() <= int(kDisplayCharacters), qPrintable(text));
    const QColor digits = display->palette().color(QPalette::Text);
    const QColor screen = display->palette().color(QPalette::Base);
    const QRect inside = display->contentsRect();
    const QRect drawn = ink(picture(display, 1.0), digits, screen).box;
    const QString what = QStringLiteral("%1 at [%2]: ink %3-%4 of %5, %6 high")
                             .arg(text, QLatin1String(size))
                             .arg(drawn.left())
                             .arg(drawn.right())
                             .arg(inside.width())
                             .arg(drawn.height());
    QVERIFY2(display->textWidth(display->font()) <= display->textRoom(), qPrintable(what));
    QVERIFY2(drawn.left() > inside.left() && drawn.right() < inside.right(), qPrintable(what));
    QVERIFY2(drawn.height() >= scaledPixels(kLegibleDisplayPixels), qPrintable(what));
    qInfo("%s", qPrintable(what));
  }
}

static const zova::ShellTest<LedDisplayTest> kRegistered("led_display");
#include "led_display_test.moc"
