// The statistics register driven through its keys: entries, deletions and the
// results on the display, the failures that leave the display alone, and the
// start-up restore of a saved list.
#include "stats/stats_register.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace zova {
namespace {

const NumberLocale kDot{".", ","};
const NumberLocale kComma{",", "."};

StatsRegister entered(const std::vector<std::string>& values, const NumberLocale& loc = kDot) {
  StatsRegister r(loc);
  for (const auto& v : values) r.statdatain_Click(v);
  return r;
}

TEST(StatsRegisterTest, ResultsOverTheData) {
  const std::vector<std::string> kSample{"2", "4", "4", "4", "5", "5", "7", "9"};
  struct Case {
    std::vector<std::string> data;
    StatKey key;
    std::optional<std::string> display;  // nullopt: the display keeps what it showed
  } const kCases[] = {
      {kSample, StatKey::kCount, "8"},
      {kSample, StatKey::kSum, "40"},
      {kSample, StatKey::kMean, "5"},
      {kSample, StatKey::kPopulationSd, "2"},
      // sqrt(32 / 7) = 2.13808993529939(5), shown to 15 significant digits
      {kSample, StatKey::kSampleSd, "2.1380899352994"},
      {{}, StatKey::kCount, "0"},
      {{}, StatKey::kSum, "0"},
      {{}, StatKey::kMean, std::nullopt},
      {{}, StatKey::kSampleSd, std::nullopt},
      {{}, StatKey::kPopulationSd, std::nullopt},
      {{"3.5"}, StatKey::kMean, "3.5"},
      {{"3.5"}, StatKey::kSampleSd, std::nullopt},
      {{"3.5"}, StatKey::kPopulationSd, "0"},
      {{"-1", "1"}, StatKey::kSum, "0"},
      {{"-1", "1"}, StatKey::kMean, "0"},
      {{"-1", "1"}, StatKey::kSampleSd, "1.4142135623731"},
      {{"1E-05", "3E-05"}, StatKey::kMean, "2E-05"},
      // the square of the sum, (1.4E154)^2, overflows: the deviation cannot be computed
      {std::vector<std::string>(14, "1E153"), StatKey::kPopulationSd, std::nullopt},
      {std::vector<std::string>(14, "1E153"), StatKey::kMean, "1E+153"},
  };
  for (const auto& c : kCases) {
    StatsRegister r = entered(c.data);
    const PanelEffect e = r.press(c.key, "ignored");
    SCOPED_TRACE(std::string(statKeyRow(c.key).name) + " over " + std::to_string(c.data.size()));
    EXPECT_EQ(e.display, c.display);
    EXPECT_EQ(e.reset, c.display ? EntryReset::kEndEntry : EntryReset::kNone);
    EXPECT_TRUE(e.focusEquals);
  }
}

TEST(StatsRegisterTest, EnterTakesTheDisplayAsData) {
  struct Case {
    std::string display;
    NumberLocale loc;
    std::optional<std::string> shown;  // the display afterwards; nullopt: unchanged
    std::vector<std::string> list;     // the list afterwards, after "1" was entered first
    double sum;
    EntryReset reset;
  } const kCases[] = {
      {"2.5", kDot, "2.5", {"2.5", "1"}, 3.5, EntryReset::kEndEntry},
      {"2,5", kComma, "2.5", {"2.5", "1"}, 3.5, EntryReset::kEndEntry},
      {"255", kDot, "255", {"255", "1"}, 256, EntryReset::kEndEntry},
      {"-0.5", kDot, "-0.5", {"-0.5", "1"}, 0.5, EntryReset::kEndEntry},
      // a text that is no number enters as what ParseNumber reads of it
      {"5E", kDot, "5E", {"5E", "1"}, 6, EntryReset::kEndEntry},
      {"ERROR", kDot, std::nullopt, {"1"}, 1, EntryReset::kNone},
      // squares beyond the double range: "ERROR" and an unchanged register
      {"1E200", kDot, "ERROR", {"1"}, 1, EntryReset::kSwitch},
      {"-1E155", kDot, "ERROR", {"1"}, 1, EntryReset::kSwitch},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.display);
    StatsRegister r(c.loc);
    r.statdatain_Click("1");
    const PanelEffect e = r.statdatain_Click(c.display);
    EXPECT_EQ(e.display, c.shown);
    EXPECT_EQ(e.reset, c.reset);
    EXPECT_TRUE(e.focusEquals);
    EXPECT_EQ(r.statlist(), c.list);
    EXPECT_DOUBLE_EQ(r.statsums().parse(), c.sum);
  }
}

TEST(StatsRegisterTest, SumOfSquaresOverflowingIsRefusedLikeTheSquare) {
  StatsRegister r(kDot);
  EXPECT_EQ(r.statdatain_Click("9E153").display, "9E153");
  const double square = r.statsquare().parse();
  EXPECT_EQ(r.statdatain_Click("9E153").display, "9E153");
  EXPECT_EQ(r.statdatain_Click("1.3E154").display, "ERROR");
  EXPECT_EQ(r.n(), 2u);
  EXPECT_DOUBLE_EQ(r.statsquare().parse(), 2 * square);
}

TEST(StatsRegisterTest, SumsStartEmptyAndClearAllZeroesThem) {
  StatsRegister r(kDot);
  EXPECT_TRUE(r.statsums().isEmpty());
  EXPECT_TRUE(r.statsquare().isEmpty());
  r.statdatain_Click("3");
  r.statdatain_Click("4");
  EXPECT_EQ(r.statsums(), Value(7.0));
  EXPECT_EQ(r.statsquare(), Value(25.0));
  r.statlist_Click(1);
  const PanelEffect e = r.statnew_Click();
  EXPECT_EQ(e, (PanelEffect{std::nullopt, EntryReset::kNone, true}));
  EXPECT_TRUE(r.statlist().empty());
  EXPECT_FALSE(r.selected());
  EXPECT_EQ(r.statsums(), Value(0.0));
  EXPECT_EQ(r.statsquare(), Value(0.0));
  EXPECT_EQ(r.statsum_Click().display, "0");
}

TEST(StatsRegisterTest, SelectAndDelete) {
  struct Case {
    std::vector<std::size_t> clicks;  // list items clicked before Delete
    std::vector<std::string> list;    // after Delete
    double sum, square;
  } const kCases[] = {
      // entered 1, 2, 3: the list reads 3, 2, 1
      {{}, {"3", "2", "1"}, 6, 14}, {{0}, {"2", "1"}, 3, 5},       {{2}, {"3", "2"}, 5, 13},
      {{2, 1}, {"3", "1"}, 4, 10},  {{7}, {"3", "2", "1"}, 6, 14},  // past the end: nothing
                                                                    // selected
  };
  for (const auto& c : kCases) {
    StatsRegister r = entered({"1", "2", "3"});
    for (std::size_t i : c.clicks) r.statlist_Click(i);
    const PanelEffect e = r.statdelete_Click();
    EXPECT_EQ(e, (PanelEffect{std::nullopt, EntryReset::kNone, true}));
    EXPECT_EQ(r.statlist(), c.list);
    EXPECT_DOUBLE_EQ(r.statsums().parse(), c.sum);
    EXPECT_DOUBLE_EQ(r.statsquare().parse(), c.square);
    EXPECT_FALSE(r.selected());
    // a second Delete has nothing selected and changes nothing
    r.statdelete_Click();
    EXPECT_EQ(r.statlist(), c.list);
    EXPECT_DOUBLE_EQ(r.statsums().parse(), c.sum);
  }
}

TEST(StatsRegisterTest, DeleteWithNothingSelectedKeepsAnEmptySumEmpty) {
  StatsRegister r(kDot);
  r.statdelete_Click();
  EXPECT_TRUE(r.statsums().isEmpty());
  EXPECT_TRUE(r.statlist().empty());
}

TEST(StatsRegisterTest, SelectingShowsTheItemAndStaysOnItWhileNewDataArrive) {
  StatsRegister r = entered({"1.5", "2.5"});
  EXPECT_EQ(r.statlist_Click(1), (PanelEffect{"1.5", EntryReset::kSwitch, false}));
  EXPECT_EQ(r.statlist_Click(9), PanelEffect{});
  EXPECT_EQ(r.selected(), 1u);
  r.statdatain_Click("7");
  EXPECT_EQ(r.selected(), 2u);
  r.statdelete_Click();
  EXPECT_EQ(r.statlist(), (std::vector<std::string>{"7", "2.5"}));
  EXPECT_DOUBLE_EQ(r.statsums().parse(), 9.5);
}

TEST(StatsRegisterTest, DeletingEverythingOneByOneReturnsTheSumsToZero) {
  StatsRegister r = entered({"0.5", "0.25", "4", "-2"});
  while (r.n() > 0) {
    r.statlist_Click(r.n() / 2);
    r.statdelete_Click();
  }
  EXPECT_EQ(r.statsums(), Value(0.0));
  EXPECT_EQ(r.statsquare(), Value(0.0));
  EXPECT_EQ(r.statmean_Click().display, std::nullopt);
}

TEST(StatsRegisterTest, RestoreRebuildsListAndSums) {
  struct Case {
    std::vector<std::string> lines;
    NumberLocale loc;
    std::vector<std::string> list;
    double sum, square;
    bool all;
  } const kCases[] = {
      {{}, kDot, {}, 0, 0, true},
      {{"9", "8", "7"}, kDot, {"9", "8", "7"}, 24, 194, true},
      // stored texts are read with their commas turned into points
      {{"1,5", "2"}, kComma, {"1,5", "2"}, 3.5, 6.25, true},
      {{"1E200", "3"}, kDot, {"3"}, 3, 9, false},
  };
  for (const auto& c : kCases) {
    StatsRegister r(c.loc);
    EXPECT_EQ(r.restore(c.lines), c.all);
    EXPECT_EQ(r.statlist(), c.list);
    EXPECT_DOUBLE_EQ(r.statsums().parse(), c.sum);
    EXPECT_DOUBLE_EQ(r.statsquare().parse(), c.square);
  }
}

TEST(StatsRegisterTest, SavedListRestoresToTheSameRegister) {
  const StatsRegister before = entered({"2", "4", "4", "4", "5", "5", "7", "9", "-0.125"});
  StatsRegister after(kDot);
  after.restore(before.statlist());
  EXPECT_EQ(after.statlist(), before.statlist());
  EXPECT_EQ(after.statsample_Click().display, StatsRegister(before).statsample_Click().display);
  EXPECT_DOUBLE_EQ(after.statsums().parse(), before.statsums().parse());
  EXPECT_DOUBLE_EQ(after.statsquare().parse(), before.statsquare().parse());
}

TEST(StatsRegisterTest, CommaLocaleShowsResultsWithComma) {
  StatsRegister r = entered({"1,5", "2"}, kComma);
  EXPECT_EQ(r.statlist(), (std::vector<std::string>{"2", "1.5"}));
  EXPECT_EQ(r.statsum_Click().display, "3,5");
  EXPECT_EQ(r.statmean_Click().display, "1,75");
}

TEST(StatsRegisterTest, KeyTableWalk) {
  std::set<std::string_view> captions, names, controls, keyboard;
  for (const StatKeyRow& row : statKeyTable()) {
    EXPECT_TRUE(captions.insert(row.caption).second) << row.caption;
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    EXPECT_TRUE(controls.insert(row.control).second) << row.control;
    EXPECT_NE(row.caption.find('&'), std::string_view::npos) << row.caption;
    EXPECT_EQ(findStatKey(row.name), &row);
    EXPECT_EQ(&statKeyRow(row.key), &row);
    if (row.keyboard.empty()) {
      EXPECT_TRUE(row.tooltip.empty());
    } else {
      EXPECT_TRUE(keyboard.insert(row.keyboard).second) << row.keyboard;
      EXPECT_EQ(row.tooltip, "Keyboard equivalent:  " + std::string(row.keyboard) + " key");
    }
  }
  EXPECT_EQ(statKeyTable().size(), 8u);
  EXPECT_EQ(statKeyRow(StatKey::kSampleSd).caption, "S&ample SD");
  EXPECT_EQ(statKeyRow(StatKey::kEnter).keyboard, "G");
  EXPECT_EQ(statKeyRow(StatKey::kPopulationSd).keyboard, "Y");
  EXPECT_EQ(findStatKey("variance"), nullptr);
}

}  // namespace
}  // namespace zova
