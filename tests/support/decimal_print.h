// Test helper: decimals print as their full text in failure messages.
#pragma once

#include <ostream>

#include "engine/convert.h"

namespace zova {
inline void PrintTo(const Decimal& x, std::ostream* os) {
  *os << numberToText(x, {".", ","}, DecimalDigits::kAll);
}
}  // namespace zova
