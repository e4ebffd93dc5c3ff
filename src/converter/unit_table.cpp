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

// Time factors are the double quotients 1 / seconds per unit; a month is 30
// days and a year 365 days.
constexpr std::array kUnits = {
    UnitRow{C::kLength, "meters", 1},
    UnitRow{C::kLength, "centimeters", 100},
    UnitRow{C::kLength, "millimeters", 1000},
    UnitRow{C::kLength, "kilometers", 0.001},
    UnitRow{C::kLength, "inches", 39.3700787402},
    UnitRow{C::kLength, "feet", 3.28083989501},
    UnitRow{C::kLength, "yards", 1.09361329834},
    UnitRow{C::kLength, "miles", 0.000621371192237},
    UnitRow{C::kArea, "square meters", 1},
    UnitRow{C::kArea, "square centimeters", 10000},
    UnitRow{C::kArea, "square millimeters", 1000000},
    UnitRow{C::kArea, "square kilometers", 1e-06},
    UnitRow{C::kArea, "hectares", 0.0001},
    UnitRow{C::kArea, "square inches", 1550.00310001},
    UnitRow{C::kArea, "square feet", 10.7639104167},
    UnitRow{C::kArea, "square yards", 1.1959900463},
    UnitRow{C::kArea, "square miles", 3.86102158542e-07},
    UnitRow{C::kArea, "acres", 0.000247104393047},
    UnitRow{C::kVolume, "cubic meters", 1},
    UnitRow{C::kVolume, "cubic centimeters", 1000000},
    UnitRow{C::kVolume, "litres", 1000},
    UnitRow{C::kVolume, "U.S. gallons", 264.172052358},
    UnitRow{C::kVolume, "cubic inches", 61023.7440947},
    UnitRow{C::kVolume, "cubic feet", 35.3146667215},
    UnitRow{C::kVolume, "imperial gallons", 219.969151526},
    UnitRow{C::kWeight, "grams", 1},
    UnitRow{C::kWeight, "kilograms", 0.001},
    UnitRow{C::kWeight, "metric tons", 1e-06},
    UnitRow{C::kWeight, "imperial tons", 9.84206527611e-07},
    UnitRow{C::kWeight, "U.S. tons", 1.10231131092e-06},
    UnitRow{C::kWeight, "carats", 5},
    UnitRow{C::kWeight, "ounces", 0.0352739619496},
    UnitRow{C::kWeight, "pounds", 0.00220462262185},
    UnitRow{C::kForce, "Newtons", 1},
    UnitRow{C::kForce, "Dynes", 100000},
    UnitRow{C::kForce, "lbs", 0.2248089431},
    UnitRow{C::kPressure, "Pascals", 1},
    UnitRow{C::kPressure, "atmospheres", 9.86923266716e-06},
    UnitRow{C::kPressure, "bars", 1e-05},
    UnitRow{C::kPressure, "psi", 0.00014503773773},
    UnitRow{C::kPressure, "mm Hg", 0.00750061682704},
    UnitRow{C::kPressure, "in H2O", 0.00401864651985},
    UnitRow{C::kPressure, "Torrs", 0.00750061682704},
    UnitRow{C::kEnergy, "Joules", 1},
    UnitRow{C::kEnergy, "ergs", 10000000},
    UnitRow{C::kEnergy, "lb*ft", 0.737562149277},
    UnitRow{C::kEnergy, "calories", 0.238845896627},
    UnitRow{C::kEnergy, "BTUs", 0.000947817120313},
    UnitRow{C::kPower, "Watts", 1},
    UnitRow{C::kPower, "horsepower", 0.0013410220896},
    UnitRow{C::kTime, "seconds", 1},
    UnitRow{C::kTime, "minutes", 1.0 / 60},
    UnitRow{C::kTime, "hours", 1.0 / 3600},
    UnitRow{C::kTime, "days", 1.0 / 86400},
    UnitRow{C::kTime, "weeks", 1.0 / 604800},
    UnitRow{C::kTime, "months", 1.0 / 2592000},
    UnitRow{C::kTime, "years", 1.0 / 31536000},
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
