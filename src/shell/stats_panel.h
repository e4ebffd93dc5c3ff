// The statistics panel of the fold-out area: the data list, its keys and the Stack toggle.
// A thin view: it draws the model's texts and turns clicks into model operations.
#pragma once

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <map>

#include "model/model.h"

namespace zova {

class Zoom;

/// The Stack toggle: its text lights up like an indicator lamp whatever colours
/// the window gives its background and text.
class StackToggle : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;
  void setLamp(const QColor& colour);
  QColor lamp() const { return lamp_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor lamp_;
};

class StatsPanel : public QWidget {
  Q_OBJECT
 public:
  /// `changed` is called after every operation so the whole window redraws.
  StatsPanel(Model& model, std::function<void()> changed, Zoom& zoom, QWidget* parent = nullptr);
  /// Redraws every text from the model.
  void refresh();

  QListWidget* list() const { return dataList_; }
  QPushButton* key(StatKey k) const { return keys_.at(k); }
  StackToggle* stackToggle() const { return stack_; }

 private:
  void select(int row);
  void done();

  Model& model_;
  Zoom& zoom_;  ///< the calculator's, which this follows
  std::function<void()> changed_;
  QListWidget* dataList_ = nullptr;
  std::map<StatKey, QPushButton*> keys_;
  StackToggle* stack_ = nullptr;
};

}  // namespace zova
