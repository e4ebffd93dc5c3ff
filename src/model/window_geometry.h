// The main window's sizes in twips, as the settings file stores them, and the
// twips in one pixel. The model sizes the window with them; the shell lays
// out its widgets with them.
#pragma once

namespace zova {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClosedWidth = 3300;    ///< the keypad alone
inline constexpr int kOpenWidth = 7050;      ///< the keypad and the fold-out panel
inline constexpr int kNormalHeight = 5340;   ///< the whole keypad
inline constexpr int kCompactHeight = 1410;  ///< the display only

}  // namespace zova
