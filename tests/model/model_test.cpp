// The whole model through key sequences: the keyboard map, the panels wired
// to the display, the options dialog and the edit menu.
#include "model/model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/key_bindings.h"
#include "support/key_runner.h"

namespace zova {
namespace {

using testing::KeyRunner;

// One row per way a key press is handled. The characters + - * / = . act as the
// keypad's keys by what the key typed, before the key-code bindings; "," is the
// point only with a decimal comma.
TEST(KeyboardMap, PressesRunTheKeysOperations) {
  struct Case {
    const char* keys;
    const char* shown;
    int beeps;
    const char* decimal = ".";
  };
  const Case cases[] = {
      {"2,key:Shift+6,3,=", "8", 1},  // a symbol key presses its key, then the press beeps
      {"Base,key:A,key:B,key:C,key:D,key:E,key:F", "ABCDEF", 0},
      {"Base,6,inv,key:Shift+1,3,=", "5", 1},  // with inv the X! key is xor, also in hexadecimal
      {"Base,Base,Base,C,key:2", "", 0},       // the keyboard 2 empties "0" first
      {"Base,Base,Base,C,2", "0", 0},          // the on-screen key does not
      {"key:End,5", "0", 0},                   // the program ended
      {"key:Esc,3", "3", 0},                   // Esc hides the window; the next key still counts
      {"2,key:Ctrl+C,key:Ctrl+C,key:Ctrl+C", "2", 3},  // Ctrl or Alt never reach the keypad
      {"2,key:Ctrl+Shift+8,key:Alt+Plus,key:Ctrl+Plus", "2", 3},
      {"9,key:Minus,1,key:Slash,2,key:Plus,1,key:Equal", "9.5", 0},
      {"key:1,key:Comma,key:5", "15", 1},  // no decimal comma: no key
      {"key:1,key:Comma,key:5", "1,5", 0, ","},
  };
  for (const Case& c : cases) {
    KeyRunner run(NumberLocale{c.decimal, *c.decimal == ',' ? "." : ","});
    EXPECT_EQ(run.keys(c.keys), c.shown) << c.keys;
    EXPECT_EQ(run.tk.beeps, c.beeps) << c.keys;
  }
}

// Every binding of the key tables, typed as key:NAME, does what its key does when
// clicked: the keyboard map has no entries of its own.
TEST(KeyboardMap, EveryBindingReachesItsKeysOperation) {
  std::set<std::pair<int, int>> seen;
  for (const testing::BoundKey& b : testing::boundKeys()) {
    const std::string typed = "key:" + sequenceKeyName(b.binding);
    SCOPED_TRACE(b.step + " by " + typed);
    EXPECT_TRUE(seen.insert({b.binding.code, b.binding.shift}).second) << "bound twice";
    for (const char* before : {"2,+,3", "1,stat:enter,5,inv"}) {
      KeyRunner keyboard, mouse;
      keyboard.keys(before);
      mouse.keys(before);
      keyboard.keys(typed);
      if (b.run)
        (mouse.model.*b.run)();
      else
        mouse.keys(b.step);
      EXPECT_EQ(testing::keySnapshot(keyboard.model), testing::keySnapshot(mouse.model)) << before;
      // A shifted symbol's press beeps after pressing its key.
      EXPECT_EQ(keyboard.tk.beeps, mouse.tk.beeps + (b.binding.shift ? 1 : 0)) << before;
    }
  }
}

// Panel results and the options reach the display; a result ends the entry, so a
// digit after it starts a new one. The statistics Enter key refuses "ERROR" and
// numbers beyond the range of results; Stack enters results in decimal whatever the base.
TEST(Panels, ResultsAndOptionsReachTheDisplay) {
  const testing::Case cases[] = {
      {"5,stat:enter,stat:n,3", "3"},
      {"1,EXP,999,stat:enter,stat:n", "0"},
      {"Stack,1,EXP,999,=,1,÷,0,=,2,+,3,=,Base,X!,+,1,=,Base,Base,Base,stat:n", "2"},
      {"Stack,2,+,3,=,Base,X!,+,1,=,stat:sum", "21"},
      {"0.75,b/c,conv:Length,conv:from=meters,conv:to=centimeters,conv:go", "75"},
      {"0.75,b/c,conv:go", " 3/ 4"},                // no category: refused, the display stays
      {"elem:number", "0"},                         // nothing hovered yet: nothing to click
      {"opt:format=Fix,opt:places=,2,÷,3,=", "1"},  // empty is 0 places
      {"opt:format=Scientific,opt:places=1,12345,=", "1.2E+004"},
      {"opt:accuracy=low,3.14159265358979,b/c", " 208341/ 66317"},
      // a panel's number that reads as the last result is the panel's, not the hidden result
      {"opt:format=Fix,opt:places=0,5,÷,2,=,elem:hover=Li,elem:number,X,2,=", "6"},
  };
  testing::expectDisplays(cases);
}

// A pasted number, in the locale's form or else in the C form, reaches the display as a
// typed one: the locale's point, no grouping, no white space around; in another base only
// that base's digits. Any other text beeps and leaves the display as it was.
TEST(Paste, NumbersArriveInTheDisplaysOwnForm) {
  const NumberLocale us{".", ","}, de{",", "."};
  struct Case {
    const char* keys;
    NumberLocale loc;
    const char* shown;
    int beeps;
  } const cases[] = {
      {"menu:paste=1\\,234.5,+,1,=", us, "1235.5", 0},
      {"menu:paste=1.234,+,1,=", de, "1235", 0},  // the locale's form first
      {"menu:paste=-12\\,345.5E-2,=", us, "-123.455", 0},
      {"7,menu:paste=12abc,+,1,=", us, "8", 1},
      {"Base,menu:paste= ff ,+,1,=", us, "100", 0},
      {"Base,menu:paste=9a0,+,1,=", us, "9A1", 0},
      {"Base,Base,menu:paste=17,+,1,=", us, "20", 0},
      {"Base,menu:paste=123456789", us, "0", 1},  // more than the display's 32 bits
      // as many characters as an entry takes, then the number as a result shows it
      {"menu:paste=12345678901234567890123", us, "12345678901234567890123", 0},
      {"menu:paste=123456789012345678901234", us, "1.23456789012346E+23", 0},
  };
  for (const Case& c : cases) {
    KeyRunner run(c.loc);
    EXPECT_EQ(run.keys(c.keys), c.shown) << c.keys;
    EXPECT_EQ(run.tk.beeps, c.beeps) << c.keys;
  }
  KeyRunner run;
  run.tk.clipboardText = "\t1,234\r\n";
  run.model.menuPaste();
  EXPECT_EQ(run.keys("menu:copy"), "1234");
  EXPECT_EQ(run.tk.clipboardText, "1234");
}

TEST(Options, LoadCancelAndUnloadFollowTheDialogRules) {
  KeyRunner run;
  CalcState& s = run.state();
  s.fractionAccuracy = 3e-05_dec;  // none of the three buttons
  s.decimalPlaces = 0;
  s.format = NumberFormat::kScientific;
  OptionsDialog& d = run.model.options();
  const auto shown = [&d] {
    const auto& c = d.controls();
    return std::make_tuple(c.accuracy, c.format, c.placesEnabled, c.placesText, c.scroll,
                           c.radicals);
  };
  const auto start =
      std::make_tuple(Accuracy::kNone, NumberFormat::kScientific, true, "0", 0, false);
  run.model.openOptions();
  EXPECT_TRUE(d.controls().numberFormatTab);  // it opens on the Number Format tab
  EXPECT_EQ(shown(), start);
  d.selectFormat(NumberFormat::kStandard);
  d.setText("20");  // out of range puts back 2
  d.setRadicals(true);
  EXPECT_EQ(shown(),
            std::make_tuple(Accuracy::kNone, NumberFormat::kStandard, false, "2", 2, true));
  d.cancel(run.state());
  EXPECT_EQ(shown(), start);
  run.model.closeOptions();
  EXPECT_EQ(std::make_tuple(s.fractionAccuracy, s.format, s.decimalPlaces),
            std::make_tuple(3e-05_dec, NumberFormat::kScientific, Decimal(0)));
  d.setScroll(7);
  run.model.closeOptions();
  EXPECT_EQ(std::make_tuple(d.controls().placesText, s.decimalPlaces),
            std::make_tuple("7", Decimal(7)));
  // Places typed with the locale's decimal comma are rounded as a number.
  EXPECT_EQ(testing::display("opt:format=Fix,opt:places=3\\,6,2,÷,3,=", testing::kGerman),
            "0,6667");
}

#ifndef NDEBUG
// An action that changes a part its undo scope does not name stops a debug build at
// once: no scope can leave a part out of undo unnoticed.
TEST(UndoScopeDeathTest, AnActionBeyondItsScopeStops) {
  KeyRunner run;
  EXPECT_DEATH(
      {
        const ActionScope step(run.model.history(), {}, kFinancePart);
        run.model.calc().keyboardDigit(5);
      },
      "changed the keypad");
}
#endif

}  // namespace
}  // namespace zova
