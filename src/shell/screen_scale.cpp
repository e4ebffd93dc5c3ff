// The logical DPI from the primary screen, the zoom, and the lengths scaled by both.
#include "shell/screen_scale.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "model/window_geometry.h"

namespace zova {

double logicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInch() : kStandardDpi;
}

int Zoom::twipsToPixels(int twips) const {
  return zova::twipsToPixels(twips, logicalDpi() * percent_ / 100.0);
}

int Zoom::scaledPixels(int pixels) const {
  return static_cast<int>(std::lround(pixels * logicalDpi() * percent_ / 100.0 / kStandardDpi));
}

int Zoom::zoomedPixels(int pixels) const {
  return static_cast<int>(std::lround(pixels * percent_ / 100.0));
}

void Zoom::forgetGone() {
  std::erase_if(followers_, [](const auto& f) { return f.first.isNull(); });
}

void Zoom::setZoomPercent(int percent) {
  percent = std::clamp(percent, kMinZoom, kMaxZoom);
  if (percent == percent_) return;
  percent_ = percent;
  forgetGone();
  // A follower may set up others (a panel built on the way): they start at the new zoom.
  const auto now = followers_;
  for (const auto& [owner, apply] : now)
    if (owner) (*apply)();
}

void Zoom::followZoom(QObject* owner, std::function<void()> apply) {
  apply();
  forgetGone();
  followers_.emplace_back(owner, std::make_shared<std::function<void()>>(std::move(apply)));
}

// Rounded down from the standard size, so that a text keeps within the box that holds it.
void Zoom::setZoomedFont(QWidget* w, QFont base, int pixels) {
  followZoom(w, [this, w, base, pixels]() mutable {
    const auto standard = std::lround(pixels * logicalDpi() / kStandardDpi);
    base.setPixelSize(static_cast<int>(std::max(1L, standard * percent_ / 100)));
    w->setFont(base);
  });
}

QFont Zoom::zoomedSize(const QFont& font, QFont out) const {
  if (font.pointSizeF() > 0)
    out.setPointSizeF(font.pointSizeF() * percent_ / 100.0);
  else
    out.setPixelSize(zoomedPixels(font.pixelSize()));
  return out;
}

// Only the size is set, so each control keeps its own family and weight; at the
// standard size nothing is set at all.
void Zoom::zoomDesktopFont(QWidget* w) {
  followZoom(w, [this, w] {
    w->setFont(percent_ == kMinZoom ? QFont() : zoomedSize(QApplication::font()));
  });
}

}  // namespace zova
