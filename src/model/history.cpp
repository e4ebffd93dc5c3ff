// Recording, undoing and redoing the steps of the undo history.
#include "model/history.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "engine/text.h"
#include "model/model.h"

namespace zova {

namespace {

Look lookOf(const ShellState& sh) {
  return {sh.screenColour,   sh.digitsColour, sh.shellColour,  sh.standardColour,
          sh.functionColour, sh.pickerColour, sh.personalLabel};
}

void swapLook(ShellState& sh, Look& look) {
  std::swap(sh.screenColour, look.screen);
  std::swap(sh.digitsColour, look.digits);
  std::swap(sh.shellColour, look.shell);
  std::swap(sh.standardColour, look.standard);
  std::swap(sh.functionColour, look.function);
  std::swap(sh.pickerColour, look.picker);
  std::swap(sh.personalLabel, look.label);
}

template <class T>
void copyOnce(std::unique_ptr<T>& copy, bool wanted, const T& now) {
  if (wanted && !copy) copy = std::make_unique<T>(now);
}

// Keeps the copy only when the part changed; true when it did.
template <class T>
bool changed(std::unique_ptr<T>& copy, const T& now) {
  if (copy && *copy == now) copy.reset();
  return copy != nullptr;
}

}  // namespace

History::~History() = default;

void History::setLimit(std::size_t limit) {
  limit_ = limit;
  while (steps_.size() > limit_) {
    steps_.pop_front();
    if (done_ > 0) --done_;
  }
  if (done_ > steps_.size()) done_ = steps_.size();
}

void History::open(const ActionName& action, unsigned parts) {
  if (limit_ == 0) return;
  if (depth_++ == 0) {
    open_ = Step{};
    p_.stats.recordEdits(&open_.statEdits);
    p_.tape.recordEdits(&open_.tapeEdits);
#ifndef NDEBUG
    scopeCheck_.reset(new ScopeCheck{p_.calc.state(), p_.finance.state(), p_.converter.state(),
                                     p_.elements.state(), p_.stats.summary(),
                                     std::make_unique<ShellState>(p_.shell)});
#endif
  }
#ifndef NDEBUG
  scopeCheck_->named |= parts;
#endif
  name(action);
  keep(parts);
}

void History::name(const ActionName& action) {
  if (depth_ > 0 && open_.name.written.empty()) open_.name = action;
}

void History::keep(unsigned parts) {
  if ((parts & kCalcPart) && !open_.calcFollowed) {
    calc_.follow(p_.calc.state(), p_.calc.takeDepthsWritten());
    open_.calcFollowed = true;
  }
  copyOnce(open_.finance, parts & kFinancePart, p_.finance.state());
  copyOnce(open_.converter, parts & kConverterPart, p_.converter.state());
  copyOnce(open_.elements, parts & kElementsPart, p_.elements.state());
  // The look is a piece of the shell: never both are kept.
  copyOnce(open_.shell, parts & kShellPart, p_.shell);
  copyOnce(open_.look, (parts & kLookPart) && !open_.shell, lookOf(p_.shell));
  copyOnce(open_.statSums, parts & kStatSumsPart, p_.stats.summary());
}

bool History::keepChangedOnly() {
  // Every part is compared: no shortcut may leave a copy that equals the state.
  if (open_.calcFollowed)
    open_.calc = calc_.changesTo(p_.calc.state(), p_.calc.takeDepthsWritten());
  bool any = !open_.calc.empty();
  any |= changed(open_.finance, p_.finance.state());
  any |= changed(open_.converter, p_.converter.state());
  any |= changed(open_.elements, p_.elements.state());
  any |= changed(open_.look, lookOf(p_.shell));
  any |= changed(open_.statSums, p_.stats.summary());
  any |= changed(open_.shell, p_.shell);
  return any || !open_.statEdits.empty() || !open_.tapeEdits.empty();
}

void History::close() {
  if (limit_ == 0 || depth_ == 0 || --depth_ > 0) return;
  p_.stats.recordEdits(nullptr);
  p_.tape.recordEdits(nullptr);
#ifndef NDEBUG
  checkScope();
#endif
  if (!keepChangedOnly()) return;
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back(std::move(open_));
  if (steps_.size() > limit_) steps_.pop_front();
  done_ = steps_.size();
  open_ = Step{};
}

#ifndef NDEBUG
void History::checkScope() const {
  const ScopeCheck& before = *scopeCheck_;
  const unsigned named = before.named;
  ShellState shell = *before.shell;
  // Whether the window is shown is never undone (Esc hides it from inside a key).
  shell.hidden = p_.shell.hidden;
  // The look is a piece of the shell: naming the look allows its fields only.
  if (named & kLookPart) {
    Look now = lookOf(p_.shell);
    swapLook(shell, now);
  }
  const struct {
    unsigned part;
    bool kept;
    const char* what;
  } parts[] = {
      {kCalcPart, before.calc == p_.calc.state(), "the keypad"},
      {kFinancePart, before.finance == p_.finance.state(), "the financial cells"},
      {kConverterPart, before.converter == p_.converter.state(), "the converter"},
      {kElementsPart, before.elements == p_.elements.state(), "the periodic table"},
      {kStatSumsPart, before.statSums == p_.stats.summary(), "the statistics sums"},
      {kShellPart, shell == p_.shell, "the window's state"},
  };
  for (const auto& p : parts) {
    if ((named & p.part) || p.kept) continue;
    std::fprintf(stderr, "undo: the action \"%s\" changed %s, which its scope does not name\n",
                 english(open_.name).c_str(), p.what);
    std::abort();
  }
}
#endif

void History::exchange(Step& step) {
  if (!step.calc.empty()) p_.calc.depthsRestored(calc_.exchange(p_.calc.state(), step.calc));
  if (step.finance) p_.finance.swapState(*step.finance);
  if (step.converter) p_.converter.swapState(*step.converter);
  if (step.elements) p_.elements.swapState(*step.elements);
  if (step.look) swapLook(p_.shell, *step.look);
  if (step.statSums) p_.stats.swapSummary(*step.statSums);
  if (step.shell) std::swap(p_.shell, *step.shell);
}

bool History::undo() {
  if (depth_ > 0 || done_ == 0) return false;
  Step& step = steps_[--done_];
  exchange(step);
  if (!step.statEdits.empty()) p_.stats.undoEdits(step.statEdits);
  if (!step.tapeEdits.empty()) p_.tape.undoEdits(step.tapeEdits);
  return true;
}

bool History::redo() {
  if (depth_ > 0 || done_ == steps_.size()) return false;
  Step& step = steps_[done_++];
  exchange(step);
  if (!step.statEdits.empty()) p_.stats.redoEdits(step.statEdits);
  if (!step.tapeEdits.empty()) p_.tape.redoEdits(step.tapeEdits);
  return true;
}

const ActionName* History::undoAction() const {
  return done_ > 0 ? &steps_[done_ - 1].name : nullptr;
}

const ActionName* History::redoAction() const {
  return done_ < steps_.size() ? &steps_[done_].name : nullptr;
}

std::vector<TapeEntry> History::undoneTapeEntries() const {
  std::vector<TapeEntry> out;
  for (std::size_t i = done_; i < steps_.size(); ++i)
    for (const auto& edit : steps_[i].tapeEdits)
      if (edit.kind == TapeModel::Edits::value_type::Kind::kInsert) out.push_back(edit.item);
  return out;
}

}  // namespace zova
