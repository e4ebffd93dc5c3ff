// The View, Tools and tray menus: the fold-out panels, compact size, colours,
// personal label, the start-up entry, help and the tray items.
#include <gtest/gtest.h>

#include <filesystem>
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

// Keeps the order in which the window is placed and boxes are asked.
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
  MsgAnswer messageBox(const Text& text, MsgStyle style, const std::string& title) override {
    events.push_back("message " + title);
    return HeadlessToolkit::messageBox(text, style, title);
  }
  std::vector<std::string> events;
};

struct Window {
  explicit Window(bool onTop = false) {
    model.startUp();
    model.shell().onTop = onTop;
    tk.events.clear();  // start-up places the window too
  }
  RecordingToolkit tk;
  Model model{tk, NumberLocale{}};
};

// The panel shown (none, C, S or F) and compact size after the commands; the window
// is told the size they give.
TEST(ShellPanels, FoldOutFollowsThePanelAndCompactCommands) {
  const std::tuple<const char*, char, bool> cases[] = {
      {"", '-', false},
      {"menu:converter", 'C', false},
      {"menu:converter,menu:statistics", 'S', false},
      {"menu:converter,menu:statistics,menu:statistics", '-', false},
      {"menu:financial,menu:closeflap", '-', false},
      {"menu:converter,menu:compact,menu:statistics", '-', true},
      {"menu:financial,menu:compact,menu:compact,menu:financial", 'F', false},
  };
  for (const auto& [keys, panel, compact] : cases) {
    KeyRunner run;
    run.keys(keys);
    const ShellState& sh = run.model.shell();
    EXPECT_EQ(std::make_tuple("-CSF"[static_cast<int>(sh.foldOut)], sh.compact, run.tk.width,
                              run.tk.height),
              std::make_tuple(panel, compact, sh.width(), sh.height()))
        << keys;
  }
  // A panel command hides the converter's list markers (Close Flap does not) and
  // gives the focus back to "=".
  for (const auto& [action, hides] : {std::pair("menu:converter", true),
                                      {"menu:statistics", true},
                                      {"menu:financial", true},
                                      {"menu:closeflap", false}}) {
    KeyRunner run;
    run.keys("conv:Constants,conv:open-from");
    const int focus = run.tk.focusCount;
    run.keys(action);
    EXPECT_EQ(run.model.converter().state().fromMarkerVisible, !hides) << action;
    EXPECT_GT(run.tk.focusCount, focus) << action;
  }
}

// Menu commands are mouse choices: the key typed after one reaches the keypad.
TEST(ShellMenus, NoCommandDropsTheNextKey) {
  for (Command command :
       {&Model::hideToTray, &Model::toggleStartupEntry, &Model::editPersonalLabel}) {
    KeyRunner run;
    run.keys("5");
    (run.model.*command)();
    EXPECT_EQ(run.keys("key:C"), "0.996194698091746");
  }
}

// A chosen colour goes to its own row only, and cancelling keeps every colour, also
// with another row's colour left in the picker.
TEST(ShellAppearance, ColourCommandsRecolourOnlyTheirRow) {
  const std::pair<Command, Colour ShellState::*> rows[] = {
      {&Model::chooseScreenColour, &ShellState::screenColour},
      {&Model::chooseDigitsColour, &ShellState::digitsColour},
      {&Model::chooseShellColour, &ShellState::shellColour},
      {&Model::chooseStandardColour, &ShellState::standardColour},
      {&Model::chooseFunctionColour, &ShellState::functionColour}};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    KeyRunner w;
    ShellState& sh = w.model.shell();
    const auto colours = [&] {
      std::vector<Colour> out;
      for (const auto& row : rows) out.push_back(sh.*row.second);
      return out;
    };
    w.tk.colorAnswers = {0x00777777};
    (w.model.*rows[(i + 1) % std::size(rows)].first)();
    std::vector<Colour> expected = colours();
    (w.model.*rows[i].first)();  // cancelled
    EXPECT_EQ(colours(), expected) << i;
    w.tk.colorAnswers = {0x00123456};
    (w.model.*rows[i].first)();
    expected[i] = 0x00123456;
    EXPECT_EQ(colours(), expected) << i;
  }
}

// The box is asked with the window off top, which comes back after it.
TEST(ShellAppearance, PersonalLabelKeepsItsTextUnlessSomethingIsTyped) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{}, "Old"}, {{""}, "Old"}, {{" "}, " "}, {{"Lab 7"}, "Lab 7"}};  // none: cancelled
  for (const auto& [answers, label] : cases) {
    for (bool onTop : {false, true}) {
      Window w(onTop);
      w.model.shell().personalLabel = "Old";
      w.tk.inputAnswers = answers;
      w.model.editPersonalLabel();
      EXPECT_EQ(w.model.shell().personalLabel, label);
      EXPECT_EQ(w.tk.inputPrompts,
                std::vector<std::string>{"Enter a short title to personalize your calculator."});
      EXPECT_EQ(w.tk.events, (std::vector<std::string>{"not topmost", "input Label",
                                                       onTop ? "topmost" : "not topmost"}));
      EXPECT_EQ(std::tie(w.tk.topmost, w.model.shell().onTop), std::tie(onTop, onTop));
    }
  }
}

// The check mark follows the click even when the entry failed; each failure is told in
// a box with the window off top.
TEST(ShellServices, StartupEntryIsCreatedAndRemovedOrTheFailureReported) {
  const std::string created = "The start-up entry could not be created.";
  const std::string removed = "The start-up entry could not be removed.";
  const std::tuple<bool, int, std::vector<std::string>> cases[] = {
      {true, 1, {}}, {true, 2, {}}, {false, 3, {created, removed, created}}};
  for (const auto& [works, clicks, messages] : cases) {
    Window w(true);
    w.tk.startupEntryWorks = works;
    for (int i = 0; i < clicks; ++i) w.model.toggleStartupEntry();
    const bool on = clicks % 2 == 1;
    EXPECT_EQ(std::tie(w.model.shell().startupEntry, w.tk.startupEntry), std::tie(on, on));
    std::vector<std::string> shown, placements;
    for (const auto& m : w.tk.messages) {
      EXPECT_EQ(std::tie(m.style, m.title), std::make_tuple(MsgStyle::kStop, "Error"));
      shown.push_back(m.text);
      placements.insert(placements.end(), {"not topmost", "message Error", "topmost"});
    }
    EXPECT_EQ(shown, messages);
    EXPECT_EQ(w.tk.events, placements);
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
  EXPECT_EQ(help.tk.helpTopics,
            (std::vector{HelpTopic::kKeyboard, HelpTopic::kOverview, HelpTopic::kKeyboard}));
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
    EXPECT_EQ(
        std::make_tuple(run.model.shell().hidden, run.tk.hidden, run.tk.shown, run.model.ended()),
        std::make_tuple(hidden, hidden, shown, false));
  }
  KeyRunner run;  // the tray's Exit ends the program
  run.model.exitProgram();
  EXPECT_EQ(std::make_tuple(run.model.ended(), run.tk.quitRequested, run.tk.fontInstalled),
            std::make_tuple(true, true, false));
}

}  // namespace
}  // namespace zova
