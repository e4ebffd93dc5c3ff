// The View, Tools and tray menus through key sequences and menu actions: the
// fold-out panels, compact size, colours, personal label, always on top, the
// start-up entry, help, the tray items and the window field of the JSON.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "model/model.h"
#include "model/sequence.h"
#include "support/key_runner.h"

namespace zova {
namespace {

using testing::KeyRunner;
using Command = void (Model::*)();

// Keeps the order in which the window is placed and dialogs are asked, and what
// each dialog was asked with.
class RecordingToolkit : public HeadlessToolkit {
 public:
  void setTopmost(bool onTop) override {
    events.push_back(onTop ? "topmost" : "not topmost");
    HeadlessToolkit::setTopmost(onTop);
  }
  std::string inputBox(const std::string& prompt, const std::string& title) override {
    events.push_back("input " + title);
    return HeadlessToolkit::inputBox(prompt, title);
  }
  MsgAnswer messageBox(const std::string& text, MsgStyle style, const std::string& title) override {
    events.push_back("message " + title);
    return HeadlessToolkit::messageBox(text, style, title);
  }
  std::optional<std::int32_t> colorDialog(std::int32_t initial) override {
    colourDialogStarts.push_back(initial);
    return HeadlessToolkit::colorDialog(initial);
  }
  std::vector<std::string> events;
  std::vector<std::int32_t> colourDialogStarts;
};

struct Window {
  Window() {
    model.startUp();
    tk.events.clear();  // start-up places the window too
  }
  void keys(std::string_view sequence) {
    if (auto e = runSequence(model, sequence)) ADD_FAILURE() << e->message();
  }
  RecordingToolkit tk;
  Model model{tk, NumberLocale{}};
};

TEST(ShellPanels, FoldOutFollowsThePanelAndCompactCommands) {
  struct Case {
    const char* keys;
    int width, height;
    bool open;  // flap is -1
    bool conv, stat, fin;
    bool enabled, compact;
  };
  const Case cases[] = {
      {"", 3300, 5340, false, false, false, false, true, false},
      {"menu:converter", 7050, 5340, true, true, false, false, true, false},
      {"menu:statistics", 7050, 5340, true, false, true, false, true, false},
      {"menu:financial", 7050, 5340, true, false, false, true, true, false},
      {"menu:converter,menu:converter", 3300, 5340, false, false, false, false, true, false},
      {"menu:financial,menu:financial,menu:financial", 7050, 5340, true, false, false, true, true,
       false},
      // switching panels keeps the fold-out open; the next click on the same one closes it
      {"menu:converter,menu:statistics", 7050, 5340, true, false, true, false, true, false},
      {"menu:converter,menu:statistics,menu:statistics", 3300, 5340, false, false, false, false,
       true, false},
      {"menu:statistics,menu:financial,menu:converter", 7050, 5340, true, true, false, false, true,
       false},
      {"menu:financial,menu:converter,menu:financial", 7050, 5340, true, false, false, true, true,
       false},
      // Close Flap, also when nothing is open
      {"menu:converter,menu:closeflap", 3300, 5340, false, false, false, false, true, false},
      {"menu:closeflap", 3300, 5340, false, false, false, false, true, false},
      {"menu:converter,menu:closeflap,menu:converter", 7050, 5340, true, true, false, false, true,
       false},
      {"menu:statistics,menu:closeflap,menu:financial", 7050, 5340, true, false, false, true, true,
       false},
      // compact size
      {"menu:compact", 3300, 1410, false, false, false, false, false, true},
      {"menu:converter,menu:compact", 3300, 1410, true, false, false, false, false, true},
      {"menu:compact,menu:compact", 3300, 5340, false, false, false, false, true, false},
      {"menu:statistics,menu:compact,menu:compact", 3300, 5340, false, false, false, false, true,
       false},
      {"menu:compact,menu:compact,menu:compact", 3300, 1410, false, false, false, false, false,
       true},
      // the disabled items cannot be chosen
      {"menu:compact,menu:converter", 3300, 1410, false, false, false, false, false, true},
      {"menu:compact,menu:statistics,menu:financial", 3300, 1410, false, false, false, false, false,
       true},
      // back to normal size the panels open from closed again
      {"menu:financial,menu:compact,menu:compact,menu:financial", 7050, 5340, true, false, false,
       true, true, false},
      {"menu:compact,menu:compact,menu:converter,menu:converter", 3300, 5340, false, false, false,
       false, true, false},
  };
  for (const Case& c : cases) {
    KeyRunner run;
    run.keys(c.keys);
    const ShellState& sh = run.model.shell();
    EXPECT_EQ(sh.width, c.width) << c.keys;
    EXPECT_EQ(sh.height, c.height) << c.keys;
    EXPECT_EQ(run.tk.width, c.width) << c.keys;
    EXPECT_EQ(run.tk.height, c.height) << c.keys;
    EXPECT_EQ(sh.flap == -1, c.open) << c.keys;
    EXPECT_EQ(sh.converterChecked, c.conv) << c.keys;
    EXPECT_EQ(sh.statisticsChecked, c.stat) << c.keys;
    EXPECT_EQ(sh.financialChecked, c.fin) << c.keys;
    EXPECT_EQ(sh.panelItemsEnabled, c.enabled) << c.keys;
    EXPECT_EQ(sh.size, c.compact) << c.keys;
    EXPECT_EQ(sh.compactCaption, c.compact ? "Normal &Size" : "Compact &Size") << c.keys;
  }
}

TEST(ShellPanels, EachPanelCommandShowsOnlyItsOwnControls) {
  struct Case {
    const char* keys;
    bool conv, stat, fin;
  };
  const Case cases[] = {
      {"", false, false, false},
      {"menu:converter", true, false, false},
      {"menu:statistics", false, true, false},
      {"menu:financial", false, false, true},
      {"menu:converter,menu:statistics", false, true, false},
      {"menu:statistics,menu:statistics", false, true, false},  // closing keeps the flags
      {"menu:financial,menu:closeflap", false, false, true},
  };
  for (const Case& c : cases) {
    KeyRunner run;
    run.keys(c.keys);
    EXPECT_EQ(run.model.shell().ConvVis, c.conv) << c.keys;
    EXPECT_EQ(run.model.shell().StatVis, c.stat) << c.keys;
    EXPECT_EQ(run.model.shell().FinVis, c.fin) << c.keys;
  }
}

TEST(ShellPanels, PanelCommandsHideTheConverterMarkersAndFocusEquals) {
  for (const char* panel : {"menu:converter", "menu:statistics", "menu:financial"}) {
    KeyRunner run;
    run.keys("conv:Constants,conv:open-from");
    ASSERT_TRUE(run.model.converter().state().constant1Visible);
    const int focus = run.tk.focusCount;
    run.keys(panel);
    EXPECT_FALSE(run.model.converter().state().constant1Visible) << panel;
    EXPECT_FALSE(run.model.converter().state().constant2Visible) << panel;
    EXPECT_GT(run.tk.focusCount, focus) << panel;
  }
  KeyRunner run;
  run.keys("menu:converter");
  const int focus = run.tk.focusCount;
  run.keys("menu:closeflap");
  EXPECT_GT(run.tk.focusCount, focus);
}

// The release of a menu's access letter does not reach the keypad after the
// commands that have one; cos 5° would show otherwise.
TEST(ShellMenus, CommandsWithAccessKeysDropTheNextLetter) {
  struct Case {
    const char* name;
    Command command;
    bool drops;
  };
  const Case cases[] = {
      {"Converter", &Model::Converter_Click, true},
      {"Statistics", &Model::Statistics_Click, true},
      {"mnuFinancial", &Model::mnuFinancial_Click, true},
      {"compact", &Model::compact_Click, true},
      {"mnuhide2", &Model::mnuhide2_Click, true},
      {"mnuTopmost", &Model::mnuTopmost_Click, true},
      {"mnuMinimize", &Model::mnuMinimize_Click, true},
      {"flapclose", &Model::flapclose_Click, false},
      {"mnuscreen", &Model::mnuscreen_Click, false},
      {"mnulabel", &Model::mnulabel_Click, false},
      {"Contents", &Model::Contents_Click, false},
      {"mnuopen", &Model::mnuopen_Click, false},
  };
  for (const Case& c : cases) {
    KeyRunner run;
    run.keys("5");
    (run.model.*c.command)();
    EXPECT_EQ(run.state().keyforget, c.drops) << c.name;
    EXPECT_EQ(run.keys("key:C"), c.drops ? "5" : "0.996194698091746") << c.name;
  }
  for (const char* action :
       {"menu:compact", "menu:ontop", "menu:converter", "menu:statistics", "menu:financial"}) {
    KeyRunner run;
    EXPECT_EQ(run.keys(std::string("5,") + action + ",key:C"), "5") << action;
  }
}

struct ColourRow {
  const char* name;
  Command command;
  Colour ShellState::*field;
};
const ColourRow kColourRows[] = {
    {"Screen", &Model::mnuscreen_Click, &ShellState::screenColour},
    {"Digits", &Model::mnudigits_Click, &ShellState::digitsColour},
    {"Calculator Shell", &Model::mnushell_Click, &ShellState::shellColour},
    {"Standard Buttons", &Model::mnustandard_Click, &ShellState::standardColour},
    {"Function Buttons", &Model::mnufunction_Click, &ShellState::functionColour},
};

std::vector<Colour> allColours(const ShellState& sh) {
  std::vector<Colour> out;
  for (const ColourRow& r : kColourRows) out.push_back(sh.*r.field);
  return out;
}

TEST(ShellAppearance, ColourCommandsRecolourOnlyTheirRow) {
  for (const ColourRow& row : kColourRows) {
    Window w;
    ShellState& sh = w.model.shell();
    sh.pickerColour = 0x00777777;  // left over from another command
    std::vector<Colour> expected = allColours(sh);
    const Colour reference = sh.*row.field;

    (w.model.*row.command)();  // cancelled
    EXPECT_EQ(allColours(sh), expected) << row.name;
    ASSERT_EQ(w.tk.colourDialogStarts.size(), 1u) << row.name;
    EXPECT_EQ(w.tk.colourDialogStarts[0], reference) << row.name;

    w.tk.colorAnswers = {0x00123456};
    (w.model.*row.command)();
    EXPECT_EQ(sh.*row.field, 0x00123456) << row.name;
    for (std::size_t i = 0; i < std::size(kColourRows); ++i) {
      if (kColourRows[i].field != row.field) {
        EXPECT_EQ(sh.*kColourRows[i].field, expected[i]) << row.name;
      }
    }

    // the dialog opens on the row's new colour, and cancelling keeps it
    (w.model.*row.command)();
    EXPECT_EQ(w.tk.colourDialogStarts.back(), 0x00123456) << row.name;
    EXPECT_EQ(sh.*row.field, 0x00123456) << row.name;
  }
}

TEST(ShellAppearance, CancelAfterAnotherRowKeepsEveryColour) {
  Window w;
  ShellState& sh = w.model.shell();
  w.tk.colorAnswers = {0x000000FF};
  w.model.mnuscreen_Click();
  const std::vector<Colour> before = allColours(sh);
  for (const ColourRow& row : kColourRows) (w.model.*row.command)();
  EXPECT_EQ(allColours(sh), before);
  EXPECT_EQ(sh.screenColour, 0x000000FF);
}

// Start-up replays each saved colour with the picker already set and no dialog.
TEST(ShellAppearance, ReplayedColoursTakeThePickerWithoutTheDialog) {
  for (const ColourRow& row : kColourRows) {
    Window w;
    ShellState& sh = w.model.shell();
    const std::vector<Colour> before = allColours(sh);
    w.tk.colorAnswers = {0x00010203};
    w.model.calc().state().starter = 0;
    for (Colour saved : {0x00ABCDEF, 0, -2147483633}) {  // -2147483633: a system colour
      sh.pickerColour = saved;
      (w.model.*row.command)();
      EXPECT_EQ(sh.*row.field, saved) << row.name;
    }
    EXPECT_TRUE(w.tk.colourDialogStarts.empty()) << row.name;
    EXPECT_EQ(w.tk.colorAnswers.size(), 1u) << row.name;
    for (std::size_t i = 0; i < std::size(kColourRows); ++i) {
      if (kColourRows[i].field != row.field) {
        EXPECT_EQ(sh.*kColourRows[i].field, before[i]) << row.name;
      }
    }
  }
}

TEST(ShellAppearance, PersonalLabelKeepsItsTextUnlessSomethingIsTyped) {
  struct Case {
    std::vector<std::string> answers;  // none: cancelled
    const char* label;
  };
  const Case cases[] = {
      {{}, "Old"}, {{""}, "Old"}, {{"Lab 7"}, "Lab 7"}, {{" "}, " "}, {{"Zova & co"}, "Zova & co"},
  };
  for (const Case& c : cases) {
    for (bool onTop : {false, true}) {
      Window w;
      w.model.shell().personalLabel = "Old";
      w.model.shell().onTop = onTop;
      w.tk.inputAnswers = c.answers;
      w.model.mnulabel_Click();
      EXPECT_EQ(w.model.shell().personalLabel, c.label);
      ASSERT_EQ(w.tk.inputPrompts.size(), 1u);
      EXPECT_EQ(w.tk.inputPrompts[0], "Enter a short title to personalize your calculator.");
      const std::vector<std::string> order = {"not topmost", "input Label",
                                              onTop ? "topmost" : "not topmost"};
      EXPECT_EQ(w.tk.events, order);
      EXPECT_EQ(w.tk.topmost, onTop);
      EXPECT_EQ(w.model.shell().topmostChecked, onTop);
    }
  }
}

TEST(ShellServices, AlwaysOnTopToggles) {
  struct Case {
    const char* keys;
    bool onTop;
  };
  const Case cases[] = {
      {"", false},
      {"menu:ontop", true},
      {"menu:ontop,menu:ontop", false},
      {"menu:ontop,menu:ontop,menu:ontop", true},
      {"menu:ontop,menu:compact,menu:converter", true},
  };
  for (const Case& c : cases) {
    KeyRunner run;
    run.keys(c.keys);
    EXPECT_EQ(run.model.shell().onTop, c.onTop) << c.keys;
    EXPECT_EQ(run.model.shell().topmostChecked, c.onTop) << c.keys;
    EXPECT_EQ(run.tk.topmost, c.onTop) << c.keys;
  }
}

TEST(ShellServices, OnTopRestoreFollowsTheField) {
  for (bool onTop : {true, false, true}) {
    KeyRunner run;
    run.tk.topmost = !onTop;
    run.model.shell().topmostChecked = !onTop;
    run.model.shell().onTop = onTop;
    run.model.onTopRestore();
    EXPECT_EQ(run.tk.topmost, onTop);
    EXPECT_EQ(run.model.shell().topmostChecked, onTop);
  }
}

TEST(ShellServices, StartupEntryIsCreatedAndRemovedOrTheFailureReported) {
  struct Case {
    bool works;
    int clicks;
    std::vector<std::string> messages;
  };
  const char* created = "The start-up entry could not be created.";
  const char* removed = "The start-up entry could not be removed.";
  const Case cases[] = {
      {true, 1, {}},
      {true, 2, {}},
      {false, 1, {created}},
      {false, 2, {created, removed}},
      {false, 3, {created, removed, created}},
  };
  for (const Case& c : cases) {
    Window w;
    w.model.shell().onTop = true;
    w.tk.startupEntryWorks = c.works;
    for (int i = 0; i < c.clicks; ++i) w.model.mnuMinimize_Click();
    const bool on = c.clicks % 2 == 1;
    EXPECT_EQ(w.model.shell().minStart, on) << c.clicks;
    EXPECT_EQ(w.model.shell().minimizeChecked, on) << c.clicks;
    EXPECT_EQ(w.tk.startupEntry, on) << c.clicks;  // the last request
    ASSERT_EQ(w.tk.messages.size(), c.messages.size()) << c.clicks;
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
      EXPECT_EQ(w.tk.messages[i].text, c.messages[i]);
      EXPECT_EQ(w.tk.messages[i].title, "Error");
      EXPECT_EQ(w.tk.messages[i].style, MsgStyle::Stop);
    }
    // each box is shown with the window not on top, which comes back after it
    std::vector<std::string> placements;
    for (std::size_t i = 0; i < c.messages.size(); ++i)
      placements.insert(placements.end(), {"not topmost", "message Error", "topmost"});
    EXPECT_EQ(w.tk.events, placements) << c.clicks;
  }
}

TEST(ShellServices, HelpShowsItsTopics) {
  struct Case {
    std::vector<Command> commands;
    std::vector<int> topics;
  };
  const Case cases[] = {
      {{&Model::Contents_Click}, {100}},
      {{&Model::Equivalent_Click}, {800}},
      {{&Model::Equivalent_Click, &Model::Contents_Click, &Model::Equivalent_Click},
       {800, 100, 800}},
  };
  for (const Case& c : cases) {
    KeyRunner run;
    run.keys("7");
    for (Command command : c.commands) (run.model.*command)();
    EXPECT_EQ(run.tk.helpTopics, c.topics);
    EXPECT_EQ(run.model.calc().display(), "7");
  }
}

TEST(ShellServices, TrayAndViewMenuHideAndShowTheWindow) {
  struct Case {
    std::vector<Command> commands;
    bool hidden, shown;
  };
  const Case cases[] = {
      {{&Model::mnuhide2_Click}, true, false},
      {{&Model::mnuhide_Click}, true, false},
      {{&Model::mnuhide_Click, &Model::mnuopen_Click}, false, true},
      {{&Model::mnuhide2_Click, &Model::mnuopen_Click}, false, true},
      {{&Model::mnuopen_Click, &Model::mnuhide2_Click}, true, true},
  };
  for (const Case& c : cases) {
    KeyRunner run;
    for (Command command : c.commands) (run.model.*command)();
    EXPECT_EQ(run.model.shell().hidden, c.hidden);
    EXPECT_EQ(run.tk.hidden, c.hidden);
    EXPECT_EQ(run.tk.shown, c.shown);
    EXPECT_FALSE(run.model.ended());
  }
}

TEST(ShellServices, TrayExitClosesTheCalculator) {
  KeyRunner run;
  run.keys("4");
  ASSERT_TRUE(run.tk.fontInstalled);
  run.model.mnuexit_Click();
  EXPECT_TRUE(run.model.ended());
  EXPECT_TRUE(run.tk.quitRequested);
  EXPECT_FALSE(run.tk.fontInstalled);
  EXPECT_EQ(run.keys("5"), "4");  // nothing runs after the end
}

TEST(ShellCommandLine, MenuActionsTakeNoValueAndExactNames) {
  for (const char* bad : {"menu:compact=1", "menu:ontop=on", "menu:Converter", "menu:flap",
                          "menu:closeflap=", "menu:", "1,menu:statistic"}) {
    const ParsedSequence p = parseSequence(bad);
    EXPECT_TRUE(p.error.has_value()) << bad;
    EXPECT_TRUE(p.steps.empty()) << bad;
  }
  KeyRunner run;
  EXPECT_NE(runSequence(run.model, "menu:converter,menu:nope"), std::nullopt);
  EXPECT_EQ(run.model.shell().width, 3300);  // a bad sequence changes nothing
}

TEST(ShellCommandLine, JsonEndsWithTheWindow) {
  struct Case {
    const char* keys;
    const char* window;
  };
  const Case cases[] = {
      {"5", "3300, \"height\": 5340, \"onTop\": false, \"compact\": false, \"panel\": \"none\""},
      {"menu:statistics",
       "7050, \"height\": 5340, \"onTop\": false, \"compact\": false, \"panel\": \"statistics\""},
      {"menu:converter",
       "7050, \"height\": 5340, \"onTop\": false, \"compact\": false, \"panel\": \"converter\""},
      {"menu:converter,menu:financial",
       "7050, \"height\": 5340, \"onTop\": false, \"compact\": false, \"panel\": \"financial\""},
      {"menu:converter,menu:converter",
       "3300, \"height\": 5340, \"onTop\": false, \"compact\": false, \"panel\": \"none\""},
      {"menu:financial,menu:closeflap",
       "3300, \"height\": 5340, \"onTop\": false, \"compact\": false, \"panel\": \"none\""},
      {"menu:converter,menu:compact",
       "3300, \"height\": 1410, \"onTop\": false, \"compact\": true, \"panel\": \"none\""},
      {"menu:ontop,menu:compact,menu:compact",
       "3300, \"height\": 5340, \"onTop\": true, \"compact\": false, \"panel\": \"none\""},
  };
  for (const Case& c : cases) {
    std::istringstream in;
    std::ostringstream out, err;
    ASSERT_EQ(runCommandLine({"--keys", c.keys, "--json"}, in, out, err), 0) << err.str();
    const std::string expected = std::string("\"window\": {\"width\": ") + c.window + "}}\n";
    const std::string json = out.str();
    ASSERT_GE(json.size(), expected.size()) << json;
    EXPECT_EQ(json.substr(json.size() - expected.size()), expected) << json;
  }
}

}  // namespace
}  // namespace zova
