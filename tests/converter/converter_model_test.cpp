// The converter panel driven through its operations: categories, the constants
// library, the list drop-downs, and what the Convert button puts on the display.
#include "converter/converter_model.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "converter/constant_table.h"

namespace zova {
namespace {

const NumberLocale kDot{".", ","};
const NumberLocale kComma{",", "."};

// Runs "|"-separated actions: a category ("Length" ... "Temp"), "Constants",
// "open-from", "open-to", "from=TEXT", "to=TEXT", "hide" (the markers), "#TEXT"
// (the display becomes TEXT) and "go", which converts the display and shows the result,
// or, when the model refuses to convert, "beep:" and the display left as it was.
std::string run(ConverterModel& m, std::string display, const std::string& script,
                const NumberLocale& loc = kDot) {
  using M = ConverterModel;
  static const std::map<std::string, void (M::*)()> kButtons{{"Constants", &M::showConstants},
                                                             {"open-from", &M::dropDownFrom},
                                                             {"open-to", &M::dropDownTo},
                                                             {"hide", &M::hideMarkers}};
  std::istringstream in(script);
  for (std::string t; std::getline(in, t, '|');) {
    if (kButtons.contains(t)) {
      (m.*kButtons.at(t))();
    } else if (t.starts_with("from=") || t.starts_with("to=")) {
      (t[0] == 'f' ? m.setFromText(t.substr(5)) : m.setToText(t.substr(3)));
    } else if (t.starts_with("#")) {
      display = t.substr(1);
    } else if (t == "go") {
      display = m.canConvert() ? m.convert(display, loc) : "beep:" + display;
    } else if (!m.chooseCategory(t)) {
      ADD_FAILURE() << "unknown action " << t;
    }
  }
  return display;
}

// The list opened last, the mode, the two markers and the captions.
std::string mode(const ConverterState& s) {
  const char* opened = !s.openedLast ? "" : s.openedLast == ConverterList::kFrom ? "from" : "to";
  return opened + std::string(s.constantsLibrary ? " library " : " units ") +
         (s.fromMarkerVisible ? "x" : "-") + (s.toMarkerVisible ? "x" : "-") + " " +
         s.convertCaption + "/" + s.fromCaption + "/" + s.toCaption;
}

TEST(ConverterModel, ConvertButtonShows) {
  // clang-format off
  struct Case {
    const char *display, *script, *expected;
    bool comma = false;
  } const kCases[] = {
      // exact sizes give exact conversions
      {"1", "Area|from=acres|to=square feet|go", "43560"},
      {"1", "Weight|from=U.S. tons|to=ounces|go", "32000"},
      {"1", "Pressure|from=atmospheres|to=mm Hg|go", "760"},
      {"1", "Pressure|from=psi|to=in H2O|go", "27.707592401416"},  // in H2O is 248.84 Pa
      {"1", "Energy|from=BTUs|to=calories|go", "251.995761111111"},
      {"-2", "Volume|from=litres|to=cubic centimeters|go", "-2000"},
      {"5", "Length|open-from|go", "16.4041994750656"},  // a list opened outside the library
      // a text that is no entry of its list is refused, whatever it names; lookup is exact
      {"1", "Length|to=grams|go", "beep:1"},
      {"5", "Length|from=c: speed of light (m/s)|go", "beep:5"},
      {"5", "go", "beep:5"},  // before any category both lists are empty
      // temperatures go through degrees Celsius
      {"100", "Temp|go", "212"},
      {"98.6", "Temp|from=degrees Farenheit|to=degrees Celsius|go", "37"},
      {"0", "Temp|from=Kelvins|to=degrees Rankine|go", "0"},  // exactly, in decimal
      // Celsius to Celsius shows the display's own text, whatever it is
      {"ERROR", "Temp|to=degrees Celsius|go", "ERROR"},
      {"12,5", "Temp|to=degrees Celsius|go", "12,5", true},
      {"12abc", "Length|go", "ERROR"},  // failures
      {"1E+308", "Length|from=meters|to=millimeters|go", "ERROR"}, {"1E+308", "Temp|go", "ERROR"},
      // in the constants library the list opened last gives the value
      {"5", "Constants|open-from|from=c: speed of light (m/s)|go", "299792458"},
      {"5", "Constants|open-to|from=c: speed of light (m/s)|to=dielectric constant|go", "11.9"},
      {"5", "Constants|open-to|to=Bohr radius (nm)|from=hecto (h): 10^2|go", "0.0529177249"},
      // opened last but empty: what eq2 held before, here nothing
      {"5", "Constants|open-to|from=c: speed of light (m/s)|go", ""},
      {"5", "Constants|open-to|to=Vm: molar volume (/(lb*mol))|go|open-from|open-to|to=|"
       "from=milli (m): 10^-3|go", "359.0394"},
      // the values stored before a failure stay; a To temperature stores none; a unit's
      // value is its factor, the units in one base unit
      {"ERROR", "Length|go|Constants|open-to|go", "3.28083989501312"},
      {"ERROR", "Length|go|Temp|from=degrees Farenheit|go|Constants|open-from|go", "1"},
      {"100", "Temp|go|Constants|open-from|go", "100"},
      {"5", "Length|go|#212|Temp|from=degrees Farenheit|go|Constants|open-to|go",
       "3.28083989501312"},
      // no list opened yet: the general conversion of the display "1"
      {"5", "Constants|from=c: speed of light (m/s)|to=c: speed of light (ft/s)|go",
       "3.28083989357731"},
      {"5", "Constants|go", "ERROR"},
      // numbers are read in the form the calculator writes in the locale, or as typed
      {"2,5", "Length|from=inches|to=centimeters|go", "6,35", true},
      {"1.234", "Temp|from=degrees Farenheit|to=Kelvins|go", "256,057777777778", true},
      {"5", "Constants|open-from|from=Bohr radius (nm)|go", "0,0529177249", true},
  };
  // clang-format on
  for (const auto& c : kCases) {
    ConverterModel m;
    EXPECT_EQ(run(m, c.display, c.script, c.comma ? kComma : kDot), c.expected)
        << c.display << " with " << c.script;
  }
}

// Converting there and back returns the number (to the 15 digits shown).
TEST(ConverterModel, RoundTripsWithinEveryCategory) {
  for (const CategoryRow& row : categoryRows()) {
    for (const std::string& a : categoryEntries(row.category)) {
      for (const std::string& b : categoryEntries(row.category)) {
        ConverterModel m;
        const std::string there =
            run(m, "7.25", std::string(row.action) + "|from=" + a + "|to=" + b + "|go");
        const std::string back = run(m, there, "from=" + b + "|to=" + a + "|go");
        EXPECT_NEAR(std::stod(back), 7.25, 1e-12) << a << " -> " << b << " -> " << a;
      }
    }
  }
}

// The library fills the lists with nothing chosen; its markers follow the list opened last.
TEST(ConstantsLibrary, ListsAndMarkers) {
  ConverterModel m;
  EXPECT_EQ(mode(m.state()), " units -- &Convert/From:/To:");  // the start
  run(m, "1", "Length|go|Constants");
  std::vector<std::string> si, eng;
  for (const ConstantRow& row : siConstants()) si.emplace_back(row.text);
  for (const ConstantRow& row : engConstants()) eng.emplace_back(row.text);
  EXPECT_EQ(m.state().fromList, (ComboList{si, ""}));
  EXPECT_EQ(m.state().toList, (ComboList{eng, ""}));
  const std::pair<const char*, const char*> kSteps[] = {
      {"", " library -- Use &Constant/S.I./Eng."},
      {"open-from|Length", "from units -- &Convert/From:/To:"},
      {"Constants|open-from", "from library x- Use &Constant/S.I./Eng."},
      {"open-to|Constants", "to library -x Use &Constant/S.I./Eng."},
      {"hide", "to library -- Use &Constant/S.I./Eng."},
      {"open-from|Weight|open-to", "to units -- &Convert/From:/To:"},
  };
  for (const auto& [step, expected] : kSteps) {
    run(m, "", step);
    EXPECT_EQ(mode(m.state()), expected) << step;
  }
  EXPECT_FALSE(m.chooseCategory("Temperature"));
}

}  // namespace
}  // namespace zova
