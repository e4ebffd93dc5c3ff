// Saves the window's files moments after the user changed something: any key,
// click or drop starts a short wait, at whose end the model's AutoSave writes
// what changed. Keys never wait on a write, and typing saves at most twice a second.
#pragma once

#include <QObject>
#include <QTimer>

#include "model/auto_save.h"

namespace zova {

class SaveAsYouGo : public QObject {
 public:
  /// Watches the application's input; save must outlive this object.
  explicit SaveAsYouGo(AutoSave& save);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AutoSave& save_;
  QTimer wait_;
};

}  // namespace zova
