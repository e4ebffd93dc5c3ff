// The unit data: one row per category button and one row per unit, in the
// order the lists show them and the converter looks them up.
#include "converter/unit_table.h"

#include <array>

namespace zova {

namespace {

using C = Category;

constexpr std::array kCategories = {
    CategoryRow{C::kLength, "Length", "&Length", {vk::kF1 + 4}, "meters", "feet"},
    CategoryRow{C::kArea, "Area", "&Area", {vk::kF1 + 5}, "square meters", "square feet"},
    CategoryRow{C::kVolume, "Volume", "&Volume", {vk::kF1 + 6}, "litres", "U.S. gallons"},
    CategoryRow{C::kWeight, "Weight", "&Weight", {vk::kF1 + 7}, "kilograms", "pounds"},
    CategoryRow{C::kForce, "Force", "&Force", {}, "Newtons", "lbs"},
    CategoryRow{C::kPressure, "Pressure", "&Press", {}, "Pascals", "mm Hg"},
    CategoryRow{C::kEnergy, "Energy", "&Energy", {}, "Joules", "lb*ft"},
    CategoryRow{C::kPower, "Power", "Powe&r", {}, "Watts", "horsepower"},
    CategoryRow{C::kTime, "Time", "T&ime", {}, "months", "days"},
    CategoryRow{C::kTemperature, "Temp", "Te&mp", {}, "degrees Celsius", "degrees Farenheit"},
};

// Each unit's size in its category's base unit, exact where the unit has an exact
// definition (the international inch of 0.0254 m, the avoirdupois pound of 0.45359237 kg,
// standard gravity, the standard atmosphere, the International Table calorie and BTU).
// Every size is its exact decimal; those with no finite decimal form are exact
// quotients. A conversion multiplies by one size and divides by the other once, so
// exact conversions come out exact.

constexpr std::array kUnits = {
    UnitRow{C::kLength, "meters", "1"},
    UnitRow{C::kLength, "centimeters", "0.01"},
    UnitRow{C::kLength, "millimeters", "0.001"},
    UnitRow{C::kLength, "kilometers", "1000"},
    UnitRow{C::kLength, "inches", "0.0254"},
    UnitRow{C::kLength, "feet", "0.3048"},
    UnitRow{C::kLength, "yards", "0.9144"},
    UnitRow{C::kLength, "miles", "1609.344"},
    UnitRow{C::kArea, "square meters", "1"},
    UnitRow{C::kArea, "square centimeters", "0.0001"},
    UnitRow{C::kArea, "square millimeters", "1e-06"},
    UnitRow{C::kArea, "square kilometers", "1e+06"},
    UnitRow{C::kArea, "hectares", "10000"},
    UnitRow{C::kArea, "square inches", "0.00064516"},
    UnitRow{C::kArea, "square feet", "0.09290304"},
    UnitRow{C::kArea, "square yards", "0.83612736"},
    UnitRow{C::kArea, "square miles", "2589988.110336"},
    UnitRow{C::kArea, "acres", "4046.8564224"},  // 43560 international square feet
    UnitRow{C::kVolume, "cubic meters", "1"},
    UnitRow{C::kVolume, "cubic centimeters", "1e-06"},
    UnitRow{C::kVolume, "litres", "0.001"},
    UnitRow{C::kVolume, "U.S. gallons", "0.003785411784"},  // 231 cubic inches
    UnitRow{C::kVolume, "cubic inches", "1.6387064e-05"},
    UnitRow{C::kVolume, "cubic feet", "0.028316846592"},
    UnitRow{C::kVolume, "imperial gallons", "0.00454609"},
    UnitRow{C::kWeight, "grams", "1"},
    UnitRow{C::kWeight, "kilograms", "1000"},
    UnitRow{C::kWeight, "metric tons", "1e+06"},
    UnitRow{C::kWeight, "imperial tons", "1016046.9088"},  // 2240 pounds
    UnitRow{C::kWeight, "U.S. tons", "907184.74"},         // 2000 pounds
    UnitRow{C::kWeight, "carats", "0.2"},
    UnitRow{C::kWeight, "ounces", "28.349523125"},
    UnitRow{C::kWeight, "pounds", "453.59237"},
    UnitRow{C::kForce, "Newtons", "1"},
    UnitRow{C::kForce, "Dynes", "1e-05"},
    UnitRow{C::kForce, "lbs", "4.4482216152605"},  // a pound at 9.80665 m/s^2
    UnitRow{C::kPressure, "Pascals", "1"},
    UnitRow{C::kPressure, "atmospheres", "101325"},
    UnitRow{C::kPressure, "bars", "100000"},
    UnitRow{C::kPressure, "psi", "4.4482216152605", "0.00064516"},  // a pound-force per square inch
    UnitRow{C::kPressure, "mm Hg", "101325", "760"},                // 760 make 1 atm
    UnitRow{C::kPressure, "in H2O", "248.84"},  // a water column at 60 degrees Fahrenheit
    UnitRow{C::kPressure, "Torrs", "101325", "760"},
    UnitRow{C::kEnergy, "Joules", "1"},
    UnitRow{C::kEnergy, "ergs", "1e-07"},
    UnitRow{C::kEnergy, "lb*ft", "1.3558179483314004"},  // a foot times a pound-force
    UnitRow{C::kEnergy, "calories", "4.1868"},
    UnitRow{C::kEnergy, "BTUs", "1055.05585262"},
    UnitRow{C::kPower, "Watts", "1"},
    UnitRow{C::kPower, "horsepower", "745.69987158227022"},  // 550 lb*ft per second
    UnitRow{C::kTime, "seconds", "1"},
    UnitRow{C::kTime, "minutes", "60"},
    UnitRow{C::kTime, "hours", "3600"},
    UnitRow{C::kTime, "days", "86400"},
    UnitRow{C::kTime, "weeks", "604800"},
    UnitRow{C::kTime, "months", "2592000"},  // 30 days
    UnitRow{C::kTime, "years", "31536000"},  // 365 days
};

constexpr std::array kTemperatures = {
    TemperatureRow{"degrees Celsius", TemperatureScale::kCelsius},
    TemperatureRow{"degrees Farenheit", TemperatureScale::kFahrenheit},
    TemperatureRow{"Kelvins", TemperatureScale::kKelvin},
    TemperatureRow{"degrees Rankine", TemperatureScale::kRankine},
};

}  // namespace

std::span<const CategoryRow> categoryRows() { return kCategories; }
std::span<const UnitRow> unitRows() { return kUnits; }
std::span<const TemperatureRow> temperatureRows() { return kTemperatures; }

const CategoryRow& categoryRow(Category c) {
  for (const CategoryRow& row : kCategories) {
    if (row.category == c) return row;
  }
  return kCategories.front();  // unreachable: every category has a row
}

const CategoryRow* findCategory(std::string_view action) {
  for (const CategoryRow& row : kCategories) {
    if (row.action == action) return &row;
  }
  return nullptr;
}

std::vector<std::string> categoryEntries(Category c) {
  std::vector<std::string> entries;
  if (c == Category::kTemperature) {
    for (const TemperatureRow& row : kTemperatures) entries.emplace_back(row.text);
    return entries;
  }
  for (const UnitRow& row : kUnits) {
    if (row.category == c) entries.emplace_back(row.text);
  }
  return entries;
}

const UnitRow* findUnit(std::string_view text) {
  for (const UnitRow& row : kUnits) {
    if (row.text == text) return &row;
  }
  return nullptr;
}

std::optional<TemperatureScale> findTemperature(std::string_view text) {
  for (const TemperatureRow& row : kTemperatures) {
    if (row.text == text) return row.scale;
  }
  return std::nullopt;
}

}  // namespace zova
