// The main window's sizes in twips, as the settings file stores them, and how
// twips become pixels. A twip is a logical unit, 1/1440 inch: at the desktop's
// standard 96 dots per inch it is 1/15 pixel, and a desktop set to a larger
// logical DPI (a larger font) gets a proportionally larger window. The model
// sizes the window in twips; the shell lays out its widgets with these.
#pragma once

namespace zova {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kStandardDpi;  ///< at kStandardDpi
inline constexpr int kClosedWidth = 3300;                            ///< the keypad alone
inline constexpr int kOpenWidth = 7050;      ///< the keypad and the fold-out panel
inline constexpr int kNormalHeight = 5340;   ///< the whole keypad
inline constexpr int kCompactHeight = 1410;  ///< the display only

/// A length in twips as whole pixels at `dpi` logical dots per inch.
inline int twipsToPixels(int twips, double dpi) {
  return static_cast<int>(twips * dpi / kTwipsPerInch + 1e-9);
}

}  // namespace zova
