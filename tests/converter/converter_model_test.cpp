// The converter panel driven through its operations: categories, the constants
// library, the list drop-downs, and what the Convert button puts on the display.
#include "converter/converter_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "converter/constant_table.h"

namespace zova {
namespace {

const NumberLocale kDot{".", ","};
const NumberLocale kComma{",", "."};

// Runs command-line style actions ("Length", "Constants", "open-from", "open-to",
// "from=TEXT", "to=TEXT", "go") separated by "|"; "go" converts `display` and
// keeps the result as the next display.
std::string run(ConverterModel& m, std::string display, const std::string& script,
                const NumberLocale& loc = kDot) {
  std::istringstream in(script);
  std::string token;
  while (std::getline(in, token, '|')) {
    if (token == "Constants") {
      m.Konstant_Click();
    } else if (token == "open-from") {
      m.Combo1_dropdown();
    } else if (token == "open-to") {
      m.Combo2_dropdown();
    } else if (token.rfind("from=", 0) == 0) {
      m.setCombo1Text(token.substr(5));
    } else if (token.rfind("to=", 0) == 0) {
      m.setCombo2Text(token.substr(3));
    } else if (token == "go") {
      display = m.OK_Click(display, loc);
    } else if (!m.categoryClick(token)) {
      ADD_FAILURE() << "unknown action " << token;
    }
  }
  return display;
}

struct Case {
  const char* display;
  const char* script;
  const char* expected;
};

void runCases(const Case* begin, const Case* end, const NumberLocale& loc = kDot) {
  for (const Case* c = begin; c != end; ++c) {
    ConverterModel m;
    EXPECT_EQ(run(m, c->display, c->script, loc), c->expected)
        << c->display << " with " << c->script;
  }
}

TEST(ConverterModel, ConvertsWithTheTablesFactorsMultiplyingFirst) {
  const Case kCases[] = {
      {"1", "Length|from=inches|to=centimeters|go", "2.53999999999726"},
      {"1", "Length|from=miles|to=kilometers|go", "1.60934400000086"},
      {"1", "Length|go", "3.28083989501"},  // the preselected meters -> feet
      {"1", "Length|from=feet|to=meters|go", "0.30480000000029"},
      {"1", "Length|from=feet|to=miles|go", "0.000189393939394018"},
      {"1", "Time|from=years|to=days|go", "365"},
      {"1", "Time|go", "30"},  // months -> days
      {"1", "Time|from=hours|to=minutes|go", "60"},
      {"1", "Time|from=minutes|to=seconds|go", "60"},
      {"1", "Weight|from=carats|to=grams|go", "0.2"},
      {"1", "Pressure|from=atmospheres|to=Pascals|go", "101325.000000001"},
      {"1000000", "Weight|from=grams|to=kilograms|go", "1000"},
      {"-2", "Volume|from=litres|to=cubic centimeters|go", "-2000"},
      {"0", "Energy|go", "0"},
      {"1E3", "Force|from=Dynes|to=Newtons|go", "0.01"},
      // The lists are not tied to a category: any two units convert by their factors.
      {"1", "Length|to=grams|go", "1"},
  };
  runCases(std::begin(kCases), std::end(kCases));
}

TEST(ConverterModel, Temperatures) {
  const Case kCases[] = {
      {"100", "Temp|go", "212"},
      {"98.6", "Temp|from=degrees Farenheit|to=degrees Celsius|go", "37"},
      {"0", "Temp|from=degrees Celsius|to=Kelvins|go", "273.15"},
      {"300", "Temp|from=Kelvins|to=degrees Celsius|go", "26.85"},
      {"-40", "Temp|go", "-40"},
      {"-40", "Temp|from=degrees Farenheit|to=degrees Celsius|go", "-40"},
      {"0", "Temp|from=degrees Celsius|to=degrees Rankine|go", "491.67"},
      {"491.67", "Temp|from=degrees Rankine|to=degrees Celsius|go", "0"},
      // Through degrees Celsius in doubles: 0 K is not exactly 0 R.
      {"0", "Temp|from=Kelvins|to=degrees Rankine|go", "5.6843418860808E-14"},
      {"32", "Temp|from=degrees Farenheit|to=Kelvins|go", "273.15"},
      // Celsius to Celsius shows the display's own text, whatever it is.
      {"ERROR", "Temp|to=degrees Celsius|go", "ERROR"},
      {"1.50", "Temp|to=degrees Celsius|go", "1.50"},
      {"12,5", "Temp|to=degrees Celsius|go", "12.5"},
      {"", "Temp|to=degrees Celsius|go", ""},
      // A unit on the From side counts as that many degrees Celsius.
      {"5", "Length|to=Kelvins|go", "274.15"},
      // Nothing ever looked up: an empty From value is 0 degrees Celsius.
      {"5", "to=Kelvins|go", "273.15"},
      {"5", "to=degrees Celsius|go", ""},
  };
  runCases(std::begin(kCases), std::end(kCases));
}

TEST(ConverterModel, FailuresShowError) {
  const Case kCases[] = {
      {"ERROR", "Length|go", "ERROR"},
      {"", "Length|go", "ERROR"},
      {"12abc", "Length|go", "ERROR"},
      {"ERROR", "Temp|from=degrees Farenheit|go", "ERROR"},
      {"ERROR", "Temp|from=Kelvins|to=degrees Celsius|go", "ERROR"},
      {"ERROR", "Temp|from=degrees Celsius|to=Kelvins|go", "ERROR"},
      // Before any category both lists are empty and the From value is 0.
      {"5", "go", "ERROR"},
      {"0", "go", "ERROR"},
      // Overflow of the product, and of the temperature arithmetic.
      {"1E+308", "Length|from=meters|to=millimeters|go", "ERROR"},
      {"1E+308", "Temp|from=degrees Farenheit|go", "ERROR"},
      {"1E+308", "Temp|go", "ERROR"},
      {"-1E+308", "Temp|from=Kelvins|to=degrees Rankine|go", "ERROR"},
  };
  runCases(std::begin(kCases), std::end(kCases));
}

TEST(ConverterModel, FailureKeepsWhatWasStoredBeforeIt) {
  ConverterModel m;
  EXPECT_EQ(run(m, "ERROR", "Length|go"), "ERROR");
  EXPECT_EQ(m.state().eq1, Value(1));
  EXPECT_EQ(m.state().eq2, Value(3.28083989501));
  EXPECT_EQ(m.state().unit1, Value("meters"));
  EXPECT_EQ(m.state().unit2, Value("feet"));
  // A From temperature that cannot be read leaves the From value alone.
  EXPECT_EQ(run(m, "ERROR", "Temp|from=degrees Farenheit|to=meters|go"), "ERROR");
  EXPECT_EQ(m.state().eq1, Value(1));
  EXPECT_EQ(m.state().unit1, Value("degrees Farenheit"));
}

TEST(ConverterModel, UnmatchedTextsKeepTheirSidesValue) {
  ConverterModel m;
  EXPECT_EQ(run(m, "1", "Length|from=feet|to=meters|go"), "0.30480000000029");
  // From names nothing: still feet. "Feet" is not "feet".
  EXPECT_EQ(run(m, "1", "from=Feet|go"), "0.30480000000029");
  EXPECT_EQ(run(m, "1", "from=|go"), "0.30480000000029");
  EXPECT_EQ(m.state().unit1, Value(""));
  // To names nothing: still meters, while From changes to miles.
  EXPECT_EQ(run(m, "1", "from=miles|to=furlongs|go"), "1609.34400000086");
  // A prefix is a From entry only.
  EXPECT_EQ(run(m, "1", "from=inches|to=kilo (k): 10^3|go"), "0.0253999999999726");
}

TEST(ConverterModel, FieldsAfterAConversion) {
  ConverterModel m;
  run(m, "100", "Temp|from=degrees Celsius|to=meters|go");
  EXPECT_EQ(m.state().eq1, Value("100"));  // the display's text, unconverted
  EXPECT_EQ(m.state().eq2, Value(1));
  run(m, "212", "Temp|from=degrees Farenheit|go");
  EXPECT_EQ(m.state().eq1, Value(100.0));
  EXPECT_EQ(m.state().eq2, Value(1));  // a To temperature sets no To value
}

TEST(ConverterModel, CategoryButtonsFillBothListsAndPreselect) {
  for (const CategoryRow& row : categoryRows()) {
    SCOPED_TRACE(row.action);
    ConverterModel m;
    m.Konstant_Click();
    m.Combo1_dropdown();
    ASSERT_TRUE(m.categoryClick(row.action));
    const ConverterState& s = m.state();
    EXPECT_EQ(s.combo1.items, categoryEntries(row.category));
    EXPECT_EQ(s.combo2.items, s.combo1.items);
    EXPECT_EQ(s.combo1.text, row.from);
    EXPECT_EQ(s.combo2.text, row.to);
    EXPECT_EQ(s.okCaption, "&Convert");
    EXPECT_EQ(s.frommCaption, "From:");
    EXPECT_EQ(s.tooCaption, "To:");
    EXPECT_EQ(s.ccchoice, Value(0));
    EXPECT_EQ(s.cchoice, Value(1));  // never reset
    EXPECT_FALSE(s.constant1Visible);
    EXPECT_FALSE(s.constant2Visible);
  }
  ConverterModel m;
  EXPECT_FALSE(m.categoryClick("Temperature"));
  EXPECT_TRUE(m.state().combo1.items.empty());
}

TEST(ConverterModel, StartsInUnitConversionWithEmptyFields) {
  ConverterModel m;
  const ConverterState& s = m.state();
  EXPECT_EQ(s.okCaption, "&Convert");
  EXPECT_EQ(s.frommCaption, "From:");
  EXPECT_EQ(s.tooCaption, "To:");
  EXPECT_TRUE(s.eq1.isEmpty() && s.eq2.isEmpty() && s.cchoice.isEmpty());
  EXPECT_TRUE(s.combo1.items.empty() && s.combo2.items.empty());
  EXPECT_FALSE(s.constant1Visible || s.constant2Visible);
}

// Converting there and back returns the number (to the 15 digits shown).
TEST(ConverterModel, RoundTripsWithinEveryCategory) {
  for (const CategoryRow& row : categoryRows()) {
    const std::vector<std::string> entries = categoryEntries(row.category);
    for (const std::string& a : entries) {
      for (const std::string& b : entries) {
        ConverterModel m;
        const std::string there =
            run(m, "7.25", std::string(row.action) + "|from=" + a + "|to=" + b + "|go");
        const std::string back = run(m, there, "from=" + b + "|to=" + a + "|go");
        EXPECT_NEAR(std::stod(back), 7.25, 1e-12) << a << " -> " << b << " -> " << a;
      }
    }
  }
}

TEST(ConstantsLibrary, KonstantFillsTheListsWithNothingChosen) {
  ConverterModel m;
  run(m, "1", "Length|go");
  m.Konstant_Click();
  const ConverterState& s = m.state();
  EXPECT_EQ(s.okCaption, "Use &Constant");
  EXPECT_EQ(s.frommCaption, "S.I.");
  EXPECT_EQ(s.tooCaption, "Eng.");
  EXPECT_EQ(s.ccchoice, Value(1));
  ASSERT_EQ(s.combo1.items.size(), siConstants().size());
  ASSERT_EQ(s.combo2.items.size(), engConstants().size());
  for (size_t i = 0; i < siConstants().size(); ++i) {
    EXPECT_EQ(s.combo1.items[i], siConstants()[i].text);
  }
  for (size_t i = 0; i < engConstants().size(); ++i) {
    EXPECT_EQ(s.combo2.items[i], engConstants()[i].text);
  }
  EXPECT_EQ(s.combo1.text, "");
  EXPECT_EQ(s.combo2.text, "");
  EXPECT_EQ(s.eq1, Value(1));  // left as they were
  EXPECT_EQ(s.eq2, Value(3.28083989501));
  EXPECT_TRUE(s.cchoice.isEmpty());
}

TEST(ConstantsLibrary, TheListOpenedLastGivesTheValue) {
  const Case kCases[] = {
      {"5", "Constants|open-from|from=c: speed of light (m/s)|go", "299792458"},
      {"5", "Constants|open-to|to=c: speed of light (ft/s)|go", "983571056"},
      {"5", "Constants|open-from|from=NA: Avogadro (/(g*mol))|go", "6.0221367E+23"},
      {"5", "Constants|open-from|from=nano (n): 10^-9|go", "1E-09"},
      {"5", "Constants|open-from|from=tera (T): 10^12|go", "1000000000000"},
      {"5", "Constants|open-from|from=photon frequency (Hz)|go", "241798830000000"},
      {"5", "Constants|open-from|from=q: electronic charge (C)|go", "1.6021773E-19"},
      {"5", "Constants|open-to|to=h:Planck's constant (Btu*h)|go", "1.7445299E-40"},
      {"ERROR", "Constants|open-to|to=permittivity (F/m)|go", "8.85418781761E-12"},
      // The other list's choice does not matter ...
      {"5", "Constants|open-to|from=c: speed of light (m/s)|to=dielectric constant|go", "11.9"},
      // ... nor does choosing without opening: the Eng. list was opened last.
      {"5", "Constants|open-to|to=Bohr radius (nm)|from=hecto (h): 10^2|go", "0.0529177249"},
      // Opened last but empty: what eq2 held before, here nothing at all.
      {"5", "Constants|open-to|from=c: speed of light (m/s)|go", ""},
      {"5", "Length|go|Constants|open-to|from=c: speed of light (m/s)|go", "3.28083989501"},
      {"5",
       "Constants|open-to|to=Vm: molar volume (/(lb*mol))|go|open-from|open-to|to=|"
       "from=milli (m): 10^-3|go",
       "359.0394"},
      // No list opened yet: the general conversion of the display "1".
      {"5", "Constants|from=c: speed of light (m/s)|to=c: speed of light (ft/s)|go",
       "3.28083989357731"},
      {"5", "Constants|go", "ERROR"},
      // A list opened while converting units only counts in the library.
      {"5", "Length|open-from|go", "16.40419947505"},
  };
  runCases(std::begin(kCases), std::end(kCases));
}

TEST(ConstantsLibrary, ConstantsAreFoundWhateverTheMode) {
  const Case kCases[] = {
      // A constant's text typed into a unit list: display "1", then the general formula.
      {"5", "Length|from=c: speed of light (m/s)|go", "1.09437039106901E-08"},
      {"5", "Length|from=c: speed of light (m/s)|to=meters|go", "3.33564095198152E-09"},
      {"5", "Length|to=dielectric constant|go", "11.9"},
      // The Eng. list's own texts are To entries only, the S.I. list's From entries only.
      {"5", "Length|go|from=c: speed of light (ft/s)|to=meters|go", "16.40419947505"},
  };
  runCases(std::begin(kCases), std::end(kCases));
}

TEST(ConstantsLibrary, MarkersFollowTheListOpenedLastInTheLibraryOnly) {
  ConverterModel m;
  m.Combo1_dropdown();
  EXPECT_EQ(m.state().cchoice, Value(1));
  EXPECT_FALSE(m.state().constant1Visible || m.state().constant2Visible);
  m.Konstant_Click();  // markers stay as they are
  EXPECT_FALSE(m.state().constant1Visible || m.state().constant2Visible);
  m.Combo1_dropdown();
  EXPECT_TRUE(m.state().constant1Visible);
  EXPECT_FALSE(m.state().constant2Visible);
  m.Combo2_dropdown();
  EXPECT_EQ(m.state().cchoice, Value(2));
  EXPECT_FALSE(m.state().constant1Visible);
  EXPECT_TRUE(m.state().constant2Visible);
  m.Konstant_Click();
  EXPECT_TRUE(m.state().constant2Visible);
  m.hideMarkers();
  EXPECT_FALSE(m.state().constant1Visible || m.state().constant2Visible);
  EXPECT_EQ(m.state().cchoice, Value(2));
  m.Combo1_dropdown();
  m.Weight_Click();
  EXPECT_FALSE(m.state().constant1Visible || m.state().constant2Visible);
  EXPECT_EQ(m.state().ccchoice, Value(0));
  m.Combo2_dropdown();
  EXPECT_FALSE(m.state().constant2Visible);
}

TEST(ConverterModel, CommaLocale) {
  const Case kCases[] = {
      {"1,5", "Length|from=meters|to=centimeters|go", "150"},
      {"2,5", "Length|from=inches|to=centimeters|go", "6,34999999999314"},
      {"98,6", "Temp|from=degrees Farenheit|to=degrees Celsius|go", "37"},
      {"0", "Temp|from=degrees Celsius|to=Kelvins|go", "273,15"},
      {"12,5", "Temp|to=degrees Celsius|go", "12.5"},
      {"5", "Constants|open-from|from=Bohr radius (nm)|go", "0,0529177249"},
      {"ERROR", "Length|go", "ERROR"},
  };
  runCases(std::begin(kCases), std::end(kCases), kComma);
}

}  // namespace
}  // namespace zova
