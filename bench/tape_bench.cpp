// A key press with a full paper tape against one with an empty tape: writing
// an entry must cost the same however long the tape is.
#include <benchmark/benchmark.h>

#include <array>

#include "engine/keys.h"
#include "model/model.h"

namespace zova {
namespace {

// One calculation: every key of it that writes to the tape, and digits between.
constexpr std::array kCalculation = {
    Key::kDigit1, Key::kDigit2, Key::kAdd,    Key::kDigit3, Key::kDigit4,    Key::kMultiply,
    Key::kDigit5, Key::kSin,    Key::kDivide, Key::kDigit7, Key::kOpen,      Key::kDigit2,
    Key::kAdd,    Key::kDigit9, Key::kClose,  Key::kEquals, Key::kMemoryPlus};

void pressCalculations(benchmark::State& state, bool fullTape) {
  HeadlessToolkit tk;
  Model model(tk, {});
  model.startUp();
  if (fullTape)
    while (model.tape().size() < kTapeCapacity)
      for (Key k : kCalculation) model.press(k);
  std::size_t i = 0;
  for (auto _ : state) {
    model.press(kCalculation[i]);
    if (++i == kCalculation.size()) {
      i = 0;
      // An empty tape stays nearly empty; a full one stays at its capacity.
      if (!fullTape) model.clearTape();
    }
  }
  state.counters["entries"] = static_cast<double>(model.tape().size());
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(pressCalculations, EmptyTape, false);
BENCHMARK_CAPTURE(pressCalculations, FullTape, true);

}  // namespace
}  // namespace zova
