// Key presses through the model: a long mixed sequence and a 100-deep
// bracket expression, reported per key press.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/keys.h"
#include "model/model.h"

namespace zova {
namespace {

std::vector<Key> mixedKeys(std::size_t n) {
  // Typical use: numbers, operators, functions, brackets and "=".
  const std::vector<Key> pool = {
      Key::kDigit1, Key::kDigit2, Key::kDigit3,     Key::kDigit7,       Key::kDigit9,
      Key::kPoint,  Key::kAdd,    Key::kSubtract,   Key::kMultiply,     Key::kDivide,
      Key::kPower,  Key::kEquals, Key::kOpen,       Key::kClose,        Key::kSin,
      Key::kSqrt,   Key::kLog,    Key::kMemoryPlus, Key::kMemoryRecall, Key::kSign};
  std::mt19937 rng(42);
  std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
  std::vector<Key> keys(n);
  for (Key& k : keys) k = pool[pick(rng)];
  return keys;
}

void BM_MixedKeyPress(benchmark::State& state) {
  const std::vector<Key> keys = mixedKeys(10000);
  HeadlessToolkit tk;
  Model model(tk, {});
  model.startUp();
  std::size_t i = 0;
  for (auto _ : state) {
    model.press(keys[i]);
    if (++i == keys.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MixedKeyPress);

void BM_HundredDeepBrackets(benchmark::State& state) {
  std::vector<Key> keys;
  for (int i = 0; i < 100; ++i) keys.insert(keys.end(), {Key::kDigit2, Key::kMultiply, Key::kOpen});
  keys.push_back(Key::kDigit3);
  for (int i = 0; i < 100; ++i) keys.push_back(Key::kClose);
  keys.push_back(Key::kEquals);
  HeadlessToolkit tk;
  Model model(tk, {});
  model.startUp();
  for (auto _ : state) {
    for (Key k : keys) model.press(k);
    model.press(Key::kAllClear);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(keys.size() + 1));
}
BENCHMARK(BM_HundredDeepBrackets);

}  // namespace
}  // namespace zova
