// Walks the unit, category and constant tables: unique texts, sane values, and the
// values that follow from other entries.
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

// Each category lists its own units, the base unit first, and preselects two of them; the
// first four have a key.
TEST(UnitTable, CategoriesListTheirUnitsAndPreselectTwo) {
  std::size_t units = 0, i = 0;
  for (const CategoryRow& row : categoryRows()) {
    EXPECT_TRUE(findCategory(row.action) == &row && &categoryRow(row.category) == &row);
    EXPECT_EQ(row.binding.code == 0, ++i > 4) << row.action;
    const std::vector<std::string> entries = categoryEntries(row.category);
    EXPECT_NE(row.from, row.to);
    EXPECT_EQ(std::ranges::count(entries, row.from) + std::ranges::count(entries, row.to), 2);
    for (const std::string& e : entries)
      EXPECT_TRUE(findTemperature(e) ? row.category == Category::kTemperature
                                     : findUnit(e)->category == row.category)
          << e;
    if (row.category == Category::kTemperature) continue;
    EXPECT_EQ(findUnit(entries.front())->size, "1") << row.action;
    units += entries.size();
  }
  EXPECT_EQ(units, unitRows().size());
  for (const char* miss : {"Temperature", "length", ""}) EXPECT_EQ(findCategory(miss), nullptr);
}

// The lists of all categories are looked up together, so a text may appear once only;
// lookup is exact.
TEST(UnitTable, TextsAreUniqueAndSizesPositive) {
  std::set<std::string_view> seen;
  for (const UnitRow& row : unitRows()) {
    EXPECT_TRUE(seen.insert(row.text).second) << row.text;
    EXPECT_TRUE(row.numerator() > 0 && row.denominator() > 0) << row.text;
  }
  for (const TemperatureRow& row : temperatureRows()) EXPECT_TRUE(seen.insert(row.text).second);
  for (const auto& table : {siConstants(), engConstants()})
    for (const ConstantRow& row : table) EXPECT_FALSE(seen.count(row.text)) << row.text;
  for (const char* text : {"Meters", "meters ", "degrees celsius", "degrees Fahrenheit"})
    EXPECT_TRUE(!findUnit(text) && !findTemperature(text)) << text;
}

// A square or cubic unit's size is its length's size squared or cubed, exactly.
TEST(UnitTable, AreasAndVolumesFollowTheirLengths) {
  for (const UnitRow& row : unitRows()) {
    for (const auto& [prefix, power] : {std::pair{"square ", 2}, std::pair{"cubic ", 3}}) {
      if (!row.text.starts_with(prefix)) continue;
      const UnitRow* length = findUnit(row.text.substr(std::string_view(prefix).size()));
      ASSERT_NE(length, nullptr) << row.text;
      const Decimal side = length->numerator() / length->denominator();
      EXPECT_EQ(row.numerator() / row.denominator(), power == 2 ? side * side : side * side * side)
          << row.text;
    }
  }
}

// Shared entries agree in place, text and value; the prefixes (10^k) close the
// S.I. list only.
TEST(ConstantTable, TextsUniqueValuesSaneAndPrefixesLast) {
  const auto si = siConstants(), eng = engConstants();
  for (const std::span<const ConstantRow> table : {si, eng}) {
    std::set<std::string_view> seen;
    for (const ConstantRow& row : table) {
      EXPECT_TRUE(seen.insert(row.text).second) << row.text;
      EXPECT_TRUE(row.number() > 0) << row.text;
      EXPECT_EQ(findConstant(table, row.text), &row);
    }
    EXPECT_EQ(findConstant(table, ""), nullptr);
  }
  std::size_t prefixes = 0;
  for (std::size_t i = 0; i < si.size(); ++i) {
    const std::string_view text = si[i].text;
    const bool shared = i < eng.size() && text == eng[i].text;
    EXPECT_TRUE(shared ? si[i].value == eng[i].value : !findConstant(eng, text)) << text;
    const auto at = text.find("): 10^");
    if (at == std::string_view::npos) continue;
    EXPECT_EQ(si[i].number(), *Decimal::read("1e" + std::string(text.substr(at + 6)))) << text;
    EXPECT_GE(i, eng.size());
    ++prefixes;
  }
  EXPECT_EQ(prefixes, si.size() - eng.size());
}

// The engineering values follow from the S.I. ones (1 ft = 0.3048 m, 1 R = 1/1.8 K,
// 1 Angstrom = 0.1 nm), rounded to the table's few digits; the S.I. ones from physics.
TEST(ConstantTable, ValuesAgreeWithEachOther) {
  const auto si = [](const char* t) { return findConstant(siConstants(), t)->number().toDouble(); };
  const auto eng = [](const char* t) {
    return findConstant(engConstants(), t)->number().toDouble();
  };
  const double c = si("c: speed of light (m/s)"), q = si("q: electronic charge (C)");
  EXPECT_NEAR(eng("c: speed of light (ft/s)") / (c / 0.3048), 1.0, 1e-9);
  EXPECT_NEAR(eng("STdT: std temperature (R)") / (si("STdT: std temperature (K)") * 1.8), 1, 1e-15);
  EXPECT_NEAR(eng("photon wavelength (A)") / (si("photon wavelength (nm)") * 10), 1.0, 1e-15);
  // eps0 * mu0 * c^2 = 1 with mu0 = 4 pi 1e-7; F = NA q; h c = 1 eV x wavelength
  EXPECT_NEAR(si("permittivity (F/m)") * si("permeability (H/m)") * c * c, 1.0, 1e-10);
  EXPECT_NEAR(si("permeability (H/m)") / (4e-7 * std::numbers::pi), 1.0, 1e-11);
  EXPECT_NEAR(si("F: Faraday (C/(g*mol))") / (si("NA: Avogadro (/(g*mol))") * q), 1, 1e-6);
  EXPECT_NEAR(si("h:Planck's constant (J*s)") * c / (si("photon wavelength (nm)") * 1e-9 * q), 1,
              1e-6);
}

}  // namespace
}  // namespace zova
