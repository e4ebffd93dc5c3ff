// The undo history's cost: a key press with the history kept against without,
// with a million statistics items in the register; and the memory 1,000 steps
// hold, counted by the allocator.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "mixed_keys.h"
#include "model/model.h"

namespace {

// Live heap bytes: each block carries its size in front of it.
std::atomic<long long> liveBytes{0};
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* counted(std::size_t n) {
  void* p = std::malloc(n + kHeader);
  if (!p) throw std::bad_alloc();
  *static_cast<std::size_t*>(p) = n;
  liveBytes += static_cast<long long>(n);
  return static_cast<char*>(p) + kHeader;
}

void uncounted(void* p) {
  if (!p) return;
  char* block = static_cast<char*>(p) - kHeader;
  liveBytes -= static_cast<long long>(*reinterpret_cast<std::size_t*>(block));
  std::free(block);
}

}  // namespace

void* operator new(std::size_t n) { return counted(n); }
void* operator new[](std::size_t n) { return counted(n); }
void operator delete(void* p) noexcept { uncounted(p); }
void operator delete[](void* p) noexcept { uncounted(p); }
void operator delete(void* p, std::size_t) noexcept { uncounted(p); }
void operator delete[](void* p, std::size_t) noexcept { uncounted(p); }

namespace zova {
namespace {

constexpr std::size_t kStatItems = 1000000;

void fillRegister(Model& model) {
  std::vector<std::string> items;
  items.reserve(kStatItems);
  for (std::size_t i = 0; i < kStatItems; ++i) items.push_back(std::to_string(i % 1000));
  model.stats().restore(items);
}

// Argument 1: the history kept (1,000 steps); 0: none.
void BM_KeyPressWithMillionStatItems(benchmark::State& state) {
  HeadlessToolkit tk;
  Model model(tk, {});
  model.startUp();
  fillRegister(model);
  model.history().setLimit(state.range(0) ? History::kDefaultLimit : 0);
  const std::vector<Key> keys = mixedKeys(10000);
  for (auto _ : state)
    for (Key k : keys) model.press(k);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(keys.size()));
}
BENCHMARK(BM_KeyPressWithMillionStatItems)->Arg(0)->Arg(1);

// The heap 1,000 key presses leave behind with the history kept, less what they
// leave without it, per step; with a million statistics items in the register.
void BM_MemoryOfThousandSteps(benchmark::State& state) {
  const std::vector<Key> keys = mixedKeys(1000);
  long long perStep = 0;
  std::size_t steps = 0;
  for (auto _ : state) {
    long long held[2] = {0, 0};
    for (int kept = 0; kept < 2; ++kept) {
      HeadlessToolkit tk;
      Model model(tk, {});
      model.startUp();
      fillRegister(model);
      model.history().setLimit(kept ? History::kDefaultLimit : 0);
      const long long before = liveBytes;
      for (Key k : keys) model.press(k);
      held[kept] = liveBytes - before;
      if (kept) steps = model.history().undoSteps();
    }
    perStep = (held[1] - held[0]) / static_cast<long long>(steps ? steps : 1);
  }
  state.counters["steps"] = static_cast<double>(steps);
  state.counters["bytes_per_step"] = static_cast<double>(perStep);
}
BENCHMARK(BM_MemoryOfThousandSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zova
