// The window file: the zoom comes back after a restart, a missing file is told
// apart from a damaged one (which gives the default), and the first start's zoom
// fits the screen.
#include "model/window_conf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <tuple>

#include "support/temp_dir.h"

namespace zova {
namespace {

TEST(WindowConf, ZoomComesBackAfterARestart) {
  const std::pair<const char*, std::optional<int>> kCases[] = {
      {nullptr, std::nullopt},     {"zoom=175\n", 175}, {" zoom = 300 \r\n", 300},
      {"left=12\nzoom=125", 125},  // lines it does not know are passed over
      {"zoom=150\nzoom=x\n", 100}, {"zoom=137\n", 100}, {"zoom=325\n", 100},
      {"zoom=75\n", 100},          {"zoom=1e2\n", 100}, {"\x01\xff garbage", 100}};
  testing::TempDir dir;
  const std::string path = dir.file(kWindowConfName);
  for (const auto& [file, zoom] : kCases) {
    std::filesystem::remove(path);
    if (file) testing::spit(path, file);
    const std::optional<WindowConf> read = readWindowConf(path);
    EXPECT_EQ(read ? std::optional(read->zoom) : std::nullopt, zoom) << (file ? file : "");
  }
  for (int zoom = kMinZoom; zoom <= kMaxZoom; zoom += kZoomStep) {
    ASSERT_TRUE(writeWindowConf({zoom}, path).written);
    EXPECT_EQ(readWindowConf(path), WindowConf{zoom});
  }
  std::filesystem::create_directory(dir.file("folder"));  // there, but no file to read
  EXPECT_EQ(readWindowConf(dir.file("folder")), WindowConf{});
  EXPECT_EQ(windowConfBeside("/home/u/.config/zova/dadidedo.dat"),
            "/home/u/.config/zova/zova-window.conf");
}

TEST(WindowConf, FirstStartFitsTheScreen) {
  const std::tuple<int, int, int> kCases[] = {
      // available height, window height, zoom
      {768, 356, 100},  {1000, 200, 100}, {1001, 200, 175}, {1200, 356, 100},
      {1230, 356, 125}, {1400, 356, 125}, {1600, 356, 150}, {2100, 356, 200},
      {2920, 356, 275}, {3300, 356, 300}, {8000, 356, 300}, {2100, 534, 125},
  };
  for (const auto& [available, window, zoom] : kCases)
    EXPECT_EQ(firstStartZoom(available, window), zoom) << available << " " << window;
}

// The window at 100 % is 470 x 356 with a panel: each step adds a quarter.
TEST(WindowConf, ZoomStepsDownUntilTheWindowFits) {
  const std::tuple<int, int, int, int> kCases[] = {// wanted, room width, room height, zoom shown
                                                   {300, 1920, 1080, 300}, {300, 1250, 1080, 250},
                                                   {300, 1920, 700, 175},  {200, 940, 712, 200},
                                                   {200, 939, 712, 175},   {125, 400, 300, 100}};
  const auto sizeAt = [](int zoom) { return PixelSize{470 * zoom / 100, 356 * zoom / 100}; };
  for (const auto& [wanted, width, height, zoom] : kCases)
    EXPECT_EQ(fittingZoom(wanted, {width, height}, sizeAt), zoom) << width << "x" << height;
}

}  // namespace
}  // namespace zova
