// The window's own settings, kept in zova-window.conf beside the settings file
// (as the tape file is) and never in the settings file, whose fixed lines other
// copies of the program read: today the zoom, one "zoom=150" line. A missing
// or damaged file reads as the defaults; the file is written with the settings
// file's safe write. The command line neither reads nor writes it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/settings_storage.h"

namespace zova {

inline constexpr const char* kWindowConfName = "zova-window.conf";

/// The zoom of the calculator's windows, in percent of their standard size.
inline constexpr int kMinZoom = 100;
inline constexpr int kMaxZoom = 300;
inline constexpr int kZoomStep = 25;  ///< View > Zoom In and Zoom Out; a border drag snaps to it

struct WindowConf {
  int zoom = kMinZoom;  ///< a step of kZoomStep from kMinZoom to kMaxZoom
  bool operator==(const WindowConf&) const = default;
};

/// The window file in the folder of the settings file at settingsPath.
std::string windowConfBeside(const std::string& settingsPath);

/// The file's text read; lines it does not know are passed over, a bad zoom gives the default.
WindowConf parseWindowConf(std::string_view text);
std::string windowConfText(const WindowConf& conf);

/// nullopt when there is no file; an unreadable or damaged one gives the defaults.
std::optional<WindowConf> readWindowConf(const std::string& path);
WriteOutcome writeWindowConf(const WindowConf& conf, const std::string& path);

/// The nearest zoom step to `percent`, within kMinZoom..kMaxZoom.
int snappedZoom(double percent);

/// A window's outer size in pixels.
struct PixelSize {
  int width = 0, height = 0;
};

/// The zoom the window shows: `wanted`, or the largest step below it whose window,
/// `sizeAt(zoom)`, fits into `room`; kMinZoom when none does.
int fittingZoom(int wanted, PixelSize room, const std::function<PixelSize(int zoom)>& sizeAt);

/// The zoom of a first start (no window file): on a screen whose available height is over
/// 1,000 logical pixels, the step that makes a window `windowHeight` pixels high at 100 %
/// about a third of that height; kMinZoom on smaller screens.
int firstStartZoom(int availableHeight, int windowHeight);

}  // namespace zova
