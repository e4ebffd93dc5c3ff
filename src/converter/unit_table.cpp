// The unit data: one row per category button and one row per unit, in the
// order the lists show them and the converter looks them up.
#include "converter/unit_table.h"

#include <array>

#include "engine/text.h"

namespace zova {

namespace {

using C = Category;

// clang-format off
constexpr std::array kCategories = {
    CategoryRow{C::kLength, "Length", ZOVA_TEXT("Converter", "&Length"), {vk::kF1 + 4}, "meters", "feet"},
    CategoryRow{C::kArea, "Area", ZOVA_TEXT("Converter", "&Area"), {vk::kF1 + 5}, "square meters", "square feet"},
    CategoryRow{C::kVolume, "Volume", ZOVA_TEXT("Converter", "&Volume"), {vk::kF1 + 6}, "litres", "U.S. gallons"},
    CategoryRow{C::kWeight, "Weight", ZOVA_TEXT("Converter", "&Weight"), {vk::kF1 + 7}, "kilograms", "pounds"},
    CategoryRow{C::kForce, "Force", ZOVA_TEXT("Converter", "&Force"), {}, "Newtons", "lbs"},
    CategoryRow{C::kPressure, "Pressure", ZOVA_TEXT("Converter", "&Press"), {}, "Pascals", "mm Hg"},
    CategoryRow{C::kEnergy, "Energy", ZOVA_TEXT("Converter", "&Energy"), {}, "Joules", "lb*ft"},
    CategoryRow{C::kPower, "Power", ZOVA_TEXT("Converter", "Powe&r"), {}, "Watts", "horsepower"},
    CategoryRow{C::kTime, "Time", ZOVA_TEXT("Converter", "T&ime"), {}, "months", "days"},
    CategoryRow{C::kTemperature, "Temp", ZOVA_TEXT("Converter", "Te&mp"), {}, "degrees Celsius", "degrees Farenheit"},
};
// clang-format on

// Each unit's size in its category's base unit, exact where the unit has an exact
// definition (the international inch of 0.0254 m, the avoirdupois pound of 0.45359237 kg,
// standard gravity, the standard atmosphere, the International Table calorie and BTU).
// Every size is its exact decimal; those with no finite decimal form are exact
// quotients. A conversion multiplies by one size and divides by the other once, so
// exact conversions come out exact.

constexpr std::array kUnits = {
    UnitRow{C::kLength, ZOVA_TEXT("Converter", "meters"), "1"},
    UnitRow{C::kLength, ZOVA_TEXT("Converter", "centimeters"), "0.01"},
    UnitRow{C::kLength, ZOVA_TEXT("Converter", "millimeters"), "0.001"},
    UnitRow{C::kLength, ZOVA_TEXT("Converter", "kilometers"), "1000"},
    UnitRow{C::kLength, ZOVA_TEXT("Converter", "inches"), "0.0254"},
    UnitRow{C::kLength, ZOVA_TEXT("Converter", "feet"), "0.3048"},
    UnitRow{C::kLength, ZOVA_TEXT("Converter", "yards"), "0.9144"},
    UnitRow{C::kLength, ZOVA_TEXT("Converter", "miles"), "1609.344"},
    UnitRow{C::kArea, ZOVA_TEXT("Converter", "square meters"), "1"},
    UnitRow{C::kArea, ZOVA_TEXT("Converter", "square centimeters"), "0.0001"},
    UnitRow{C::kArea, ZOVA_TEXT("Converter", "square millimeters"), "1e-06"},
    UnitRow{C::kArea, ZOVA_TEXT("Converter", "square kilometers"), "1e+06"},
    UnitRow{C::kArea, ZOVA_TEXT("Converter", "hectares"), "10000"},
    UnitRow{C::kArea, ZOVA_TEXT("Converter", "square inches"), "0.00064516"},
    UnitRow{C::kArea, ZOVA_TEXT("Converter", "square feet"), "0.09290304"},
    UnitRow{C::kArea, ZOVA_TEXT("Converter", "square yards"), "0.83612736"},
    UnitRow{C::kArea, ZOVA_TEXT("Converter", "square miles"), "2589988.110336"},
    UnitRow{C::kArea, ZOVA_TEXT("Converter", "acres"),
            "4046.8564224"},  // 43560 international square feet
    UnitRow{C::kVolume, ZOVA_TEXT("Converter", "cubic meters"), "1"},
    UnitRow{C::kVolume, ZOVA_TEXT("Converter", "cubic centimeters"), "1e-06"},
    UnitRow{C::kVolume, ZOVA_TEXT("Converter", "litres"), "0.001"},
    UnitRow{C::kVolume, ZOVA_TEXT("Converter", "U.S. gallons"),
            "0.003785411784"},  // 231 cubic inches
    UnitRow{C::kVolume, ZOVA_TEXT("Converter", "cubic inches"), "1.6387064e-05"},
    UnitRow{C::kVolume, ZOVA_TEXT("Converter", "cubic feet"), "0.028316846592"},
    UnitRow{C::kVolume, ZOVA_TEXT("Converter", "imperial gallons"), "0.00454609"},
    UnitRow{C::kWeight, ZOVA_TEXT("Converter", "grams"), "1"},
    UnitRow{C::kWeight, ZOVA_TEXT("Converter", "kilograms"), "1000"},
    UnitRow{C::kWeight, ZOVA_TEXT("Converter", "metric tons"), "1e+06"},
    UnitRow{C::kWeight, ZOVA_TEXT("Converter", "imperial tons"), "1016046.9088"},  // 2240 pounds
    UnitRow{C::kWeight, ZOVA_TEXT("Converter", "U.S. tons"), "907184.74"},         // 2000 pounds
    UnitRow{C::kWeight, ZOVA_TEXT("Converter", "carats"), "0.2"},
    UnitRow{C::kWeight, ZOVA_TEXT("Converter", "ounces"), "28.349523125"},
    UnitRow{C::kWeight, ZOVA_TEXT("Converter", "pounds"), "453.59237"},
    UnitRow{C::kForce, ZOVA_TEXT("Converter", "Newtons"), "1"},
    UnitRow{C::kForce, ZOVA_TEXT("Converter", "Dynes"), "1e-05"},
    UnitRow{C::kForce, ZOVA_TEXT("Converter", "lbs"),
            "4.4482216152605"},  // a pound at 9.80665 m/s^2
    UnitRow{C::kPressure, ZOVA_TEXT("Converter", "Pascals"), "1"},
    UnitRow{C::kPressure, ZOVA_TEXT("Converter", "atmospheres"), "101325"},
    UnitRow{C::kPressure, ZOVA_TEXT("Converter", "bars"), "100000"},
    UnitRow{C::kPressure, ZOVA_TEXT("Converter", "psi"), "4.4482216152605",
            "0.00064516"},  // a pound-force per square inch
    UnitRow{C::kPressure, ZOVA_TEXT("Converter", "mm Hg"), "101325", "760"},  // 760 make 1 atm
    UnitRow{C::kPressure, ZOVA_TEXT("Converter", "in H2O"),
            "248.84"},  // a water column at 60 degrees Fahrenheit
    UnitRow{C::kPressure, ZOVA_TEXT("Converter", "Torrs"), "101325", "760"},
    UnitRow{C::kEnergy, ZOVA_TEXT("Converter", "Joules"), "1"},
    UnitRow{C::kEnergy, ZOVA_TEXT("Converter", "ergs"), "1e-07"},
    UnitRow{C::kEnergy, ZOVA_TEXT("Converter", "lb*ft"),
            "1.3558179483314004"},  // a foot times a pound-force
    UnitRow{C::kEnergy, ZOVA_TEXT("Converter", "calories"), "4.1868"},
    UnitRow{C::kEnergy, ZOVA_TEXT("Converter", "BTUs"), "1055.05585262"},
    UnitRow{C::kPower, ZOVA_TEXT("Converter", "Watts"), "1"},
    UnitRow{C::kPower, ZOVA_TEXT("Converter", "horsepower"),
            "745.69987158227022"},  // 550 lb*ft per second
    UnitRow{C::kTime, ZOVA_TEXT("Converter", "seconds"), "1"},
    UnitRow{C::kTime, ZOVA_TEXT("Converter", "minutes"), "60"},
    UnitRow{C::kTime, ZOVA_TEXT("Converter", "hours"), "3600"},
    UnitRow{C::kTime, ZOVA_TEXT("Converter", "days"), "86400"},
    UnitRow{C::kTime, ZOVA_TEXT("Converter", "weeks"), "604800"},
    UnitRow{C::kTime, ZOVA_TEXT("Converter", "months"), "2592000"},  // 30 days
    UnitRow{C::kTime, ZOVA_TEXT("Converter", "years"), "31536000"},  // 365 days
};

constexpr std::array kTemperatures = {
    TemperatureRow{ZOVA_TEXT("Converter", "degrees Celsius"), TemperatureScale::kCelsius},
    TemperatureRow{ZOVA_TEXT("Converter", "degrees Farenheit"), TemperatureScale::kFahrenheit},
    TemperatureRow{ZOVA_TEXT("Converter", "Kelvins"), TemperatureScale::kKelvin},
    TemperatureRow{ZOVA_TEXT("Converter", "degrees Rankine"), TemperatureScale::kRankine},
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
