// SIGTERM, SIGHUP and SIGINT end the window through the event loop, once,
// and the program's earlier handlers return afterwards.
#include "shell/close_on_signal.h"

#include <signal.h>

#include <QtTest>

using namespace zova;

class CloseOnSignalTest : public QObject {
  Q_OBJECT
 private slots:
  void eachSignalClosesOnceFromTheEventLoop_data();
  void eachSignalClosesOnceFromTheEventLoop();
  void earlierHandlersReturn();
};

void CloseOnSignalTest::eachSignalClosesOnceFromTheEventLoop_data() {
  QTest::addColumn<int>("number");
  QTest::newRow("SIGTERM") << SIGTERM;
  QTest::newRow("SIGHUP") << SIGHUP;
  QTest::newRow("SIGINT") << SIGINT;
}

void CloseOnSignalTest::eachSignalClosesOnceFromTheEventLoop() {
  QFETCH(int, number);
  int closes = 0;
  CloseOnSignal closer([&] { ++closes; });
  ::raise(number);
  QCOMPARE(closes, 0);  // nothing runs inside the handler
  QTRY_COMPARE(closes, 1);
  ::raise(number);
  QTest::qWait(50);
  QCOMPARE(closes, 1);
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

QTEST_MAIN(CloseOnSignalTest)
#include "close_on_signal_test.moc"
