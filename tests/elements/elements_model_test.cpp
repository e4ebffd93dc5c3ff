// Drives the periodic table window's model: hovering tiles, clicking the shown
// number and mass, and molar masses of dropped formulas with their counts.
#include "elements/elements_model.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace zova {
namespace {

// Runs blank-separated steps in the command line's notation: "drop2=H" (hover H,
// then drop it on slot 2), "drop2" (drop whatever is shown), "count1=2", "index=2",
// "clear", "unload". An empty value is written "count1=".
void run(ElementsModel& m, const std::string& script) {
  std::istringstream in(script);
  for (std::string step; in >> step;) {
    const auto eq = step.find('=');
    const std::string name = step.substr(0, eq),
                      arg = step.substr(std::min(eq, step.size() - 1) + 1);
    const std::optional<Slot> slot = slotNumbered(name.back() - '0');
    if (name == "clear") {
      m.clearFormula();
    } else if (name == "unload") {
      m.windowClosed();
    } else if (name == "index") {
      m.setMultiplier(arg);
    } else if (name.starts_with("count")) {
      m.setCount(slot.value(), arg);
    } else if (eq == std::string::npos) {
      m.dragDrop(slot.value());
    } else {
      ASSERT_TRUE(m.dropSymbol(slot.value(), arg)) << step;
    }
  }
}

// Nothing to click before the first hover; an unknown symbol leaves the last element shown.
TEST(ElementsModel, HoverFillsTheInformationArea) {
  ElementsModel m;
  EXPECT_FALSE(m.useAtomicNumber() || m.useAtomicMass() || m.useMolarMass());
  EXPECT_FALSE(m.state().info.valuesShown || m.state().molarShown || m.state().clearShown);
  m.hover(*findElement("V"));  // vanadium's tile is "Va", its symbol "V"
  for (const char* bad : {"", "Xx", "Va", "he", "Helium"})
    EXPECT_FALSE(m.hoverSymbol(bad) || m.dropSymbol(Slot::kFirst, bad)) << bad;
  const InfoArea& a = m.state().info;
  EXPECT_EQ(a.symbol + a.numberCaption + *m.useAtomicNumber() + a.massCaption + *m.useAtomicMass(),
            "VAtomic Number...............23Atomic Mass...................50.9415");
  EXPECT_FALSE(m.state().molarShown || !a.valuesShown);
}

TEST(ElementsModel, MolarMass) {
  struct Case {
    const char* script;
    const char* molar;        // nullptr: the result line is hidden; "": no mass, a box is marked
    const char* symbols;      // the four slot captions, each followed by "|"
    const char* marked = "";  // the marked boxes, each followed by " "
  } const kCases[] = {
      {"drop1=H count1=2 drop2=O", "18.01528", "H|O|||"},
      {"drop4=He", "4.0026", "|||He|"},  // alone, an element gives its mass less trailing zeros
      {"drop1=H count1=2 drop2=O index=2", "36.03056", "H|O|||"},
      {"count1=3", "0", "||||"},                         // an edit before any drop
      {"drop1=H count1=2 drop1=O", "31.9988", "O||||"},  // a drop replaces the slot
      {"drop1=H index=", "0", "H||||"},
      {"drop1=O index=1E308", "ERROR", "O||||"},
      {"drop1=O count1=1E308 drop2=O count2=1E308", "ERROR", "O|O|||"},
      {"drop1=H drop2=O clear", nullptr, "||||"},
      // Clear zeroes the masses and keeps counts, multiplier and the element shown
      {"drop1=H clear count1=2", "0", "||||"},
      {"drop1=H count1=2 drop2=O count2=7 index=3 clear drop2=C", "252.231", "|C|||"},
      {"drop1=H count1=2 unload", nullptr, "||||"},
      {"drop1", "0", "||||"},
      // a box is a number of 0 or more, "." or the locale's decimal symbol, or empty (0)
      {"drop1=H count1=-5 drop2=O", "", "H|O|||", "count1 "},
      {"drop1=H index=-1", "", "H||||", "index "},
      {"count2=2x count3=&H10 count4=FF index=abc", "", "||||", "count2 count3 count4 index "},
      {"drop1=H count1=2x count1=2", "2.01588", "H||||"},
      {"drop1=H count1=+1.5e+1 count2= drop3=O count3=0.5", "23.1188", "H||O||"},
      {"drop1=H count1=1E999", "", "H||||", "count1 "},
      {"drop1=H count1=. count2=1E", "", "H||||", "count1 count2 "},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.script);
    ElementsModel m;
    run(m, c.script);
    const ElementsState& s = m.state();
    std::string symbols;
    for (const FormulaSlot& f : s.formula) symbols += f.symbol + "|";
    EXPECT_EQ(symbols, c.symbols);
    std::string marked;
    for (int i = 0; i < kSlotCount; ++i)
      if (s.formula[i].badCount) marked += "count" + std::to_string(i + 1) + " ";
    EXPECT_EQ(marked + (s.badMultiplier ? "index " : ""), c.marked);
    const bool shown = c.molar && *c.molar;
    EXPECT_TRUE(s.molarShown == shown && s.clearShown == (c.molar != nullptr));
    const bool failed = shown && std::string(c.molar) == "ERROR";
    EXPECT_EQ(s.molarCaption + s.molarUnit, !shown   ? ""
                                            : failed ? "\xC2\xB5 = "
                                                     : "\xC2\xB5 = g/mol");
    EXPECT_EQ(m.useMolarMass(), shown ? std::optional<std::string>(c.molar) : std::nullopt);
  }
}

TEST(ElementsModel, DropStoresTheMassWithADecimalPointAndResultsFollowTheLocale) {
  ElementsModel m;
  m.hover({"O", "Oxygen", "15,9994", 8, "2p4", 2, 16, "O"});  // as a localized table would show it
  m.dragDrop(Slot::kSecond);
  EXPECT_EQ(m.state().info.mass, "15.9994");
  EXPECT_EQ(m.state().formula[1].mass, Value("15.9994"));
  EXPECT_EQ(m.useMolarMass(), "15.9994");
  ElementsModel c(NumberLocale{",", "."});
  run(c, "drop1=H count1=2 drop2=O count2=0,5");  // both decimal symbols count
  EXPECT_EQ(c.useMolarMass(), "10,01558");
  run(c, "count2=1.0");
  EXPECT_EQ(c.useMolarMass(), "18,01528");
  EXPECT_EQ(c.useAtomicNumber(), "8");
  EXPECT_EQ(c.useAtomicMass(), "15.9994");  // the table's text, unchanged
  c.setLocale(NumberLocale{});
  c.setMultiplier("2");
  EXPECT_EQ(c.useMolarMass(), "36.03056");
}

}  // namespace
}  // namespace zova
