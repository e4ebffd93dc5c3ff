// The session bus side speaks org.freedesktop.Application's Activate, as desktop
// launchers do; the local socket side carries one line with the same tokens.
#include "shell/single_window.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QVariantMap>
#include <cstdio>

#include "version.h"

namespace zova {

namespace {

const QString kObjectPath = QStringLiteral("/io/github/zova/zova");
const QString kInterface = QStringLiteral("org.freedesktop.Application");
const QString kActivationKey = QStringLiteral("activation-token");
const QString kStartupKey = QStringLiteral("desktop-startup-id");
constexpr int kAnswerMs = 5000;

// Only a bus that is there: without an address libdbus would start one of its own.
bool sessionBusExpected() {
  if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) return true;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

QVariantMap platformData(const ActivationToken& token) {
  QVariantMap data;
  if (!token.wayland.isEmpty()) data.insert(kActivationKey, token.wayland);
  if (!token.x11.isEmpty()) data.insert(kStartupKey, token.x11);
  return data;
}

// The window's Activate method on the bus; the rest of the interface is not offered.
class ActivateObject : public QDBusVirtualObject {
 public:
  explicit ActivateObject(const std::function<void(const ActivationToken&)>& onActivate)
      : onActivate_(onActivate) {}
  QString introspect(const QString&) const override {
    return QStringLiteral(
        "<interface name=\"org.freedesktop.Application\"><method name=\"Activate\">"
        "<arg type=\"a{sv}\" name=\"platform_data\" direction=\"in\"/></method></interface>");
  }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
    if (message.interface() != kInterface || message.member() != QLatin1String("Activate"))
      return false;
    QVariantMap data;
    if (!message.arguments().isEmpty())
      data = qdbus_cast<QVariantMap>(message.arguments().constFirst());
    bus.send(message.createReply());
    if (onActivate_)
      onActivate_({data.value(kActivationKey).toString(), data.value(kStartupKey).toString()});
    return true;
  }

 private:
  const std::function<void(const ActivationToken&)>& onActivate_;
};

QByteArray tokenLine(const ActivationToken& token) {
  return "activate\t" + token.wayland.toUtf8() + '\t' + token.x11.toUtf8() + '\n';
}

}  // namespace

struct SingleWindow::Parts {
  std::unique_ptr<ActivateObject> object;
  QLocalServer server;
};

SingleWindow::SingleWindow(const QString& settingsPath)
    : parts_(std::make_unique<Parts>()),
      hash_(pathHash(settingsPath)),
      folder_(QFileInfo(settingsPath).absolutePath()) {}

SingleWindow::~SingleWindow() = default;

QString SingleWindow::pathHash(const QString& settingsPath) {
  const QFileInfo file(settingsPath);
  // The folder as the file system names it, so that links and "." lead to one name.
  QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
  if (folder.isEmpty()) folder = file.absolutePath();
  const QByteArray path = QDir(folder).filePath(file.fileName()).toUtf8();
  return QString::fromLatin1(
      QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(12));
}

bool SingleWindow::handedToRunningWindow(const ActivationToken& token) {
  bool ownedOnBus = false;
  if (sessionBusExpected() && askBus(token, ownedOnBus)) return true;
  // A window started without the bus listens on its socket only.
  const QString paths[] = {
      QDir(folder_).filePath(QStringLiteral(".zova-window-") + hash_),
      QDir(QDir::tempPath()).filePath(QStringLiteral("zova-%1-%2").arg(::getuid()).arg(hash_))};
  // Two starts at one moment: the later waits until the first listens.
  QLockFile lock(paths[0] + QStringLiteral(".lock"));
  lock.tryLock(kAnswerMs);
  for (const QString& path : paths)
    if (askSocket(path, token)) return true;
  parts_->server.setSocketOptions(QLocalServer::UserAccessOption);
  QObject::connect(&parts_->server, &QLocalServer::newConnection, &parts_->server, [this] {
    while (QLocalSocket* peer = parts_->server.nextPendingConnection()) {
      QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
      QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
        if (!peer->canReadLine()) return;
        const QList<QByteArray> parts = peer->readLine().trimmed().split('\t');
        if (parts.value(0) != "activate") return peer->disconnectFromServer();
        peer->write("ok\n");
        peer->flush();
        if (onActivate)
          onActivate({QString::fromUtf8(parts.value(1)), QString::fromUtf8(parts.value(2))});
      });
    }
  });
  for (const QString& path : paths) {
    // A socket file left by a killed window answers no one: it goes.
    QLocalServer::removeServer(path);
    if (parts_->server.listen(path)) break;
  }
  if (!ownedOnBus && !parts_->server.isListening())
    std::fprintf(stderr, "zova: cannot tell later starts about this window: %s\n",
                 qPrintable(parts_->server.errorString()));
  return false;
}

bool SingleWindow::askBus(const ActivationToken& token, bool& owned) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()) return false;
  const QString name = QLatin1String(kApplicationId) + QStringLiteral(".file_") + hash_;
  // The object first, so that a start that finds the name finds the method too.
  parts_->object = std::make_unique<ActivateObject>(onActivate);
  bus.registerVirtualObject(kObjectPath, parts_->object.get());
  const auto reply =
      bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                       QDBusConnectionInterface::DontAllowReplacement);
  if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
    owned = true;
    return false;
  }
  bus.unregisterObject(kObjectPath);
  QDBusMessage call =
      QDBusMessage::createMethodCall(name, kObjectPath, kInterface, QStringLiteral("Activate"));
  call << platformData(token);
  const QDBusMessage answer = bus.call(call, QDBus::Block, kAnswerMs);
  if (answer.type() == QDBusMessage::ReplyMessage) return true;
  std::fprintf(stderr, "zova: the window already open did not answer: %s\n",
               qPrintable(answer.errorMessage()));
  return false;
}

bool SingleWindow::askSocket(const QString& path, const ActivationToken& token) {
  QLocalSocket socket;
  socket.connectToServer(path);
  if (!socket.waitForConnected(kAnswerMs)) return false;
  socket.write(tokenLine(token));
  if (!socket.waitForBytesWritten(kAnswerMs)) return false;
  // The answer says the window is alive, not stopped with its socket open.
  return socket.waitForReadyRead(kAnswerMs) && socket.readLine().trimmed() == "ok";
}

void useActivationToken(const ActivationToken& token) {
  // The Wayland platform hands XDG_ACTIVATION_TOKEN to the compositor at the
  // next activation; X11 window managers read the startup id at the map.
  if (!token.wayland.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", token.wayland.toUtf8());
  if (!token.x11.isEmpty()) qputenv("DESKTOP_STARTUP_ID", token.x11.toUtf8());
}

}  // namespace zova
