// The one door from the model to the window system: dialogs, beeps, focus,
// clipboard, window placement, help and the start-up entry. The Qt shell
// implements it; tests and the command line use HeadlessToolkit.
// The calls the calculator and the panels make come from CalculatorToolkit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/calculator_toolkit.h"
#include "model/window_geometry.h"

namespace zova {

struct FileChoice {
  std::string path;  ///< full path of the chosen file
  std::string name;  ///< its bare file name
};

/// The help window's pages, numbered as its links name them ("topic:800").
enum class HelpTopic : int { kOverview = 100, kKeyboard = 800 };

class Toolkit : public CalculatorToolkit {
 public:
  /// The typed text, "" on cancel.
  virtual std::string inputBox(const std::string& prompt, const std::string& title) = 0;
  /// nullopt on cancel. The dialog lists the files named `extension` ("dat"),
  /// called `files` ("Data Files (*.dat)"); a name saved without one gets it.
  virtual std::optional<FileChoice> fileDialog(const std::string& title, const std::string& files,
                                               const std::string& extension, bool save) = 0;
  /// The chosen colour; nullopt on cancel.
  virtual std::optional<std::int32_t> colorDialog(std::int32_t initial) = 0;
  virtual void setClipboard(const std::string& text) = 0;
  virtual std::string clipboard() = 0;
  /// Main window size in twips.
  virtual void setWindowSize(int widthTwips, int heightTwips) = 0;
  virtual void showHelp(HelpTopic topic) = 0;
  /// Creates or removes the start-up entry; false when that failed.
  virtual bool setStartupEntry(bool present) = 0;
  /// Installs or removes the display font; false when that failed.
  virtual bool installFont() = 0;
  virtual void removeFont() = 0;
  /// Hides the main window (it stays reachable from the tray).
  virtual void hideWindow() = 0;
  /// Shows the main window again, restored and in front.
  virtual void showWindow() = 0;
  /// Ends the program after the model has run its unload.
  virtual void quit() = 0;
};

/// Records what the model asks for; dialogs are cancelled unless a test queues answers.
class HeadlessToolkit : public Toolkit {
 public:
  struct Message {
    std::string text;
    MsgStyle style;
    std::string title;
  };

  void focusEquals() override { ++focusCount; }
  void beep() override { ++beeps; }
  MsgAnswer messageBox(const Text& text, MsgStyle style, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title) override;
  std::optional<FileChoice> fileDialog(const std::string& title, const std::string& files,
                                       const std::string& extension, bool save) override;
  std::optional<std::int32_t> colorDialog(std::int32_t initial) override;
  void setClipboard(const std::string& text) override { clipboardText = text; }
  std::string clipboard() override { return clipboardText; }
  void setWindowSize(int widthTwips, int heightTwips) override {
    width = widthTwips;
    height = heightTwips;
  }
  void setTopmost(bool onTop) override { topmost = onTop; }
  void showHelp(HelpTopic topic) override { helpTopics.push_back(topic); }
  bool setStartupEntry(bool present) override {
    startupEntry = present;
    return startupEntryWorks;
  }
  bool installFont() override { return fontInstalled = true; }
  void removeFont() override { fontInstalled = false; }
  void setBusy(bool busy) override {
    if (busy) ++busyCount;
    this->busy = busy;
  }
  void hideWindow() override { hidden = true; }
  void showWindow() override {
    shown = true;
    hidden = false;
  }
  void quit() override { quitRequested = true; }

  int beeps = 0;
  int focusCount = 0;
  std::vector<Message> messages;
  std::vector<MsgAnswer> messageAnswers;   ///< answers given in order; then Ok/No
  std::vector<std::string> inputAnswers;   ///< answers given in order; then ""
  std::vector<FileChoice> fileAnswers;     ///< answers given in order; then cancel
  std::vector<std::int32_t> colorAnswers;  ///< answers given in order; then cancel
  std::vector<std::string> inputPrompts;
  std::vector<HelpTopic> helpTopics;
  std::string clipboardText;
  int width = kClosedWidth;
  int height = kNormalHeight;
  bool topmost = false;
  bool startupEntry = false;
  bool startupEntryWorks = true;
  bool fontInstalled = false;
  bool busy = false;
  int busyCount = 0;
  bool hidden = false;
  bool shown = false;  ///< showWindow was asked for
  bool quitRequested = false;
};

}  // namespace zova
