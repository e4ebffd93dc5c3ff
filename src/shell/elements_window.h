// The periodic table window: 109 element tiles drawn on a 9 x 18 grid, the
// information area, and the molar-mass calculator fed by dragging tiles or,
// from the keyboard, by Enter on the focused tile.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "model/model.h"

namespace zova {

class Zoom;

/// The families the tiles are coloured by.
enum class ElementGroup {
  kAlkaliMetal,
  kAlkalineEarth,
  kTransitionMetal,
  kLanthanide,
  kActinide,
  kOtherMetal,
  kMetalloid,
  kNonmetal,
  kHalogen,
  kNobleGas,
};

/// The family of the element with atomic number z (1 to 109).
ElementGroup elementGroup(int z);

class ElementsWindow : public QWidget {
  Q_OBJECT
 public:
  /// `changed` is called after every operation that touches the main display.
  ElementsWindow(Model& model, std::function<void()> changed, Zoom& zoom,
                 QWidget* parent = nullptr);
  /// Redraws the information area and the molar-mass row from the model.
  void refresh();

  /// Where an element's tile lies in the window.
  QRect tileRect(const Element& e) const;
  /// The element whose tile is under `p`, or nullptr.
  const Element* tileAt(QPoint p) const;

  /// Slot label 1..4 (first to fourth slot) and its count box.
  QLabel* slotLabel(int n) const { return slots_[n - 1]; }
  QLineEdit* countBox(int n) const { return counts_[n - 1]; }
  /// The frame of a box that holds no number.
  static QColor markColour() { return {0xD0, 0x20, 0x20}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  /// Clicks on the number, mass and result labels; drops on the slot labels.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  /// The symbol, name, number, mass and electrons with their captions.
  void buildInfoArea();
  /// The multiplier, the four slots with their count boxes, and Clear.
  void buildFormulaRow();
  /// The molar mass with its caption and unit.
  void buildMolarRow();
  void drawTile(QPainter& p, const Element& e, QRect r, bool current) const;
  /// Places the multiplier, the slots, their count boxes and Clear along the row,
  /// each box as wide as its text.
  void layOutFormulaRow();
  void startDrag(const Element& e);
  /// Describes the element in the information area, as hovering does.
  void describe(const Element& e);
  /// Moves the keyboard focus to the nearest tile in the direction of `step`.
  void stepFrom(const Element& from, QPoint step);
  /// Puts the element into the next free formula slot.
  void putIntoFormula(const Element& e);
  void toDisplay(void (Model::*click)());

  class Tile;
  Model& model_;
  Zoom& zoom_;  ///< the calculator's, which this follows
  std::function<void()> changed_;
  std::vector<Tile*> tiles_;  ///< by atomic number
  QLabel* symbol_ = nullptr;
  QLabel* elementName_ = nullptr;
  QLabel* numberCaption_ = nullptr;
  QLabel* massCaption_ = nullptr;
  QLabel* electronsCaption_ = nullptr;
  QLabel* atomicNumber_ = nullptr;
  QLabel* atomicMass_ = nullptr;
  QLabel* electrons_ = nullptr;
  QLineEdit* multiplier_ = nullptr;
  std::array<QLabel*, kSlotCount> slots_{};
  std::array<QLineEdit*, kSlotCount> counts_{};
  QPushButton* clearFormula_ = nullptr;
  QLabel* molarCaption_ = nullptr;
  QLabel* molarMass_ = nullptr;
  QLabel* molarUnit_ = nullptr;
  // Where a press on a tile began, to tell a drag from a click.
  QPoint pressPos_;
  const Element* pressed_ = nullptr;
};

}  // namespace zova
