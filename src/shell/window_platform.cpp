// The window platform chosen before the application object exists, with only
// the environment, the plugin folders and a connect() to the display socket.
#include "shell/window_platform.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QLibraryInfo>
#include <QList>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstring>
#include <utility>

namespace zova {

namespace {

/// The value of a Qt option (-platform NAME or -platform=NAME), or "".
QByteArray qtOption(int argc, char** argv, const char* name) {
  const QByteArray single = QByteArray("-") + name, dashed = QByteArray("--") + name;
  for (int i = 1; i < argc; ++i) {
    const QByteArray arg(argv[i]);
    for (const QByteArray& o : {single, dashed}) {
      if (arg == o && i + 1 < argc) return argv[i + 1];
      if (arg.startsWith(o + '=')) return arg.mid(o.size() + 1);
    }
  }
  return {};
}

bool socketAnswers(const QByteArray& path, bool abstract) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const int offset = abstract ? 1 : 0;
  if (path.isEmpty() || path.size() + offset >= int(sizeof address.sun_path)) return false;
  std::memcpy(address.sun_path + offset, path.constData(), path.size());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size());
  const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0;
  ::close(fd);
  return ok;
}

/// Whether the X server of DISPLAY answers; a display on another host is
/// left for the plugin to try.
bool xServerAnswers(const QByteArray& display) {
  const int colon = display.lastIndexOf(':');
  if (colon < 0) return false;
  const QByteArray host = display.left(colon);
  if (!host.isEmpty() && host != "unix") return true;
  QByteArray number = display.mid(colon + 1);
  number = number.left(number.indexOf('.') < 0 ? number.size() : number.indexOf('.'));
  const QByteArray path = "/tmp/.X11-unix/X" + number;
  return socketAnswers(path, true) || socketAnswers(path, false);
}

bool waylandAnswers() {
  if (qEnvironmentVariableIsSet("WAYLAND_SOCKET")) return true;
  QByteArray name = qgetenv("WAYLAND_DISPLAY");
  if (name.isEmpty()) name = "wayland-0";
  if (!name.startsWith('/')) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) return false;
    name = runtime + '/' + name;
  }
  return socketAnswers(name, false);
}

/// Whether a plugin for the platform is installed: libqNAME.so, or for a
/// family name such as "wayland" one of its members (libqwayland-generic.so).
bool pluginInstalled(const QString& name) {
  QStringList folders;
  for (const QString& p : qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH").split(u':'))
    if (!p.isEmpty()) folders << p;
  for (const QString& p : qEnvironmentVariable("QT_PLUGIN_PATH").split(u':'))
    if (!p.isEmpty()) folders << p + QStringLiteral("/platforms");
  folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
  for (const QString& folder : folders) {
    const QStringList found = QDir(folder).entryList(
        {QStringLiteral("libq%1.so").arg(name), QStringLiteral("libq%1-*.so").arg(name)},
        QDir::Files);
    if (!found.isEmpty()) return true;
  }
  return false;
}

}  // namespace

std::string chooseWindowPlatform(int argc, char** argv) {
  QByteArray asked = qtOption(argc, argv, "platform");
  if (asked.isEmpty()) asked = qgetenv("QT_QPA_PLATFORM");
  const bool given = !asked.isEmpty();
  if (!given) {
    // The platform Qt picks by itself (X11, or Wayland on a Wayland session
    // other than GNOME's), then the other one should that fail.
    const QByteArray desktops = (qgetenv("XDG_CURRENT_DESKTOP") + qgetenv("XDG_SESSION_DESKTOP"));
    const bool wayland =
        qgetenv("XDG_SESSION_TYPE") == "wayland" && !desktops.toLower().contains("gnome");
    asked = wayland ? "wayland;xcb" : "xcb;wayland";
  }
  QByteArray display = qtOption(argc, argv, "display");
  if (display.isEmpty()) display = qgetenv("DISPLAY");
  std::string why;
  for (const QByteArray& entry : asked.split(';')) {
    // A platform names its plugin, then any options after a colon.
    const QByteArray name = entry.left(entry.indexOf(':') < 0 ? entry.size() : entry.indexOf(':'));
    if (name.isEmpty()) continue;
    const std::string shown = name.toStdString();
    if (!why.empty()) why += ", ";
    if (!pluginInstalled(QString::fromLatin1(name))) {
      why += "the \"" + shown + "\" window platform is not installed";
      continue;
    }
    const bool isX = name == "xcb", isWayland = name.startsWith("wayland");
    if ((isX && !xServerAnswers(display)) || (isWayland && !waylandAnswers())) {
      why += !isX                ? std::string("no Wayland display answers")
             : display.isEmpty() ? std::string("no X display (DISPLAY is not set)")
                                 : "no X display answers at " + display.toStdString();
      continue;
    }
    if (!given && !asked.startsWith(entry)) qputenv("QT_QPA_PLATFORM", entry);
    return {};
  }
  return why.empty() ? "no window platform named" : why;
}

namespace {

QtMessageHandler previousHandler = nullptr;
// While the application object is being made, Qt's warnings wait here: when it
// cannot be made, one line says why instead of them.
bool holding = false;
QList<std::pair<QtMsgType, QString>> held;

void fatalAsOneLine(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (holding)
      held.append({type, message});
    else if (previousHandler)
      previousHandler(type, context, message);
    return;
  }
  const QByteArray line = message.section(u'\n', 0, 0).trimmed().toLocal8Bit();
  std::fprintf(stderr, "zova: %s: %s\n", holding ? "cannot open the window" : "the window stopped",
               line.constData());
  std::fflush(stderr);
  ::_exit(1);
}

}  // namespace

void endOnFatalMessage() {
  holding = true;
  previousHandler = qInstallMessageHandler(fatalAsOneLine);
}

void releaseHeldMessages() {
  holding = false;
  for (const auto& [type, message] : std::exchange(held, {}))
    if (previousHandler) previousHandler(type, QMessageLogContext(), message);
}

}  // namespace zova
