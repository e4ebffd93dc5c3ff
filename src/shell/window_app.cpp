// The window mode: the application object, the model started up from the
// settings file in the current folder, the main window and the tray icon. The
// program ends with the main window, whatever other window is still open.
#include "shell/window_app.h"

#include <QApplication>
#include <QLocale>
#include <QSystemTrayIcon>

#include "model/model.h"
#include "model/tape_file.h"
#include "shell/close_on_signal.h"
#include "shell/main_window.h"
#include "shell/program_look.h"
#include "shell/qt_toolkit.h"
#include "version.h"

namespace zova {

int runWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(makeProgramStyle());
  QApplication::setApplicationName(QStringLiteral("Zova"));
  QApplication::setApplicationVersion(QLatin1String(kVersion));
  QApplication::setDesktopFileName(QStringLiteral("zova"));
  // Only the main window's unload ends the program: closing the periodic table
  // while the calculator sits in the tray must not.
  QApplication::setQuitOnLastWindowClosed(false);

  const QLocale locale;
  const NumberLocale symbols{locale.decimalPoint().toStdString(),
                             locale.groupSeparator().toStdString()};
  QtToolkit toolkit;
  Model model(toolkit, symbols);
  model.setSettingsFile(kSettingsFileName);
  model.startUp();
  // The tape kept beside the settings file; a damaged one is set aside, never in the way.
  const std::string tapeFile = tapeFileBeside(model.settingsFile());
  loadTapeFile(model.tape(), tapeFile);

  int status = 0;
  {
    MainWindow window(model, toolkit);
    QApplication::setWindowIcon(window.windowIcon());
    window.installTrayIcon();
    CloseOnSignal closeOnSignal([&] {
      window.close();
      if (!model.ended()) model.unload();  // a window in the tray takes no close event
    });
    if (!model.shell().hidden)
      window.show();
    else if (!QSystemTrayIcon::isSystemTrayAvailable())
      window.showMinimized();  // no tray to come back from
    status = QApplication::exec();
    // The loop can also end from outside (the session closing): save all the same.
    if (!model.ended()) model.unload();
  }
  saveTapeFile(model.tape(), tapeFile);
  return status;
}

}  // namespace zova

extern "C" __attribute__((visibility("default"))) int zova_run_window(int argc, char** argv) {
  return zova::runWindow(argc, argv);
}
