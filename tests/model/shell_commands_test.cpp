// The View, Tools and tray menus through key sequences and menu actions: the
// fold-out panels, compact size, colours, personal label, always on top, the
// start-up entry, help and the tray items.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "model/model.h"
#include "support/key_runner.h"
#include "support/temp_dir.h"

namespace zova {
namespace {

using testing::KeyRunner;
using Command = void (Model::*)();

// Keeps the order in which the window is placed and dialogs are asked, and what
// each colour dialog was opened on.
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
  RecordingToolkit tk;
  Model model{tk, NumberLocale{}};
};

/// The window's size and fold-out, the View menu's panel checks (upper case),
/// the panel whose controls show (lower case), compact size, disabled items, on top.
std::string fold(const ShellState& sh) {
  std::string s = std::to_string(sh.width) + "x" + std::to_string(sh.height) +
                  (sh.foldOutOpen ? " open " : " closed ");
  for (auto [on, letter] :
       {std::pair(sh.converterChecked, 'C'), std::pair(sh.statisticsChecked, 'S'),
        std::pair(sh.financialChecked, 'F'), std::pair(sh.converterVisible, 'c'),
        std::pair(sh.statisticsVisible, 's'), std::pair(sh.financialVisible, 'f')})
    if (on) s += letter;
  return s + (sh.compact ? " compact" : "") + (sh.panelItemsEnabled ? "" : " disabled") +
         (sh.onTop ? " on top" : "");
}

TEST(ShellPanels, FoldOutFollowsThePanelAndCompactCommands) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "3300x5340 closed "},
      {"menu:converter", "7050x5340 open Cc"},
      {"menu:statistics,menu:statistics", "3300x5340 closed s"},  // the controls stay
      // switching panels keeps the fold-out open; the next click on the same one closes it
      {"menu:converter,menu:statistics", "7050x5340 open Ss"},
      {"menu:converter,menu:statistics,menu:statistics", "3300x5340 closed s"},
      {"menu:financial,menu:closeflap", "3300x5340 closed f"},
      // compact size disables the panel items
      {"menu:converter,menu:compact", "3300x1410 open c compact disabled"},
      {"menu:compact,menu:statistics", "3300x1410 closed  compact disabled"},
      // back to normal size the panels open from closed again
      {"menu:financial,menu:compact,menu:compact,menu:financial", "7050x5340 open Ff"},
  };
  for (const auto& [keys, expected] : cases) {
    KeyRunner run;
    run.keys(keys);
    const ShellState& sh = run.model.shell();
    EXPECT_EQ(fold(sh), expected) << keys;
    EXPECT_EQ(std::tie(run.tk.width, run.tk.height), std::tie(sh.width, sh.height)) << keys;
    EXPECT_EQ(std::tie(run.tk.topmost, sh.onTopChecked), std::tie(sh.onTop, sh.onTop)) << keys;
    EXPECT_EQ(sh.compactCaption, sh.compact ? "Normal &Size" : "Compact &Size") << keys;
  }
}

TEST(ShellPanels, PanelCommandsHideTheConverterMarkersAndFocusEquals) {
  const std::pair<const char*, bool> cases[] = {
      {"menu:converter", true},
      {"menu:statistics", true},
      {"menu:financial", true},
      {"menu:closeflap", false},
  };
  for (const auto& [action, hides] : cases) {
    KeyRunner run;
    run.keys("conv:Constants,conv:open-from");
    ASSERT_TRUE(run.model.converter().state().fromMarkerVisible);
    const int focus = run.tk.focusCount;
    run.keys(action);
    EXPECT_EQ(run.model.converter().state().fromMarkerVisible, !hides) << action;
    EXPECT_FALSE(run.model.converter().state().toMarkerVisible) << action;
    EXPECT_GT(run.tk.focusCount, focus) << action;
  }
}

// Menu commands are mouse choices: the key typed after one reaches the keypad.
TEST(ShellMenus, NoCommandDropsTheNextKey) {
  const Command commands[] = {&Model::toggleConverterPanel, &Model::toggleCompactSize,
                              &Model::hideToTray,           &Model::toggleStartupEntry,
                              &Model::closeFoldOut,         &Model::editPersonalLabel,
                              &Model::toggleAlwaysOnTop,    &Model::menuCopy};
  for (std::size_t i = 0; i < std::size(commands); ++i) {
    KeyRunner run;
    run.keys("5");
    (run.model.*commands[i])();
    EXPECT_EQ(run.keys("key:C"), "0.996194698091746") << "row " << i;
  }
}

struct ColourRow {
  Command command;
  Colour ShellState::*field;
};
const ColourRow kColourRows[] = {
    {&Model::chooseScreenColour, &ShellState::screenColour},
    {&Model::chooseDigitsColour, &ShellState::digitsColour},
    {&Model::chooseShellColour, &ShellState::shellColour},
    {&Model::chooseStandardColour, &ShellState::standardColour},
    {&Model::chooseFunctionColour, &ShellState::functionColour},
};

std::vector<Colour> allColours(const ShellState& sh) {
  std::vector<Colour> out;
  for (const ColourRow& r : kColourRows) out.push_back(sh.*r.field);
  return out;
}

// A chosen colour goes to its own row only; the dialog opens on the row's colour
// and cancelling keeps every colour, also with another row's colour left in the
// picker. (Start-up's replay of saved colours: settings_file_test.)
TEST(ShellAppearance, ColourCommandsRecolourOnlyTheirRow) {
  for (std::size_t i = 0; i < std::size(kColourRows); ++i) {
    SCOPED_TRACE(i);
    const Command command = kColourRows[i].command;
    Window w;
    ShellState& sh = w.model.shell();
    w.tk.colorAnswers = {0x00777777};
    (w.model.*kColourRows[(i + 1) % std::size(kColourRows)].command)();
    std::vector<Colour> expected = allColours(sh);
    const Colour start = expected[i];
    w.tk.colourDialogStarts.clear();
    (w.model.*command)();  // cancelled
    EXPECT_EQ(allColours(sh), expected);
    w.tk.colorAnswers = {0x00123456};
    (w.model.*command)();
    (w.model.*command)();  // cancelled: the dialog opens on the new colour, which stays
    expected[i] = 0x00123456;
    EXPECT_EQ(allColours(sh), expected);
    EXPECT_EQ(w.tk.colourDialogStarts, (std::vector<std::int32_t>{start, start, 0x00123456}));
  }
}

TEST(ShellAppearance, PersonalLabelKeepsItsTextUnlessSomethingIsTyped) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{}, "Old"}, {{""}, "Old"}, {{" "}, " "}, {{"Lab 7"}, "Lab 7"}};  // none: cancelled
  for (const auto& [answers, label] : cases) {
    for (bool onTop : {false, true}) {
      Window w;
      w.model.shell().personalLabel = "Old";
      w.model.shell().onTop = onTop;
      w.tk.inputAnswers = answers;
      w.model.editPersonalLabel();
      EXPECT_EQ(w.model.shell().personalLabel, label);
      EXPECT_EQ(w.tk.inputPrompts,
                std::vector<std::string>{"Enter a short title to personalize your calculator."});
      // the box is asked with the window off top, which comes back after it
      EXPECT_EQ(w.tk.events, (std::vector<std::string>{"not topmost", "input Label",
                                                       onTop ? "topmost" : "not topmost"}));
      EXPECT_EQ(std::tie(w.tk.topmost, w.model.shell().onTopChecked), std::tie(onTop, onTop));
    }
  }
}

TEST(ShellServices, StartupEntryIsCreatedAndRemovedOrTheFailureReported) {
  const char* created = "The start-up entry could not be created.";
  const char* removed = "The start-up entry could not be removed.";
  const std::tuple<bool, int, std::vector<std::string>> cases[] = {
      {true, 1, {}}, {true, 2, {}}, {false, 3, {created, removed, created}}};
  for (const auto& [works, clicks, messages] : cases) {
    SCOPED_TRACE(clicks);
    Window w;
    w.model.shell().onTop = true;
    w.tk.startupEntryWorks = works;
    for (int i = 0; i < clicks; ++i) w.model.toggleStartupEntry();
    const bool on = clicks % 2 == 1;
    // the check mark follows the click even when the entry failed
    EXPECT_EQ(std::tie(w.model.shell().startupEntry, w.model.shell().startupEntryChecked,
                       w.tk.startupEntry),
              std::tie(on, on, on));
    ASSERT_EQ(w.tk.messages.size(), messages.size());
    std::vector<std::string> placements;
    for (std::size_t i = 0; i < messages.size(); ++i) {
      EXPECT_EQ(std::tie(w.tk.messages[i].text, w.tk.messages[i].style, w.tk.messages[i].title),
                std::make_tuple(messages[i], MsgStyle::kStop, "Error"));
      placements.insert(placements.end(), {"not topmost", "message Error", "topmost"});
    }
    EXPECT_EQ(w.tk.events, placements);  // each box off top, which comes back after it
  }
}

// Save and Load Settings ask and tell with the window off top, which comes back after.
TEST(ShellServices, SettingsBoxesAreShownOffTop) {
  testing::TempDir dir;
  testing::spit(dir.file("old.dat"), "old\r\n");
  std::filesystem::create_directory(dir.file("folder.dat"));
  const std::tuple<Command, const char*, const char*> cases[] = {
      {&Model::saveSettingsAs, "old.dat", "message Confirm Save"},
      {&Model::saveSettingsAs, "missing/new.dat", "message Save Settings"},
      {&Model::loadSettingsFrom, "none.dat", "message Load Settings"},
      {&Model::loadSettingsFrom, "folder.dat", "message Load Settings"},
  };
  for (const auto& [command, name, box] : cases) {
    Window w;
    w.model.shell().onTop = true;
    w.tk.fileAnswers.push_back({dir.file(name), name});
    (w.model.*command)();
    EXPECT_EQ(w.tk.events, (std::vector<std::string>{"not topmost", box, "topmost"})) << name;
  }
  EXPECT_EQ(testing::slurp(dir.file("old.dat")), "old\r\n");  // an unanswered question is No
}

TEST(ShellServices, HelpAndTheTrayItems) {
  KeyRunner help;
  help.keys("7");
  for (Command c : {&Model::showKeyboardHelp, &Model::showHelpContents, &Model::showKeyboardHelp})
    (help.model.*c)();
  EXPECT_EQ(help.tk.helpTopics, (std::vector<int>{800, 100, 800}));
  EXPECT_EQ(help.model.calc().display(), "7");

  const std::tuple<std::vector<Command>, bool, bool> cases[] = {
      {{&Model::hideToTray}, true, false},
      {{&Model::hideFromTray}, true, false},
      {{&Model::hideFromTray, &Model::showFromTray}, false, true},
      {{&Model::showFromTray, &Model::hideToTray}, true, true},
  };
  for (const auto& [commands, hidden, shown] : cases) {
    KeyRunner run;
    for (Command command : commands) (run.model.*command)();
    EXPECT_EQ(std::tie(run.model.shell().hidden, run.tk.hidden, run.tk.shown),
              std::tie(hidden, hidden, shown));
    EXPECT_FALSE(run.model.ended());
  }
  KeyRunner run;  // the tray's Exit ends the program
  run.model.exitProgram();
  EXPECT_EQ(std::make_tuple(run.model.ended(), run.tk.quitRequested, run.tk.fontInstalled),
            std::make_tuple(true, true, false));
}

}  // namespace
}  // namespace zova
