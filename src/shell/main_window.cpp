// The calculator window's assembly, its event handling and its redraw from the
// model; its parts are built in main_window_parts.cpp, its menus in
// main_window_menus.cpp. Every handler is one model operation followed by refresh().
#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSet>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "model/window_conf.h"
#include "model/window_geometry.h"
#include "shell/converter_panel.h"
#include "shell/elements_window.h"
#include "shell/finance_panel.h"
#include "shell/key_button.h"
#include "shell/key_colours.h"
#include "shell/key_translate.h"
#include "shell/options_window.h"
#include "shell/program_look.h"
#include "shell/qt_text.h"
#include "shell/screen_scale.h"
#include "shell/stats_panel.h"
#include "shell/translation.h"

namespace zova {

namespace {

// The client area: the keypad side at the left, the fold-out to its right.
// The keypad side keeps its normal height; compact size clips it to the display.
class CaseWidget : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<void()> onResize;

 protected:
  void resizeEvent(QResizeEvent* e) override {
    QWidget::resizeEvent(e);
    if (onResize) onResize();
  }
};

}  // namespace

MainWindow::MainWindow(Model& model, QtToolkit& toolkit, Zoom& zoom)
    : model_(model), tk_(toolkit), zoom_(zoom) {
  setObjectName(QStringLiteral("calculatorWindow"));
  setWindowTitle(QStringLiteral("Zova"));
  setWindowIcon(programIcon());

  // The zoom set from outside (the window file, a test) is the chosen one.
  zoom_.followZoom(this, [this] {
    if (!fittingZoom_) wantedZoom_ = zoom_.zoomPercent();
  });
  auto* client = new CaseWidget(this);
  client->setObjectName(QStringLiteral("case"));
  client->setAutoFillBackground(true);
  client->onResize = [this] { layoutCase(); };
  case_ = client;
  zoom_.zoomDesktopFont(case_);  // the panels' controls and Close Flap
  body_ = buildBody(case_);
  foldOut_ = buildFoldOut(case_);
  setCentralWidget(case_);
  buildMenus();

  QPushButton* equals = button(Key::kEquals);
  equals->setDefault(true);
  tk_.attach(this, equals, [this](int width, int height) { sizeWindow(width, height); });
  tk_.setTopmost(model_.shell().onTop);
  dragged_ = new QTimer(this);
  dragged_->setSingleShot(true);
  dragged_->setInterval(150);
  connect(dragged_, &QTimer::timeout, this, [this] { fitZoomToSize(); });
  awaitingSize_ = new QTimer(this);
  awaitingSize_->setSingleShot(true);
  awaitingSize_->setInterval(1000);

  // Every key press and release of this window passes the keyboard map first.
  qApp->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { watchField(now); });
  zoom_.followZoom(this, [this] { refresh(); });  // after the controls have taken their new sizes
  tk_.focusEquals();
}

// Before the widgets go: closing them moves the focus, which this window watches.
MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  disconnect(qApp, nullptr, this, nullptr);
  // A field that has the focus ends its editing as it goes.
  for (QLineEdit* edit : findChildren<QLineEdit*>()) disconnect(edit, nullptr, this, nullptr);
}

// The panels are built the first time the fold-out opens, so a start-up that
// shows only the keypad does not pay for them.
void MainWindow::ensurePanels() {
  if (stats_) return;
  auto changed = [this] { refresh(); };
  stats_ = new StatsPanel(model_, changed, zoom_, foldOut_);
  finance_ = new FinancePanel(model_, changed, zoom_, foldOut_);
  converter_ = new ConverterPanel(model_, changed, zoom_, foldOut_);
  stats_->setObjectName(QStringLiteral("StatsPanel"));
  finance_->setObjectName(QStringLiteral("FinancePanel"));
  converter_->setObjectName(QStringLiteral("ConverterPanel"));
  for (QWidget* panel : {static_cast<QWidget*>(stats_), static_cast<QWidget*>(finance_),
                         static_cast<QWidget*>(converter_)})
    panel->lower();
  rule_->raise();
}

void MainWindow::installTrayIcon() {
  if (tray_ || !QSystemTrayIcon::isSystemTrayAvailable()) return;
  tray_ = new QSystemTrayIcon(windowIcon(), this);
  tray_->setToolTip(QStringLiteral("Zova"));
  // The menu pops up on a right click; a left click does nothing.
  tray_->setContextMenu(tasks_);
  connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
    if (r == QSystemTrayIcon::DoubleClick) trayDoubleClicked();
  });
  tray_->show();
}

void MainWindow::trayDoubleClicked() {
  if (options_ && options_->isVisible()) options_->close();
  run([this] { model_.showFromTray(); });
}

QPushButton* MainWindow::button(Key key) const {
  auto it = buttons_.find(key);
  return it == buttons_.end() ? nullptr : it->second;
}

QAction* MainWindow::action(const QString& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::run(const std::function<void()>& operation) {
  operation();
  if (model_.ended()) {
    close();
    return;
  }
  refresh();
}

// The dialog loads itself from the model each time it shows; after Cancel it
// stays loaded but hidden until the next time.
void MainWindow::openOptions() {
  if (!options_) options_ = new OptionsWindow(model_, this);
  options_->exec();
}

void MainWindow::openElements() {
  if (!elements_) {
    elements_ = new ElementsWindow(
        model_, [this] { refresh(); }, zoom_, this);
    const Qt::WindowFlags flags = elements_->windowFlags();
    if (!(flags & Qt::Window) || !(flags & Qt::WindowStaysOnTopHint))
      elements_->setWindowFlags(flags | Qt::Window | Qt::WindowStaysOnTopHint);
  }
  elements_->show();
  elements_->raise();
  elements_->activateWindow();
}

void MainWindow::openTape() {
  if (!tape_)
    tape_ = new TapeWindow(
        model_, [this] { refresh(); }, zoom_, this);
  tape_->show();
  tape_->raise();
  tape_->activateWindow();
  tape_->list()->scrollToBottom();
}

void MainWindow::endProgram() {
  close();
  if (!model_.ended()) model_.unload();  // a window in the tray takes no close event
}

void MainWindow::exitFromTray() {
  model_.exitProgram();
  close();
}

// Every key acts when it goes down, in the order pressed, with the modifiers of
// that moment; Enter too, as "=". Only a press this window receives acts: one
// that closed a menu or a dialog, or that a Ctrl or Alt shortcut took, never
// reaches it. A key already down does not act again until let go of, so
// auto-repeat does nothing; releases do nothing but let go of their key.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == display_ && event->type() == QEvent::Resize) fitDisplay();
  if (watched == this && event->type() == QEvent::WindowDeactivate) down_.clear();
  // The periodic table's boxes change the model without this window redrawing.
  if (watched == this && event->type() == QEvent::WindowActivate) showHistory();
  const QEvent::Type type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType())
    return QMainWindow::eventFilter(watched, event);
  auto* widget = static_cast<QWidget*>(watched);
  auto* key = static_cast<QKeyEvent*>(event);
  const quint64 physical = physicalKey(*key);
  if (widget->window() != this || fieldHasFocus()) {
    down_.remove(physical);  // that key is another window's or a text field's
    return false;
  }
  // Tab and Shift+Tab move the focus; a control that Tab reached takes Enter and Space as
  // a click (a list, its arrows); the other keys are the calculator's and bring the focus
  // back to "=". A button's own Space goes on, so that the button completes its click, and
  // so do the modifiers, which the menu bar watches.
  if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
  if (QWidget* control = QApplication::focusWidget();
      control && control->window() == this && control != button(Key::kEquals) &&
      !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && !down_.contains(physical)) {
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool space = key->key() == Qt::Key_Space;
    auto* clickable = qobject_cast<QAbstractButton*>(control);
    if (clickable && (enter || space)) {
      if (type == QEvent::KeyPress && !key->isAutoRepeat()) clickable->click();
      return true;
    }
    const bool arrow = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                       key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                       key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
    if (!clickable && (arrow || enter || space)) return false;
  }
  const bool goesOn = (qobject_cast<QAbstractButton*>(widget) &&
                       (key->key() == Qt::Key_Space || key->key() == Qt::Key_Select)) ||
                      key->key() == Qt::Key_Shift || key->key() == Qt::Key_Control ||
                      key->key() == Qt::Key_Alt || key->key() == Qt::Key_AltGr ||
                      key->key() == Qt::Key_Meta;
  if (type == QEvent::KeyRelease) {
    if (!key->isAutoRepeat()) down_.remove(physical);
    return !goesOn;
  }
  if (key->isAutoRepeat() || down_.contains(physical)) return !goesOn;
  down_.insert(physical);
  const TranslatedKey t = translateKey(*key);
  run([this, t, typed = key->text().toStdString()] { model_.keyDown(t.code, t.shift, typed); });
  return !goesOn;
}

namespace {
bool takesTypedText(const QWidget* w) {
  if (auto* edit = qobject_cast<const QLineEdit*>(w)) return !edit->isReadOnly();
  if (auto* box = qobject_cast<const QComboBox*>(w)) return box->isEditable();
  if (auto* spin = qobject_cast<const QAbstractSpinBox*>(w)) return !spin->isReadOnly();
  if (auto* text = qobject_cast<const QTextEdit*>(w)) return !text->isReadOnly();
  if (auto* text = qobject_cast<const QPlainTextEdit*>(w)) return !text->isReadOnly();
  return false;
}
}  // namespace

bool MainWindow::fieldHasFocus() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && focus->window() == this && takesTypedText(focus);
}

// The field's end of editing is its line edit's (an editable list's included).
void MainWindow::watchField(QWidget* field) {
  if (!field || field->window() != this || !takesTypedText(field)) return;
  QObject* editor = field;
  if (auto* box = qobject_cast<QComboBox*>(field)) editor = box->lineEdit();
  auto* edit = qobject_cast<QLineEdit*>(editor);
  const char* const kWatched = "zovaEditingWatched";
  if (!edit || edit->property(kWatched).toBool()) return;
  edit->setProperty(kWatched, true);
  connect(edit, &QLineEdit::editingFinished, this, [this, field] { fieldEditingFinished(field); });
}

void MainWindow::fieldEditingFinished(QObject* field) {
  QTimer::singleShot(0, this, [this, field = QPointer<QObject>(field)] {
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this) return;
    if (focus != field.data() && takesTypedText(focus)) return;
    tk_.focusEquals();
  });
}

// Enter in a text field only ends its editing; elsewhere the key map took it as "=".
void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return event->accept();
  QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!model_.ended()) model_.unload();
  // The periodic table, help and About windows go with the calculator.
  for (QWidget* owned : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (owned->isWindow() && owned->isVisible()) owned->close();
  if (tray_) tray_->hide();
  event->accept();
}

QSize MainWindow::windowPixels(int widthTwips, int heightTwips, int zoom) const {
  const double dpi = logicalDpi() * zoom / 100.0;
  const int bar = menuBar()->sizeHint().height();
  const int zoomedBar = static_cast<int>(std::lround(bar * zoom / 100.0));
  const int wider = keypadSideWidth(zoom) - twipsToPixels(kClosedWidth, dpi);
  return {twipsToPixels(widthTwips, dpi) + wider,
          twipsToPixels(heightTwips, dpi) - zoomedBar + bar};
}

int MainWindow::keypadSideWidth(int zoom) const {
  const int standard = twipsToPixels(kClosedWidth, logicalDpi() * zoom / 100.0);
  return std::max(standard, menuBar()->sizeHint().width());
}

// The frame the window manager puts around the window, once it is known; before
// that, the size of a usual title bar and border.
int MainWindow::fittingZoom(int wanted, int widthTwips, int heightTwips) const {
  const QScreen* shown = screen();
  if (!shown) return wanted;
  QSize frame = frameGeometry().size() - geometry().size();
  const double desktop = logicalDpi() / kStandardDpi;
  if (!isVisible() || frame.isEmpty()) frame = QSize(qRound(8 * desktop), qRound(32 * desktop));
  const QSize room = shown->availableGeometry().size() - frame;
  return zova::fittingZoom(wanted, {room.width(), room.height()}, [&](int zoom) {
    const QSize size = windowPixels(widthTwips, heightTwips, zoom);
    return PixelSize{size.width(), size.height()};
  });
}

// The window takes exactly the size of its zoom. The window manager is told the
// range between the smallest and the largest size, and no steps: its rounding to
// steps (the zoom's sizes are not evenly apart) would move the window off its size.
// A border drag snaps to a step when it pauses.
void MainWindow::sizeWindow(int widthTwips, int heightTwips) {
  if (QSize(widthTwips, heightTwips) != twips_) {
    const int zoom = fittingZoom(wantedZoom_, widthTwips, heightTwips);
    if (zoom != zoom_.zoomPercent()) {
      // Its followers redraw the window, which sizes it again at the new zoom.
      fittingZoom_ = true;
      zoom_.setZoomPercent(zoom);
      fittingZoom_ = false;
      return;
    }
  }
  const QSize size = windowPixels(widthTwips, heightTwips, zoom_.zoomPercent());
  if (QSize(widthTwips, heightTwips) == twips_ && size == sized_ && this->size() == size) return;
  twips_ = {widthTwips, heightTwips};
  sized_ = size;
  dragged_->stop();
  // The size asked for comes last: a new range alone would move the window to its edge.
  if (isVisible()) awaitingSize_->start();
  const QSize smallest = windowPixels(widthTwips, heightTwips, kMinZoom);
  const QSize largest = windowPixels(widthTwips, heightTwips, kMaxZoom);
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  setMinimumSize(smallest);
  setMaximumSize(largest);
  resize(size);
}

// The border that moved decides; a corner, the smaller of its two zooms, so that
// the window fits where the user left it.
void MainWindow::fitZoomToSize() {
  if (size() == sized_ || twips_.isEmpty() || isMaximized() || isFullScreen()) return;
  const QSize standard = windowPixels(twips_.width(), twips_.height(), kMinZoom);
  const int bar = menuBar()->sizeHint().height();
  // Across, against the standard width without the room a long menu bar adds at small zooms.
  const double across = 100.0 * width() / twipsToPixels(twips_.width(), logicalDpi());
  const double down = 100.0 * (height() - bar) / std::max(1, standard.height() - bar);
  const bool wider = width() != sized_.width(), taller = height() != sized_.height();
  const double zoom = wider && taller ? std::min(across, down) : wider ? across : down;
  zoom_.setZoomPercent(snappedZoom(zoom));
  sized_ = {};  // the same zoom again: back to its size
  sizeWindow(twips_.width(), twips_.height());
}

// The sizes the window passes through on the way to the one it asked for are the
// window manager's, not the user's.
void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (size() == sized_) awaitingSize_->stop();
  if (!sized_.isEmpty() && size() != sized_ && !awaitingSize_->isActive()) dragged_->start();
}

// Zoom In goes as far as the window fits the screen with the panel open now.
void MainWindow::zoomBy(int steps) {
  const int zoom = steps ? zoom_.zoomPercent() + steps * kZoomStep : kMinZoom;
  zoom_.setZoomPercent(steps > 0 ? fittingZoom(zoom, twips_.width(), twips_.height()) : zoom);
}

void MainWindow::layoutCase() {
  if (!case_) return;
  const int bodyWidth = keypadSideWidth(zoom_.zoomPercent());
  // The keypad side keeps its normal height; compact size clips it.
  const int bodyHeight = windowPixels(kClosedWidth, kNormalHeight, zoom_.zoomPercent()).height() -
                         menuBar()->sizeHint().height();
  body_->setGeometry(0, 0, bodyWidth, std::max(case_->height(), bodyHeight));
  const int foldWidth = std::max(0, case_->width() - bodyWidth);
  const int foldHeight = case_->height();
  foldOut_->setGeometry(bodyWidth, 0, foldWidth, foldHeight);
  const QSize button =
      closeFlap_->sizeHint().expandedTo(QSize(zoom_.scaledPixels(86), zoom_.scaledPixels(24)));
  const int panelHeight = std::max(0, foldHeight - button.height() - zoom_.zoomedPixels(12));
  if (stats_) {
    for (QWidget* panel : {static_cast<QWidget*>(stats_), static_cast<QWidget*>(finance_),
                           static_cast<QWidget*>(converter_)})
      panel->setGeometry(0, 0, foldWidth, panelHeight);
  }
  closeFlap_->setGeometry(foldWidth - button.width() - zoom_.zoomedPixels(8),
                          foldHeight - button.height() - zoom_.zoomedPixels(6), button.width(),
                          button.height());
  rule_->setGeometry(0, zoom_.zoomedPixels(4), 2, std::max(0, foldHeight - zoom_.zoomedPixels(8)));
  rule_->raise();
}

void MainWindow::refresh() {
  const CalcState& s = model_.calc().state();
  const ShellState& sh = model_.shell();
  if (sh.foldOut != FoldOut::kNone) ensurePanels();

  display_->setText(q(s.display));
  display_->setCursorPosition(0);
  for (const auto& [label, caption, width] : indicators_) {
    label->setText(q(s.*caption));
    // A mark wider than its place in this font (binary's "b" after its spaces) widens it.
    label->setFixedWidth(
        std::max(zoom_.scaledPixels(width),
                 label->fontMetrics().size(Qt::TextSingleLine, label->text()).width()));
    const QString mark = label->text().trimmed();
    label->setAccessibleDescription(mark.isEmpty() ? QCoreApplication::translate("Window", "off")
                                                   : mark);
  }

  fitDisplay();

  const int depth = std::max(0, s.bracketLevel);
  QPushButton* open = button(Key::kOpen);
  QPushButton* close = button(Key::kClose);
  open->setToolTip(shownText(s.openTip));
  close->setToolTip(shownText(s.closeTip));
  open->setAccessibleName(
      QCoreApplication::translate("Window", "open bracket, depth %1").arg(depth));
  close->setAccessibleName(
      QCoreApplication::translate("Window", "close bracket, depth %1").arg(depth));

  const QString personal = q(sh.personalLabel);
  title_->setText(personal);
  titleShadow_->setText(personal);

  // Undo and redo reach the tape and the periodic table too.
  showHistory();
  if (tape_) tape_->showUndone();
  if (elements_) elements_->refresh();
  actions_[QStringLiteral("compact")]->setText(
      sh.compact ? QCoreApplication::translate("Menu", "Normal &Size")
                 : QCoreApplication::translate("Menu", "Compact &Size"));
  // A zoom command that cannot act is greyed.
  const int larger = std::min(zoom_.zoomPercent() + kZoomStep, kMaxZoom);
  actions_[QStringLiteral("zoomIn")]->setEnabled(fittingZoom(larger, sh.width(), sh.height()) >
                                                 zoom_.zoomPercent());
  actions_[QStringLiteral("zoomOut")]->setEnabled(zoom_.zoomPercent() > kMinZoom);
  actions_[QStringLiteral("actualSize")]->setEnabled(zoom_.zoomPercent() > kMinZoom);
  actions_[QStringLiteral("alwaysOnTop")]->setChecked(sh.onTop);
  actions_[QStringLiteral("appearOnStartup")]->setChecked(sh.startupEntry);
  const std::pair<const char*, FoldOut> panels[] = {{"Converter", FoldOut::kConverter},
                                                    {"Statistics", FoldOut::kStatistics},
                                                    {"Financial", FoldOut::kFinancial}};
  for (const auto& [name, panel] : panels) {
    QAction* item = actions_[QLatin1String(name)];
    item->setChecked(sh.foldOut == panel);
    item->setEnabled(!sh.compact);
  }

  applyColours();

  tk_.setWindowSize(sh.width(), sh.height());
  if (stats_) {
    stats_->setVisible(sh.foldOut == FoldOut::kStatistics);
    finance_->setVisible(sh.foldOut == FoldOut::kFinancial);
    converter_->setVisible(sh.foldOut == FoldOut::kConverter);
  }
  foldOut_->setVisible(sh.foldOut != FoldOut::kNone);
  // Compact size keeps the display strip; the keys still answer the keyboard.
  if (keypad_->isHidden() != sh.compact) {
    keypad_->setVisible(!sh.compact);
    if (!sh.compact) tk_.focusEquals();
  }
  if (stats_) {
    stats_->refresh();
    finance_->refresh();
    converter_->refresh();
  }
  layoutCase();
}

// Undo and Redo name the action they would take back or make again, greyed
// when there is none.
void MainWindow::showHistory() {
  const History& h = model_.history();
  struct Item {
    const char* name;
    const ActionName* step;
    const char* plain;  ///< with nothing to name
    const char* named;  ///< naming the action
  };
  const Item items[] = {{"undo", h.undoAction(), QT_TRANSLATE_NOOP("Menu", "&Undo"),
                         QT_TRANSLATE_NOOP("Menu", "&Undo %1")},
                        {"redo", h.redoAction(), QT_TRANSLATE_NOOP("Menu", "&Redo"),
                         QT_TRANSLATE_NOOP("Menu", "&Redo %1")}};
  for (const Item& i : items) {
    QAction* item = actions_[QLatin1String(i.name)];
    item->setEnabled(i.step != nullptr);
    if (!i.step) {
      item->setText(QCoreApplication::translate("Menu", i.plain));
      continue;
    }
    QString what = shownText(*i.step);
    what.replace(QLatin1Char('&'), QLatin1String("&&"));  // no access letter of its own
    item->setText(QCoreApplication::translate("Menu", i.named).arg(what));
  }
}

// The display's text at the largest size at which all of it fits. Every text the
// calculator makes (kDisplayCharacters at most) fits at kLegibleDisplayPixels or
// more; a longer one, which only a paste can bring, shrinks further rather than
// lose characters.
void MainWindow::fitDisplay() {
  QFont displayFont = display_->font();
  const int room = display_->textRoom();
  for (int px = zoom_.scaledPixels(kDisplayPixels); px > 1; --px) {
    displayFont.setPixelSize(px);
    if (room <= 0 || display_->textWidth(displayFont) <= room) break;
  }
  if (displayFont != display_->font()) display_->setFont(displayFont);
}

void MainWindow::applyColours() {
  const ShellState& sh = model_.shell();
  const QColor screen = qtColour(sh.screenColour);
  const QColor digits = qtColour(sh.digitsColour);

  setRole(lcd_, QPalette::Window, screen);
  setRole(display_, QPalette::Base, screen);
  setRole(display_, QPalette::Text, digits);
  for (const auto& [label, caption, width] : indicators_) {
    setRole(label, QPalette::Window, screen);
    setRole(label, QPalette::WindowText, digits);
  }

  // The case, and what is written on it: the second-function captions in the
  // inv key's amber, the personal label embossed.
  const QColor shell = qtColour(sh.shellColour);
  setRole(case_, QPalette::Window, shell);
  const QColor caseColour = case_->palette().color(QPalette::Window);
  const bool darkCase = textOn(caseColour) != textOn(QColor(Qt::white));
  setRole(case_, QPalette::WindowText, shell.isValid() ? textOn(shell) : QColor());
  const QColor amber = darkCase ? QColor(0xff, 0xc8, 0x6a) : QColor(0x8c, 0x4f, 0x00);
  for (QLabel* second : secondCaptions_) setRole(second, QPalette::WindowText, amber);
  setRole(title_, QPalette::WindowText,
          darkCase ? QColor(0xee, 0xf0, 0xf3) : QColor(0x2c, 0x35, 0x42));
  setRole(titleShadow_, QPalette::WindowText, darkCase ? QColor(0, 0, 0) : caseColour.lighter(125));

  // Both key groups, in the keypad and in the panels.
  const QColor standard = qtColour(sh.standardColour);
  const QColor function = qtColour(sh.functionColour);
  // Each control carries the group its table row gives it.
  for (QWidget* w : findChildren<QWidget*>()) {
    const std::optional<ColourGroup> group = colourGroupOf(w);
    if (!group || *group == ColourGroup::kOwn) continue;
    setBackColour(w, *group == ColourGroup::kStandard ? standard : function);
  }
  // inv and hyp wear the function keys' face while off and light up while on.
  const CalcState& s = model_.calc().state();
  for (const auto& [key, on] : {std::pair{Key::kInverse, s.inv}, {Key::kHyperbolic, s.hyper}})
    setBackColour(buttons_[key], on ? litColour(function) : function);
}

}  // namespace zova
