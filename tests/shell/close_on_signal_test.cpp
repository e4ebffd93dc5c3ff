// SIGTERM, SIGHUP and SIGINT end the window through the event loop, once,
// and the program's earlier handlers return afterwards. A signal ends the
// program and writes its settings whatever the user has open.
#include "shell/close_on_signal.h"

#include <signal.h>

#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/model_rig.h"

using namespace zova;

class CloseOnSignalTest : public QObject {
  Q_OBJECT
 private slots:
  void eachSignalClosesOnceFromTheEventLoop();
  void earlierHandlersReturn();
  void aSignalEndsTheProgramWhateverIsOpen_data();
  void aSignalEndsTheProgramWhateverIsOpen();
};

void CloseOnSignalTest::eachSignalClosesOnceFromTheEventLoop() {
  for (int number : {SIGTERM, SIGHUP, SIGINT}) {
    int closes = 0;
    CloseOnSignal closer([&] { ++closes; });
    ::raise(number);
    QCOMPARE(closes, 0);  // nothing runs inside the handler
    QTRY_COMPARE(closes, 1);
    ::raise(number);
    QTest::qWait(50);
    QCOMPARE(closes, 1);
  }
}

void CloseOnSignalTest::earlierHandlersReturn() {
  ::signal(SIGHUP, SIG_IGN);
  {
    CloseOnSignal closer([] {});
  }
  struct sigaction now {};
  ::sigaction(SIGHUP, nullptr, &now);
  QVERIFY(now.sa_handler == SIG_IGN);
  ::raise(SIGHUP);  // ignored, as before
}

void CloseOnSignalTest::aSignalEndsTheProgramWhateverIsOpen_data() {
  QTest::addColumn<QString>("opened");
  // Menu items, and what opens some other way.
  for (const char* opened :
       {"nothing", "options", "save", "periodicTable", "View menu", "error message", "hide"})
    QTest::newRow(opened) << QString::fromLatin1(opened);
}

// The program's own signal ending, on the program's own window, dialogs and event loop:
// the loop returns with status 0 and the settings file holds what was typed.
void CloseOnSignalTest::aSignalEndsTheProgramWhateverIsOpen() {
  QFETCH(QString, opened);
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const QString file = dir.filePath(QStringLiteral("dadidedo.dat"));
  WindowRig rig(file);
  QVERIFY(rig.exposed());
  Model& model = rig.model;
  MainWindow& window = *rig.window;
  QVERIFY(!runSequence(model, "7,Kin").has_value());
  CloseOnSignal closer([&] { window.endProgram(); });

  const QWidgetList before = QApplication::topLevelWidgets();
  auto isOpen = [&] {
    if (opened == QLatin1String("nothing")) return true;
    if (opened == QLatin1String("hide")) return model.shell().hidden;  // in the tray, or minimized
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return true;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (!before.contains(top) && top->isVisible()) return true;
    return false;
  };
  bool signalled = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!isOpen()) return;
    poll.stop();
    signalled = true;
    ::raise(SIGTERM);
  });
  // A dialog runs its own event loop: it opens from inside the program's loop.
  QTimer::singleShot(0, &window, [&] {
    poll.start(10);
    if (opened == QLatin1String("View menu"))
      window.findChild<QMenu*>(QStringLiteral("viewMenu"))
          ->popup(window.mapToGlobal(QPoint(10, 10)));
    else if (opened == QLatin1String("error message"))
      runSequence(model, "1000,fin:click=PV,fin:solve=PMT");
    else if (opened != QLatin1String("nothing"))
      window.action(opened)->trigger();
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(2); });
  watchdog.start(10000);
  const int status = QApplication::exec();
  QVERIFY(signalled);
  QCOMPARE(status, 0);  // 2: the program went on after the signal
  QVERIFY(model.ended());
  QVERIFY(!QApplication::activeModalWidget());
  QFile written(file);
  QVERIFY(written.open(QIODevice::ReadOnly));
  QCOMPARE(written.readLine().trimmed(), QByteArray("7"));
}

static const zova::ShellTest<CloseOnSignalTest> kRegistered("close_on_signal");
#include "close_on_signal_test.moc"
