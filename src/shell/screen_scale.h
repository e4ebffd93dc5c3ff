// Twips and the window's own pixel sizes on this desktop: both follow the
// logical DPI (Xft.dpi, QT_FONT_DPI), so a larger desktop font grows the window,
// its keys and their captions together. The screen's device pixel ratio comes
// on top of that, from Qt.
#pragma once

namespace zova {

/// The primary screen's logical dots per inch; kStandardDpi without a screen.
double logicalDpi();
/// A length in twips as pixels on this desktop.
int twipsToPixels(int twips);
/// A size drawn in `pixels` at the standard 96 dots per inch, on this desktop.
int scaledPixels(int pixels);

}  // namespace zova
