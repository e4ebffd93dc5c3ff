// The drawn program icon and the program's style: the icon paints at every size
// it is asked for, and a started window under the style has loaded no image
// format plugin (nothing at start-up is decoded from a picture file).
#include "shell/program_look.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QtTest>
#include <memory>

#include "shell/model_rig.h"

using namespace zova;

namespace {

/// The image-format plugins this process has mapped, from its own memory map.
QStringList imageFormatPlugins() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return {QStringLiteral("(maps unreadable)")};
  QStringList found;
  for (const QByteArray& line : maps.readAll().split('\n'))
    if (line.contains("/imageformats/"))
      found << QString::fromUtf8(line.mid(line.lastIndexOf(' ') + 1));
  found.removeDuplicates();
  return found;
}

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
    QCOMPARE(imageFormatPlugins(), QStringList());
  }

  // The icon paints at any size with its corners clear; the launcher's icons are the same picture.
  void iconPaintsAndIsInstalled_data() {
    QTest::addColumn<int>("side");
    for (int side : {16, 22, 256, 300}) QTest::addRow("%d", side) << side;
  }
  void iconPaintsAndIsInstalled() {
    QFETCH(int, side);
    const QImage window = programIcon().pixmap(side, side).toImage();
    QCOMPARE(window.size(), QSize(side, side));
    QVERIFY(qAlpha(window.pixel(side / 2, side / 2)) == 255 && qAlpha(window.pixel(0, 0)) == 0 &&
            qAlpha(window.pixel(side - 1, side - 1)) == 0);
    if (side == 300) return;  // no icon of this size is installed
    const QString path = QStringLiteral(ZOVA_ICON_TREE "/%1x%1/apps/" ZOVA_APP_ID ".png").arg(side);
    const QImage installed(path);
    QVERIFY2(!installed.isNull(), qPrintable(path));
    QCOMPARE(installed.convertToFormat(QImage::Format_ARGB32),
             window.convertToFormat(QImage::Format_ARGB32));
  }

  void scalableIconHasEveryShape() {
    QFile svg(QStringLiteral(ZOVA_ICON_TREE "/scalable/apps/" ZOVA_APP_ID ".svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    QCOMPARE(text.count("<rect "), static_cast<qsizetype>(programIconShapes().size()));
    for (const IconShape& shape : programIconShapes())
      QVERIFY2(text.contains(shape.colour.name().toLatin1()), qPrintable(shape.colour.name()));
  }

  void overflowArrowsAreDrawn() {
    std::unique_ptr<QStyle> style(makeProgramStyle());
    const QImage across =
        style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16, 16).toImage();
    const QImage down =
        style->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(16, 16).toImage();
    QVERIFY(opaquePixels(across) > 10);
    QVERIFY(opaquePixels(down) > 10);
    QVERIFY(down != across);
    // Other icons still come from the desktop's style.
    QVERIFY(!style->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
  }
};

static const zova::ShellTest<ProgramLookTest> kRegistered("program_look");
#include "program_look_test.moc"
