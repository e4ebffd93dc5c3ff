// The financial panel's model: the time-value-of-money cells and keys, the
// payment timing, and the amortization of a loan in currency arithmetic. Every
// failure of a key is reported once through finError.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/calculator_toolkit.h"
#include "engine/convert.h"
#include "engine/panel_effect.h"
#include "engine/value.h"
#include "finance/time_value.h"

namespace zova {

inline constexpr std::string_view kFinErrorText =
    ZOVA_TEXT("Messages",
              "Calculation Error!  Either insufficient data has been provided or an overflow "
              "error has occurred.");
inline constexpr std::string_view kFinErrorTitle = "Error";

/// The panel's cells, in the order of the command line's JSON.
enum class FinCell {
  kN,
  kPmt,
  kPv,
  kFv,
  kInt,
  kPpy,
  kRate,
  kPayments,
  kInterest,
  kPrincipal,
  kBalance
};
inline constexpr std::size_t kFinCellCount = 11;

struct FinCellRow {
  FinCell cell;
  std::string_view control;  ///< the label's name ("periodsCell")
  std::string_view label;    ///< the text beside the cell
  std::string_view name;     ///< the command-line and JSON name
};

/// The computing keys of the upper half.
enum class FinKey { kN, kPmt, kPv, kFv, kInt };

struct FinKeyRow {
  FinKey key;
  std::string_view control;  ///< the button's name ("paymentKey")
  std::string_view caption;
  std::string_view name;  ///< the command-line name (fin:solve=NAME)
};

std::span<const FinCellRow> finCellTable();
const FinCellRow& finCellRow(FinCell cell);
/// The cell whose command-line name is `name`, or nullptr.
const FinCellRow* findFinCell(std::string_view name);
std::span<const FinKeyRow> finKeyTable();
/// The computing key whose command-line name is `name`, or nullptr.
const FinKeyRow* findFinKey(std::string_view name);

/// The panel's fields and what its cells show. Fields hold the display text they
/// were entered as or the number a key computed; empty counts as 0.
struct FinanceState {
  Value finNPer;
  Value finPmt;
  Value finPV;
  Value finFV;
  Value finInt;  ///< yearly rate as a fraction: 0.08 is 8 %
  std::int16_t finPPY = 12;
  Value finRate;                 ///< periodic rate, finInt / finPPY
  bool paymentsAtStart = false;  ///< payments at the start of each period ("Start"), not the end
  Value finPayments = 12;
  Currency finBalance;
  Currency finIpmt;
  Currency finPPmt;
  /// Each cell's caption, indexed by FinCell.
  std::array<std::string, kFinCellCount> captions{"", "", "", "", "", "12", "", "12", "", "", ""};
  bool operator==(const FinanceState&) const = default;
};

/// The panel's operations. Each takes what it reads from the display as an
/// argument and returns what the display and the entry state become. Cell clicks
/// other than Balance and the keys N, PMT, PV, FV, % / Yr, Clear and Amortize
/// reset the entry (EntryReset::kCommonStart) whether or not they succeed; the
/// keys and check boxes ask for the focus to go back to "=", cell clicks do not.
class FinanceModel {
 public:
  /// `onTop` reads whether the window is to stay always on top.
  FinanceModel(CalculatorToolkit& toolkit, std::function<bool()> onTop, NumberLocale locale);

  const FinanceState& state() const { return s_; }
  /// For the undo history: the state changes places with `other`.
  void swapState(FinanceState& other) { std::swap(s_, other); }
  const std::string& caption(FinCell cell) const {
    return s_.captions[static_cast<std::size_t>(cell)];
  }
  bool startChecked() const { return s_.paymentsAtStart; }
  /// "Start" or "End", the checked timing box.
  std::string_view timing() const { return startChecked() ? "Start" : "End"; }

  /// A click on a cell; the entry cells store `display` (the raw display text).
  PanelEffect click(FinCell cell, std::string_view display);
  /// A computing key.
  PanelEffect solve(FinKey key);

  PanelEffect enterPeriods(std::string_view display);
  PanelEffect enterPayment(std::string_view display);
  PanelEffect enterPresentValue(std::string_view display);
  PanelEffect enterFutureValue(std::string_view display);
  PanelEffect enterPaymentCount(std::string_view display);
  /// % / Yr cell: 8 and 0.08 both mean 8 %, 1 means 100 %.
  PanelEffect enterYearlyRate(std::string_view display);
  /// P/Yr cell: also sets the Payments count to the new P/Yr.
  PanelEffect enterPaymentsPerYear(std::string_view display);
  /// Puts the periodic rate on the display.
  PanelEffect showPeriodicRate();
  PanelEffect showInterestPaid();
  PanelEffect showPrincipalPaid();
  /// Puts the balance on the display and leaves the entry state alone.
  PanelEffect showBalance();

  /// The timing boxes act as one choice: clicking one toggles it and the other
  /// box takes the opposite state.
  PanelEffect toggleStartTiming();
  PanelEffect toggleEndTiming();
  /// Empties the cells but P/Yr and Payments and sets their fields to 0.
  PanelEffect clearCells();

  /// Runs the loan over finPayments periods; the display is not changed.
  PanelEffect amortize();
  /// The lower PV key: the balance becomes the present value.
  PanelEffect balanceToPresentValue();

  /// Settings lines 19 to 29 (finInt ... finBalance), as many as given. False at
  /// the first numeric line (P/Yr, the three currency lines) that does not
  /// convert; the lines before it stay applied.
  bool restore(std::span<const std::string> lines);
  /// One of those lines: index 0 is line 19. False when a numeric line does not convert.
  bool restoreLine(std::size_t index, const std::string& line);
  /// Settings lines 19 to 29 for writing, numbers with "." in every locale.
  std::vector<std::string> savedLines();

 private:
  std::string& cell(FinCell c) { return s_.captions[static_cast<std::size_t>(c)]; }
  /// The payment timing as the finance functions take it: 1 at the start, 0 at the end.
  Decimal timingArgument() const { return s_.paymentsAtStart ? 1 : 0; }
  /// A field read as a number: empty (or "") is 0, a text goes through textToNumber.
  std::optional<Decimal> read(const Value& v) const;
  /// A field read leniently: commas to points, then parseNumber.
  Decimal parse(const Value& v) const { return withDotDecimal(v, loc_).parse(); }
  /// A numeric display becomes its numberToText form, then withLocaleDecimal.
  std::string normalized(std::string_view display) const;
  PanelEffect enterCell(Value& field, FinCell c, std::string_view pattern,
                        std::string_view display);
  /// The key N, PMT, PV or FV: its quantity from the other four, shown as the
  /// shortest number that solves the relation as well.
  PanelEffect solveTimeValue(FinKey key);
  /// The yearly rate from the other cells; the display shows it as a fraction.
  PanelEffect solveYearlyRate();
  PanelEffect failed(PanelEffect effect);
  void finError();

  CalculatorToolkit& tk_;
  std::function<bool()> onTop_;
  NumberLocale loc_;
  FinanceState s_;
};

}  // namespace zova
