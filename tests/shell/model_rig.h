// A model behind a headless toolkit for the window tests, and the same model
// driven through the command-line notation to compare the windows against, and a
// started calculator with its window shown on the real toolkit.
#pragma once

#include <QString>
#include <QStringList>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "model/model.h"
#include "model/sequence.h"
#include "model/toolkit.h"
#include "shell/main_window.h"
#include "shell/qt_toolkit.h"

namespace zova {

struct ModelRig {
  HeadlessToolkit tk;
  Model model{tk, {}};
  int changes = 0;  ///< how often a view asked for the main window to redraw

  ModelRig() { model.startUp(); }
  std::function<void()> changed() {
    return [this] { ++changes; };
  }
  /// Runs one command-line token on the model; false when it does not parse.
  bool run(const QString& token) { return !runSequence(model, token.toStdString()).has_value(); }
};

/// A calculator started on `Tk` (QtToolkit or one made from it), reading `settingsFile`,
/// and its window, shown.
template <class Tk = QtToolkit>
struct WindowRig {
  explicit WindowRig(const QString& settingsFile = {}) : model(toolkit, {}) {
    model.setSettingsFile(settingsFile.toStdString());
    model.startUp();
    window = std::make_unique<MainWindow>(model, toolkit);
    window->show();
  }
  /// Waits until the window system shows the window; false when it never does.
  bool exposed() const { return QTest::qWaitForWindowExposed(window.get()); }

  Tk toolkit;
  Model model;
  std::unique_ptr<MainWindow> window;
};

/// The tokens of a script in the command-line notation.
inline QStringList tokens(const QString& script) {
  return script.isEmpty() ? QStringList() : script.split(QLatin1Char(','));
}

/// The token's area ("stat" in "stat:enter"), or "" for keypad tokens.
inline QString area(const QString& token) {
  const int colon = token.indexOf(QLatin1Char(':'));
  return colon < 0 ? QString() : token.left(colon);
}

/// The action of "area:action=value".
inline QString actionOf(const QString& token) {
  return token.section(QLatin1Char(':'), 1).section(QLatin1Char('='), 0, 0);
}

/// A model text as Qt's.
inline QString q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

/// The text after "=" in "area:action=value".
inline QString valueOf(const QString& token) { return token.section(QLatin1Char('='), 1, -1); }

}  // namespace zova
