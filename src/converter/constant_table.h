// The constants library: physical constants and decimal prefixes in S.I. units
// (the first list) and the constants in engineering units (the second list).
#pragma once

#include <span>
#include <string_view>

#include "engine/decimal.h"

namespace zova {

struct ConstantRow {
  std::string_view text;
  std::string_view value;  ///< the decimal text of the value
  Decimal number() const { return *Decimal::read(value); }
};

/// The S.I. list, constants then prefixes, in list order (34 rows).
std::span<const ConstantRow> siConstants();
/// The engineering list, in list order (24 rows, no prefixes).
std::span<const ConstantRow> engConstants();

/// The first row of `table` whose text equals `text` exactly; nullptr if none.
const ConstantRow* findConstant(std::span<const ConstantRow> table, std::string_view text);

}  // namespace zova
