// SIGTERM, SIGHUP and SIGINT end the window through the event loop, once, and the program's
// earlier handlers return afterwards. A signal ends the program and writes its settings
// whatever the user has open.
#include "shell/close_on_signal.h"

#include <signal.h>

#include <QMenu>
#include <QtTest>

#include "shell/model_rig.h"

using namespace zova;

class CloseOnSignalTest : public QObject {
  Q_OBJECT
 private slots:
  void eachSignalClosesOnceFromTheEventLoop() {
    ::signal(SIGHUP, SIG_IGN);
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
    struct sigaction now {};
    ::sigaction(SIGHUP, nullptr, &now);
    QVERIFY(now.sa_handler == SIG_IGN);
  }

  void aSignalEndsTheProgramWhateverIsOpen_data() {
    QTest::addColumn<QString>("opened");  // a menu item, or what opens some other way
    for (const char* opened : {"nothing", "options", "View menu", "hide"})
      QTest::newRow(opened) << QString::fromLatin1(opened);
  }

  // The loop returns with status 0 and the settings file holds what was typed.
  void aSignalEndsTheProgramWhateverIsOpen() {
    QFETCH(QString, opened);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("dadidedo.dat"));
    WindowRig rig(file);
    QVERIFY(rig.exposed());
    MainWindow& window = *rig.window;
    QVERIFY(!runSequence(rig.model, "7,Kin").has_value());
    CloseOnSignal closer([&] { window.endProgram(); });
    const int windows = int(QApplication::topLevelWidgets().size());
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (opened == "hide" ? !rig.model.shell().hidden
                           : opened != "nothing" && !QApplication::activePopupWidget() &&
                                 QApplication::topLevelWidgets().size() == windows)
        return;
      poll.stop();
      ::raise(SIGTERM);
    });
    // A dialog runs its own event loop: it opens from inside the program's loop.
    QTimer::singleShot(0, &window, [&] {
      poll.start(10);
      if (opened == "View menu")
        child<QMenu>(window, "viewMenu")->popup(window.mapToGlobal(QPoint(10, 10)));
      else if (opened != "nothing")
        window.action(opened)->trigger();
    });
    QTimer::singleShot(10000, &window, [] { QCoreApplication::exit(2); });
    QCOMPARE(QApplication::exec(), 0);  // 2: the program went on after the signal
    QVERIFY(rig.model.ended() && !QApplication::activeModalWidget());
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readLine().trimmed(), QByteArray("7"));
  }
};

static const zova::ShellTest<CloseOnSignalTest> kRegistered("close_on_signal");
#include "close_on_signal_test.moc"
