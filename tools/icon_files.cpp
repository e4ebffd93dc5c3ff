// zova_icon_files NAME FOLDER: writes the program's icon, as the window paints
// it, into FOLDER as a hicolor icon theme tree: NAME.svg under scalable/apps
// and NAME.png under NxN/apps for each size a desktop asks for.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QTextStream>
#include <cstdio>

#include "shell/program_look.h"

namespace {

bool writeSvg(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  QTextStream out(&file);
  const int frame = static_cast<int>(zova::kProgramIconFrame);
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << frame << "\" height=\"" << frame
      << "\" viewBox=\"0 0 " << frame << ' ' << frame << "\">\n";
  for (const zova::IconShape& shape : zova::programIconShapes()) {
    out << "  <rect x=\"" << shape.rect.x() << "\" y=\"" << shape.rect.y() << "\" width=\""
        << shape.rect.width() << "\" height=\"" << shape.rect.height() << '"';
    if (shape.radius > 0) out << " rx=\"" << shape.radius << '"';
    out << " fill=\"" << shape.colour.name() << "\"/>\n";
  }
  out << "</svg>\n";
  return out.status() == QTextStream::Ok;
}

// The PNGs are the window's own icon pixmaps.
bool writePng(const QString& path, int side) {
  return zova::programIcon().pixmap(side, side).toImage().save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zova_icon_files NAME FOLDER\n");
    return 2;
  }
  // Pixmaps need an application; no display is needed to paint them.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString name = QString::fromLocal8Bit(argv[1]);
  const QDir root(QString::fromLocal8Bit(argv[2]));
  bool ok = root.mkpath(QStringLiteral("scalable/apps")) &&
            writeSvg(root.filePath(QStringLiteral("scalable/apps/") + name + ".svg"));
  for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(side);
    ok = ok && root.mkpath(folder) && writePng(root.filePath(folder + '/' + name + ".png"), side);
  }
  if (!ok) std::fprintf(stderr, "zova_icon_files: cannot write the icons into %s\n", argv[2]);
  return ok ? 0 : 1;
}
