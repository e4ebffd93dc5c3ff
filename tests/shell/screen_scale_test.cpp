// The window on a desktop with a larger font (logical 144 dots per inch, 1.5
// times the standard): the window, its menu bar, keys, captions and display text
// grow together, and every menu title stays on the bar.
#include "shell/screen_scale.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "engine/display_limits.h"
#include "model/window_geometry.h"
#include "shell/led_display.h"
#include "shell/model_rig.h"

namespace zova {

class ScreenScaleTest : public QObject {
  Q_OBJECT
 private slots:
  void twipsFollowTheLogicalDpi();
  void everyMenuTitleShowsAtALargerFont();
};

void ScreenScaleTest::twipsFollowTheLogicalDpi() {
  const std::tuple<int, double, int> cases[] = {
      {3300, 96, 220},  {5340, 96, 356},  {3300, 144, 330}, {5340, 144, 534},
      {3300, 120, 275}, {7050, 192, 940}, {15, 96, 1},      {14, 96, 0},
  };
  for (const auto& [twips, dpi, pixels] : cases) QCOMPARE(twipsToPixels(twips, dpi), pixels);
  QCOMPARE(logicalDpi(), 144.0);
  QCOMPARE(twipsToPixels(kClosedWidth), 330);
  QCOMPARE(scaledPixels(22), 33);
}

void ScreenScaleTest::everyMenuTitleShowsAtALargerFont() {
  WindowRig rig;
  QVERIFY(rig.exposed());
  MainWindow& window = *rig.window;
  QCOMPARE(window.size(),
           QSize(twipsToPixels(kClosedWidth, 144), twipsToPixels(kNormalHeight, 144)));

  QMenuBar* bar = window.menuBar();
  const QRect inside = bar->rect();
  QStringList titles;
  for (QAction* menu : bar->actions()) {
    if (menu->isSeparator() || !menu->isVisible()) continue;
    const QRect place = bar->actionGeometry(menu);
    titles << menu->text();
    QVERIFY2(!place.isEmpty() && inside.contains(place), qPrintable(menu->text()));
  }
  QVERIFY(titles.contains(QStringLiteral("&Tools")) && titles.contains(QStringLiteral("&?")));
  for (QToolButton* more : bar->findChildren<QToolButton*>())
    QVERIFY2(!more->isVisible(), "the menu bar's overflow arrow shows");

  // Keys and captions at 1.5 times their standard pixel sizes.
  QPushButton* seven = window.button(Key::kDigit7);
  QCOMPARE(seven->font().pixelSize(), scaledPixels(15));
  QCOMPARE(scaledPixels(15), 23);
  QVERIFY(seven->height() >= scaledPixels(14));
  auto* second = window.findChild<QLabel*>(QStringLiteral("second_sineKey"));
  QVERIFY(second != nullptr);
  QCOMPARE(second->font().pixelSize(), scaledPixels(9));

  // The widest texts the calculator makes fit the display at the legible size or larger.
  auto* display = static_cast<LedDisplay*>(window.displayField());
  for (const char* keys :
       {"1,±,.,2345678901234567,EXP,-,300", "opt:format=Fix,opt:places=0,1,EXP,22,±,="}) {
    QVERIFY(!runSequence(rig.model, "AC").has_value());
    QVERIFY(!runSequence(rig.model, keys).has_value());
    window.refresh();
    QCOMPARE(display->text().size(), int(kDisplayCharacters));
    QVERIFY(display->textWidth(display->font()) <= display->textRoom());
    QVERIFY(display->font().pixelSize() >= scaledPixels(kLegibleDisplayPixels));
  }

  // The picture, for a person to look at beside the test's log.
  const QString picture = QDir(QDir::tempPath()).filePath(QStringLiteral("zova-1.5x.png"));
  QVERIFY(window.grab().save(picture));
  qInfo("screenshot at 1.5x: %s", qPrintable(picture));
}

}  // namespace zova

int main(int argc, char** argv) {
  // A desktop whose font is set 1.5 times larger, made before the application
  // starts: QT_FONT_DPI does it on X11; the offscreen platform the tests run on
  // takes its screen's logical DPI from a configuration file. Qt's own
  // scaling is off, so the window sees the DPI as an X11 desktop shows it.
  qputenv("QT_FONT_DPI", "144");
  QTemporaryDir config;
  const QString screens = config.filePath(QStringLiteral("screens.json"));
  QFile file(screens);
  if (!file.open(QIODevice::WriteOnly)) return 2;
  file.write(R"({"screens": [{"name": "large-font", "x": 0, "y": 0, "width": 1920,
    "height": 1080, "logicalDpi": 144, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  if (qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QApplication app(argc, argv);
  zova::ScreenScaleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "screen_scale_test.moc"
