// The benchmarks' typical key mix: digits, a point, the four operations and a
// power, brackets, "=", three functions, memory and a sign change, drawn at
// random with a fixed seed so that every run presses the same keys.
#pragma once

#include <cstddef>
#include <iterator>
#include <random>
#include <vector>

#include "engine/keys.h"

namespace zova {

inline std::vector<Key> mixedKeys(std::size_t count) {
  const Key pool[] = {Key::kDigit1,   Key::kDigit2,     Key::kDigit3,       Key::kDigit7,
                      Key::kDigit9,   Key::kPoint,      Key::kAdd,          Key::kSubtract,
                      Key::kMultiply, Key::kDivide,     Key::kPower,        Key::kEquals,
                      Key::kOpen,     Key::kClose,      Key::kSin,          Key::kSqrt,
                      Key::kLog,      Key::kMemoryPlus, Key::kMemoryRecall, Key::kSign};
  std::mt19937 rng(42);
  std::vector<Key> keys(count);
  for (Key& k : keys) k = pool[rng() % std::size(pool)];
  return keys;
}

}  // namespace zova
