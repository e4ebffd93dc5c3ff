// The toolkit interface over Qt: message and input boxes, file and colour
// dialogs, clipboard, beep, focus, window size and placement, help, the
// start-up entry and the display font.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "model/toolkit.h"

class QFileDialog;

namespace zova {

/// Sets a file dialog up for saving: a name typed without an extension gets `extension`.
void setUpSaveDialog(QFileDialog& dialog, const QString& extension);

class QtToolkit : public Toolkit {
 public:
  /// The window the toolkit works for; focus goes to its "=" button, and
  /// `sizeWindow` sizes it from the model's twips (at its zoom).
  void attach(QWidget* window, QWidget* equalsKey,
              std::function<void(int widthTwips, int heightTwips)> sizeWindow = {});

  void focusEquals() override;
  void beep() override;
  MsgAnswer messageBox(const Text& text, MsgStyle style, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title) override;
  std::optional<FileChoice> fileDialog(const std::string& title, const std::string& files,
                                       const std::string& extension, bool save) override;
  std::optional<std::int32_t> colorDialog(std::int32_t initial) override;
  void setClipboard(const std::string& text) override;
  std::string clipboard() override;
  void setWindowSize(int widthTwips, int heightTwips) override;
  void setTopmost(bool onTop) override;
  void showHelp(HelpTopic topic) override;
  bool setStartupEntry(bool present) override;
  bool installFont() override;
  void removeFont() override;
  void setBusy(bool busy) override;
  void hideWindow() override;
  void showWindow() override;
  void quit() override;

  /// Where the start-up entry lives: autostart/zova.desktop in the configuration folder.
  static QString startupEntryPath();

  /// The family name of the installed display font, or "" when none.
  QString fontFamily() const { return family_; }

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> equals_;
  std::function<void(int, int)> sizeWindow_;
  int fontId_ = -1;
  QString family_;
};

}  // namespace zova
