// The options dialog: number format, decimal places, radicals and fraction
// accuracy on two tabs, over the model's OptionsDialog.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "model/model.h"

namespace zova {

/// Showing the dialog loads its controls from the calculator. OK and the close
/// box write the settings back; Cancel (and Esc) restores the controls and hides
/// the dialog without writing.
class OptionsWindow : public QDialog {
  Q_OBJECT
 public:
  OptionsWindow(Model& model, QWidget* parent = nullptr);

  /// Redraws every control from the model's dialog state.
  void refresh();
  /// Cancel: back to the calculator's settings, hidden, nothing written.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  /// The first tab: the format buttons and the decimal places row.
  QWidget* buildNumberFormatPage();
  /// The second tab: the radicals box, the accuracy buttons and their warning.
  QWidget* buildFractionAccuracyPage();
  QLayout* buildButtonRow();
  /// Every control passes its change to the model and redraws from it.
  void connectControls();
  void ok();

  Model& model_;
  QTabWidget* tabs_ = nullptr;
  QButtonGroup* formats_ = nullptr;
  QButtonGroup* accuracies_ = nullptr;
  QLabel* placesLabel_ = nullptr;
  QLineEdit* placesBox_ = nullptr;
  QScrollBar* placesScrollBar_ = nullptr;
  QCheckBox* radicalsBox_ = nullptr;
};

}  // namespace zova
