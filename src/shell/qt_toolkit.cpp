// Qt implementation of the toolkit interface.
#include "shell/qt_toolkit.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QWindow>

#include "model/desktop_entry.h"
#include "model/settings_location.h"
#include "shell/help_window.h"
#include "shell/program_look.h"
#include "shell/qt_text.h"
#include "shell/translation.h"

namespace zova {

namespace {

// The display font is DSEG14 Classic: the system's copy when fontconfig knows
// one (Debian's fonts-dseg), otherwise the copy installed with the program as
// "led.ttf" beside it or in its data folder.
constexpr char kLedFamily[] = "DSEG14 Classic";

QString bundledLedFontPath() {
  const QString dir = QCoreApplication::applicationDirPath();
  for (const QString& candidate : {dir + "/led.ttf", dir + "/../share/zova/led.ttf"}) {
    if (QFileInfo::exists(candidate)) return candidate;
  }
  return {};
}
}  // namespace

void QtToolkit::attach(QWidget* window, QWidget* equalsKey,
                       std::function<void(int, int)> sizeWindow) {
  window_ = window;
  equals_ = equalsKey;
  sizeWindow_ = std::move(sizeWindow);
}

void QtToolkit::focusEquals() {
  if (equals_) equals_->setFocus(Qt::OtherFocusReason);
}

void QtToolkit::beep() { QApplication::beep(); }

// The model's English texts are translated here, where the boxes show them.
MsgAnswer QtToolkit::messageBox(const Text& text, MsgStyle style, const std::string& title) {
  const QString shownTitle = shownMessage(title);
  const QString shownBody = shownText(text);
  switch (style) {
    case MsgStyle::kQuestion:
      return QMessageBox::question(window_, shownTitle, shownBody) == QMessageBox::Yes
                 ? MsgAnswer::kYes
                 : MsgAnswer::kNo;
    case MsgStyle::kStop:
      QMessageBox::critical(window_, shownTitle, shownBody);
      return MsgAnswer::kOk;
    case MsgStyle::kExclamation:
      QMessageBox::warning(window_, shownTitle, shownBody);
      return MsgAnswer::kOk;
  }
  return MsgAnswer::kOk;
}

std::string QtToolkit::inputBox(const std::string& prompt, const std::string& title) {
  QInputDialog dialog(window_, Qt::Dialog | kCloseOnlyTitleBar);
  dialog.setWindowTitle(shownMessage(title));
  dialog.setLabelText(shownMessage(prompt));
  if (dialog.layout()) dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
  return dialog.exec() == QDialog::Accepted ? dialog.textValue().toStdString() : std::string();
}

void setUpSaveDialog(QFileDialog& dialog, const QString& extension) {
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(extension);
}

std::optional<FileChoice> QtToolkit::fileDialog(const std::string& title, const std::string& files,
                                                const std::string& extension, bool save) {
  // A name typed without an extension gets the listed one, so that the Load
  // dialog lists it.
  QFileDialog dialog(window_, shownMessage(title), QString(), shownMessage(files));
  dialog.setObjectName(save ? QStringLiteral("saveSettingsDialog")
                            : QStringLiteral("loadSettingsDialog"));
  if (save) {
    setUpSaveDialog(dialog, q(extension));
    // The program asks its own question about a file that is already there.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString path = dialog.selectedFiles().front();
  if (path.isEmpty()) return std::nullopt;
  return FileChoice{path.toStdString(), QFileInfo(path).fileName().toStdString()};
}

std::optional<std::int32_t> QtToolkit::colorDialog(std::int32_t initial) {
  // Colours are stored as 0x00BBGGRR; negative values name system colours.
  QColor start = initial >= 0
                     ? QColor(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF)
                     : QColor(Qt::lightGray);
  QColorDialog dialog(start, window_);
  dialog.setWindowFlags(Qt::Dialog | kCloseOnlyTitleBar);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QColor c = dialog.selectedColor();
  if (!c.isValid()) return std::nullopt;
  return c.red() | (c.green() << 8) | (c.blue() << 16);
}

void QtToolkit::setClipboard(const std::string& text) {
  QApplication::clipboard()->clear();
  QApplication::clipboard()->setText(q(text));
}

std::string QtToolkit::clipboard() { return QApplication::clipboard()->text().toStdString(); }

void QtToolkit::setWindowSize(int widthTwips, int heightTwips) {
  if (window_ && sizeWindow_) sizeWindow_(widthTwips, heightTwips);
}

// Changing the flag through QWidget would make a new native window (a new
// window id, and the keyboard focus lost without a window manager): the
// widget's record of its flags is updated quietly and the existing native
// window is told, which the window manager sees as its "above" state.
void QtToolkit::setTopmost(bool onTop) {
  if (!window_) return;
  const Qt::WindowFlags flags = onTop ? window_->windowFlags() | Qt::WindowStaysOnTopHint
                                      : window_->windowFlags() & ~Qt::WindowStaysOnTopHint;
  if (flags == window_->windowFlags()) return;
  if (QWindow* native = window_->windowHandle()) {
    window_->overrideWindowFlags(flags);
    native->setFlag(Qt::WindowStaysOnTopHint, onTop);
  } else {
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  }
}

void QtToolkit::showHelp(HelpTopic topic) { HelpWindow::open(window_, topic); }

// The start-up entry is an XDG autostart desktop file that starts this very
// program; removing it when it is not there counts as a failure, as deleting a
// missing shortcut does.
QString QtToolkit::startupEntryPath() {
  return q(configFolder()) + QStringLiteral("/autostart/zova.desktop");
}

bool QtToolkit::setStartupEntry(bool present) {
  const QString path = startupEntryPath();
  if (!present) return QFile::remove(path);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  // Path= keeps the folder Zova was started in, where it reads its settings.
  const std::string entry = autostartEntry(QCoreApplication::applicationFilePath().toStdString(),
                                           QDir::currentPath().toStdString());
  file.write(entry.data(), static_cast<qint64>(entry.size()));
  return file.commit();
}

bool QtToolkit::installFont() {
  if (QFontDatabase::families().contains(QLatin1String(kLedFamily))) {
    family_ = QLatin1String(kLedFamily);
    return true;
  }
  const QString path = bundledLedFontPath();
  if (path.isEmpty()) return false;
  fontId_ = QFontDatabase::addApplicationFont(path);
  if (fontId_ < 0) return false;
  const QStringList families = QFontDatabase::applicationFontFamilies(fontId_);
  family_ = families.isEmpty() ? QString() : families.front();
  return true;
}

void QtToolkit::removeFont() {
  if (fontId_ >= 0) QFontDatabase::removeApplicationFont(fontId_);
  fontId_ = -1;
}

void QtToolkit::setBusy(bool busy) {
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

// Without a system tray a hidden window could not be brought back: minimize it instead.
void QtToolkit::hideWindow() {
  if (!window_) return;
  if (QSystemTrayIcon::isSystemTrayAvailable())
    window_->hide();
  else
    window_->showMinimized();
}

void QtToolkit::showWindow() {
  if (window_) {
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
  }
}

void QtToolkit::quit() { QCoreApplication::quit(); }

}  // namespace zova
