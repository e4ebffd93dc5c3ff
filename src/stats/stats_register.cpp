// The statistics register's keys: entry and deletion keep the two running sums
// in step with the list; count, sum and mean come from those sums, the deviations
// from the list itself.
#include "stats/stats_register.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#include "engine/decimal_symbol.h"
#include "engine/text.h"

namespace zova {

namespace {

using G = ColourGroup;
// clang-format off
constexpr std::array<StatKeyRow, 8> kStatKeys{{
    {StatKey::kEnter, "enterDataKey", ZOVA_TEXT("Statistics", "&Enter Data"), {'G'}, G::kStandard, "enter"},
    {StatKey::kDelete, "deleteDataKey", ZOVA_TEXT("Statistics", "&Delete"), {}, G::kStandard, "delete"},
    {StatKey::kClearAll, "clearDataKey", ZOVA_TEXT("Statistics", "&Clear All"), {}, G::kStandard, "clear"},
    {StatKey::kCount, "countKey", ZOVA_TEXT("Statistics", "&n"), {vk::kF1 + 1}, G::kStandard, "n"},
    {StatKey::kSum, "sumKey", ZOVA_TEXT("Statistics", "&Sum"), {vk::kF1 + 2}, G::kStandard, "sum"},
    {StatKey::kMean, "meanKey", ZOVA_TEXT("Statistics", "&Mean"), {vk::kF1 + 3}, G::kStandard, "mean"},
    {StatKey::kSampleSd, "sampleDeviationKey", ZOVA_TEXT("Statistics", "S&ample SD"), {'X'}, G::kStandard, "sample"},
    {StatKey::kPopulationSd, "populationDeviationKey", ZOVA_TEXT("Statistics", "&Popul. SD"), {'Y'}, G::kStandard, "popul"},
}};
// clang-format on

PanelEffect focusOnly() { return PanelEffect{std::nullopt, EntryReset::kNone, true}; }

}  // namespace

std::span<const StatKeyRow> statKeyTable() { return kStatKeys; }

const StatKeyRow& statKeyRow(StatKey key) {
  return *std::find_if(kStatKeys.begin(), kStatKeys.end(),
                       [key](const StatKeyRow& r) { return r.key == key; });
}

const StatKeyRow* findStatKey(std::string_view name) {
  auto it = std::find_if(kStatKeys.begin(), kStatKeys.end(),
                         [name](const StatKeyRow& r) { return r.name == name; });
  return it == kStatKeys.end() ? nullptr : &*it;
}

// The sum of squares may pass the range of results: decimal holds it, and only the
// results it gives are checked.
std::optional<StatsRegister::Sums> StatsRegister::added(Decimal x) const {
  const Sums s{x + read(sum_), x * x + read(sumOfSquares_)};
  if (!finiteOrNone(s.sum)) return std::nullopt;
  return s;
}

Decimal StatsRegister::itemValue(const std::string& item) {
  return parseNumber(withDotDecimal(item));
}

// A running mean over the items, oldest first: each item adds (x - old mean)(x - new
// mean). Equal items add exactly 0, where Σx² − (Σx)²/n keeps the rounding of both
// sums. Too few items or an overflow give no value.
std::optional<Decimal> StatsRegister::deviation(bool sample) const {
  Decimal mean, squares;
  int count = 0;
  for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
    const Decimal x = itemValue(*it);
    const Decimal delta = x - mean;
    mean += delta / ++count;
    squares += delta * (x - mean);
  }
  if (!squares.isFinite() || count < (sample ? 2 : 1)) return std::nullopt;
  // Only the deviation itself need be in the range; its square may lie beyond.
  return finiteOrNone((squares / (sample ? count - 1 : count)).sqrt());
}

void StatsRegister::recomputeSums() {
  Decimal sum, square;
  for (const std::string& item : items_) {
    const Decimal x = itemValue(item);
    sum += x;
    square += x * x;
  }
  sum_ = sum;
  sumOfSquares_ = square;
}

PanelEffect StatsRegister::enterItem(std::string_view display) {
  const std::string text = withDotDecimal(std::string(display));
  if (text == "ERROR" || full()) return focusOnly();
  const auto x = parseNumberInRange(text);
  const auto sums = x ? added(*x) : std::nullopt;
  if (!sums) return PanelEffect{"ERROR", EntryReset::kSwitch, true};
  // The list and the display show the number as the calculator writes it in the locale.
  const std::string shown = localeNumberText(text, loc_);
  items_.insert(items_.begin(), shown);
  record({Edit::Kind::kInsert, 0});
  if (selected_) ++*selected_;  // the selection stays on its item
  sum_ = sums->sum;
  sumOfSquares_ = sums->square;
  return PanelEffect{shown, EntryReset::kEndEntry, true};
}

PanelEffect StatsRegister::deleteSelected() {
  if (!selected_ || *selected_ >= items_.size()) return focusOnly();
  const auto item = items_.begin() + static_cast<std::ptrdiff_t>(*selected_);
  if (edits_) edits_->push_back({Edit::Kind::kErase, *selected_, std::move(*item)});
  items_.erase(item);
  selected_.reset();
  // Added up anew: a large item taken out of the sums would take the small ones' digits.
  recomputeSums();
  return focusOnly();
}

PanelEffect StatsRegister::clearItems() {
  // The list goes whole into the edit, without a copy.
  if (!items_.empty())
    record({Edit::Kind::kReplace, 0, {}, std::make_unique<Items>(std::move(items_))});
  items_.clear();
  selected_.reset();
  sum_ = 0;
  sumOfSquares_ = 0;
  return focusOnly();
}

PanelEffect StatsRegister::selectItem(std::size_t index) {
  if (index >= items_.size()) return {};
  selected_ = index;
  return PanelEffect{items_[index], EntryReset::kSwitch, false};
}

// A result that cannot be computed (too few items, overflow) is refused with a beep.
PanelEffect StatsRegister::result(std::optional<Decimal> value) const {
  if (value) value = finiteOrNone(*value);
  if (!value) return PanelEffect{std::nullopt, EntryReset::kNone, true, true};
  return PanelEffect{numberToText(*value, loc_), EntryReset::kEndEntry, true};
}

PanelEffect StatsRegister::showCount() {
  return result(Decimal(static_cast<std::int64_t>(count())));
}

PanelEffect StatsRegister::showSum() { return result(read(sum_)); }

PanelEffect StatsRegister::showMean() {
  return result(checkedDivide(read(sum_), Decimal(static_cast<std::int64_t>(count()))));
}

PanelEffect StatsRegister::showSampleDeviation() { return result(deviation(true)); }

PanelEffect StatsRegister::showPopulationDeviation() { return result(deviation(false)); }

PanelEffect StatsRegister::press(StatKey key, std::string_view display) {
  switch (key) {
    case StatKey::kEnter:
      return enterItem(display);
    case StatKey::kDelete:
      return deleteSelected();
    case StatKey::kClearAll:
      return clearItems();
    case StatKey::kCount:
      return showCount();
    case StatKey::kSum:
      return showSum();
    case StatKey::kMean:
      return showMean();
    case StatKey::kSampleSd:
      return showSampleDeviation();
    case StatKey::kPopulationSd:
      return showPopulationDeviation();
  }
  return {};
}

void StatsRegister::restore(std::span<const std::string> lines) {
  if (lines.empty()) return;  // the sums stay empty until the first item
  if (edits_) record({Edit::Kind::kReplace, 0, {}, std::make_unique<Items>(items_)});
  // Made as one replacement, the edits inside it are not recorded.
  Edits* const recording = std::exchange(edits_, nullptr);
  items_.reserve(items_.size() + lines.size());
  Decimal sum = read(sum_), square = read(sumOfSquares_);
  std::size_t position = 0;
  for (const std::string& line : lines) {
    const Decimal x = itemValue(line);
    const std::size_t at = std::min(position++, items_.size());
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), line);
    if (selected_ && *selected_ >= at) ++*selected_;
    sum += x;
    square += x * x;
  }
  sum_ = sum;
  sumOfSquares_ = square;
  edits_ = recording;
}

void StatsRegister::record(Edit edit) {
  if (edits_) edits_->push_back(std::move(edit));
}

void StatsRegister::swapSummary(Summary& other) {
  std::swap(sum_, other.sum);
  std::swap(sumOfSquares_, other.square);
  std::swap(selected_, other.selected);
}

}  // namespace zova
