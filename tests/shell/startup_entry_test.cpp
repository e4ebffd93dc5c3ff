// The start-up entry: "Appear on Startup" creates an XDG autostart file that
// starts this program, and removes it again; failures are reported.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "model/desktop_entry.h"
#include "model/model.h"
#include "shell/model_rig.h"
#include "shell/qt_toolkit.h"

using namespace zova;

class StartupEntryTest : public QObject {
  Q_OBJECT
 private slots:
  void menuCreatesAndRemovesTheEntry();
  void unwritableFolderIsReported();
  void entriesForAwkwardPathsValidate();
};

void StartupEntryTest::menuCreatesAndRemovesTheEntry() {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QtToolkit toolkit;
  Model model(toolkit, {});
  model.startUp();
  const QString path = config.path() + "/autostart/zova.desktop";
  QCOMPARE(QtToolkit::startupEntryPath(), path);

  model.toggleStartupEntry();
  QVERIFY(model.shell().startupEntry);
  QVERIFY(model.shell().startupEntryChecked);
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  QVERIFY(text.startsWith("[Desktop Entry]"));
  QVERIFY(text.contains("Exec=\"" + QCoreApplication::applicationFilePath() + "\"\n"));
  QVERIFY(text.contains("\nPath=" + QDir::currentPath() + "\n"));
  file.close();

  model.toggleStartupEntry();
  QVERIFY(!model.shell().startupEntry);
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

// desktop-file-validate is the freedesktop reference reader of desktop entries.
void StartupEntryTest::entriesForAwkwardPathsValidate() {
  const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
  if (validator.isEmpty()) QSKIP("desktop-file-validate is not installed");
  QTemporaryDir dir;
  const char* programs[] = {"/opt/my apps/zova", "/tmp/a\"b/zova",        "/tmp/$HOME/zova",
                            "/tmp/`id`/zova",    "/tmp/back\\slash/zova", "/tmp/100%/zova"};
  for (const char* program : programs) {
    const QString path = dir.path() + "/zova.desktop";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray::fromStdString(autostartEntry(program, "/home/u/a $b")));
    file.close();
    QProcess check;
    check.start(validator, {path});
    QVERIFY(check.waitForFinished());
    QVERIFY2(check.exitCode() == 0 && check.readAllStandardOutput().isEmpty(), program);
  }
}

static const zova::ShellTest<StartupEntryTest> kRegistered("startup_entry");
#include "startup_entry_test.moc"
