// A logout's commit-data request writes the settings file the window uses, in
// the user's configuration folder when the current folder has none.
#include "shell/session_end.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSessionManager>
#include <QTemporaryDir>
#include <QtTest>

#include "model/model.h"
#include "model/sequence.h"
#include "model/settings_location.h"
#include "shell/model_rig.h"

namespace zova {

class SessionEndTest : public QObject {
  Q_OBJECT
 private slots:
  void commitDataWritesTheSettings();
};

namespace {

QByteArray firstLine(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return "(unreadable)";
  return f.readLine().trimmed();
}

}  // namespace

void SessionEndTest::commitDataWritesTheSettings() {
  QTemporaryDir work, config;
  QVERIFY(work.isValid() && config.isValid());
  const QString before = QDir::currentPath();
  QVERIFY(QDir::setCurrent(work.path()));
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  const std::string path = windowSettingsPath();
  QDir::setCurrent(before);
  QCOMPARE(QString::fromStdString(path), config.path() + "/zova/dadidedo.dat");
  QVERIFY(makeSettingsFolder(path));

  // The session manager Qt made for the application, as a logout reaches it.
  auto* manager = qApp->findChild<QSessionManager*>();
  QVERIFY(manager != nullptr);

  HeadlessToolkit tk;
  Model model(tk, {});
  model.setSettingsFile(path);
  model.startUp();
  QObject window;
  writeSettingsAtSessionEnd(*qApp, model, &window);
  QVERIFY(!runSequence(model, "9,Kin").has_value());
  QVERIFY(!QFile::exists(QString::fromStdString(path)));
  emit qApp->commitDataRequest(*manager);
  QCOMPARE(firstLine(QString::fromStdString(path)), QByteArray("9"));
  QVERIFY(!tk.quitRequested);  // the logout may be cancelled: the program goes on

  // A second request writes what has changed since.
  QVERIFY(!runSequence(model, "4,Kin").has_value());
  emit qApp->commitDataRequest(*manager);
  QCOMPARE(firstLine(QString::fromStdString(path)), QByteArray("4"));
}

}  // namespace zova

static const zova::ShellTest<zova::SessionEndTest> kRegistered("session_end");
#include "session_end_test.moc"
