// The calculator window: the LED display, the indicator labels and the keypad
// built from the key table. It turns clicks into model operations and redraws
// every text from the model after each one.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <map>

#include "engine/keys.h"
#include "model/model.h"
#include "shell/qt_toolkit.h"

namespace zova {

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(Model& model, QtToolkit& toolkit);
  ~MainWindow() override;

  /// The button of a keypad key (for tests and accessibility checks).
  QPushButton* button(Key key) const;
  QLineEdit* displayField() const { return display_; }
  /// Redraws every text from the model.
  void refresh();

 private:
  void click(Key key);

  Model& model_;
  QtToolkit& tk_;
  QLineEdit* display_ = nullptr;
  std::map<std::string, QLabel*> indicators_;
  std::map<Key, QPushButton*> buttons_;
};

}  // namespace zova
