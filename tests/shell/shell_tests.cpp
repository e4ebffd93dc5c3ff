// The window tests' program: runs the test class its first argument names (the rest of the
// arguments go to QtTest), so that each window's tests are a ctest entry of their own.
#include <QApplication>

#include "shell/model_rig.h"
#include "shell/program_look.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(zova::makeProgramStyle());  // the program's own
  const auto& tests = zova::shellTests();
  const auto test = argc > 1 ? tests.find(QString::fromLocal8Bit(argv[1])) : tests.end();
  if (test == tests.end()) {
    for (const auto& entry : tests) qInfo("%s", qPrintable(entry.first));
    return 2;
  }
  std::unique_ptr<QObject> object(test->second());
  argv[1] = argv[0];
  return QTest::qExec(object.get(), argc - 1, argv + 1);
}
