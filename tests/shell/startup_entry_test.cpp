// The start-up entry: "Appear on Startup" creates an XDG autostart file that starts this
// program, and removes it again; a failure is reported; the entries validate.
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include "model/desktop_entry.h"
#include "shell/model_rig.h"

using namespace zova;

class StartupEntryTest : public QObject {
  Q_OBJECT
 private slots:
  void menuCreatesAndRemovesTheEntry() {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QtToolkit toolkit;
    Model model(toolkit, {});
    model.startUp();
    const QString path = config.path() + "/autostart/zova.desktop";
    QCOMPARE(QtToolkit::startupEntryPath(), path);
    qputenv("XDG_CONFIG_HOME", "relcfg");  // relative: ignored, as for the settings
    QCOMPARE(QtToolkit::startupEntryPath(), QDir::homePath() + "/.config/autostart/zova.desktop");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    model.toggleStartupEntry();
    QVERIFY(model.shell().startupEntry);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.startsWith("[Desktop Entry]") &&
            text.contains("Exec=\"" + QCoreApplication::applicationFilePath() + "\"\n") &&
            text.contains("\nPath=" + QDir::currentPath() + "\n"));
    model.toggleStartupEntry();
    QVERIFY(!model.shell().startupEntry && !QFile::exists(path));
    // A file where the autostart folder should be makes the entry impossible.
    QVERIFY(QDir(config.path()).removeRecursively() && QDir().mkpath(config.path()));
    QFile blocker(config.path() + "/autostart");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    QVERIFY(!toolkit.setStartupEntry(true) && !toolkit.setStartupEntry(false));
  }

  // desktop-file-validate is the freedesktop reference reader of desktop entries.
  void entriesForAwkwardPathsValidate() {
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty()) QSKIP("desktop-file-validate is not installed");
    QTemporaryDir dir;
    const QString path = dir.path() + "/zova.desktop";
    for (const char* program : {"/opt/my apps/zova", "/tmp/a\"b/zova", "/tmp/$HOME/zova",
                                "/tmp/`id`/zova", "/tmp/back\\slash/zova", "/tmp/100%/zova"}) {
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
};

static const zova::ShellTest<StartupEntryTest> kRegistered("startup_entry");
#include "startup_entry_test.moc"
