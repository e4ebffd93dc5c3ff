// The keypad state's fields, one list for comparing, keeping and swapping them.
#include "model/calc_changes.h"

#include <algorithm>
#include <cassert>
#include <type_traits>
#include <utility>

namespace zova {

namespace {

// Calls f(member) for every field but the operand stacks, in a fixed order.
template <class F>
void forEachField(F&& f) {
  using S = CalcState;
  f(&S::display), f(&S::newNumber), f(&S::pointState), f(&S::exponentPresses);
  f(&S::binNegative), f(&S::binaryText), f(&S::inv), f(&S::hyper), f(&S::base);
  f(&S::angleUnit), f(&S::radiansPerUnit), f(&S::format), f(&S::decimalPlaces);
  f(&S::resultsToStats), f(&S::startedUp), f(&S::memory), f(&S::kRegister);
  f(&S::dmsDegrees), f(&S::dmsMinutes), f(&S::dmsSeconds), f(&S::bracketLevel);
  f(&S::powerTakesRoot), f(&S::fullResult), f(&S::resultShown), f(&S::beforeFraction);
  f(&S::fractionAccuracy), f(&S::fractionRadicals), f(&S::busy), f(&S::invCaption);
  f(&S::hypCaption), f(&S::degCaption), f(&S::radCaption), f(&S::gradCaption);
  f(&S::memoryCaption), f(&S::baseCaption), f(&S::fractionCaption), f(&S::openTip);
  f(&S::closeTip);
}

// Calls f(member) for every operand stack.
template <class F>
void forEachStack(F&& f) {
  using S = CalcState;
  f(&S::addOperand), f(&S::mulOperand), f(&S::powOperand), f(&S::addOp), f(&S::mulOp);
  f(&S::powOp);
}

// Calls f(field, depth, place in now, place in the shadow) for every field and for
// the operand stacks' depths below `depths`.
template <class Now, class F>
void forEachPlace(Now& now, CalcState& shadow, int depths, F&& f) {
  std::uint8_t field = 0;
  forEachField([&](auto member) {
    f(field, 0, now.*member, shadow.*member);
    ++field;
  });
  forEachStack([&](auto member) {
    for (int d = 0; d < depths; ++d)
      f(field, static_cast<std::uint8_t>(d), (now.*member)[d], (shadow.*member)[d]);
    ++field;
  });
}

}  // namespace

void CalcShadow::follow(const CalcState& now, int depths) {
  forEachPlace(now, shadow_, depths, [](auto, auto, auto& field, auto& shadow) {
    if (!(shadow == field)) shadow = field;
  });
  assert(shadow_ == now);
}

CalcChanges CalcShadow::changesTo(const CalcState& now, int depths) {
  CalcChanges changes;
  forEachPlace(now, shadow_, depths,
               [&](std::uint8_t field, std::uint8_t depth, auto& value, auto& shadow) {
                 if (shadow == value) return;
                 changes.push_back({field, depth, CalcChange::Held(std::move(shadow))});
                 shadow = value;
               });
  assert(shadow_ == now);
  return changes;
}

int CalcShadow::exchange(CalcState& now, CalcChanges& changes) {
  int depths = 0;
  for (CalcChange& c : changes) {
    depths = std::max(depths, c.depth + 1);
    forEachPlace(now, shadow_, c.depth + 1,
                 [&](std::uint8_t field, std::uint8_t depth, auto& value, auto& shadow) {
                   if (field != c.field || depth != c.depth) return;
                   using T = std::remove_cvref_t<decltype(value)>;
                   std::swap(value, std::get<T>(c.other));
                   shadow = value;
                 });
  }
  return depths;
}

}  // namespace zova
