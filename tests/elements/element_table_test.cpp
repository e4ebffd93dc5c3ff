// Walks the element table for complete, unique and sane rows, and checks the
// lookup by symbol.
#include "elements/element_table.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "engine/convert.h"

namespace zova {
namespace {

// The row of element z worked out from the periods, independent of the table.
int expectedRow(int z) {
  if (z >= 57 && z <= 71) return 8;
  if (z >= 89 && z <= 103) return 9;
  const int lastOfPeriod[] = {2, 10, 18, 36, 54, 86, 118};
  int row = 1;
  while (z > lastOfPeriod[row - 1]) ++row;
  return row;
}

TEST(ElementTable, RecordsAreCompleteUniqueSaneAndFoundBySymbol) {
  const std::regex symbol("[A-Z][a-z]{0,2}");
  const std::regex config("[1-7][spdf][0-9]{1,2}(  [1-7][spdf][0-9]{1,2})*");
  std::set<std::string_view> symbols, names, tiles;
  std::map<int, std::set<int>> columns;  // by row
  for (std::size_t i = 0; i < kElements.size(); ++i) {
    const Element& e = kElements[i];
    SCOPED_TRACE(std::string(e.symbol));
    EXPECT_EQ(e.number, static_cast<int>(i) + 1);
    EXPECT_TRUE(std::regex_match(std::string(e.symbol), symbol));
    EXPECT_TRUE(!e.name.empty() && names.insert(e.name).second);
    EXPECT_TRUE(symbols.insert(e.symbol).second && tiles.insert(e.tile).second);
    EXPECT_EQ(e.tile, e.symbol == "V" ? "Va" : e.symbol);  // vanadium's tile is "Va"
    EXPECT_EQ(findElement(e.symbol), &e);
    // The whole mass text must read as a number, not just a prefix of it; a nucleus
    // weighs at least one mass unit per proton and, up to 109, less than 2.6.
    const std::optional<Decimal> m = textToNumber(e.mass, NumberLocale{});
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(parseNumber(e.mass), *m);
    EXPECT_TRUE(*m >= e.number && *m < 2.6_dec * e.number) << e.mass;
    // Subshells two blanks apart; none known from 106 on.
    EXPECT_TRUE(e.number >= 106 ? e.electrons == " "
                                : std::regex_match(std::string(e.electrons), config));
    // Rows follow the periods, columns grow with the number inside the grid.
    EXPECT_EQ(e.row, expectedRow(e.number));
    EXPECT_TRUE(e.column >= 1 && e.column <= kGridColumns) << e.column;
    EXPECT_TRUE(columns[e.row].empty() || *columns[e.row].rbegin() < e.column);
    columns[e.row].insert(e.column);
  }
  EXPECT_EQ(kElements.size(), 109u);
  EXPECT_EQ(kElements[0].column, 1);
  for (const int z : {2, 10, 18, 36, 54, 86}) {
    EXPECT_EQ(kElements[z - 1].column, kGridColumns) << z;  // noble gases end their period
    EXPECT_EQ(kElements[z].column, 1) << z + 1;
  }
  for (const int row : {8, 9})  // the separate rows fill columns 4 to 18
    EXPECT_EQ(columns[row], (std::set<int>{4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
  for (const char* miss : {"Va", "v", "CO", "co", "", " H", "H ", "Db", "Oxygen"})
    EXPECT_EQ(findElement(miss), nullptr) << '"' << miss << '"';  // the exact symbol only
}

}  // namespace
}  // namespace zova
