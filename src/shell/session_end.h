// The desktop session's end: when the user logs out, the session manager asks
// each program to commit its data; the calculator then writes its settings file.
#pragma once

#include <QObject>

class QGuiApplication;

namespace zova {

class Model;

/// Writes the model's settings file whenever the session manager asks app to
/// commit its data (a logout). The connection lasts as long as context.
void writeSettingsAtSessionEnd(QGuiApplication& app, Model& model, QObject* context);

}  // namespace zova
