// The window on a desktop with a larger font (logical 144 dots per inch, 1.5 times the
// standard): the window, its menu bar, keys, captions and display text grow together, and every
// menu title stays on the bar.
#include "shell/screen_scale.h"

#include <QApplication>
#include <QMenuBar>
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
  void twipsFollowTheLogicalDpi() {
    for (const auto& [twips, dpi, pixels] : {std::tuple{3300, 96.0, 220},
                                             {3300, 144.0, 330},
                                             {3300, 120.0, 275},
                                             {15, 96.0, 1},
                                             {14, 96.0, 0}})
      QCOMPARE(twipsToPixels(twips, dpi), pixels);
    QCOMPARE(logicalDpi(), 144.0);
    QCOMPARE(Zoom().twipsToPixels(kClosedWidth), 330);
    QCOMPARE(Zoom().scaledPixels(15), 23);
  }

  void everyMenuTitleShowsAtALargerFont() {
    WindowRig rig;
    QVERIFY(rig.exposed());
    MainWindow& window = *rig.window;
    QCOMPARE(window.size(), QSize(330, 534));  // kClosedWidth by kNormalHeight at 144 dots per inch
    QMenuBar* bar = window.menuBar();
    QStringList titles;
    for (QAction* menu : bar->actions()) {
      if (menu->isSeparator() || !menu->isVisible()) continue;
      titles << menu->text();
      QVERIFY2(
          !bar->actionGeometry(menu).isEmpty() && bar->rect().contains(bar->actionGeometry(menu)),
          qPrintable(menu->text()));
    }
    QVERIFY(titles.contains(QStringLiteral("&Tools")) && titles.contains(QStringLiteral("&?")));
    for (QToolButton* more : bar->findChildren<QToolButton*>())
      QVERIFY2(!more->isVisible(), "the menu bar's overflow arrow shows");
    // Keys, captions and the widest display text at 1.5 times their standard pixel sizes.
    QPushButton* seven = window.button(Key::kDigit7);
    QVERIFY(seven->font().pixelSize() == 23 && seven->height() >= rig.zoom.scaledPixels(14));
    QCOMPARE(child<QLabel>(window, "second_sineKey")->font().pixelSize(), rig.zoom.scaledPixels(9));
    auto* display = static_cast<LedDisplay*>(window.displayField());
    QVERIFY(!runSequence(rig.model, "1,±,.,2345678901234567,EXP,-,300").has_value());
    window.refresh();
    QCOMPARE(display->text().size(), int(kDisplayCharacters));
    QVERIFY(display->textWidth(display->font()) <= display->textRoom());
    QVERIFY(display->font().pixelSize() >= rig.zoom.scaledPixels(kLegibleDisplayPixels));
  }
};

}  // namespace zova

int main(int argc, char** argv) {
  // A desktop whose font is set 1.5 times larger, made before the application starts:
  // QT_FONT_DPI does it on X11; the offscreen platform takes its screen's logical DPI from a
  // configuration file. Qt's own scaling is off, so the window sees the DPI as X11 shows it.
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
