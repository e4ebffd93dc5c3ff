// Key presses through the model, per press: a long mixed sequence of typical keys, and a
// 100-deep bracket expression.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/keys.h"
#include "mixed_keys.h"
#include "model/model.h"

namespace zova {
namespace {

void pressAll(benchmark::State& state, const std::vector<Key>& keys) {
  HeadlessToolkit tk;
  Model model(tk, {});
  model.startUp();
  for (auto _ : state)
    for (Key k : keys) model.press(k);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(keys.size()));
}

void BM_MixedKeyPress(benchmark::State& state) { pressAll(state, mixedKeys(10000)); }
BENCHMARK(BM_MixedKeyPress);

void BM_HundredDeepBrackets(benchmark::State& state) {
  std::vector<Key> keys;
  for (int i = 0; i < 100; ++i) keys.insert(keys.end(), {Key::kDigit2, Key::kMultiply, Key::kOpen});
  keys.push_back(Key::kDigit3);
  keys.insert(keys.end(), 100, Key::kClose);
  keys.insert(keys.end(), {Key::kEquals, Key::kAllClear});
  pressAll(state, keys);
}
BENCHMARK(BM_HundredDeepBrackets);

}  // namespace
}  // namespace zova
