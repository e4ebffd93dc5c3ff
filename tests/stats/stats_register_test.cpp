// The statistics register driven through its keys: entries, deletions, results
// on the display, the failures that leave it alone, and the start-up restore.
#include "stats/stats_register.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace zova {
namespace {

const NumberLocale kDot{".", ","};
const NumberLocale kComma{",", "."};

StatsRegister entered(const std::string& values, const NumberLocale& loc = kDot) {
  StatsRegister r(loc);
  std::istringstream in(values);
  for (std::string v; in >> v;) r.enterItem(v);
  return r;
}

// The list, newest first, then the sum and the sum of squares ("-" while empty).
std::string contents(const StatsRegister& r) {
  std::string out;
  for (const std::string& item : r.items()) out += item + " ";
  for (const Value* v : {&r.sum(), &r.sumOfSquares()})
    out += v->isEmpty() ? "|-" : "|" + numberToText(v->parse(), kDot);
  return out;
}

TEST(StatsRegisterTest, ResultsOverTheData) {
  std::string huge;
  for (int i = 0; i < 14; ++i) huge += "1E153 ";
  const std::pair<std::string, std::string> kCases[] = {
      // KEY=TEXT: the display shows TEXT; KEY=: the display keeps what it showed, and a beep
      {"2 4 4 4 5 5 7 9", "n=8 sum=40 mean=5 popul=2 sample=2.1380899352994"},  // sqrt(32 / 7)
      {"", "n=0 sum=0 mean= sample= popul="},
      {"3.5", "mean=3.5 sample= popul=0"},
      // equal items spread by exactly nothing, even where the square of their sum overflows
      {huge, "mean=1E+153 popul=0"},
      {"0.7 0.7 0.7", "sample=0 popul=0"},
      {"0.1 0.1 0.1", "mean=0.1 sample=0 popul=0"},
  };
  for (const auto& [data, expected] : kCases) {
    std::istringstream in(expected);
    for (std::string t; in >> t;) {
      const std::string key = t.substr(0, t.find('=')), shown = t.substr(t.find('=') + 1);
      StatsRegister r = entered(data);
      const PanelEffect want = shown.empty()
                                   ? PanelEffect{std::nullopt, EntryReset::kNone, true, true}
                                   : PanelEffect{shown, EntryReset::kEndEntry, true};
      EXPECT_EQ(r.press(findStatKey(key)->key, "ignored"), want) << t << " over " << data;
    }
  }
}

TEST(StatsRegisterTest, EnterTakesTheDisplayAsData) {
  // After "1" was entered: the display, the entry reset, the contents. Numbers are read as
  // parseNumber does; numbers or sums beyond the range are refused with "ERROR" (a sum of
  // squares beyond it is kept: decimal holds it).
  const std::tuple<std::string, std::optional<std::string>, EntryReset, std::string> kCases[] = {
      {"5E", "5E", EntryReset::kEndEntry, "5E 1 |6|26"},
      {"ERROR", std::nullopt, EntryReset::kNone, "1 |1|1"},
      {"1E200", "1E200", EntryReset::kEndEntry, "1E200 1 |1E+200|ERROR"},
      {"-" + std::string(309, '9'), "ERROR", EntryReset::kSwitch, "1 |1|1"},
  };
  for (const auto& [display, shown, reset, after] : kCases) {
    StatsRegister r = entered("1");
    EXPECT_EQ(r.enterItem(display), (PanelEffect{shown, reset, true})) << display;
    EXPECT_EQ(contents(r), after);
  }
  StatsRegister r = entered("1.7E308");  // a sum beyond the range is refused
  EXPECT_EQ(r.enterItem("1E308").display, "ERROR");
  EXPECT_EQ(contents(r), "1.7E308 |1.7E+308|ERROR");
}

// Entered 1, 2, 3 the list reads 3, 2, 1; Delete removes the clicked item once; a selection
// stays on its item as data arrive; deleting everything returns the sums to zero.
TEST(StatsRegisterTest, SelectDeleteAndClearAll) {
  const std::pair<std::vector<std::size_t>, std::string> kCases[] = {
      {{}, "3 2 1 |6|14"}, {{0}, "2 1 |3|5"}, {{2, 1}, "3 1 |4|10"}};
  for (const auto& [clicks, after] : kCases) {
    StatsRegister r = entered("1 2 3");
    for (std::size_t i : clicks) r.selectItem(i);
    EXPECT_EQ(r.deleteSelected(), (PanelEffect{std::nullopt, EntryReset::kNone, true}));
    r.deleteSelected();
    EXPECT_EQ(contents(r), after);
  }
  EXPECT_EQ(contents(StatsRegister(kDot)), "|-|-");  // the sums start empty
  StatsRegister r = entered("1.5 2.5");
  EXPECT_EQ(r.selectItem(1), (PanelEffect{"1.5", EntryReset::kSwitch, false}));
  EXPECT_EQ(r.selectItem(9), PanelEffect{});
  r.enterItem("7");
  r.deleteSelected();
  EXPECT_EQ(contents(r), "7 2.5 |9.5|55.25");
  r.selectItem(0);
  EXPECT_EQ(r.clearItems(), (PanelEffect{std::nullopt, EntryReset::kNone, true}));
  EXPECT_EQ(contents(r), "|0|0");
  r = entered("0.5 0.25 4 -2");
  for (; r.count() > 0; r.deleteSelected()) r.selectItem(r.count() / 2);
  EXPECT_EQ(contents(r), "|0|0");
  EXPECT_EQ(r.showMean().display, std::nullopt);
}

// Every restored item is kept. One whose square is beyond the range of results leaves
// every result working (decimal holds the square); deleting it adds the sums up anew,
// so the small items keep their digits.
TEST(StatsRegisterTest, RestoreKeepsItemsBeyondTheDoubleRange) {
  StatsRegister dot(kDot), comma(kComma);
  dot.restore(std::vector<std::string>{"1E200", "3", "-2"});
  EXPECT_EQ(dot.items(), (std::vector<std::string>{"1E200", "3", "-2"}));
  const auto shown = [&dot](StatKey key) { return dot.press(key, "").display.value_or("-"); };
  EXPECT_EQ(
      shown(StatKey::kMean) + " " + shown(StatKey::kSampleSd) + " " + shown(StatKey::kPopulationSd),
      "3.33333333333333E+199 5.77350269189626E+199 4.71404520791032E+199");
  EXPECT_EQ(dot.enterItem("5").display, "5");
  dot.selectItem(1);
  dot.deleteSelected();
  EXPECT_EQ(contents(dot), "5 3 -2 |6|38");
  EXPECT_EQ(shown(StatKey::kPopulationSd), "2.94392028877595");  // √(38/3 - 4)
  comma.restore(std::vector<std::string>{"1,5", "2"});           // commas read as points
  EXPECT_EQ(contents(comma), "1,5 2 |3.5|6.25");
}

// The register takes as many values as start-up reads back, and no more.
TEST(StatsRegisterTest, AFullRegisterRefusesMore) {
  StatsRegister r(kDot);
  r.restore(std::vector<std::string>(kMaxStatItems - 1, "1"));
  EXPECT_FALSE(r.full());
  EXPECT_EQ(r.enterItem("2").display, "2");
  EXPECT_TRUE(r.full());
  EXPECT_EQ(r.enterItem("3"), (PanelEffect{std::nullopt, EntryReset::kNone, true}));
  EXPECT_EQ(r.count(), kMaxStatItems);
  EXPECT_EQ(r.items().front(), "2");
  EXPECT_EQ(r.sum().parse(), Decimal(static_cast<int>(kMaxStatItems + 1)));
}

}  // namespace
}  // namespace zova
