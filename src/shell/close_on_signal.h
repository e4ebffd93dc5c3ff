// Ending the window by a signal: a desktop logout or `kill` sends SIGTERM, a
// closed terminal SIGHUP, Ctrl+C SIGINT. Each closes the main window as its
// close box does, so the settings are written. The handler only writes a byte
// to a pipe; the close runs later in the event loop.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace zova {

class CloseOnSignal : public QObject {
 public:
  /// Calls close once for the first of those signals that arrives; the
  /// signals' previous handlers come back when this is destroyed.
  explicit CloseOnSignal(std::function<void()> close, QObject* parent = nullptr);
  ~CloseOnSignal() override;
  CloseOnSignal(const CloseOnSignal&) = delete;
  CloseOnSignal& operator=(const CloseOnSignal&) = delete;

 private:
  std::function<void()> close_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zova
