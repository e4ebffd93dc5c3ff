// One calculator window for each settings file. The first start owns a name
// made from the application id and a short hash of the settings file's path:
// on the session bus, and as a local socket in the settings folder (for starts
// that have no session bus). A later start finds the name, asks the window that
// owns it to show itself, hands on its activation token and ends.
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace zova {

/// How a later start asks the running window to show itself; both may be empty.
struct ActivationToken {
  QString wayland;  ///< XDG_ACTIVATION_TOKEN
  QString x11;      ///< DESKTOP_STARTUP_ID
};

class SingleWindow {
 public:
  explicit SingleWindow(const QString& settingsPath);
  ~SingleWindow();
  /// True when a window already holds this settings file and has been asked to
  /// show itself with token; false when this start now owns the file.
  bool handedToRunningWindow(const ActivationToken& token);
  /// Called when a later start asks this window to show itself.
  std::function<void(const ActivationToken&)> onActivate;

  /// The name's hash part: the first 12 hex digits of SHA-256 of the absolute path.
  static QString pathHash(const QString& settingsPath);

 private:
  bool askBus(const ActivationToken& token, bool& owned);
  bool askSocket(const QString& path, const ActivationToken& token);

  struct Parts;
  std::unique_ptr<Parts> parts_;
  QString hash_;
  QString folder_;  ///< the settings file's folder
};

/// Hands the token to the window system for the next activation of a window.
void useActivationToken(const ActivationToken& token);

}  // namespace zova
