// The start-up entry: "Appear on Startup" creates an XDG autostart file that
// starts this program, and removes it again; failures are reported.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "model/model.h"
#include "shell/qt_toolkit.h"

using namespace zova;

class StartupEntryTest : public QObject {
  Q_OBJECT
 private slots:
  void menuCreatesAndRemovesTheEntry();
  void unwritableFolderIsReported();
};

void StartupEntryTest::menuCreatesAndRemovesTheEntry() {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QtToolkit toolkit;
  Model model(toolkit, {});
  model.startUp();
  const QString path = config.path() + "/autostart/zova.desktop";
  QCOMPARE(QtToolkit::startupEntryPath(), path);

  model.mnuMinimize_Click();
  QVERIFY(model.shell().minStart);
  QVERIFY(model.shell().minimizeChecked);
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  QVERIFY(text.startsWith("[Desktop Entry]"));
  QVERIFY(text.contains("Exec=\"" + QCoreApplication::applicationFilePath() + "\""));
  file.close();

  model.mnuMinimize_Click();
  QVERIFY(!model.shell().minStart);
  QVERIFY(!QFile::exists(path));
}

void StartupEntryTest::unwritableFolderIsReported() {
  QTemporaryDir config;
  // A file where the autostart folder should be makes the entry impossible.
  QFile blocker(config.path() + "/autostart");
  QVERIFY(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QtToolkit toolkit;
  QVERIFY(!toolkit.setStartupEntry(true));
  QVERIFY(!toolkit.setStartupEntry(false));
}

QTEST_MAIN(StartupEntryTest)
#include "startup_entry_test.moc"
