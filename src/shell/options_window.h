// The options dialog: number format, decimal places, radicals and fraction
// accuracy on two tabs, over the model's OptionsDialog.
#pragma once

#include <QDialog>

#include "model/model.h"

namespace zova {

class OptionsWindow : public QDialog {
  Q_OBJECT
 public:
  OptionsWindow(Model& model, QWidget* parent = nullptr);

 private:
  Model& model_;
};

}  // namespace zova
