// The main window's whole state without any toolkit: the calculator, the tool
// panels' models and the shell's fields, with one entry point per user action.
// The Qt window and the command line both drive the program through it.
//
// How a key press travels: the window (shell/main_window.cpp) catches the key as
// it goes down, turns Qt's key into a key code and shift bits
// (shell/key_translate.cpp) and calls Model::keyDown; a click on a keypad button
// calls Model::press, and the command line's sequences (model/sequence.cpp) call
// the same two. keyDown finds the key by the character it typed, or in the
// keyboard map gathered from the binding columns of the key tables (the keypad's
// in engine/keys.cpp, the panels' beside their models), and runs that row's
// operation: a keypad key's runs on the Calculator, which reads the display text
// back to decimal, computes, and writes the new display text and indicators into
// its CalcState; a panel key's runs on its panel model, which hands the display
// what it computed as a PanelEffect. Beeps, message boxes and focus go out
// through the Toolkit interface, never a Qt call. When the operation returns, the
// window redraws every label and button from the state (MainWindow::refresh) and
// the command line prints it. An operation started in a panel, the tape window or
// the periodic table redraws the same way: each is handed a callback that runs
// MainWindow::refresh, and the main window catches up its undo captions when it
// is activated again after the periodic table's boxes changed the model. One
// thing flows back from the model: TapeModel::onChange tells the tape window of
// each entry written, whichever operation wrote it, so that the list follows it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "converter/converter_model.h"
#include "elements/elements_model.h"
#include "engine/calculator.h"
#include "engine/keys.h"
#include "engine/panel_effect.h"
#include "finance/finance_model.h"
#include "model/history.h"
#include "model/options_dialog.h"
#include "model/toolkit.h"
#include "model/window_geometry.h"
#include "stats/stats_register.h"
#include "tape/tape_model.h"

namespace zova {

/// Colours as the settings file keeps them: 0x00BBGGRR, or negative for a system colour.
using Colour = std::int32_t;

/// The tool panel the window shows beside the keypad; kNone while the fold-out is closed.
enum class FoldOut { kNone, kConverter, kStatistics, kFinancial };

/// Window, menu, panel and appearance state of the main window. The window's
/// size, the View menu's panel checks and their enabling follow from foldOut and
/// compact.
struct ShellState {
  FoldOut foldOut = FoldOut::kNone;  ///< the panel shown; compact size closes it
  bool compact = false;              ///< compact size: the display strip alone
  bool onTop = false;                ///< "Always on &Top"
  bool startupEntry = false;         ///< "&Appear on Startup" checked: the start-up entry is wanted
  bool hidden = false;
  /// The window's size in twips.
  int width() const { return foldOut == FoldOut::kNone ? kClosedWidth : kOpenWidth; }
  int height() const { return compact ? kCompactHeight : kNormalHeight; }

  // Appearance.
  Colour screenColour = 0x00A8C8B8;    ///< display and indicator background
  Colour digitsColour = 0x00182010;    ///< display and indicator text
  Colour shellColour = 0x00D8D4D0;     ///< window background
  Colour standardColour = 0x00F0ECE8;  ///< digit and operator keys
  Colour functionColour = 0x00E8D8C8;  ///< function keys
  Colour pickerColour = 0;             ///< the colour dialog's current colour
  std::string personalLabel;           ///< the title above the display
  bool operator==(const ShellState&) const = default;
};

inline constexpr const char* kSettingsFileName = "dadidedo.dat";

class Model;

/// A key of the window itself, not of a keypad or panel.
struct WindowKeyRow {
  KeyBinding binding;
  std::string_view what;  ///< what the key does, as the keyboard help says it
  void (Model::*run)();
};

/// The window's own keys: Esc hides the window, End closes it.
std::span<const WindowKeyRow> windowKeyTable();

class Model {
 public:
  Model(Toolkit& toolkit, NumberLocale locale);

  /// At start-up: start values, then the settings file (or its fallback values).
  void startUp();
  /// The settings file start-up reads and unload writes; "" for none.
  void setSettingsFile(std::string path) { settingsFile_ = std::move(path); }
  const std::string& settingsFile() const { return settingsFile_; }
  /// Where problems with the settings file are told: a message box unless set
  /// (the command line prints them on standard error).
  void setSettingsReport(std::function<void(const Text&)> report) {
    settingsReport_ = std::move(report);
  }
  const std::function<void(const Text&)>& settingsReport() const { return settingsReport_; }
  /// False when the last write of the settings file failed or was refused.
  bool settingsSaved() const { return settingsSaved_; }
  /// Clicks an on-screen keypad key; the focus then returns to "=".
  void press(Key key);
  /// A key pressed on the window, which acts at once: Windows key code, the
  /// shift bits held at the press and the text it typed ("*" for Shift+8 on a
  /// US keyboard; "" when unknown). Its release does nothing.
  void keyDown(int keyCode, int shift, std::string_view typed = {});
  /// The window's unload: settings written, font removed; then the program ends.
  void unload();

  // Statistics panel.
  void statPress(StatKey key);
  void statSelect(std::size_t index);
  /// "=" with the Stack toggle on: the result enters the register in decimal.
  void stackEntry();

  // Financial panel.
  void finClick(FinCell cell);
  void finSolve(FinKey key);
  void finStart();
  void finEnd();
  void finClear();
  void finAmortize();
  void finToPv();

  // Converter and constants.
  bool convCategory(std::string_view name);
  void convConstants();
  void convOpenFrom();
  void convOpenTo();
  void convSetFrom(std::string text);
  void convSetTo(std::string text);
  void convGo();

  // Periodic table and molar mass.
  bool elemHover(std::string_view symbol);
  void elemNumberClick();
  void elemMassClick();
  bool molarDrop(int slot, std::string_view symbol);
  bool molarCount(int slot, std::string text);
  void molarMultiplier(std::string text);
  void molarClear();
  void molarResultClick();

  // Settings file.
  /// Reads and applies the settings file, or applies the fallback values from the
  /// first line that fails (a missing file included); ends with startedUp set.
  /// A file that is there but falls back is kept: see writeSettings.
  void readSettings();
  /// Applies the settings file's text as start-up does (readSettings after reading
  /// the file); false when it fell back or holds more statistics items than the
  /// register takes (then nothing of it is applied).
  bool readSettingsText(std::string_view text);
  /// Applies the fallback values of a missing or unreadable settings file.
  void applyFallback();
  /// The settings file's text, CR LF line ends.
  std::string settingsText();
  /// Writes the settings file (safely: a temporary file renamed over it). A file
  /// start-up could not read is first renamed to its name plus ".bak" and the
  /// user told so; one that cannot be renamed (not a regular file, not readable
  /// or not writable) is left, reported and not written. Failures are reported.
  bool writeSettings();
  void saveSettingsAs();
  void loadSettingsFrom();

  // Fold-out panels, compact size and appearance (View and Tools menus).
  void toggleConverterPanel();
  void toggleStatisticsPanel();
  void toggleFinancialPanel();
  void closeFoldOut();
  void toggleCompactSize();
  void chooseScreenColour();
  void chooseDigitsColour();
  void chooseShellColour();
  void chooseStandardColour();
  void chooseFunctionColour();
  void editPersonalLabel();
  /// The View menu's Hide and the Esc key.
  void hideToTray();

  // Window services.
  void toggleAlwaysOnTop();
  /// Places the window topmost or not as onTop says, with the menu check.
  void onTopRestore();
  void toggleStartupEntry();
  void showHelpContents();
  void showKeyboardHelp();
  // The tray menu's Open, Hide and Exit.
  void showFromTray();
  void hideFromTray();
  void exitProgram();

  // Paper tape.
  /// The tape window's Clear command.
  void clearTape();
  /// A click on a tape entry's number: it goes to the display, in the current
  /// base, as MR's result does, and the tape writes that it came back.
  void recallTapeNumber(std::size_t entry);

  // Edit menu.
  void menuCopy();
  void menuPaste();
  /// Takes back the last user action, or makes again the last one taken back;
  /// with nothing to undo (redo) nothing happens.
  void undo();
  void redo();
  History& history() { return history_; }
  const History& history() const { return history_; }

  /// True once the unload ran (End key): the program is over.
  bool ended() const { return ended_; }

  /// The options dialog as OK leaves it: open, change, press OK.
  OptionsDialog& options() { return options_; }
  void openOptions();
  void closeOptions();  ///< OK or the close box: writes the settings

  Calculator& calc() { return calc_; }
  const Calculator& calc() const { return calc_; }
  StatsRegister& stats() { return stats_; }
  const StatsRegister& stats() const { return stats_; }
  FinanceModel& finance() { return fin_; }
  const FinanceModel& finance() const { return fin_; }
  ConverterModel& converter() { return conv_; }
  const ConverterModel& converter() const { return conv_; }
  ElementsModel& elements() { return elem_; }
  const ElementsModel& elements() const { return elem_; }
  TapeModel& tape() { return tape_; }
  const TapeModel& tape() const { return tape_; }
  ShellState& shell() { return shell_; }
  const ShellState& shell() const { return shell_; }
  Toolkit& toolkit() { return tk_; }
  const NumberLocale& locale() const { return calc_.locale(); }

 private:
  void apply(const PanelEffect& effect);
  void moveInHistory(bool (History::*move)());
  void writeDisplay(std::optional<std::string> text);
  /// A panel wrote the display: the tape writes the result with what produced it.
  void tapePanelResult(Text what);

  Toolkit& tk_;
  Calculator calc_;
  StatsRegister stats_;
  FinanceModel fin_;
  ConverterModel conv_;
  ElementsModel elem_;
  TapeModel tape_;
  OptionsDialog options_;
  ShellState shell_;
  History history_{{calc_, fin_, conv_, elem_, stats_, tape_, shell_}};
  /// Replaces the settings file by content as writeSettings describes.
  bool replaceSettings(std::string_view content);
  void reportSettings(const Text& text, bool failed);

  std::string settingsFile_;
  /// Start-up found a file at settingsFile_ that it could not read or apply.
  bool keepUnreadFile_ = false;
  bool settingsSaved_ = true;
  std::function<void(const Text&)> settingsReport_;
  bool ended_ = false;
};

}  // namespace zova
