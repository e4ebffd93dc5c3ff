// Drives the periodic table window's model: hovering tiles, clicking the shown
// number and mass, and molar masses of dropped formulas with their counts.
#include "elements/elements_model.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

namespace zova {
namespace {

// Runs blank-separated steps in the command line's notation: "hover=O", "drop2=H"
// (hover, then drop on slot 2), "drop2" (drop whatever is shown), "count1=2",
// "index=2", "clear", "unload". An empty value is written "count1=".
void run(ElementsModel& m, const std::string& script) {
  std::istringstream in(script);
  std::string step;
  while (in >> step) {
    const auto eq = step.find('=');
    const std::string name = step.substr(0, eq);
    const std::string arg = eq == std::string::npos ? "" : step.substr(eq + 1);
    const auto slot = [&] { return *slotNumbered(name.back() - '0'); };
    if (name == "hover") {
      ASSERT_TRUE(m.hoverSymbol(arg)) << step;
    } else if (name.starts_with("drop") && eq != std::string::npos) {
      ASSERT_TRUE(m.dropSymbol(slot(), arg)) << step;
    } else if (name.starts_with("drop")) {
      m.dragDrop(slot());
    } else if (name.starts_with("count")) {
      m.setCount(slot(), arg);
    } else if (name == "index") {
      m.setIndex(arg);
    } else if (name == "clear") {
      m.ClearIt_Click();
    } else if (name == "unload") {
      m.Form_Unload();
    } else {
      FAIL() << "unknown step " << step;
    }
  }
}

std::string slotSymbols(const ElementsState& s) {
  std::string out;
  for (const FormulaSlot& f : s.formula) out += f.symbol + "|";
  return out;
}

TEST(ElementsModel, StartsWithEmptyAreaAndNoResult) {
  ElementsModel m;
  const ElementsState& s = m.state();
  EXPECT_EQ(s.info.label1 + s.info.label2 + s.info.label3, "");
  EXPECT_EQ(s.info.symbol + s.info.name + s.info.number + s.info.mass + s.info.electrons, "");
  EXPECT_FALSE(s.info.valuesShown);
  EXPECT_EQ(m.AtomicNumber_Click(), std::nullopt);
  EXPECT_EQ(m.AtomicMass_Click(), std::nullopt);
  EXPECT_EQ(m.Molar_Click(), std::nullopt);
  EXPECT_FALSE(s.molarShown);
  EXPECT_FALSE(s.clearShown);
  EXPECT_EQ(s.index, "1");
  for (const FormulaSlot& f : s.formula) {
    EXPECT_EQ(f.count, "1");
    EXPECT_EQ(f.symbol, "");
    EXPECT_TRUE(f.mass.isEmpty());
  }
}

TEST(ElementsModel, HoverFillsTheInformationArea) {
  struct Case {
    const char* symbol;
    const char* name;
    const char* number;
    const char* mass;
    const char* electrons;
  };
  const Case cases[] = {
      {"O", "Oxygen", "8", "15.9994", "2p4"},
      {"Mg", "Magnesium", "12", "24.3050", "3s2"},
      {"Tc", "Technetium", "43", "98", "4d5  5s2"},
      {"Unh", "Unnilhexium", "106", "263", " "},
      {"V", "Vanadium", "23", "50.9415", "3d3  4s2"},
      {"He", "Helium", "2", "4.00260", "1s2"},
      {"Lu", "Lutetium", "71", "174.967", "5d1  4f14  6s2"},
  };
  for (const Case& c : cases) {
    ElementsModel m;
    ASSERT_TRUE(m.hoverSymbol(c.symbol));
    const InfoArea& a = m.state().info;
    EXPECT_EQ(a.label1, "Atomic Number...............");
    EXPECT_EQ(a.label2, "Atomic Mass...................");
    EXPECT_EQ(a.label3, "Electron Configuration.....");
    EXPECT_EQ(a.symbol, c.symbol);
    EXPECT_EQ(a.name, c.name);
    EXPECT_EQ(a.number, c.number);
    EXPECT_EQ(a.mass, c.mass);
    EXPECT_EQ(a.electrons, c.electrons);
    EXPECT_TRUE(a.valuesShown);
    // The clicks hand the shown texts to the main display.
    EXPECT_EQ(m.AtomicNumber_Click(), c.number);
    EXPECT_EQ(m.AtomicMass_Click(), c.mass);
  }
}

TEST(ElementsModel, VanadiumsTileShowsItsSymbol) {
  const Element* v = findElement("V");
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->tile, "Va");
  ElementsModel m;
  m.hover(*v);
  EXPECT_EQ(m.state().info.symbol, "V");
}

TEST(ElementsModel, UnknownSymbolLeavesTheLastElementShown) {
  ElementsModel m;
  run(m, "hover=He");
  for (const char* bad : {"", "Xx", "Va", "he", "Helium"}) {
    EXPECT_FALSE(m.hoverSymbol(bad)) << bad;
    EXPECT_FALSE(m.dropSymbol(Slot::First, bad)) << bad;
  }
  EXPECT_EQ(m.state().info.symbol, "He");
  EXPECT_EQ(m.AtomicMass_Click(), "4.00260");
  EXPECT_EQ(m.AtomicNumber_Click(), "2");
  EXPECT_FALSE(m.state().molarShown);
  EXPECT_EQ(m.state().formula[0].symbol, "");
}

TEST(ElementsModel, EveryElementAloneGivesItsMassWithoutTrailingZeros) {
  for (const Element& e : kElements) {
    ElementsModel m;
    m.hover(e);
    m.dragDrop(Slot::Third);
    // Expected text worked out from the table's text: drop trailing zeros and dot.
    std::string mass(e.mass);
    if (mass.find('.') != std::string::npos) {
      while (mass.back() == '0') mass.pop_back();
      if (mass.back() == '.') mass.pop_back();
    }
    EXPECT_EQ(m.Molar_Click(), mass) << e.symb;
    EXPECT_EQ(m.AtomicNumber_Click(), std::to_string(e.numb));
    EXPECT_EQ(m.state().formula[2].symbol, e.symb);
  }
}

struct Case {
  const char* what;
  const char* script;
  const char* molar;    // nullptr: the result line is hidden
  const char* symbols;  // the four slot captions, each followed by "|"
};

const Case kCases[] = {
    {"water", "drop1=H count1=2 drop2=O", "18.01528", "H|O|||"},
    {"water counted first", "count1=2 count2=1 drop1=H drop2=O", "18.01528", "H|O|||"},
    {"water twice", "drop1=H count1=2 drop2=O index=2", "36.03056", "H|O|||"},
    {"glucose", "drop1=C drop2=H drop3=O count1=6 count2=12 count3=6", "180.15768", "C|H|O||"},
    {"salt", "drop1=Na drop2=Cl count1=1 count2=1", "58.4425", "Na|Cl|||"},
    {"magnesium loses its trailing zero", "drop1=Mg", "24.305", "Mg||||"},
    {"fourth slot alone", "drop4=Une count4=2", "532", "|||Une|"},
    {"same element twice", "drop1=H drop2=H", "2.01588", "H|H|||"},
    {"edit before any drop", "count1=3", "0", "||||"},
    {"multiplier before any drop", "index=5", "0", "||||"},
    {"drop replaces the slot", "drop1=H count1=2 drop1=O", "31.9988", "O||||"},
    {"count with trailing letter", "drop1=O count1=2x", "31.9988", "O||||"},
    {"hexadecimal count", "drop1=H count1=&H10", "16.12704", "H||||"},
    {"letters count nothing", "drop1=H drop2=O count2=abc", "1.00794", "H|O|||"},
    {"empty count counts nothing", "drop1=H drop2=O count2=", "1.00794", "H|O|||"},
    {"fractional count", "drop1=O count1=.5", "7.9997", "O||||"},
    {"negative count", "drop1=H count1=-1", "-1.00794", "H||||"},
    {"empty multiplier", "drop1=H index=", "0", "H||||"},
    {"large but finite", "drop1=H index=1E300", "1.00794E+300", "H||||"},
    {"clear hides result", "drop1=H drop2=O clear", nullptr, "||||"},
    {"clear keeps counts", "drop1=H count1=2 drop2=O clear drop1=C", "24.022", "C||||"},
    {"clear keeps multiplier", "drop1=H index=3 clear drop2=O", "47.9982", "|O|||"},
    {"edit after clear", "drop1=H clear count1=2", "0", "||||"},
    {"unload empties the formula", "drop1=H count1=2 unload", nullptr, "||||"},
    {"unload then drop", "drop1=H count1=2 unload drop2=He", "4.0026", "|He|||"},
    {"drop takes the hovered element", "hover=C drop2", "12.011", "|C|||"},
    {"drop with nothing hovered", "drop1", "0", "||||"},
    {"overflow", "drop1=O index=1E308", "ERROR", "O||||"},
    {"overflow of a count", "drop1=O count1=1E308", "ERROR", "O||||"},
    {"opposite overflows", "drop1=O count1=1E308 drop2=O count2=-1E308", "ERROR", "O|O|||"},
    {"usable after overflow", "drop1=O index=1E308 index=1", "15.9994", "O||||"},
    {"clear after overflow", "drop1=O index=1E308 clear drop1=H index=1", "1.00794", "H||||"},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what << ": " << c.script; }

class MolarMass : public testing::TestWithParam<Case> {};

TEST_P(MolarMass, ShowsTheFormulasMass) {
  const Case& c = GetParam();
  ElementsModel m;
  run(m, c.script);
  const ElementsState& s = m.state();
  EXPECT_EQ(slotSymbols(s), c.symbols);
  if (c.molar == nullptr) {
    EXPECT_FALSE(s.molarShown);
    EXPECT_FALSE(s.clearShown);
    EXPECT_EQ(s.label4, "");
    EXPECT_EQ(s.label5, "");
    EXPECT_EQ(m.Molar_Click(), std::nullopt);
  } else {
    EXPECT_TRUE(s.molarShown);
    EXPECT_TRUE(s.clearShown);
    EXPECT_EQ(s.label4, "\xC2\xB5 = ");
    EXPECT_EQ(s.label5, "g/mol");
    EXPECT_EQ(s.molar, c.molar);
    EXPECT_EQ(m.Molar_Click(), c.molar);
  }
}

INSTANTIATE_TEST_SUITE_P(Formulas, MolarMass, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                           std::string name;
                           for (const char* p = info.param.what; *p; ++p) {
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           }
                           return name;
                         });

TEST(ElementsModel, ClearKeepsCountsAndMultiplierAndZeroesTheMasses) {
  ElementsModel m;
  run(m, "drop1=H count1=2 drop2=O count2=7 count4=x index=3 clear");
  const ElementsState& s = m.state();
  EXPECT_EQ(s.formula[0].count, "2");
  EXPECT_EQ(s.formula[1].count, "7");
  EXPECT_EQ(s.formula[2].count, "1");
  EXPECT_EQ(s.formula[3].count, "x");
  EXPECT_EQ(s.index, "3");
  for (const FormulaSlot& f : s.formula) EXPECT_EQ(f.mass, Value(0));
  // The information area is not part of the formula.
  EXPECT_EQ(s.info.symbol, "O");
}

TEST(ElementsModel, DropStoresTheMassTextWithADecimalPoint) {
  ElementsModel m;
  // A mass written with a decimal comma, as a localized table would show it.
  m.Assign("O", "Oxygen", "15,9994", 8, "2p4");
  m.dragDrop(Slot::Second);
  EXPECT_EQ(m.state().info.mass, "15.9994");
  EXPECT_EQ(m.state().formula[1].mass, Value("15.9994"));
  EXPECT_EQ(m.Molar_Click(), "15.9994");
}

TEST(ElementsModel, NumbersFollowTheLocaleDecimalSymbol) {
  ElementsModel m(NumberLocale{",", "."});
  run(m, "drop1=H count1=2 drop2=O");
  EXPECT_EQ(m.Molar_Click(), "18,01528");
  EXPECT_EQ(m.AtomicNumber_Click(), "8");
  EXPECT_EQ(m.AtomicMass_Click(), "15.9994");  // the table's text, unchanged
  m.setLocale(NumberLocale{});
  m.setIndex("2");
  EXPECT_EQ(m.Molar_Click(), "36.03056");
}

TEST(ElementsModel, SlotsAreNumberedOneToFour) {
  struct Case {
    int n;
    std::optional<Slot> slot;
  };
  const Case cases[] = {{0, std::nullopt}, {1, Slot::First},  {2, Slot::Second}, {3, Slot::Third},
                        {4, Slot::Fourth}, {5, std::nullopt}, {-1, std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(slotNumbered(c.n), c.slot) << c.n;
}

}  // namespace
}  // namespace zova
