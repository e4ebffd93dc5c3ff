// The whole model through key sequences: the keyboard map, the panels wired
// to the display, the options dialog and the edit menu.
#include "model/model.h"

#include <gtest/gtest.h>

#include "support/key_runner.h"

namespace zova {
namespace {

using testing::KeyRunner;

struct KeyCase {
  const char* keys;
  const char* shown;
  int beeps;
};

TEST(KeyboardMap, ReleasesRunTheKeysOperations) {
  const KeyCase cases[] = {
      {"key:Shift+6", "0", 1},  // raises, then the release beeps
      {"2,key:Shift+6,3,=", "8", 1},
      {"2,key:Shift+5", "0.02", 1},
      {"5,key:Shift+1", "120", 1},
      {"key:Shift+9", "( --  1", 1},
      {"key:Shift+2", "0", 1},
      {"3,key:Shift+2", "9", 1},
      {"1,0,key:Shift+3", "A", 1},
      {"key:Shift+8", "8", 0},
      {"key:Ctrl+S", "0", 1},
      {"key:Alt+5", "0", 1},
      {"key:Shift", "0", 1},
      {"key:F1", "0", 1},
      {"3,0,key:S", "0.499999999999999", 0},
      {"6,0,key:C", "0.499999999999998", 0},
      {"key:Num1,key:Num2,key:Num+,key:3,key:Enter", "15", 0},
      {"key:Num5,key:Num.,key:Num5,key:Num*,key:2,key:Num-,key:1,key:Num/,key:4,key:Enter", "10.75",
       0},
      {"key:1,key:0,key:0", "100", 0},
      {"5,=,key:0", "0", 0},
      {"key:0,key:0", "0", 0},
      {"1,2,key:Backspace", "1", 0},
      {"1,2,key:Delete", "0", 0},
      {"2,+,3,key:Home,4,=", "4", 0},
      {"4,key:R", "-4", 0},
      {"9,key:V", "3", 0},
      {"4,key:F", "0.25", 0},
      {"1,0,0,0,key:L", "3", 0},
      {"1,key:I,key:N", "2.71828182845905", 0},
      {"key:P", "3.14159265358979", 0},
      {"2,key:E,3", "2E3", 0},
      {"12.5125,key:A", "12.3045000000", 0},
      {"12.3045,key:Z", "12.5125", 0},
      {"7,key:K,AC,key:O", "7", 0},
      {"5,key:M,key:J", "5", 0},
      {"0.75,key:Q", " 3/ 4", 0},
      {"key:B", "0", 0},
      {"Base,key:A,key:B,key:C,key:D,key:E,key:F", "ABCDEF", 0},
      {"Base,key:V,key:P", "AD", 0},
      {"Base,6,inv,key:Shift+1,3,=", "5", 1},  // with inv the X! key is xor, also in hexadecimal
      {"Base,Base,Base,C,key:2", "", 0},       // the keyboard 2 empties "0" first
      {"Base,Base,Base,C,2", "0", 0},          // the on-screen key does not
      {"key:End,5", "0", 0},                   // the program ended
  };
  for (const KeyCase& c : cases) {
    KeyRunner run;
    EXPECT_EQ(run.keys(c.keys), c.shown) << c.keys;
    EXPECT_EQ(run.tk.beeps, c.beeps) << c.keys;
  }
}

TEST(KeyboardMap, MenuCommandsDropTheNextLetter) {
  const KeyCase cases[] = {
      {"5,menu:copy,key:C", "5", 1},
      {"5,menu:copy,key:C,key:C", "0.996194698091746", 1},
      {"9,menu:copy,key:F", "9", 1},   // any letter, not only the menus' access keys
      {"9,menu:copy,key:5", "95", 0},  // a digit is not dropped, and ends the drop
      {"9,menu:copy,key:5,key:F", "0.0105263157894737", 0},
  };
  for (const KeyCase& c : cases) {
    KeyRunner run;
    EXPECT_EQ(run.keys(c.keys), c.shown) << c.keys;
    EXPECT_EQ(run.tk.beeps, c.beeps) << c.keys;
  }
}

TEST(KeyboardMap, WindowAndPanelKeys) {
  KeyRunner run;
  run.keys("key:W");
  EXPECT_TRUE(run.state().togstack);
  run.keys("key:W");
  EXPECT_FALSE(run.state().togstack);
  EXPECT_EQ(run.keys("3,key:G,5,key:G,key:F2"), "2");
  EXPECT_EQ(run.keys("key:F3"), "8");
  EXPECT_EQ(run.keys("key:F4"), "4");
  EXPECT_EQ(run.keys("key:Y"), "1");
  EXPECT_EQ(run.keys("key:X"), "1.4142135623731");
  EXPECT_EQ(run.keys("1,key:F5,key:F11"), "3.28083989501");
  EXPECT_EQ(run.model.converter().state().combo1.text, "meters");
  run.keys("key:F9");
  EXPECT_EQ(run.model.converter().state().okCaption, "Use &Constant");
  run.keys("key:Esc,3,key:G");  // hidden like the menu's Hide, which drops the next letter
  EXPECT_TRUE(run.tk.hidden);
  EXPECT_EQ(run.model.stats().n(), 2u);
  run.keys("key:End");
  EXPECT_TRUE(run.tk.quitRequested);
  EXPECT_FALSE(run.tk.fontInstalled);
}

struct PanelCase {
  const char* keys;
  const char* shown;
};

TEST(Panels, ResultsReachTheDisplayAndEndTheEntry) {
  const PanelCase cases[] = {
      {"2,stat:enter,4,stat:enter,4,stat:enter,4,stat:enter,5,stat:enter,5,stat:enter,7,"
       "stat:enter,9,stat:enter,stat:sample",
       "2.1380899352994"},
      {"5,stat:enter,stat:n,3", "3"},
      {"5,stat:enter,stat:mean,.,5", "0.5"},
      {"Base,X!,X!,stat:enter", "255"},
      {"stat:mean", "0"},
      {"7,stat:sum", "0"},
      {"4,stat:enter,6,stat:enter,stat:select=1,+,1,=", "5"},
      {"1,÷,0,=,stat:enter,stat:n", "0"},
      {"0.75,b/c,conv:Length,conv:from=meters,conv:to=centimeters,conv:go", "75"},
      {"1,conv:Length,conv:from=inches,conv:to=centimeters,conv:go", "2.53999999999726"},
      {"conv:Constants,conv:open-from,conv:from=c: speed of light (m/s),conv:go", "299792458"},
      {"1,conv:Length,conv:go,5", "5"},
      {"conv:go", "ERROR"},
      {"elem:hover=Mg,elem:mass", "24.3050"},
      {"elem:hover=Mg,elem:number,5", "5"},
      {"elem:number", "0"},  // nothing hovered yet: nothing to click
      {"molar:drop1=H,molar:count1=2,molar:drop2=O,molar:result", "18.01528"},
      {"molar:drop1=H,molar:count1=2,molar:drop2=O,molar:index=2,molar:result,X,2,=", "72.06112"},
      {"1000,fin:click=PV,12,fin:click=%/Yr,12,fin:click=P/Yr,12,fin:click=N,fin:solve=PMT",
       "-88.8487886783417"},
      {"menu:paste=12,+,1,=", "13"},
      {"menu:paste=not a number", "not a number"},
  };
  for (const PanelCase& c : cases) EXPECT_EQ(testing::display(c.keys), c.shown) << c.keys;
}

TEST(Panels, StackEntersResultsInDecimalWhateverTheBase) {
  KeyRunner run;
  EXPECT_EQ(run.keys("Stack,2,+,3,="), "5");
  EXPECT_EQ(run.keys("Base,X!,+,1,="), "10");
  EXPECT_EQ(run.model.stats().statlist(), (std::vector<std::string>{"16", "5"}));
  EXPECT_EQ(run.keys("1,÷,0,="), "ERROR");
  EXPECT_EQ(run.model.stats().n(), 2u);  // "ERROR" is never entered
}

TEST(Panels, FinanceFailureIsReportedOnce) {
  KeyRunner run;
  run.model.shell().onTop = true;
  run.keys("1000,fin:click=PV,fin:solve=PMT");
  ASSERT_EQ(run.tk.messages.size(), 1u);
  EXPECT_EQ(run.tk.messages[0].title, "Error");
  EXPECT_EQ(run.tk.messages[0].style, MsgStyle::Stop);
  EXPECT_TRUE(run.tk.topmost);  // restored after the box
}

TEST(Panels, CopyPutsTheDisplayOnTheClipboard) {
  KeyRunner run;
  run.keys("1,÷,4,=,menu:copy");
  EXPECT_EQ(run.tk.clipboardText, "0.25");
  EXPECT_TRUE(run.state().keyforget);
}

TEST(Options, CommandLineActionsSetOneControlAndPressOk) {
  struct Case {
    const char* keys;
    const char* shown;
  };
  const Case cases[] = {
      {"opt:format=Fix,2,÷,3,=", "0.67"},
      {"opt:format=Fix,opt:places=3,2,÷,3,=", "0.667"},
      {"opt:format=Fix,opt:places=20,2,÷,3,=", "0.67"},  // out of range puts back 2
      {"opt:format=Fix,opt:places=,2,÷,3,=", "1"},       // empty is 0 places
      {"opt:format=Scientific,opt:places=1,12345,=", "1.2E+004"},
      {"opt:format=Fix,opt:format=Standard,2,÷,3,=", "0.666666666666667"},
      {"opt:accuracy=low,3.14159265358979,b/c", " 208341/ 66317"},
      {"opt:accuracy=high,3.14159265358979,b/c", " 4272943/ 1360120"},
      {"opt:radicals=on,5,b/c", " 5/ 1"},
  };
  for (const Case& c : cases) EXPECT_EQ(testing::display(c.keys), c.shown) << c.keys;
}

TEST(Options, LoadCancelAndUnloadFollowTheDialogRules) {
  KeyRunner run;
  run.state().threshold = 3e-05;  // none of the three buttons
  run.state().zeroes = 4;
  run.state().OptionSci = true;
  OptionsDialog& d = run.model.options();
  run.model.openOptions();
  EXPECT_EQ(d.controls().accuracy, Accuracy::None);
  EXPECT_EQ(d.controls().format, NumberFormat::Scientific);
  EXPECT_TRUE(d.controls().placesEnabled);
  EXPECT_EQ(d.controls().text1, "4");
  d.selectFormat(NumberFormat::Standard);
  EXPECT_FALSE(d.controls().placesEnabled);
  d.setText("20");
  EXPECT_EQ(d.controls().text1, "2");
  d.setRadicals(true);
  d.cancel(run.state());
  EXPECT_EQ(d.controls().format, NumberFormat::Scientific);
  EXPECT_FALSE(d.controls().radicals);
  run.model.closeOptions();
  EXPECT_DOUBLE_EQ(run.state().threshold, 3e-05);  // no button: unchanged
  EXPECT_TRUE(run.state().OptionSci);
  EXPECT_EQ(run.state().zeroes, 4);
  d.setScroll(7);
  EXPECT_EQ(d.controls().text1, "7");
  run.model.closeOptions();
  EXPECT_EQ(run.state().zeroes, 7);
}

}  // namespace
}  // namespace zova
