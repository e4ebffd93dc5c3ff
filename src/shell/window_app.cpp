// The window mode: the application object, the model started up from its
// settings file (see model/settings_location.h), the main window and the tray
// icon. The program ends with the main window, whatever other window is still
// open; a logout writes the settings as an exit does.
#include "shell/window_app.h"

#include <QApplication>
#include <QLocale>
#include <QSystemTrayIcon>

#include "model/model.h"
#include "model/settings_location.h"
#include "model/tape_file.h"
#include "shell/close_on_signal.h"
#include "shell/main_window.h"
#include "shell/program_look.h"
#include "shell/qt_toolkit.h"
#include "shell/session_end.h"
#include "shell/translation.h"
#include "version.h"

namespace zova {

int runWindow(int argc, char** argv) {
  // X11 takes WM_CLASS's instance half from RESOURCE_NAME (else the program's
  // file name) and its class half from the application name.
  if (!qEnvironmentVariableIsSet("RESOURCE_NAME")) qputenv("RESOURCE_NAME", kApplicationId);
  QApplication app(argc, argv);
  QApplication::setStyle(makeProgramStyle());
  QApplication::setApplicationName(QLatin1String(kApplicationId));
  QApplication::setApplicationVersion(QLatin1String(kVersion));
  QApplication::setDesktopFileName(QLatin1String(kApplicationId));
  // The window speaks the desktop's language; the command line never gets here.
  installTranslations(app);
  // Only the main window's unload ends the program: closing the periodic table
  // while the calculator sits in the tray must not.
  QApplication::setQuitOnLastWindowClosed(false);

  const QLocale locale;
  const NumberLocale symbols{locale.decimalPoint().toStdString(),
                             locale.groupSeparator().toStdString()};
  QtToolkit toolkit;
  Model model(toolkit, symbols);
  const std::string settingsPath = windowSettingsPath();
  model.setSettingsFile(settingsPath);
  model.startUp();
  // The window writes its settings at every exit (and when the options are
  // confirmed), so a configuration folder that is to hold them is made now;
  // the command line, which never writes there, makes none.
  if (settingsPath != kSettingsFileName) makeSettingsFolder(settingsPath);
  // The tape kept beside the settings file; a damaged one is set aside, never in the way.
  const std::string tapeFile = tapeFileBeside(model.settingsFile());
  loadTapeFile(model.tape(), tapeFile);

  int status = 0;
  {
    MainWindow window(model, toolkit);
    QApplication::setWindowIcon(window.windowIcon());
    window.installTrayIcon();
    writeSettingsAtSessionEnd(app, model, &window);
    CloseOnSignal closeOnSignal([&] { window.endProgram(); });
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
