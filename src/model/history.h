// The undo history: one step per user action, each holding only what that
// action changed. The small state parts (calculator, panels, colours and label,
// the statistics sums) are kept as the copy the step does not show; the long
// lists (statistics items, tape entries) as their edits. Undo and redo swap a
// step's copies with the state in force and take back or make again its edits,
// so a step costs the same to undo as to record. It lives as long as the model:
// nothing of it is saved.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "converter/converter_model.h"
#include "elements/elements_model.h"
#include "engine/calculator.h"
#include "engine/text.h"
#include "finance/finance_model.h"
#include "model/calc_changes.h"
#include "stats/stats_register.h"
#include "tape/tape_model.h"

namespace zova {

struct ShellState;

/// A user action as its control names it: the English caption, "&" marking
/// the access letter, and the context the window translates it in; "" for a
/// caption that is not translated (a keypad key, a number or text typed).
/// An undo step's name: the caption of the control the action stands for, in
/// its translation context, or the text typed (Text::caption with no context).
using ActionName = Text;

/// The state parts an action may change, besides the two lists.
enum Part : unsigned {
  kCalcPart = 1,       ///< the keypad's CalcState: display, pending operations, M, K, options
  kFinancePart = 2,    ///< the financial cells
  kConverterPart = 4,  ///< the converter's lists and captions
  kElementsPart = 8,   ///< the periodic table's information area and molar mass
  kLookPart = 16,      ///< colours and personal label
  kStatSumsPart = 32,  ///< the statistics sums and selection
  kShellPart = 64,     ///< the window's whole ShellState, the look with it (Load Settings)
  kAllParts =
      kCalcPart | kFinancePart | kConverterPart | kElementsPart | kStatSumsPart | kShellPart,
};

/// The colours and the personal label of the window.
struct Look {
  std::int32_t screen, digits, shell, standard, function, picker;
  std::string label;
  bool operator==(const Look&) const = default;
};

/// What the history reaches in the model.
struct HistoryParts {
  Calculator& calc;
  FinanceModel& finance;
  ConverterModel& converter;
  ElementsModel& elements;
  StatsRegister& stats;
  TapeModel& tape;
  ShellState& shell;
};

class History {
 public:
  explicit History(HistoryParts parts) : p_(parts), calc_(parts.calc.state()) {}
  ~History();

  /// At least this many steps are kept; 0 keeps none and records nothing.
  static constexpr std::size_t kDefaultLimit = 1000;
  void setLimit(std::size_t limit);

  /// An action begins. Actions run inside an open one (a key that presses
  /// another) belong to it; the first name given names the step. `parts` are
  /// what the action may change: each is copied before its first change.
  void open(const ActionName& name, unsigned parts);
  /// Names the open action, unless it has a name already.
  void name(const ActionName& name);
  /// The outermost action ends: a step when it changed anything, which drops
  /// the steps that redo would have made.
  void close();

  /// False when there is nothing to undo (or redo) or an action is open.
  bool undo();
  bool redo();
  /// The action undo (redo) would take back (make again); nullptr for none.
  const ActionName* undoAction() const;
  const ActionName* redoAction() const;
  std::size_t undoSteps() const { return done_; }

  /// The tape entries that undo took back and redo would write again, in order.
  std::vector<TapeEntry> undoneTapeEntries() const;

 private:
  struct Step {
    ActionName name;
    // The copy of each changed part that is not in force: before the action
    // while the step is done, after it once undone.
    CalcChanges calc;
    bool calcFollowed = false;  ///< while recording: the shadow has taken in the state
    std::unique_ptr<FinanceState> finance;
    std::unique_ptr<ConverterState> converter;
    std::unique_ptr<ElementsState> elements;
    std::unique_ptr<Look> look;
    std::unique_ptr<StatsRegister::Summary> statSums;
    std::unique_ptr<ShellState> shell;
    StatsRegister::Edits statEdits;
    TapeModel::Edits tapeEdits;
  };
  /// Copies the parts not copied yet.
  void keep(unsigned parts);
  /// Drops the copies equal to the state in force; true when something changed.
  bool keepChangedOnly();
  /// Swaps the step's copies with the state in force.
  void exchange(Step& step);

#ifndef NDEBUG
  /// Every part as the outermost action found it, and the parts its scopes named.
  struct ScopeCheck {
    CalcState calc;
    FinanceState finance;
    ConverterState converter;
    ElementsState elements;
    StatsRegister::Summary statSums;
    std::unique_ptr<ShellState> shell;
    unsigned named = 0;
  };
  /// Stops the program when the action changed a part no scope named: undo
  /// would silently leave that change in place.
  void checkScope() const;
  std::unique_ptr<ScopeCheck> scopeCheck_;
#endif

  HistoryParts p_;
  CalcShadow calc_;
  std::size_t limit_ = kDefaultLimit;
  std::deque<Step> steps_;
  std::size_t done_ = 0;  ///< steps_[0, done_) are done; the rest undone
  int depth_ = 0;         ///< actions open, one inside another
  Step open_;             ///< the step being recorded while depth_ > 0
};

/// Opens an action for the life of the scope.
class ActionScope {
 public:
  ActionScope(History& history, const ActionName& name, unsigned parts) : h_(history) {
    h_.open(name, parts);
  }
  ~ActionScope() { h_.close(); }
  ActionScope(const ActionScope&) = delete;
  ActionScope& operator=(const ActionScope&) = delete;

 private:
  History& h_;
};

}  // namespace zova
