// A logout's commit-data request writes the settings file the window uses, in the user's
// configuration folder when the current folder has none, each time it comes.
#include "shell/session_end.h"

#include <QSessionManager>
#include <QtTest>

#include "model/settings_location.h"
#include "shell/model_rig.h"

namespace zova {

class SessionEndTest : public QObject {
  Q_OBJECT
 private slots:
  void commitDataWritesTheSettings() {
    QTemporaryDir work, config;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const std::string path = windowSettingsPath();
    QDir::setCurrent(before);
    QCOMPARE(QString::fromStdString(path), config.path() + "/zova/dadidedo.dat");
    QVERIFY(makeSettingsFolder(path));
    auto* manager = qApp->findChild<QSessionManager*>();  // the one a logout reaches
    QVERIFY(manager != nullptr);
    HeadlessToolkit tk;
    Model model(tk, {});
    model.setSettingsFile(path);
    model.startUp();
    QObject window;
    writeSettingsAtSessionEnd(*qApp, model, &window);
    QVERIFY(!QFile::exists(QString::fromStdString(path)));
    for (const char* k : {"9", "4"}) {
      QVERIFY(!runSequence(model, std::string(k) + ",Kin").has_value());
      emit qApp->commitDataRequest(*manager);
      QFile f(QString::fromStdString(path));
      QVERIFY(f.open(QIODevice::ReadOnly));
      QCOMPARE(f.readLine().trimmed(), QByteArray(k));
      QVERIFY(!tk.quitRequested);  // the logout may be cancelled: the program goes on
    }
  }
};

}  // namespace zova

static const zova::ShellTest<zova::SessionEndTest> kRegistered("session_end");
#include "session_end_test.moc"
