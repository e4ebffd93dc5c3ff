// The session manager's commit-data request, answered by writing the settings.
#include "shell/session_end.h"

#include <QGuiApplication>
#include <QSessionManager>

#include "model/model.h"

namespace zova {

void writeSettingsAtSessionEnd(QGuiApplication& app, Model& model, QObject* context) {
  // The logout may still be cancelled, so the program goes on: only the
  // file is written, as the window's unload would write it.
  QObject::connect(&app, &QGuiApplication::commitDataRequest, context, [&model] {
    if (!model.ended()) model.writeSettings();
  });
}

}  // namespace zova
