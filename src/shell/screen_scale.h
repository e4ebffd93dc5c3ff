// Twips and the window's own pixel sizes on this desktop: both follow the
// logical DPI (Xft.dpi, QT_FONT_DPI), so a larger desktop font grows the window,
// its keys and their captions together. The screen's device pixel ratio comes
// on top of that, from Qt. So does the zoom (View > Zoom In, a border drag):
// every length and font of the calculator's windows is taken through a Zoom,
// and what is sized once follows it with followZoom.
#pragma once

#include <QFont>
#include <QPointer>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "model/window_conf.h"

class QObject;
class QWidget;

namespace zova {

/// The primary screen's logical dots per inch; kStandardDpi without a screen.
double logicalDpi();

/// The zoom of one calculator's windows and what follows it. The program makes one and hands
/// it to its window, which hands it on to its panels and tool windows; a test makes its own.
class Zoom {
 public:
  /// A length in twips as pixels on this desktop, at the zoom.
  int twipsToPixels(int twips) const;
  /// A size drawn in `pixels` at the standard 96 dots per inch, on this desktop, at the zoom.
  int scaledPixels(int pixels) const;
  /// A length in pixels at the zoom alone: one that stays the same on any desktop.
  int zoomedPixels(int pixels) const;

  /// The zoom in percent, kMinZoom (the standard size) until it is set.
  int zoomPercent() const { return percent_; }
  /// Sets the zoom, kept within kMinZoom..kMaxZoom, and re-applies every size that follows it.
  void setZoomPercent(int percent);
  /// Runs `apply` now and again after every change of the zoom, for as long as `owner` lives.
  void followZoom(QObject* owner, std::function<void()> apply);
  /// Gives `w` the font `base` at `pixels` (at 96 dots per inch), now and at every zoom.
  void setZoomedFont(QWidget* w, QFont base, int pixels);
  /// `out` (a font with nothing set, unless given) at the size of `font` at the zoom.
  QFont zoomedSize(const QFont& font, QFont out = QFont()) const;
  /// Lets the controls under `w` that take the desktop's font grow with the zoom.
  void zoomDesktopFont(QWidget* w);

 private:
  void forgetGone();

  int percent_ = kMinZoom;
  // What re-applies its sizes when the zoom changes, in the order it was set up:
  // a window's controls before the window that lays them out.
  // Each shared, so that the zoom's copy of the list runs the followers themselves
  // and what one keeps between runs stays.
  using Follower = std::pair<QPointer<QObject>, std::shared_ptr<std::function<void()>>>;
  std::vector<Follower> followers_;
};

}  // namespace zova
