// The logical DPI from the primary screen, and the lengths scaled by it.
#include "shell/screen_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "model/window_geometry.h"

namespace zova {

double logicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInch() : kStandardDpi;
}

int twipsToPixels(int twips) { return twipsToPixels(twips, logicalDpi()); }

int scaledPixels(int pixels) {
  return static_cast<int>(std::lround(pixels * logicalDpi() / kStandardDpi));
}

}  // namespace zova
