// The window mode: the application object, the model, start-up and the
// main window, with the display font installed for the program's lifetime.
#include "shell/window_app.h"

#include <QApplication>
#include <QLocale>

#include "model/model.h"
#include "shell/main_window.h"
#include "shell/qt_toolkit.h"

namespace zova {

int runWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zova"));
  const QLocale locale;
  NumberLocale symbols{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
  QtToolkit toolkit;
  Model model(toolkit, symbols);
  model.startUp();
  int status = 0;
  {
    MainWindow window(model, toolkit);
    window.show();
    status = QApplication::exec();
  }
  toolkit.removeFont();
  return status;
}

}  // namespace zova

extern "C" int zova_run_window(int argc, char** argv) { return zova::runWindow(argc, argv); }
