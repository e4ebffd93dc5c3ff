// Walks the unit, category and constant tables: unique texts, sane values, and
// every factor and constant checked against an independent physical definition.
#include "converter/unit_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <string>

#include "converter/constant_table.h"

namespace zova {
namespace {

TEST(UnitTable, CategoriesInLookupOrderWithTheirCommandNames) {
  const char* kActions[] = {"Length",   "Area",   "Volume", "Weight", "Force",
                            "Pressure", "Energy", "Power",  "Time",   "Temp"};
  ASSERT_EQ(categoryRows().size(), std::size(kActions));
  for (size_t i = 0; i < std::size(kActions); ++i) {
    SCOPED_TRACE(kActions[i]);
    const CategoryRow& row = categoryRows()[i];
    EXPECT_EQ(static_cast<size_t>(row.category), i);
    EXPECT_EQ(row.action, kActions[i]);
    EXPECT_EQ(findCategory(kActions[i]), &row);
    EXPECT_EQ(&categoryRow(row.category), &row);
    // Only the first four have a key, and their tooltip names it.
    EXPECT_EQ(row.key.empty(), i >= 4);
    EXPECT_EQ(row.tooltip,
              row.key.empty() ? "" : "Keyboard equivalent:  " + std::string(row.key) + " key");
  }
  EXPECT_EQ(findCategory("Temperature"), nullptr);
  EXPECT_EQ(findCategory("length"), nullptr);
  EXPECT_EQ(findCategory(""), nullptr);
}

TEST(UnitTable, EveryCategoryListsItsUnitsAndPreselectsTwoOfThem) {
  struct Case {
    Category category;
    size_t count;
    const char* first;  // the category's base unit
  };
  const Case kCases[] = {
      {Category::kLength, 8, "meters"},       {Category::kArea, 10, "square meters"},
      {Category::kVolume, 7, "cubic meters"}, {Category::kWeight, 8, "grams"},
      {Category::kForce, 3, "Newtons"},       {Category::kPressure, 7, "Pascals"},
      {Category::kEnergy, 5, "Joules"},       {Category::kPower, 2, "Watts"},
      {Category::kTime, 7, "seconds"},        {Category::kTemperature, 4, "degrees Celsius"},
  };
  size_t units = 0;
  for (const Case& c : kCases) {
    const CategoryRow& row = categoryRow(c.category);
    SCOPED_TRACE(row.action);
    const std::vector<std::string> entries = categoryEntries(c.category);
    ASSERT_EQ(entries.size(), c.count);
    EXPECT_EQ(entries.front(), c.first);
    EXPECT_NE(row.from, row.to);
    EXPECT_NE(std::find(entries.begin(), entries.end(), row.from), entries.end());
    EXPECT_NE(std::find(entries.begin(), entries.end(), row.to), entries.end());
    if (c.category == Category::kTemperature) {
      for (const std::string& e : entries) EXPECT_TRUE(findTemperature(e)) << e;
    } else {
      EXPECT_EQ(findUnit(c.first)->factor, 1.0);
      for (const std::string& e : entries) EXPECT_EQ(findUnit(e)->category, c.category) << e;
      units += entries.size();
    }
  }
  EXPECT_EQ(units, unitRows().size());
  EXPECT_EQ(temperatureRows().size(), 4u);
}

// The lists of all categories are looked up together, so a text may appear once only.
TEST(UnitTable, TextsAreUniqueAcrossAllUnitsTemperaturesAndConstants) {
  std::set<std::string_view> seen;
  for (const UnitRow& row : unitRows()) EXPECT_TRUE(seen.insert(row.text).second) << row.text;
  for (const TemperatureRow& row : temperatureRows()) {
    EXPECT_TRUE(seen.insert(row.text).second) << row.text;
  }
  for (const ConstantRow& row : siConstants()) EXPECT_FALSE(seen.count(row.text)) << row.text;
  for (const ConstantRow& row : engConstants()) EXPECT_FALSE(seen.count(row.text)) << row.text;
}

TEST(UnitTable, FactorsArePositiveAndFinite) {
  for (const UnitRow& row : unitRows()) {
    EXPECT_TRUE(std::isfinite(row.factor) && row.factor > 0) << row.text;
  }
}

// factor x (size of the unit in base units) = 1. Sizes are the units' legal or
// conventional definitions; acres are U.S. survey acres, the imperial gallon is
// its older 4.546092 litres, and mm Hg shares the torr's factor (101325/760 Pa).
TEST(UnitTable, FactorsMatchTheUnitsDefinitions) {
  struct Case {
    const char* text;
    double size;
  };
  const Case kCases[] = {
      {"meters", 1},
      {"centimeters", 0.01},
      {"millimeters", 0.001},
      {"kilometers", 1000},
      {"inches", 0.0254},
      {"feet", 0.3048},
      {"yards", 0.9144},
      {"miles", 1609.344},
      {"square meters", 1},
      {"square centimeters", 1e-4},
      {"square millimeters", 1e-6},
      {"square kilometers", 1e6},
      {"hectares", 1e4},
      {"square inches", 0.0254 * 0.0254},
      {"square feet", 0.3048 * 0.3048},
      {"square yards", 0.9144 * 0.9144},
      {"square miles", 1609.344 * 1609.344},
      {"acres", 4046.872609874252},
      {"cubic meters", 1},
      {"cubic centimeters", 1e-6},
      {"litres", 0.001},
      {"U.S. gallons", 231 * 0.0254 * 0.0254 * 0.0254},
      {"cubic inches", 0.0254 * 0.0254 * 0.0254},
      {"cubic feet", 0.3048 * 0.3048 * 0.3048},
      {"imperial gallons", 0.004546092},
      {"grams", 1},
      {"kilograms", 1000},
      {"metric tons", 1e6},
      {"imperial tons", 2240 * 453.59237},
      {"U.S. tons", 2000 * 453.59237},
      {"carats", 0.2},
      {"ounces", 453.59237 / 16},
      {"pounds", 453.59237},
      {"Newtons", 1},
      {"Dynes", 1e-5},
      {"lbs", 0.45359237 * 9.80665},
      {"Pascals", 1},
      {"atmospheres", 101325},
      {"bars", 1e5},
      {"psi", 0.45359237 * 9.80665 / (0.0254 * 0.0254)},
      {"mm Hg", 101325.0 / 760},
      {"in H2O", 248.84},
      {"Torrs", 101325.0 / 760},
      {"Joules", 1},
      {"ergs", 1e-7},
      {"lb*ft", 0.45359237 * 9.80665 * 0.3048},
      {"calories", 4.1868},
      {"BTUs", 1055.05585262},
      {"Watts", 1},
      {"horsepower", 550 * 0.45359237 * 9.80665 * 0.3048},
      {"seconds", 1},
      {"minutes", 60},
      {"hours", 3600},
      {"days", 86400},
      {"weeks", 7 * 86400},
      {"months", 30 * 86400},
      {"years", 365 * 86400},
  };
  ASSERT_EQ(std::size(kCases), unitRows().size());
  for (const Case& c : kCases) {
    const UnitRow* row = findUnit(c.text);
    ASSERT_NE(row, nullptr) << c.text;
    EXPECT_NEAR(row->factor * c.size, 1.0, 1e-10) << c.text;
  }
}

TEST(UnitTable, LookupIsExactAndCaseSensitive) {
  const char* kMisses[] = {
      "Meters",          "meters ",         " meters",           "meter", "", "METERS",
      "degrees celsius", "Degrees Celsius", "degrees Fahrenheit"};
  for (const char* text : kMisses) {
    EXPECT_EQ(findUnit(text), nullptr) << text;
    EXPECT_FALSE(findTemperature(text)) << text;
  }
  EXPECT_EQ(findTemperature("degrees Farenheit"), TemperatureScale::kFahrenheit);
  EXPECT_EQ(findTemperature("Kelvins"), TemperatureScale::kKelvin);
  EXPECT_EQ(findUnit("mm Hg")->factor, findUnit("Torrs")->factor);
}

TEST(ConstantTable, SizesUniqueTextsAndPositiveFiniteValues) {
  struct Case {
    const char* name;
    std::span<const ConstantRow> table;
    size_t count;
  };
  const Case kCases[] = {{"S.I.", siConstants(), 34}, {"Eng.", engConstants(), 24}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.table.size(), c.count);
    std::set<std::string_view> seen;
    for (const ConstantRow& row : c.table) {
      EXPECT_TRUE(seen.insert(row.text).second) << row.text;
      EXPECT_TRUE(std::isfinite(row.value) && row.value > 0) << row.text;
      EXPECT_EQ(findConstant(c.table, row.text), &row);
    }
    EXPECT_EQ(findConstant(c.table, ""), nullptr);
  }
}

// Ten entries are the same in both lists (same place, text and value); the
// others differ in their text.
TEST(ConstantTable, SharedEntriesAgreeInPlaceTextAndValue) {
  const std::set<size_t> kShared = {9, 10, 14, 15, 16, 17, 18, 20, 22, 23};
  for (size_t i = 0; i < engConstants().size(); ++i) {
    const ConstantRow& si = siConstants()[i];
    const ConstantRow& eng = engConstants()[i];
    if (kShared.count(i + 1)) {
      EXPECT_EQ(si.text, eng.text);
      EXPECT_EQ(si.value, eng.value) << si.text;
    } else {
      EXPECT_NE(si.text, eng.text);
      EXPECT_EQ(findConstant(engConstants(), si.text), nullptr) << si.text;
    }
  }
}

// The engineering values follow from the S.I. ones (1 ft = 0.3048 m, 1 R = 1/1.8 K,
// 1 Angstrom = 0.1 nm); the table rounds them to its own few digits.
TEST(ConstantTable, EngineeringValuesAgreeWithTheSiOnes) {
  struct Case {
    const char* si;
    const char* eng;
    double engPerSi;
    double tolerance;  // relative
  };
  const Case kCases[] = {
      {"NA: Avogadro (/(g*mol))", "NA: Avogadro (/(g/mol))", 1, 0},
      {"c: speed of light (m/s)", "c: speed of light (ft/s)", 1 / 0.3048, 1e-9},
      {"STdT: std temperature (K)", "STdT: std temperature (R)", 1.8, 1e-15},
      {"g: accel of gravity (m/s^2)", "g: accel of gravity (ft/s^2)", 1 / 0.3048, 1e-5},
      {"Cs: speed of sound (m/s)", "Cs: speed of sound (ft/s)", 1 / 0.3048, 1e-6},
      {"photon wavelength (nm)", "photon wavelength (A)", 10, 1e-15},
      {"Compton wavelength (nm)", "Compton wavelength (A)", 10, 1e-15},
      {"StdP: std pressure (kPa)", "StdP: std pressure (psi)", 1000 / 6894.757293168, 1e-5},
      {"k: Boltzman (J/K)", "k: Boltzman (Btu/R)", 1 / (1055.05585262 * 1.8), 1e-5},
  };
  for (const Case& c : kCases) {
    const ConstantRow* si = findConstant(siConstants(), c.si);
    const ConstantRow* eng = findConstant(engConstants(), c.eng);
    ASSERT_TRUE(si && eng) << c.si;
    EXPECT_NEAR(eng->value / (si->value * c.engPerSi), 1.0, c.tolerance) << c.eng;
  }
}

TEST(ConstantTable, SiConstantsAgreeWithTheirPhysics) {
  auto value = [](const char* text) { return findConstant(siConstants(), text)->value; };
  const double c = value("c: speed of light (m/s)");
  EXPECT_EQ(c, 299792458.0);
  // eps0 * mu0 * c^2 = 1; mu0 = 4 pi 1e-7.
  EXPECT_NEAR(value("permittivity (F/m)") * value("permeability (H/m)") * c * c, 1.0, 1e-10);
  EXPECT_NEAR(value("permeability (H/m)") / (4e-7 * std::numbers::pi), 1.0, 1e-11);
  // F = NA q, R = NA k, h c = (photon wavelength) q for 1 eV.
  const double q = value("q: electronic charge (C)");
  EXPECT_GT(q, 0);
  EXPECT_NEAR(value("F: Faraday (C/(g*mol))") / (value("NA: Avogadro (/(g*mol))") * q), 1, 1e-6);
  EXPECT_NEAR(value("R: univ gas constant (J/(g*mol*K))") /
                  (value("NA: Avogadro (/(g*mol))") * value("k: Boltzman (J/K)")),
              1, 1e-6);
  EXPECT_NEAR(value("h:Planck's constant (J*s)") * c / (value("photon wavelength (nm)") * 1e-9 * q),
              1, 1e-6);
  EXPECT_NEAR(value("h:Planck's constant (J*s)") * value("photon frequency (Hz)") / q, 1, 1e-6);
}

TEST(ConstantTable, PrefixesArePowersOfTenAndOnlyInTheSiList) {
  struct Case {
    const char* text;
    int exponent;
  };
  const Case kCases[] = {
      {"tera (T): 10^12", 12},   {"giga (G): 10^9", 9},     {"mega (M): 10^6", 6},
      {"kilo (k): 10^3", 3},     {"hecto (h): 10^2", 2},    {"centi (c): 10^-2", -2},
      {"milli (m): 10^-3", -3},  {"micro (mu): 10^-6", -6}, {"nano (n): 10^-9", -9},
      {"pico (p): 10^-12", -12},
  };
  for (const Case& c : kCases) {
    const ConstantRow* row = findConstant(siConstants(), c.text);
    ASSERT_NE(row, nullptr) << c.text;
    EXPECT_EQ(row->value, std::stod("1e" + std::to_string(c.exponent))) << c.text;
    EXPECT_EQ(findConstant(engConstants(), c.text), nullptr) << c.text;
  }
  // The prefixes close the S.I. list.
  EXPECT_EQ(siConstants().back().text, "pico (p): 10^-12");
  EXPECT_EQ(siConstants()[24].text, "tera (T): 10^12");
}

}  // namespace
}  // namespace zova
