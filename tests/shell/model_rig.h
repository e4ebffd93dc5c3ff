// What the window tests share: a model behind a headless toolkit, a started calculator with
// its window shown, the one player of command-line scripts on real widgets, and the list of
// test classes the shell test program runs.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "model/model.h"
#include "model/sequence.h"
#include "model/window_conf.h"
#include "shell/converter_panel.h"
#include "shell/elements_window.h"
#include "shell/finance_panel.h"
#include "shell/key_translate.h"
#include "shell/main_window.h"
#include "shell/qt_toolkit.h"
#include "shell/screen_scale.h"
#include "shell/stats_panel.h"

namespace zova {

/// A model text as Qt's.
inline QString q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

struct ModelRig {
  HeadlessToolkit tk;
  Model model{tk, {}};
  Zoom zoom;        ///< what the windows built on this model follow
  int changes = 0;  ///< how often a view asked for the main window to redraw

  ModelRig() { model.startUp(); }
  std::function<void()> changed() {
    return [this] { ++changes; };
  }
  /// Runs a script on the model; false when it does not parse.
  bool run(const QString& script) { return !runSequence(model, script.toStdString()).has_value(); }
};

/// A calculator started on `Tk`, reading `settingsFile`, and its window, shown.
template <class Tk = QtToolkit>
struct WindowRig {
  explicit WindowRig(const QString& settingsFile = {}, const NumberLocale& locale = {})
      : model(toolkit, locale) {
    model.setSettingsFile(settingsFile.toStdString());
    model.startUp();
    window = std::make_unique<MainWindow>(model, toolkit, zoom);
    window->show();
  }
  bool exposed() const { return QTest::qWaitForWindowExposed(window.get()); }

  Zoom zoom;  ///< the window's own, at the standard size until a test sets it
  Tk toolkit;
  Model model;
  std::unique_ptr<MainWindow> window;
};

/// The named child; the test program stops when there is none.
template <class T>
T* child(QObject& w, const QString& name) {
  T* c = w.findChild<T*>(name);
  if (!c) qFatal("no child %s", qPrintable(name));
  return c;
}

/// Replaces a box's text as a user does: select everything, then type.
inline void typeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

/// A click as a user makes it; a check box toggles only when the click lands on its box.
inline void click(QAbstractButton* b) {
  QTest::mouseClick(b, Qt::LeftButton, {},
                    b->isCheckable() ? QPoint(8, b->height() / 2) : b->rect().center());
}

/// The widget of type T at or under `root`, or none.
template <class T>
T* part(QWidget& root) {
  auto* t = qobject_cast<T*>(&root);
  return t ? t : root.findChild<T*>();
}

/// True when a drop of `text` on the widget is accepted.
inline bool dropText(QWidget* target, const QString& text) {
  QMimeData mime;
  mime.setText(text);
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  if (enter.isAccepted()) QCoreApplication::sendEvent(target, &drop);
  return enter.isAccepted() && drop.isAccepted();
}

inline void hover(QWidget* w, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(w, &move);
}

/// Plays a script in the command-line notation on the widgets at or under `root`: keypad and
/// panel keys, cells, tiles and list entries are clicked, boxes and lists typed into, key:NAME
/// sent as a key event, menu items triggered; NAME clicks the child of that name and NAME=TEXT
/// types into it. Keys with no widget here run on the model. False at the first bad token.
inline bool play(QWidget& root, Model& model, const QString& script) {
  static const std::map<QString, QString> kControls = {// tokens naming a control of their own
                                                       {"fin:start", "startBox"},
                                                       {"fin:end", "endBox"},
                                                       {"fin:clear", "financeClearKey"},
                                                       {"fin:amortize", "amortizeKey"},
                                                       {"fin:topv", "balanceToPresentValueKey"},
                                                       {"conv:Constants", "constantsKey"},
                                                       {"conv:go", "convertKey"},
                                                       {"conv:from", "fromList"},
                                                       {"conv:to", "toList"},
                                                       {"elem:mass", "atomicMass"},

                                                       {"molar:clear", "clearFormula"},
                                                       {"molar:result", "molarMass"},
                                                       {"molar:index", "multiplier"}};
  static const QStringList kSlots = {"", "first", "second", "third", "fourth"};
  for (const QString& t : script.split(',', Qt::SkipEmptyParts)) {
    const QString area = t.contains(':') ? t.section(':', 0, 0) : QString();
    const QString action = (area.isEmpty() ? t : t.section(':', 1)).section('=', 0, 0);
    const QString value = t.section('=', 1);
    const std::string a = action.toStdString(), v = value.toStdString();
    const KeyRow* key = findKey(t.toStdString());
    const int n = action.right(1).toInt();  // of drop1 ... count4
    QString name = kControls.contains(t.section('=', 0, 0)) ? kControls.at(t.section('=', 0, 0))
                   : area.isEmpty() || area == "conv"       ? action
                   : area == "stat" && findStatKey(a)       ? q(findStatKey(a)->control)
                   : area == "fin" && a == "click"          ? q(findFinCell(v)->control)
                   : area == "fin" && a == "solve"          ? q(findFinKey(v)->control)
                   : a.starts_with("count")                 ? kSlots[n] + "Count"
                                                            : QString();
    QWidget* control = name.isEmpty() ? nullptr : root.findChild<QWidget*>(name);
    auto* conv = part<ConverterPanel>(root);
    auto* elem = part<ElementsWindow>(root);
    ConverterCombo* combo = !conv                 ? nullptr
                            : a.ends_with("from") ? conv->fromList()
                                                  : conv->toList();
    if (area == "key") {
      const auto press = keyNamed(t.mid(4).toStdString());
      if (!press) return false;
      const QKeyCombination k = qtKeyFor(*press);
      QTest::keyClick(&root, k.key(), k.keyboardModifiers());
    } else if (auto* item = root.findChild<QAction*>(area == "menu" ? action : t)) {
      item->trigger();
    } else if (auto* b = key ? root.findChild<QAbstractButton*>(q(key->control)) : nullptr) {
      click(b);
    } else if (auto* stats = part<StatsPanel>(root); stats && a == "select") {
      QListWidget* list = stats->list();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                        list->visualItemRect(list->item(value.toInt())).center());
    } else if (conv && a.starts_with("open-")) {
      combo->showPopup();
      combo->hidePopup();
    } else if (conv && a.starts_with("pick-")) {  // an entry clicked
      combo->showPopup();
      QAbstractItemView* view = combo->view();
      const QModelIndex entry = view->model()->index(combo->findText(value), 0);
      view->scrollTo(entry);
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    } else if (elem && a == "hover") {
      hover(elem, elem->tileRect(*findElement(v)).center());
    } else if (elem && a.starts_with("drop")) {  // a drag from a tile
      dropText(elem->slotLabel(n), value);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
      typeInto(list->lineEdit(), value);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
      typeInto(edit, value);
    } else if (auto* b = qobject_cast<QAbstractButton*>(control)) {
      click(b);
    } else if (control) {
      QTest::mouseClick(control, Qt::LeftButton);
    } else if (!key && area.isEmpty() && t.size() > 1) {  // a number, typed key by key
      if (!play(root, model, t.split(QString(), Qt::SkipEmptyParts).join(','))) return false;
    } else if (runSequence(model, t.toStdString())) {
      return false;
    } else if (auto* window = part<MainWindow>(root)) {
      window->refresh();
    } else {
      if (auto* stats = part<StatsPanel>(root)) stats->refresh();
      if (auto* fin = part<FinancePanel>(root)) fin->refresh();
      if (conv) conv->refresh();
      if (elem) elem->refresh();
    }
  }
  return true;
}

/// The test classes of the shell test program, by the name its first argument gives.
inline std::map<QString, std::function<QObject*()>>& shellTests() {
  static std::map<QString, std::function<QObject*()>> tests;
  return tests;
}
/// Lists a test class under `name`.
template <class T>
struct ShellTest {
  explicit ShellTest(const char* name) {
    shellTests()[QLatin1String(name)] = [] { return new T; };
  }
};

}  // namespace zova
