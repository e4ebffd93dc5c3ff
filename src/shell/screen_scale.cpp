// The logical DPI from the primary screen, the zoom, and the lengths scaled by both.
#include "shell/screen_scale.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "model/window_conf.h"
#include "model/window_geometry.h"

namespace zova {

namespace {

int zoom = kMinZoom;

// What re-applies its sizes when the zoom changes, in the order it was set up:
// a window's controls before the window that lays them out.
// Each shared, so that the zoom's copy of the list runs the followers themselves
// and what one keeps between runs stays.
using Follower = std::pair<QPointer<QObject>, std::shared_ptr<std::function<void()>>>;
std::vector<Follower>& followers() {
  static std::vector<Follower> list;
  return list;
}

void forgetGone() {
  std::erase_if(followers(), [](const auto& f) { return f.first.isNull(); });
}

}  // namespace

double logicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInch() : kStandardDpi;
}

int twipsToPixels(int twips) { return twipsToPixels(twips, logicalDpi() * zoom / 100.0); }

int scaledPixels(int pixels) {
  return static_cast<int>(std::lround(pixels * logicalDpi() * zoom / 100.0 / kStandardDpi));
}

int zoomedPixels(int pixels) { return static_cast<int>(std::lround(pixels * zoom / 100.0)); }

int zoomPercent() { return zoom; }

void setZoomPercent(int percent) {
  percent = std::clamp(percent, kMinZoom, kMaxZoom);
  if (percent == zoom) return;
  zoom = percent;
  forgetGone();
  // A follower may set up others (a panel built on the way): they start at the new zoom.
  const auto now = followers();
  for (const auto& [owner, apply] : now)
    if (owner) (*apply)();
}

void followZoom(QObject* owner, std::function<void()> apply) {
  apply();
  forgetGone();
  followers().emplace_back(owner, std::make_shared<std::function<void()>>(std::move(apply)));
}

// Rounded down from the standard size, so that a text keeps within the box that holds it.
void setZoomedFont(QWidget* w, QFont base, int pixels) {
  followZoom(w, [w, base, pixels]() mutable {
    const auto standard = std::lround(pixels * logicalDpi() / kStandardDpi);
    base.setPixelSize(static_cast<int>(std::max(1L, standard * zoom / 100)));
    w->setFont(base);
  });
}

QFont zoomedSize(const QFont& font, QFont out) {
  if (font.pointSizeF() > 0)
    out.setPointSizeF(font.pointSizeF() * zoom / 100.0);
  else
    out.setPixelSize(zoomedPixels(font.pixelSize()));
  return out;
}

// Only the size is set, so each control keeps its own family and weight; at the
// standard size nothing is set at all.
void zoomDesktopFont(QWidget* w) {
  followZoom(w, [w] { w->setFont(zoom == kMinZoom ? QFont() : zoomedSize(QApplication::font())); });
}

}  // namespace zova
