// Pictures of the windows for the documentation: with ZOVA_SCREENSHOTS naming a
// folder, a test saves what a widget looks like there as a PNG file.
#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

namespace zova {

/// The folder pictures go to, or "" when none is asked for.
inline QString screenshotFolder() { return QString::fromLocal8Bit(qgetenv("ZOVA_SCREENSHOTS")); }

/// Saves `widget` as `file` in the screenshot folder; false when none is set or saving failed.
inline bool saveScreenshot(QWidget& widget, const QString& file) {
  const QString folder = screenshotFolder();
  if (folder.isEmpty() || !QDir().mkpath(folder)) return false;
  return widget.grab().save(QDir(folder).filePath(file));
}

}  // namespace zova
