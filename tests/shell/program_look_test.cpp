// The drawn program icon and the program's style: a started window has loaded no image format
// plugin (nothing at start-up is decoded from a picture file), the icon paints at every size
// as the installed icons show it, and the menu bar's overflow arrows are drawn.
#include "shell/program_look.h"

#include <QMenuBar>
#include <QtTest>

#include "shell/model_rig.h"

using namespace zova;

namespace {

int opaquePixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) > 128;
  return n;
}

}  // namespace

class ProgramLookTest : public QObject {
  Q_OBJECT
 private slots:
  // First, while nothing else in this process has touched a picture.
  void startedWindowLoadsNoImagePlugin() {
    QApplication::setStyle(makeProgramStyle());
    WindowRig rig;
    QVERIFY(rig.exposed());
    rig.window->menuBar()->grab();  // the bar and its overflow arrow drawn
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY(!maps.readAll().contains("/imageformats/"));
  }

  // Corners clear, the middle opaque; the launcher's icons are the same picture.
  void iconPaintsAndIsInstalled() {
    for (int side : {16, 256, 300}) {
      const QImage window = programIcon().pixmap(side, side).toImage();
      QCOMPARE(window.size(), QSize(side, side));
      QVERIFY(qAlpha(window.pixel(side / 2, side / 2)) == 255 && qAlpha(window.pixel(0, 0)) == 0 &&
              qAlpha(window.pixel(side - 1, side - 1)) == 0);
      if (side == 300) continue;  // no icon of this size is installed
      const QImage installed(
          QStringLiteral(ZOVA_ICON_TREE "/%1x%1/apps/" ZOVA_APP_ID ".png").arg(side));
      QCOMPARE(installed.convertToFormat(QImage::Format_ARGB32),
               window.convertToFormat(QImage::Format_ARGB32));
    }
  }

  void overflowArrowsAreDrawn() {
    std::unique_ptr<QStyle> style(makeProgramStyle());
    const QImage across =
        style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16, 16).toImage();
    const QImage down =
        style->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(16, 16).toImage();
    QVERIFY(opaquePixels(across) > 10 && opaquePixels(down) > 10 && down != across);
    // Other icons still come from the desktop's style.
    QVERIFY(!style->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
  }
};

static const zova::ShellTest<ProgramLookTest> kRegistered("program_look");
#include "program_look_test.moc"
