// The financial panel of the fold-out area: time value of money and amortization cells and keys.
// A thin view: it draws the model's texts and turns clicks into model operations.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

#include "model/model.h"

namespace zova {

class Zoom;

class FinancePanel : public QWidget {
  Q_OBJECT
 public:
  /// `changed` is called after every operation so the whole window redraws.
  FinancePanel(Model& model, std::function<void()> changed, Zoom& zoom, QWidget* parent = nullptr);
  /// Redraws every text from the model.
  void refresh();

  QLabel* cell(FinCell c) const { return cells_[static_cast<std::size_t>(c)]; }
  QPushButton* key(FinKey k) const { return keys_[static_cast<std::size_t>(k)]; }

 protected:
  /// Cells are labels; a left click released over one enters or shows its value.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addCell(const FinCellRow& row);
  QPushButton* addKey(const QString& name, const QString& caption, std::function<void()> run);
  /// The Start and End boxes in a row.
  QLayout* timingBoxes();
  void done();

  Model& model_;
  Zoom& zoom_;  ///< the calculator's, which this follows
  std::function<void()> changed_;
  std::array<QLabel*, kFinCellCount> cells_{};
  std::array<QPushButton*, 5> keys_{};
  std::array<QCheckBox*, 2> timing_{};  ///< the Start and End boxes
};

}  // namespace zova
