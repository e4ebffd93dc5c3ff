// The financial panel of the fold-out area: time value of money and amortization cells and keys.
// A thin view: it draws the model's texts and turns clicks into model operations.
#pragma once

#include <QWidget>
#include <functional>

#include "model/model.h"

namespace zova {

class FinancePanel : public QWidget {
  Q_OBJECT
 public:
  /// `changed` is called after every operation so the whole window redraws.
  FinancePanel(Model& model, std::function<void()> changed, QWidget* parent = nullptr);
  /// Redraws every text from the model.
  void refresh();

 private:
  Model& model_;
  std::function<void()> changed_;
};

}  // namespace zova
