// The window mode: the application object, the model started up from its
// settings file (see model/settings_location.h), the main window and the tray
// icon. The program ends with the main window, whatever other window is still
// open; a logout writes the settings as an exit does.
#include "shell/window_app.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <string>

#include "model/auto_save.h"
#include "model/model.h"
#include "model/settings_location.h"
#include "model/tape_file.h"
#include "model/window_conf.h"
#include "model/window_geometry.h"
#include "shell/close_on_signal.h"
#include "shell/main_window.h"
#include "shell/program_look.h"
#include "shell/qt_toolkit.h"
#include "shell/save_as_you_go.h"
#include "shell/screen_scale.h"
#include "shell/session_end.h"
#include "shell/single_window.h"
#include "shell/translation.h"
#include "shell/window_platform.h"
#include "version.h"

namespace zova {

namespace {

/// The end-to-end test's way in where no tool can type into the window (a
/// headless Wayland compositor): ZOVA_TEST_KEYS's characters are pressed on
/// the window once it is on the screen, then one line says the platform, the
/// display and whether Always on Top is available, and the program ends.
void typeTestKeysWhenShown(MainWindow& window) {
  const QString keys = qEnvironmentVariable("ZOVA_TEST_KEYS");
  if (keys.isEmpty()) return;
  auto* poll = new QTimer(&window);
  QObject::connect(poll, &QTimer::timeout, &window, [&window, keys, poll] {
    if (!window.windowHandle() || !window.windowHandle()->isExposed()) return;
    poll->stop();
    for (const QChar c : keys) {
      const int key = c == u'\n' ? int(Qt::Key_Return) : int(c.toUpper().unicode());
      for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(c));
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QApplication::sendEvent(target, &event);
      }
    }
    const bool onTop = window.action(QStringLiteral("alwaysOnTop"))->isEnabled();
    std::printf("platform=%s display=%s alwaysOnTop=%s\n",
                qPrintable(QGuiApplication::platformName()),
                qPrintable(window.displayField()->text()), onTop ? "available" : "unavailable");
    std::fflush(stdout);
    window.endProgram();
  });
  poll->start(20);
}

/// A save that failed while the program runs is told without a dialog that
/// would take the user's next Enter: in the window's title, on standard error
/// and, where there is a tray, in its message. "" says all is saved again and
/// gives the window its title back.
void tellSaveProblem(MainWindow& window, const QString& title, const Text& problem) {
  const QString text = shownText(problem);
  window.setWindowTitle(text.isEmpty() ? title : title + QStringLiteral(" \u2013 ") + text);
  if (text.isEmpty()) return;
  std::fprintf(stderr, "zova: %s\n", english(problem).c_str());
  if (window.trayIcon())
    window.trayIcon()->showMessage(QStringLiteral("Zova"), text, QSystemTrayIcon::Warning);
}

}  // namespace

int runWindow(int argc, char** argv) {
  // Read before the platform takes its own start's token out of the environment.
  const ActivationToken token{qEnvironmentVariable("XDG_ACTIVATION_TOKEN"),
                              qEnvironmentVariable("DESKTOP_STARTUP_ID")};
  // X11 takes WM_CLASS's instance half from RESOURCE_NAME (else the program's
  // file name) and its class half from the application name.
  if (!qEnvironmentVariableIsSet("RESOURCE_NAME")) qputenv("RESOURCE_NAME", kApplicationId);
  endOnFatalMessage();
  Zoom sizes;  // the window's zoom, which outlives the style that draws at it
  QApplication app(argc, argv);
  releaseHeldMessages();
  QApplication::setStyle(makeProgramStyle(&sizes));
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
  const std::string settingsPath = windowSettingsPath();
  // The window writes its settings as the user goes and at every exit, so a
  // configuration folder that is to hold them is made now; the command line,
  // which never writes there, makes none.
  if (settingsPath != kSettingsFileName) makeSettingsFolder(settingsPath);
  // One window for each settings file: a second start shows the first one.
  SingleWindow single(QString::fromStdString(settingsPath));
  if (single.handedToRunningWindow(token)) return 0;

  QtToolkit toolkit;
  Model model(toolkit, symbols);
  model.setSettingsFile(settingsPath);
  model.startUp();
  // The tape kept beside the settings file; a damaged one is set aside, never in the way.
  const std::string tapeFile = tapeFileBeside(model.settingsFile());
  const TapeLoad tapeLoad = loadTapeFile(model.tape(), tapeFile);
  AutoSave autoSave(model, tapeFile);
  autoSave.startFrom(tapeLoad == TapeLoad::kRead);
  // The zoom the window had; at a first start, one that suits the screen.
  const std::string windowFile = windowConfBeside(model.settingsFile());
  if (const std::optional<WindowConf> conf = readWindowConf(windowFile))
    sizes.setZoomPercent(conf->zoom);
  else if (const QScreen* screen = QGuiApplication::primaryScreen())
    sizes.setZoomPercent(firstStartZoom(screen->availableGeometry().height(),
                                        twipsToPixels(kNormalHeight, logicalDpi())));

  int status = 0;
  int zoom = sizes.zoomPercent();
  {
    MainWindow window(model, toolkit, sizes);
    QApplication::setWindowIcon(window.windowIcon());
    window.installTrayIcon();
    single.onActivate = [&](const ActivationToken& later) {
      useActivationToken(later);
      model.showFromTray();
      window.refresh();
    };
    autoSave.report = [&window, title = window.windowTitle()](const Text& problem) {
      tellSaveProblem(window, title, problem);
    };
    SaveAsYouGo saveAsYouGo(autoSave);
    writeSettingsAtSessionEnd(app, model, &window);
    CloseOnSignal closeOnSignal([&] { window.endProgram(); });
    if (!model.shell().hidden)
      window.show();
    else if (!QSystemTrayIcon::isSystemTrayAvailable())
      window.showMinimized();  // no tray to come back from
    typeTestKeysWhenShown(window);
    status = QApplication::exec();
    single.onActivate = nullptr;
    // The loop can also end from outside (the session closing): save all the same.
    if (!model.ended()) model.unload();
    zoom = window.chosenZoom();
  }
  saveTapeFile(model.tape(), tapeFile);
  writeWindowConf({zoom}, windowFile);
  return status;
}

}  // namespace zova

extern "C" __attribute__((visibility("default"))) int zova_run_window(int argc, char** argv) {
  return zova::runWindow(argc, argv);
}

extern "C" __attribute__((visibility("default"))) const char* zova_window_unavailable(int argc,
                                                                                      char** argv) {
  static std::string why;
  why = zova::chooseWindowPlatform(argc, argv);
  return why.empty() ? nullptr : why.c_str();
}
