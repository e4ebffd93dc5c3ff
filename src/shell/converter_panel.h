// The converter and constants panel of the fold-out area: category buttons, the two lists and
// Convert. A thin view: it draws the model's texts and turns clicks into model operations.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "model/model.h"

namespace zova {

class Zoom;

/// An editable list that reports being dropped down before it opens.
class ConverterCombo : public QComboBox {
 public:
  ConverterCombo(std::function<void()> onOpen, QWidget* parent);
  void showPopup() override;
  /// True while an arrow key steps the closed list to its next entry.
  bool stepping() const { return stepping_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void()> onOpen_;
  bool stepping_ = false;
};

class ConverterPanel : public QWidget {
  Q_OBJECT
 public:
  /// The controls other than the category buttons, each placed by a table row.
  enum class Part;

  /// `changed` is called after every operation so the whole window redraws.
  ConverterPanel(Model& model, std::function<void()> changed, Zoom& zoom,
                 QWidget* parent = nullptr);
  ~ConverterPanel() override;
  /// Redraws every text from the model.
  void refresh();

  QPushButton* constantsKey() const { return constants_; }
  QPushButton* convertKey() const { return convert_; }
  ConverterCombo* fromList() const { return fromList_; }
  ConverterCombo* toList() const { return toList_; }

 private:
  /// Sets a widget's place from the panel's layout in twips.
  void place(QWidget* w, int left, int top, int width, int height);
  QPushButton* addCategory(Category category);
  QWidget* makePart(Part part);
  QPushButton* addKey(const QString& caption, KeyBinding binding, void (*press)(Model& m));
  /// The From or the To list, editable; the model hears of its opening and of each text.
  ConverterCombo* addList(bool from);
  void done();

  Model& model_;
  Zoom& zoom_;  ///< the calculator's, which this follows
  std::function<void()> changed_;
  QPushButton* constants_ = nullptr;  ///< Constants: the lists switch to the constants library
  QPushButton* convert_ = nullptr;    ///< Convert, or Use Constant
  QLabel* fromLabel_ = nullptr;
  QLabel* toLabel_ = nullptr;
  ConverterCombo* fromList_ = nullptr;
  ConverterCombo* toList_ = nullptr;
  QFrame* fromMarker_ = nullptr;  ///< the red border of the From list
  QFrame* toMarker_ = nullptr;    ///< the red border of the To list
};

}  // namespace zova
