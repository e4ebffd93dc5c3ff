// The converter's ten unit categories and their units: the category buttons'
// captions, keys and preselected pairs, each unit's size, and lookup by text.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/decimal.h"
#include "engine/keys.h"

namespace zova {

/// In button order of the lookup: Length to Power, Time, then Temperature.
enum class Category {
  kLength,
  kArea,
  kVolume,
  kWeight,
  kForce,
  kPressure,
  kEnergy,
  kPower,
  kTime,
  kTemperature,
};

/// A category button and what it puts into the two lists.
struct CategoryRow {
  Category category;
  std::string_view action;   ///< command-line name: "Length" ... "Temp"
  std::string_view caption;  ///< button caption with its access-key "&"
  KeyBinding binding;        ///< keyboard equivalent (F5); code 0 when none
  std::string_view from;     ///< preselected From entry
  std::string_view to;       ///< preselected To entry
};

/// A unit and its size: how many base units of its category one of it makes, the
/// exact quotient of two decimal texts.
struct UnitRow {
  Category category;
  std::string_view text;
  std::string_view size;
  std::string_view per = "1";
  Decimal numerator() const { return *Decimal::read(size); }
  Decimal denominator() const { return *Decimal::read(per); }
};

enum class TemperatureScale { kCelsius, kFahrenheit, kKelvin, kRankine };

/// Temperatures have no size; they convert through degrees Celsius by formula.
struct TemperatureRow {
  std::string_view text;
  TemperatureScale scale;
};

/// The ten categories in lookup order.
std::span<const CategoryRow> categoryRows();
/// Every unit with a size, category by category, in list order.
std::span<const UnitRow> unitRows();
/// The four temperatures in list order.
std::span<const TemperatureRow> temperatureRows();

const CategoryRow& categoryRow(Category c);
/// The category whose command-line name is `action`, exactly; nullptr if none.
const CategoryRow* findCategory(std::string_view action);
/// The entries a category button puts into each list, in order.
std::vector<std::string> categoryEntries(Category c);

/// The first unit whose text equals `text` exactly (case-sensitive); nullptr if none.
const UnitRow* findUnit(std::string_view text);
std::optional<TemperatureScale> findTemperature(std::string_view text);

}  // namespace zova
