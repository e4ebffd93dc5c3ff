// Cost of one press of the fraction key, mostly for values whose search runs through
// all 100000 candidates, at each accuracy with and without radicals.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "engine/calculator.h"
#include "engine/convert.h"
#include "model/toolkit.h"

namespace {

struct Press {
  const char* display;
  double threshold;
  bool radicals;
  bool exhausts;  ///< no fraction within the candidates: the display stays as it was
};

constexpr std::array kPresses = {
    // Values that run out of candidates at each accuracy, with and without radicals.
    Press{"0.142856442857143", 1e-04, false, true},
    Press{"0.142857", 1e-05, false, true},
    Press{"0.142857137857143", 1e-06, false, true},
    Press{"3.109982596153", 1e-04, true, true},
    Press{"0.949742434510743", 1e-05, true, true},
    Press{"0.949742434510743", 1e-06, true, true},
    // Every candidate written with an exponent.
    Press{"1.23456789012345E+20", 1e-05, false, true},
    Press{"779639979.659085", 1e-04, true, true},
    // A search that ends early.
    Press{"3.14159265358979", 1e-05, false, false},
};

std::string labelOf(const Press& p) {
  return std::string(p.display) +
         (p.threshold == 1e-04   ? " low"
          : p.threshold == 1e-05 ? " medium"
                                 : " high") +
         (p.radicals ? " radicals" : "");
}

void BM_FractionKey(benchmark::State& state) {
  const Press& p = kPresses[static_cast<std::size_t>(state.range(0))];
  zova::HeadlessToolkit tk;
  zova::Calculator calc(tk, {});
  zova::CalcState& s = calc.state();
  s.fractionAccuracy = p.threshold;
  s.fractionRadicals = p.radicals;
  for (auto _ : state) {
    s.display = p.display;
    s.inv = false;
    calc.showFraction();
    benchmark::DoNotOptimize(s.display.data());
  }
  if ((s.display == p.display) != p.exhausts || s.busy || tk.busy) {
    state.SkipWithError(("unexpected result " + s.display).c_str());
  }
  state.SetLabel(labelOf(p) + " -> " + s.display);
}
BENCHMARK(BM_FractionKey)
    ->DenseRange(0, static_cast<int>(kPresses.size()) - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
