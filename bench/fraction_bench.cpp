// Cost of one press of the fraction key, mostly for values whose search runs through all
// 100000 candidates (the display stays), at each accuracy with and without radicals.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/calculator.h"
#include "model/toolkit.h"

namespace {

struct Press {
  const char* display;
  const char* threshold;
  bool radicals;
};

constexpr Press kPresses[] = {
    {"0.142856442857143", "1e-04", false},
    {"0.142857", "1e-05", false},
    {"0.142857137857143", "1e-06", false},
    {"3.109982596153", "1e-04", true},
    {"0.949742434510743", "1e-05", true},
    {"0.949742434510743", "1e-06", true},
    {"1.23456789012345E+20", "1e-05", false},  // every candidate written with an exponent
    {"779639979.659085", "1e-04", true},
    {"3.14159265358979", "1e-05", false},  // a search that ends early
};

void BM_FractionKey(benchmark::State& state) {
  const Press& p = kPresses[state.range(0)];
  zova::HeadlessToolkit tk;
  zova::Calculator calc(tk, {});
  zova::CalcState& s = calc.state();
  s.fractionAccuracy = *zova::Decimal::read(p.threshold);
  s.fractionRadicals = p.radicals;
  for (auto _ : state) {
    s.display = p.display;
    s.inv = false;
    calc.showFraction();
    benchmark::DoNotOptimize(s.display.data());
  }
  state.SetLabel(std::string(p.display) + (p.radicals ? " radicals -> " : " -> ") + s.display);
}
BENCHMARK(BM_FractionKey)->DenseRange(0, std::size(kPresses) - 1)->Unit(benchmark::kMillisecond);

}  // namespace
