// Twips and the window's own pixel sizes on this desktop: both follow the
// logical DPI (Xft.dpi, QT_FONT_DPI), so a larger desktop font grows the window,
// its keys and their captions together. The screen's device pixel ratio comes
// on top of that, from Qt. So does the zoom (View > Zoom In, a border drag):
// every length and font of the calculator's windows is taken through these
// functions, and what is sized once follows the zoom with followZoom.
#pragma once

#include <QFont>
#include <functional>

class QObject;
class QWidget;

namespace zova {

/// The primary screen's logical dots per inch; kStandardDpi without a screen.
double logicalDpi();
/// A length in twips as pixels on this desktop, at the zoom.
int twipsToPixels(int twips);
/// A size drawn in `pixels` at the standard 96 dots per inch, on this desktop, at the zoom.
int scaledPixels(int pixels);
/// A length in pixels at the zoom alone: one that stays the same on any desktop.
int zoomedPixels(int pixels);

/// The zoom in percent, kMinZoom (the standard size) until it is set.
int zoomPercent();
/// Sets the zoom, kept within kMinZoom..kMaxZoom, and re-applies every size that follows it.
void setZoomPercent(int percent);
/// Runs `apply` now and again after every change of the zoom, for as long as `owner` lives.
void followZoom(QObject* owner, std::function<void()> apply);
/// Gives `w` the font `base` at `pixels` (at 96 dots per inch), now and at every zoom.
void setZoomedFont(QWidget* w, QFont base, int pixels);
/// `out` (a font with nothing set, unless given) at the size of `font` at the zoom.
QFont zoomedSize(const QFont& font, QFont out = QFont());
/// Lets the controls under `w` that take the desktop's font grow with the zoom.
void zoomDesktopFont(QWidget* w);

}  // namespace zova
