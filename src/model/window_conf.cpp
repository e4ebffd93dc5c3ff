// Reading and writing zova-window.conf, and the zoom rules that go with it.
#include "model/window_conf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

namespace zova {

namespace {

constexpr std::string_view kZoomKey = "zoom";
constexpr int kLargeScreen = 1000;  ///< logical pixels of available height

std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool isZoomStep(int percent) {
  return percent >= kMinZoom && percent <= kMaxZoom && (percent - kMinZoom) % kZoomStep == 0;
}

}  // namespace

std::string windowConfBeside(const std::string& settingsPath) {
  return (std::filesystem::path(settingsPath).parent_path() / kWindowConfName).string();
}

WindowConf parseWindowConf(std::string_view text) {
  WindowConf conf;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || trimmed(line.substr(0, equals)) != kZoomKey) continue;
    const std::string_view value = trimmed(line.substr(equals + 1));
    int zoom = 0;
    const auto [rest, error] = std::from_chars(value.data(), value.data() + value.size(), zoom);
    conf.zoom = error == std::errc() && rest == value.data() + value.size() && isZoomStep(zoom)
                    ? zoom
                    : WindowConf{}.zoom;
  }
  return conf;
}

std::string windowConfText(const WindowConf& conf) {
  return std::string(kZoomKey) + "=" + std::to_string(conf.zoom) + "\n";
}

std::optional<WindowConf> readWindowConf(const std::string& path) {
  const FileRead read = readSettingsBytes(path);
  if (read.outcome == ReadOutcome::kMissing) return std::nullopt;
  return read.outcome == ReadOutcome::kRead ? parseWindowConf(read.text) : WindowConf{};
}

WriteOutcome writeWindowConf(const WindowConf& conf, const std::string& path) {
  return replaceSettingsFile(path, windowConfText(conf));
}

int snappedZoom(double percent) {
  const double steps = std::round((percent - kMinZoom) / kZoomStep);
  return std::clamp(kMinZoom + static_cast<int>(steps) * kZoomStep, kMinZoom, kMaxZoom);
}

int fittingZoom(int wanted, PixelSize room, const std::function<PixelSize(int zoom)>& sizeAt) {
  int zoom = snappedZoom(wanted);
  for (; zoom > kMinZoom; zoom -= kZoomStep) {
    const PixelSize size = sizeAt(zoom);
    if (size.width <= room.width && size.height <= room.height) break;
  }
  return zoom;
}

int firstStartZoom(int availableHeight, int windowHeight) {
  if (availableHeight <= kLargeScreen || windowHeight <= 0) return kMinZoom;
  return snappedZoom(100.0 * availableHeight / 3 / windowHeight);
}

}  // namespace zova
