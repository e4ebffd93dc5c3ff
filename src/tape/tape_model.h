// The paper tape: every operand, function, memory key and result the
// calculator and the panels write down, in the order the keys used them, so
// that a calculation can be redone by hand from the tape alone. The last
// kTapeCapacity entries are kept; the tape file keeps them across runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculator.h"
#include "engine/calculator_observer.h"
#include "engine/list_edit.h"
#include "engine/text.h"

namespace zova {

inline constexpr std::size_t kTapeCapacity = 10000;
/// The line that separates one calculation from the next.
inline constexpr std::string_view kTapeRule =
    "\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500";
inline constexpr std::string_view kTapeError = "ERROR";

/// One line of the tape: what produced a number, the number, the operator after it.
struct TapeEntry {
  Text label;  ///< before the number: "sin(30 deg) =", "M+", "=", "Mean ="; or "(", "ERROR",
               ///< the rule
  std::string number;  ///< the number as shown, with a base mark ("FF h"); "" for none; "ERROR"
                       ///< after a function that failed
  std::string mark;    ///< the operator the number was taken for: "+", "×", ")", ...
  std::string value;   ///< the number's decimal text, "" when the entry has none to put back
  /// The line as the tape prints it: the parts that are there, separated by blanks.
  std::string text() const { return textWithLabel(english(label)); }
  /// The line with its label as given (the window's, in its language).
  std::string textWithLabel(std::string shownLabel) const;
  bool operator==(const TapeEntry&) const = default;
};

class TapeModel : public CalculatorObserver {
 public:
  const std::deque<TapeEntry>& entries() const { return entries_; }
  std::size_t size() const { return entries_.size(); }
  const TapeEntry& at(std::size_t i) const { return entries_[i]; }
  /// The entries' texts, oldest first.
  std::vector<std::string> texts() const;
  /// The given lines (or all when none are given) as plain text, one line each.
  std::string plainText(const std::vector<std::size_t>& lines = {}) const;

  /// The tape's Clear command.
  void clear();
  /// Writes an entry; the oldest goes when the tape holds kTapeCapacity.
  void append(TapeEntry entry);
  /// A panel's result reached the display: `what` produced it ("Mean", "12 in -> cm").
  void panelResult(Text what, const ShownNumber& result);
  /// The statistics list changed: `what` is the key ("Enter Data", "Delete",
  /// "Clear All"), `item` the decimal text it entered or removed ("" for none).
  void statsChanged(Text what, std::string_view item);
  /// A tape number was put back on the display.
  void numberRecalled(const ShownNumber& number);

  // For the undo history.
  using Entries = std::deque<TapeEntry>;
  using Edits = ListEdits<Entries>;
  /// While set, every change of the entries is written to `edits` (nullptr stops it).
  void recordEdits(Edits* edits) { edits_ = edits; }
  /// Takes back, or makes again, edits recorded by recordEdits.
  void undoEdits(Edits& edits);
  void redoEdits(Edits& edits);

  /// Told after every change (the tape window redraws).
  std::function<void()> onChange;
  /// Counts every entry ever appended: the first entry's count is added() - size().
  std::uint64_t added() const { return added_; }
  /// Counts the Clear commands and loads, which replace the whole tape.
  std::uint64_t replaced() const { return replaced_; }

  // The tape file: a first line naming it, then one entry a line, its four
  // parts separated by tabs.
  std::string fileText() const;
  /// The file's lines for the entries from `first` on, without the first line.
  std::string fileLines(std::size_t first) const;
  /// The text a panel wrote under a name ("Mean", "meters"), as written when it is none.
  using NameReader = std::function<Text(std::string_view name)>;
  /// Replaces the tape by a tape file's entries; false (and no change) for a damaged file.
  /// The labels are read back into the texts that wrote them, the panels' names
  /// through `names`; a label of no known form stays as written.
  bool readFileText(std::string_view text, const NameReader& names = {});

  // CalculatorObserver
  void operandTaken(const ShownNumber& operand, std::string_view op) override;
  void bracketOpened() override;
  void functionApplied(std::string_view name, const ShownNumber& argument,
                       const ShownNumber& result, std::optional<AngleUnit> unit) override;
  void memoryUsed(std::string_view key, const ShownNumber& amount) override;
  void resultShown(const ShownNumber& result) override;
  void errorShown() override;
  void allCleared() override;

 private:
  void rule();
  void changed();
  /// Replaces the entries, the old ones going to the edit being recorded.
  void replaceEntries(Entries entries);

  Entries entries_;
  Edits* edits_ = nullptr;
  std::uint64_t added_ = 0;
  std::uint64_t replaced_ = 0;
  bool equalsPending_ = false;            ///< "=" took its operand and has not shown its result yet
  std::optional<TapeEntry> afterResult_;  ///< a line for after the pending result's
};

/// A tape file larger than this is not read.
inline constexpr std::size_t kMaxTapeFileBytes = std::size_t{8} << 20;
inline constexpr std::string_view kTapeFileHeader = "Zova paper tape 1";

}  // namespace zova
