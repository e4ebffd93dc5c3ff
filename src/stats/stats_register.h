// The statistics register: the list of data values entered from the display,
// its two running sums, and the panel keys that enter, delete and summarise
// the data. Results go to the display through a PanelEffect.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/convert.h"
#include "engine/keys.h"
#include "engine/list_edit.h"
#include "engine/panel_effect.h"
#include "engine/value.h"

namespace zova {

/// The most data values the register holds: the settings file keeps them all,
/// and start-up reads a file with more as unreadable.
inline constexpr std::size_t kMaxStatItems = 1000000;

enum class StatKey { kEnter, kDelete, kClearAll, kCount, kSum, kMean, kSampleSd, kPopulationSd };

struct StatKeyRow {
  StatKey key;
  std::string_view control;  ///< the button's name ("enterDataKey")
  std::string_view caption;  ///< "&" marks the access letter
  KeyBinding binding;        ///< the keyboard equivalent; code 0 for none
  ColourGroup group;         ///< the key colour it takes
  std::string_view name;     ///< the command-line name (stat:NAME)
};

/// The panel's keys in panel order.
std::span<const StatKeyRow> statKeyTable();
const StatKeyRow& statKeyRow(StatKey key);
/// The key whose command-line name is `name`, or nullptr.
const StatKeyRow* findStatKey(std::string_view name);

/// The register. Every operation but selectItem asks for the focus to go
/// back to "=". Results that cannot be computed leave display and entry alone
/// and beep.
class StatsRegister {
 public:
  explicit StatsRegister(NumberLocale locale) : loc_(std::move(locale)) {}

  /// The data values, newest first.
  const std::vector<std::string>& items() const { return items_; }
  /// Sum and sum of squares: empty until the first entry, numbers after it.
  const Value& sum() const { return sum_; }
  const Value& sumOfSquares() const { return sumOfSquares_; }
  /// The selected list item, if any.
  std::optional<std::size_t> selected() const { return selected_; }
  std::size_t count() const { return items_.size(); }
  /// No room for another value: Enter Data refuses it.
  bool full() const { return items_.size() >= kMaxStatItems; }

  /// Enter Data. `display` is the display already put back into decimal (restoreDecimalDisplay,
  /// displayToDecimal). "ERROR" is not entered; a value whose sum leaves the
  /// range shows "ERROR" and leaves the register as it was. Otherwise the
  /// value goes to the top of the list and the display keeps its decimal text
  /// (commas turned into points); the entry ends. A full register changes nothing.
  PanelEffect enterItem(std::string_view display);
  /// Removes the selected item and takes it out of the sums; with nothing
  /// selected nothing changes.
  PanelEffect deleteSelected();
  /// Clear All: empty list, both sums 0.
  PanelEffect clearItems();
  /// Selects item `index` (0 is the top) and puts its text on the display with
  /// switch := 1; an index past the end does nothing.
  PanelEffect selectItem(std::size_t index);

  PanelEffect showCount();
  PanelEffect showSum();
  PanelEffect showMean();
  PanelEffect showSampleDeviation();
  PanelEffect showPopulationDeviation();

  // For the undo history.
  using Items = std::vector<std::string>;
  using Edit = ListEdit<Items>;
  using Edits = ListEdits<Items>;
  /// While set, every change of the list is written to `edits` (nullptr stops it).
  void recordEdits(Edits* edits) { edits_ = edits; }
  /// Takes back, or makes again, edits recorded by recordEdits.
  void undoEdits(Edits& edits) { zova::undoEdits(items_, edits); }
  void redoEdits(Edits& edits) { zova::redoEdits(items_, edits); }
  /// What the register holds besides the list.
  struct Summary {
    Value sum, square;
    std::optional<std::size_t> selected;
    bool operator==(const Summary&) const = default;
  };
  Summary summary() const { return {sum_, sumOfSquares_, selected_}; }
  void swapSummary(Summary& other);

  /// Presses a panel key; only Enter reads `display`.
  PanelEffect press(StatKey key, std::string_view display);

  /// Start-up: saved line k (0 for the first) goes in at position k, and both
  /// sums grow by the item. Every item is kept; a result beyond the range gives
  /// no value.
  void restore(std::span<const std::string> lines);

 private:
  /// A stored value read for arithmetic: commas to points, then parseNumber.
  Decimal read(const Value& v) const { return withDotDecimal(v, loc_).parse(); }
  /// The new sums with x added, or nullopt when the sum leaves the range.
  struct Sums {
    Decimal sum;
    Decimal square;
  };
  std::optional<Sums> added(Decimal x) const;
  /// A list item read for arithmetic.
  static Decimal itemValue(const std::string& item);
  /// The sample (n - 1) or population (n) standard deviation of the list items.
  std::optional<Decimal> deviation(bool sample) const;
  /// Both sums over the whole list again.
  void recomputeSums();
  PanelEffect result(std::optional<Decimal> value) const;
  void record(Edit edit);

  NumberLocale loc_;
  std::vector<std::string> items_;
  Value sum_;
  Value sumOfSquares_;
  std::optional<std::size_t> selected_;
  Edits* edits_ = nullptr;
};

}  // namespace zova
