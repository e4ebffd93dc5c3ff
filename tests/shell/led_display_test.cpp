// The calculator's display as a user sees it: a picture of the real window's
// display line, at the usual scale and at twice it.
#include <QtTest>
#include <memory>

#include "shell/model_rig.h"

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

// How many pixels are nearer the digits' colour than the screen's.
int litPixels(const QImage& image, QColor digits, QColor screen) {
  const auto distance = [](QRgb a, QColor b) {
    return std::abs(qRed(a) - b.red()) + std::abs(qGreen(a) - b.green()) +
           std::abs(qBlue(a) - b.blue());
  };
  int lit = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (distance(p, digits) < distance(p, screen)) ++lit;
    }
  return lit;
}

}  // namespace

class LedDisplayTest : public QObject {
  Q_OBJECT
 private slots:
  void decimalPointShowsAtAGlance_data();
  void decimalPointShowsAtAGlance();
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
                failure ? -1 : litPixels(picture(display, ratio), digits, screen)};
  };
  const Shot withPoint = show("key:1,key:F5,key:F11");  // one foot in meters
  const Shot without = show(
      "key:3,key:2,key:8,key:0,key:8,key:3,key:9,key:8,key:9,key:5,key:0,key:1,key:3,key:1,"
      "key:2");
  QCOMPARE(withPoint.text, QStringLiteral("3.28083989501312"));
  QCOMPARE(without.text, QStringLiteral("328083989501312"));
  QVERIFY(without.lit > 0);
  QCOMPARE(withPoint.fontPixels, without.fontPixels);  // the same digits at the same size
  const int pointPixels = withPoint.lit - without.lit;
  QVERIFY2(pointPixels >= fewestPixels, qPrintable(QString::number(pointPixels)));
}

QTEST_MAIN(LedDisplayTest)
#include "led_display_test.moc"
