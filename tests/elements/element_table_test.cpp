// Walks the element table for complete, unique and sane rows, and checks the
// lookup by symbol.
#include "elements/element_table.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <utility>

#include "engine/convert.h"

namespace zova {
namespace {

TEST(ElementTable, NumbersRunFromOneToLastInOrder) {
  ASSERT_EQ(kElements.size(), 109u);
  for (std::size_t i = 0; i < kElements.size(); ++i) {
    EXPECT_EQ(kElements[i].numb, static_cast<int>(i) + 1) << kElements[i].symb;
  }
}

TEST(ElementTable, SymbolsNamesAndTilesAreUniqueAndWellFormed) {
  const std::regex symbol("[A-Z][a-z]{0,2}");
  std::set<std::string_view> symbols, names, tiles;
  for (const Element& e : kElements) {
    SCOPED_TRACE(std::string(e.symb));
    EXPECT_TRUE(std::regex_match(std::string(e.symb), symbol));
    EXPECT_FALSE(e.mean.empty());
    EXPECT_TRUE(symbols.insert(e.symb).second);
    EXPECT_TRUE(names.insert(e.mean).second);
    EXPECT_TRUE(tiles.insert(e.tile).second);
    // Every tile is named after its symbol except vanadium's.
    EXPECT_EQ(e.tile, e.symb == "V" ? "Va" : e.symb);
  }
}

TEST(ElementTable, MassesAreWholeNumberTextsNearTheAtomicNumber) {
  const NumberLocale dot;
  for (const Element& e : kElements) {
    SCOPED_TRACE(std::string(e.symb));
    // The whole text must read as a number, not just a prefix of it.
    const std::optional<double> m = TextToNumber(e.mass, dot);
    ASSERT_TRUE(m.has_value());
    EXPECT_DOUBLE_EQ(ParseNumber(e.mass), *m);
    // A nucleus weighs at least one mass unit per proton and, up to 109, less than 2.6.
    EXPECT_GE(*m, e.numb);
    EXPECT_LT(*m, 2.6 * e.numb);
  }
}

TEST(ElementTable, ElectronConfigurationsAreSubshellsTwoBlanksApart) {
  const std::regex config("[1-7][spdf][0-9]{1,2}(  [1-7][spdf][0-9]{1,2})*");
  for (const Element& e : kElements) {
    SCOPED_TRACE(std::string(e.symb));
    if (e.numb >= 106) {
      EXPECT_EQ(e.elec, " ");
    } else {
      EXPECT_TRUE(std::regex_match(std::string(e.elec), config)) << '"' << e.elec << '"';
    }
  }
}

TEST(ElementTable, GridPlacesAreDistinctAndInsideTheGrid) {
  std::set<std::pair<int, int>> places;
  for (const Element& e : kElements) {
    SCOPED_TRACE(std::string(e.symb));
    EXPECT_GE(e.row, 1);
    EXPECT_LE(e.row, kGridRows);
    EXPECT_GE(e.column, 1);
    EXPECT_LE(e.column, kGridColumns);
    EXPECT_TRUE(places.insert({e.row, e.column}).second);
  }
}

// Row of each element worked out from the periods, independent of the table.
int expectedRow(int z) {
  if (z >= 57 && z <= 71) return 8;
  if (z >= 89 && z <= 103) return 9;
  const int lastOfPeriod[] = {2, 10, 18, 36, 54, 86, 118};
  int row = 1;
  while (z > lastOfPeriod[row - 1]) ++row;
  return row;
}

TEST(ElementTable, RowsFollowThePeriodsAndColumnsGrowWithTheNumber) {
  int lastColumn[kGridRows + 1] = {};
  for (const Element& e : kElements) {
    SCOPED_TRACE(std::string(e.symb));
    EXPECT_EQ(e.row, expectedRow(e.numb));
    EXPECT_GT(e.column, lastColumn[e.row]);
    lastColumn[e.row] = e.column;
  }
}

TEST(ElementTable, GroupsAndTheSeparateRowsSitWhereTheyBelong) {
  struct Case {
    int numb, row, column;
  };
  const Case cases[] = {
      {1, 1, 1},   {2, 1, 18}, {3, 2, 1},    {5, 2, 13},  {10, 2, 18}, {21, 4, 3},
      {36, 4, 18}, {56, 6, 2}, {57, 8, 4},   {71, 8, 18}, {72, 6, 4},  {86, 6, 18},
      {88, 7, 2},  {89, 9, 4}, {103, 9, 18}, {104, 7, 4}, {109, 7, 9},
  };
  for (const Case& c : cases) {
    const Element& e = kElements[c.numb - 1];
    EXPECT_EQ(e.row, c.row) << e.symb;
    EXPECT_EQ(e.column, c.column) << e.symb;
  }
  // The lanthanide and actinide rows each fill columns 4 to 18 without a gap.
  for (int row : {8, 9}) {
    std::set<int> columns;
    for (const Element& e : kElements) {
      if (e.row == row) columns.insert(e.column);
    }
    EXPECT_EQ(columns.size(), 15u);
    EXPECT_EQ(*columns.begin(), 4);
    EXPECT_EQ(*columns.rbegin(), 18);
  }
}

TEST(ElementTable, FindElementMatchesTheExactSymbol) {
  struct Case {
    const char* symbol;
    int numb;  // 0: not found
  };
  const Case cases[] = {
      {"V", 23},   {"Va", 0}, {"v", 0},  {"H", 1},      {"Une", 109}, {"Co", 27},
      {"CO", 0},   {"co", 0}, {"", 0},   {" H", 0},     {"H ", 0},    {"Unh", 106},
      {"Ha", 105}, {"Db", 0}, {"Xx", 0}, {"Oxygen", 0}, {"I", 53},    {"In", 49},
  };
  for (const Case& c : cases) {
    const Element* e = findElement(c.symbol);
    if (c.numb == 0) {
      EXPECT_EQ(e, nullptr) << '"' << c.symbol << '"';
    } else {
      ASSERT_NE(e, nullptr) << c.symbol;
      EXPECT_EQ(e->numb, c.numb) << c.symbol;
      EXPECT_EQ(e->symb, c.symbol);
    }
  }
}

TEST(ElementTable, EveryRecordIsFoundBySymbol) {
  for (const Element& e : kElements) EXPECT_EQ(findElement(e.symb), &e) << e.symb;
}

}  // namespace
}  // namespace zova
