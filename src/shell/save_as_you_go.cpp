// The wait between the user's input and the save.
#include "shell/save_as_you_go.h"

#include <QCoreApplication>
#include <QEvent>

namespace zova {

namespace {
// Well within the second after a change that the files must hold it.
constexpr int kWaitMs = 500;
}  // namespace

SaveAsYouGo::SaveAsYouGo(AutoSave& save) : save_(save) {
  wait_.setSingleShot(true);
  wait_.setInterval(kWaitMs);
  connect(&wait_, &QTimer::timeout, this, [this] { save_.saveChanges(); });
  QCoreApplication::instance()->installEventFilter(this);
}

// Only what the user does changes the files' content; the filter only starts the wait.
bool SaveAsYouGo::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonRelease:
    case QEvent::Drop:
    case QEvent::Wheel:
      if (!wait_.isActive()) wait_.start();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace zova
