// The periodic table window: 109 element tiles drawn on a 9 x 18 grid, the
// information area, and the molar-mass calculator fed by dragging tiles.
#pragma once

#include <QWidget>
#include <functional>

#include "model/model.h"

namespace zova {

class ElementsWindow : public QWidget {
  Q_OBJECT
 public:
  /// `changed` is called after every operation that touches the main display.
  ElementsWindow(Model& model, std::function<void()> changed, QWidget* parent = nullptr);
  void refresh();

 private:
  Model& model_;
  std::function<void()> changed_;
};

}  // namespace zova
