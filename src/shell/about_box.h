// The About box: the program's name, version and notice, placed above other
// windows and closed by its OK button.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace zova {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* owner = nullptr);

  /// Shows the owner's About box, not modal, creating it on first use.
  static AboutBox* open(QWidget* owner);
};

}  // namespace zova
