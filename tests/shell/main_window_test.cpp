// The calculator window through real widgets, against the command line and the model.
#include "shell/main_window.h"

#include <QAccessible>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/model_rig.h"
#include "shell/program_look.h"
#include "support/key_bindings.h"

using namespace zova;

namespace {

// Counts what the unload asks of the window system instead of ending the test.
class CountingToolkit : public QtToolkit {
 public:
  void quit() override { ++quits; }
  void removeFont() override {
    ++fontRemovals;
    QtToolkit::removeFont();
  }
  void beep() override { ++beeps; }
  int quits = 0, fontRemovals = 0, beeps = 0;
};

struct Harness : WindowRig<CountingToolkit> {
  using WindowRig::WindowRig;
  QAction* item(const char* name) const { return window->action(QLatin1String(name)); }
  QString display() const { return window->displayField()->text(); }
  /// Makes the window the active one, as it is when the user types.
  void activate() {
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }
  QStringList dialogs;  ///< the classes of the dialogs that opened, "?" marking one without owner
};

// "+minmax" for a window whose title bar has a minimise or maximise button.
QString minMax(const QWidget* w) {
  const bool has = w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
  return has ? QStringLiteral("+minmax") : QString();
}

// Plays a script and answers its dialogs: red, "Lab4", Fix closed the tray's way, files
// cancelled.
bool play(Harness& h, const QString& script) {
  QTimer poll;
  QPointer<QWidget> answered;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || w == answered) return;
    answered = w;
    h.dialogs << QString::fromLatin1(w->metaObject()->className()) +
                     (w->parentWidget() == h.window.get() ? "" : "?") + minMax(w);
    if (auto* d = qobject_cast<QColorDialog*>(w)) d->setCurrentColor(Qt::red);
    if (auto* d = qobject_cast<QInputDialog*>(w)) d->setTextValue(QStringLiteral("Lab4"));
    if (auto* fix = w->findChild<QRadioButton*>("fix")) {
      fix->click();
      return h.window->trayDoubleClicked();
    }
    QMetaObject::invokeMethod(w, qobject_cast<QFileDialog*>(w) ? "reject" : "accept");
  });
  poll.start(10);
  return zova::play(*h.window, h.model, script);
}

const char* const kIndicatorNames[] = {
    "inverseIndicator", "hyperbolicIndicator", "degreesIndicator", "radiansIndicator",
    "gradsIndicator",   "memoryIndicator",     "baseIndicator",    "fractionIndicator"};

QRect place(Harness& h, QWidget* w) { return {w->mapTo(h.window.get(), QPoint()), w->size()}; }
bool inside(Harness& h, QWidget* w) { return h.window->rect().contains(place(h, w)); }
bool onTop(QWidget* w) { return w->windowFlags() & Qt::WindowStaysOnTopHint; }

// The window's state in words; without a tray, hiding minimizes so the window can come back.
QStringList facts(Harness& h) {
  MainWindow& w = *h.window;
  const ShellState& sh = h.model.shell();
  auto* help = w.findChild<HelpWindow*>();
  auto* flap = w.findChild<QPushButton*>("closeFlapKey");
  QStringList f =
      QString::asprintf(
          "size=%dx%d width=%d height=%d topic=%d windows=%d,%d,%d ontop=%d,%d hidden=%d away=%d "
          "shown=%d fix=%d modal=%d inside=%d,%d,%d",
          w.width(), w.height(), sh.width(), sh.height(),
          help && help->isVisible() ? int(help->topic()) : 0,
          int(w.findChildren<HelpWindow*>().size()), int(w.findChildren<AboutBox*>().size()),
          int(w.findChildren<ElementsWindow*>().size()), onTop(&w), sh.onTop, sh.hidden,
          QSystemTrayIcon::isSystemTrayAvailable() ? !w.isVisible() : w.isMinimized(),
          w.isVisible() && !w.isMinimized(), h.model.calc().state().format == NumberFormat::kFix,
          QApplication::activeModalWidget() != nullptr, inside(h, w.displayField()),
          w.button(Key::kEquals)->isVisible() && inside(h, w.button(Key::kDigit0)),
          flap->isVisible() && inside(h, flap))
          .split(' ');
  QStringList checked, off, open;
  for (const char* name :
       {"alwaysOnTop", "Converter", "Statistics", "Financial", "zoomIn", "zoomOut", "actualSize"}) {
    if (h.item(name)->isChecked()) checked << name;
    if (!h.item(name)->isEnabled()) off << name;
  }
  // Open panels and windows; "^" marks a modeless window on top.
  for (const char* name : {"foldOut", "ConverterPanel", "StatsPanel", "FinancePanel", "Elements",
                           "aboutBox", "HelpWindow", "PaperTape"})
    if (auto* c = w.findChild<QWidget*>(name); c && c->isVisible())
      open << name + QString(c->isWindow() && !c->isModal() && onTop(c) ? "^" : "") +
                  (c->isWindow() ? minMax(c) : QString());
  return f << "checked=" + checked.join('+') << "off=" + off.join('+') << "open=" + open.join('+')
           << "display=" + h.display()
           << "labels=" + child<QLabel>(w, "titleLabel")->text() + "," +
                  child<QLabel>(w, "titleShadow")->text()
           << "compact=" + h.item("compact")->text().remove(' ') << "dialogs=" + h.dialogs.join('+')
           << "display-colour=" + w.displayField()->palette().color(QPalette::Base).name()
           << "zoom=" + QString::number(h.zoom.zoomPercent());
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void playMatchesTheCommandLine_data();
  void playMatchesTheCommandLine();
  void keysActWhenPressed_data();
  void keysActWhenPressed();
  void keypadIsBuiltFromTheKeyTable();
  void menuCommands_data();
  void menuCommands();
  void coloursFollowTheModel();
  void everyWayOutUnloadsOnce_data();
  void everyWayOutUnloadsOnce();
  void pressElsewhereIsNoKey_data();
  void pressElsewhereIsNoKey();
  void ctrlShortcutsNeverReachTheKeypad();
  void borderDragSnapsToAStep();
  void zoomKeepsEveryShare_data();
  void zoomKeepsEveryShare();
  void textFieldsKeepTheirKeys();
  void tabReachesEveryControl();
  void focusMarkShows();
};

void MainWindowTest::initTestCase() {
  // The start-up entry, if one is made, goes to a scratch folder.
  static QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
}

void MainWindowTest::playMatchesTheCommandLine_data() {
  QTest::addColumn<QString>("sequence");
  for (const char* seq :
       {// Clicks: one row per indicator and kind of display.
        "1,÷,0,=", "3,inv,+,4,=", "10,Base,Base", "0.75,b/c", "7,M+,AC,Kin,MR", "Mode,Mode",
        "(,(,2,),(", "123456789,X,987654321,X,3,=",
        // Key events no key-table binding covers: shortcuts, lone modifiers, keys after clicks.
        "key:2,key:Alt+S", "key:Shift,key:Ctrl,key:Alt,key:F12", "key:1,key:Comma,key:2",
        // Menu commands are mouse choices: the next key counts; compact size keeps the keyboard.
        "4,menu:copy,key:F", "4,menu:compact,key:S,key:M"})
    QTest::newRow(seq) << QString::fromUtf8(seq);
}

// Display, indicators, registers, bracket names and tooltip agree with the command line, and the
// display text fits.
void MainWindowTest::playMatchesTheCommandLine() {
  QFETCH(QString, sequence);
  ModelRig typed;
  QVERIFY(typed.run(sequence));
  Harness h;
  QVERIFY(play(h, sequence));
  QCOMPARE(testing::keySnapshot(h.model), testing::keySnapshot(typed.model));
  QString labels;
  for (const char* name : kIndicatorNames) labels += child<QLabel>(*h.window, name)->text();
  QCOMPARE(labels, q(testing::keySnapshot(typed.model)).section('|', 1, 1));
  QCOMPARE(h.display(), q(typed.model.calc().display()));
  const QLineEdit* display = h.window->displayField();
  QVERIFY(display->fontMetrics().horizontalAdvance(h.display()) <= display->contentsRect().width());
  const CalcState& s = typed.model.calc().state();
  for (const auto& [k, name] : {std::pair{Key::kOpen, "open"}, {Key::kClose, "close"}})
    QCOMPARE(h.window->button(k)->accessibleName(),
             QStringLiteral("%1 bracket, depth %2").arg(name).arg(std::max(0, s.bracketLevel)));
  QCOMPARE(h.window->button(Key::kClose)->toolTip(), q(english(s.closeTip)));
}

void MainWindowTest::keysActWhenPressed_data() {
  QTest::addColumn<QString>("before");  ///< on-screen keys clicked first
  QTest::addColumn<QString>("keys");    ///< vK presses K, ^K lets go of it, rK is an auto-repeat
  QTest::addColumn<QString>("shown");
  QTest::addColumn<int>("results");  ///< "=" results the Stack toggle entered
  const std::tuple<const char*, const char*, const char*, int> rows[] = {
      {"2,+,3", "vEnter ^Enter", "5", 1},
      {"2,+,3", "vNumEnter rNumEnter rNumEnter ^NumEnter", "5", 1},  // keypad Enter held
      {"7,+", "v8 vEnter ^Enter ^8", "15", 1},
      {"", "v1 v2 ^2 ^1", "12", 0},
      {"", "v7 r7 r7 ^7 v7 ^7", "77", 0},
      {"", "v7 v7 ^7", "7", 0},
      {"5", "^7 ^Enter", "5", 0},
      // A key is what it was when it went down, whenever Shift is let go of.
      {"255", "vShift vShift+3 ^Shift ^3", "FF", 0},
      {"2", "vShift vShift+6 ^Shift ^6 v3 ^3 vEnter ^Enter", "8", 1}};
  for (const auto& [before, keys, shown, results] : rows)
    QTest::newRow(keys) << QString::fromLatin1(before) << QString::fromLatin1(keys)
                        << QString::fromLatin1(shown) << results;
}

// Every key acts when it goes down, in the order pressed, Enter as "=" once; auto-repeats and
// releases do nothing. Keys from any control of the window give the focus back to "="; other
// windows' keys are not the calculator's.
void MainWindowTest::keysActWhenPressed() {
  QFETCH(QString, before);
  QFETCH(QString, keys);
  QFETCH(QString, shown);
  QFETCH(int, results);
  Harness h;
  h.activate();
  h.model.press(Key::kStack);
  QVERIFY(play(h, before));
  for (const QString& k : keys.split(' ')) {
    const auto press = keyNamed(k.mid(1).toStdString());
    const QKeyCombination c = k.endsWith("NumEnter")
                                  ? QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter)
                                  : qtKeyFor(*press);
    if (k[0] == '^') {
      QTest::keyRelease(h.window.get(), c.key(), c.keyboardModifiers());
    } else {
      const bool printable = c.key() > Qt::Key_Space && c.key() < Qt::Key_BraceRight;
      QKeyEvent event(QEvent::KeyPress, c.key(), c.keyboardModifiers(),
                      printable ? QString(QChar(c.key())) : QString(), k[0] == 'r');
      QApplication::sendEvent(h.window.get(), &event);
    }
  }
  QCOMPARE(h.display(), shown);
  QCOMPARE(h.model.stats().count(), std::size_t(results));
  h.window->centralWidget()->setFocus();
  QTest::keyClick(h.window->button(Key::kDigit0), Qt::Key_Home);
  QCOMPARE(h.display(), QStringLiteral("0"));
  QCOMPARE(QApplication::focusWidget(), h.window->button(Key::kEquals));
  QWidget other;
  other.show();
  QTest::keyClick(&other, Qt::Key_7);
  QCOMPARE(h.display(), QStringLiteral("0"));
}

// The keypad follows the key table and lies inside the window, keys apart, each second caption
// just above its key; keys, indicators and display have names for screen readers.
void MainWindowTest::keypadIsBuiltFromTheKeyTable() {
  Harness h;
  QCOMPARE(h.window->size(), QSize(220, 356));
  const auto buttons = child<QWidget>(*h.window, "keypad")->findChildren<QAbstractButton*>();
  QCOMPARE(buttons.size(), int(keyTable().size()) - 1);  // Stack is the statistics panel's
  for (QAbstractButton* a : buttons) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(a);
    QVERIFY2(i && i->role() == QAccessible::Button && !i->text(QAccessible::Name).isEmpty() &&
                 inside(h, a) && a->width() >= 28 && a->height() >= 18,
             qPrintable(a->objectName()));
    for (QAbstractButton* b : buttons)
      QVERIFY2(a == b || !place(h, a).intersects(place(h, b)), qPrintable(a->objectName()));
  }
  for (const KeyRow& row : keyTable()) {
    QPushButton* b = h.window->button(row.key);
    if (row.key == Key::kStack) continue;
    QVERIFY2(b && b->isVisible() && b->text() == q(row.caption), row.control.data());
    QCOMPARE(b->focusPolicy(), row.key == Key::kEquals ? Qt::StrongFocus : Qt::TabFocus);
    if (row.second.empty()) continue;
    auto* second = h.window->findChild<QLabel*>(QStringLiteral("second_") + q(row.control));
    QVERIFY2(second && second->isVisible() && second->text() == q(row.second), row.control.data());
    const QRect s = place(h, second), r = place(h, b);
    QVERIFY(s.bottom() <= r.top() + 1 && s.bottom() >= r.top() - 6 && s.left() < r.right() &&
            s.right() > r.left());
  }
  for (const char* name : kIndicatorNames)
    QVERIFY2(child<QLabel>(*h.window, name)->accessibleName().endsWith("indicator"), name);
  QLineEdit* display = h.window->displayField();
  QCOMPARE(display->accessibleName(), QStringLiteral("display"));
  QVERIFY(display->isReadOnly() && (display->alignment() & Qt::AlignRight));
  if (!h.toolkit.fontFamily().isEmpty()) QCOMPARE(display->font().family(), h.toolkit.fontFamily());
}

void MainWindowTest::menuCommands_data() {
  QTest::addColumn<QString>("commands");
  QTest::addColumn<QString>("holds");
  const std::pair<const char*, const char*> rows[] = {
      {"7,copy,AC,paste", "display=7"},
      {"alwaysOnTop", "checked=alwaysOnTop ontop=1,1 shown=1"},
      {"alwaysOnTop,alwaysOnTop", "checked= ontop=0,0"},
      {"trayHide", "hidden=1 away=1"},
      {"key:Esc,trayOpen", "hidden=0 shown=1"},
      {"save,load", "dialogs=QFileDialog+QFileDialog display=0"},
      {"screenColour", "display-colour=#ff0000 dialogs=QColorDialog"},
      {"personalLabel", "labels=Lab4,Lab4 dialogs=QInputDialog"},
      {"paperTape", "open=PaperTape"},
      {"options", "dialogs=zova::OptionsWindow fix=1 modal=0 shown=1"},
      // The table is one modeless window on top (a window of its own, that minimises), and the
      // calculator still takes keys.
      {"periodicTable,periodicTable,key:4", "open=Elements^+minmax windows=0,0,1 display=4"},
      {"Contents,Equivalent", "topic=800 windows=1,0,0 open=HelpWindow"},
      {"About,aboutOk,trayAbout,aboutOk", "open= windows=0,1,0"},
      {"Converter",
       "size=470x356 width=7050 open=foldOut+ConverterPanel checked=Converter inside=1,1,1"},
      {"Converter,Statistics", "size=470x356 open=foldOut+StatsPanel checked=Statistics"},
      {"Financial,closeFlapKey", "size=220x356 width=3300 open= checked="},
      // Compact size keeps the display and the keyboard, Enter included.
      {"2,+,3,Converter,compact,key:Enter",
       "size=220x94 display=5 compact=Normal&Size checked= "
       "off=Converter+Statistics+Financial+zoomOut+actualSize open= inside=1,0,0"},
      {"compact,compact",
       "size=220x356 height=5340 compact=Compact&Size off=zoomOut+actualSize open= inside=1,1,0"},
      // Zoom: steps of 25 % from 100 to 300, with a panel open or not; the standard sizes come
      // back with Actual Size. A command that cannot act is greyed.
      {"zoomIn,zoomIn", "zoom=150 inside=1,1,0 off="},
      {"zoomIn,zoomOut,zoomOut", "zoom=100"},
      {"zoomIn,zoomIn,zoomIn,zoomIn,zoomIn,zoomIn,zoomIn,zoomIn,zoomIn", "zoom=300 off=zoomIn"},
      {"zoomIn,zoomIn,Statistics", "zoom=150 size=705x524 width=7050"},
      {"zoomIn,Financial,zoomIn,Financial", "zoom=150 size=330x524 width=3300"},
      {"Converter,zoomIn,zoomIn,zoomIn,zoomOut,compact", "zoom=150 size=330x131"},
      {"zoomIn,zoomIn,Converter,compact,actualSize", "zoom=100 size=220x94 width=3300"},
      {"zoomIn,Financial,actualSize,compact,compact", "zoom=100 size=220x356 open="}};
  for (const auto& [commands, holds] : rows)
    QTest::newRow(commands) << QString::fromUtf8(commands) << QString::fromUtf8(holds);
}

void MainWindowTest::menuCommands() {
  QFETCH(QString, commands);
  QFETCH(QString, holds);
  Harness h;
  QVERIFY(play(h, commands));
  const QStringList f = facts(h);
  for (const QString& fact : holds.split(' '))
    QVERIFY2(f.contains(fact), qPrintable(fact + " in " + f.join(' ')));
}

// Colours reach their controls but C, AC and "="; a system colour falls back to the palette. inv
// and hyp wear the function keys' face while off and a lit one, well apart, while on.
void MainWindowTest::coloursFollowTheModel() {
  Harness h;
  ShellState& sh = h.model.shell();
  const std::tuple<Colour*, const char*, QPalette::ColorRole> uses[] = {
      {&sh.screenColour, "memoryIndicator", QPalette::Window},
      {&sh.digitsColour, "fractionIndicator", QPalette::WindowText},
      {&sh.shellColour, "case", QPalette::Window},
      {&sh.standardColour, "digit1Key", QPalette::Button},
      {&sh.functionColour, "reciprocalKey", QPalette::Button}};
  for (Colour system : {0, -2147483633}) {
    int i = 0;
    for (const auto& [c, name, role] : uses) *c = system ? system : 0x00306090 + 0x10 * i++;
    h.window->refresh();
    for (const auto& [c, name, role] : uses) {
      QWidget* w = child<QWidget>(*h.window, name);
      QCOMPARE(w->palette().color(role), system ? QApplication::palette(w).color(role)
                                                : QColor(*c & 0xFF, (*c >> 8) & 0xFF, *c >> 16));
    }
    for (Key k : {Key::kClear, Key::kAllClear, Key::kEquals})
      for (Key group : {Key::kDigit1, Key::kReciprocal})
        QVERIFY(system || h.window->button(k)->palette().color(QPalette::Button) !=
                              h.window->button(group)->palette().color(QPalette::Button));
  }
  const auto face = [&h](Key k) { return h.window->button(k)->palette().color(QPalette::Button); };
  for (Colour function : {0x00306090, -2147483633, 0x003ca8e6}) {  // the last one is lit amber
    sh.functionColour = function;
    for (bool on : {true, false}) {
      QVERIFY(!runSequence(h.model, "inv,hyp").has_value());
      h.window->refresh();
      const QColor off = face(Key::kReciprocal);
      for (Key k : {Key::kInverse, Key::kHyperbolic}) {
        const QColor c = face(k);
        const int apart = std::abs(c.red() - off.red()) + std::abs(c.green() - off.green()) +
                          std::abs(c.blue() - off.blue());
        QVERIFY2(on ? apart >= 120 : apart == 0, qPrintable(c.name() + " " + off.name()));
      }
    }
  }
}

void MainWindowTest::everyWayOutUnloadsOnce_data() {
  QTest::addColumn<QString>("way");  // the close box, or the periodic table open, then it
  for (const char* way : {"close", "exit", "trayExit", "key:End", "periodicTable"})
    QTest::newRow(way) << QString::fromLatin1(way);
}

// The settings written on the way out are read back at the next start.
void MainWindowTest::everyWayOutUnloadsOnce() {
  QFETCH(QString, way);
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("dadidedo.dat"));
  Harness h(file);
  QVERIFY(play(h, QStringLiteral("7,M+")));
  if (way != QLatin1String("close")) QVERIFY(play(h, way));
  if (way == QLatin1String("close") || way == QLatin1String("periodicTable")) h.window->close();
  if (ElementsWindow* table = h.window->elementsWindow()) QVERIFY(!table->isVisible());
  QVERIFY(h.model.ended() && !h.window->isVisible());
  QVERIFY(h.toolkit.quits == 1 && h.toolkit.fontRemovals == 1);
  CountingToolkit again;
  Model next(again, {});
  next.setSettingsFile(file.toStdString());
  next.startUp();
  QCOMPARE(next.calc().state().memory.text({}), std::string("7"));
  h.window->close();
  QCOMPARE(h.toolkit.quits, 1);
}

void MainWindowTest::pressElsewhereIsNoKey_data() {
  QTest::addColumn<QString>("opened");
  QTest::addColumn<int>("key");
  for (const char* opened : {"View menu", "load", "About", "financial error", "periodicTable"})
    QTest::newRow(opened) << QString::fromLatin1(opened) << int(Qt::Key_Escape);
  QTest::newRow("View menu, C") << QStringLiteral("View menu") << int(Qt::Key_C);
  QTest::newRow("About, C") << QStringLiteral("About") << int(Qt::Key_C);
}

// Esc that closes a menu, a dialog or the periodic table leaves the calculator visible: a key
// whose press went elsewhere never acts, and its release on the calculator does nothing.
void MainWindowTest::pressElsewhereIsNoKey() {
  QFETCH(QString, opened);
  QFETCH(int, key);
  Harness h;
  h.activate();
  QVERIFY(play(h, QStringLiteral("5")));
  // Once a dialog or new window shows, the key goes down on it; it comes up on the calculator.
  const QWidgetList before = QApplication::topLevelWidgets();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activePopupWidget();
    for (QWidget* top : QApplication::topLevelWidgets())
      if (!w && !before.contains(top) && top->isVisible()) w = top;
    if (!w) return;
    if (!w->isActiveWindow()) return QApplication::setActiveWindow(w);  // its Esc works once in it
    poll.stop();
    QTest::keyPress(w, Qt::Key(key));
  });
  poll.start(10);
  if (opened == QLatin1String("View menu"))
    child<QMenu>(*h.window, "viewMenu")->popup(h.window->mapToGlobal(QPoint(10, 10)));
  else if (opened == QLatin1String("financial error"))
    QVERIFY(!runSequence(h.model, "1000,fin:click=PV,fin:solve=PMT").has_value());
  else
    h.item(qPrintable(opened))->trigger();
  QTRY_VERIFY(!poll.isActive());
  QTest::keyRelease(h.window.get(), Qt::Key(key));
  if (key == Qt::Key_Escape) QTRY_VERIFY(!QApplication::activePopupWidget());
  if (QWidget* menu = QApplication::activePopupWidget()) menu->close();  // C chose nothing
  QTRY_VERIFY(!QApplication::activeModalWidget());
  const QStringList f = facts(h);
  for (const char* fact : {"hidden=0", "away=0", "display=5", key == Qt::Key_C ? "" : "open="})
    QVERIFY2(!*fact || f.contains(QLatin1String(fact)), qPrintable(fact + (" in " + f.join(' '))));
  // A press and release on the calculator itself still acts.
  QApplication::setActiveWindow(h.window.get());
  QTest::qWait(20);
  QTest::keyClick(h.window.get(), Qt::Key_Escape);
  QVERIFY(h.model.shell().hidden);
}

// Ctrl+C copies and nothing else, three times over, in either order of release; Ctrl+X is no
// shortcut: its press reaches the map, which leaves it alone.
void MainWindowTest::ctrlShortcutsNeverReachTheKeypad() {
  for (bool ctrlFirst : {false, true}) {
    Harness h;
    h.activate();
    QVERIFY(play(h, QStringLiteral("2")));
    for (int i = 0; i < 3; ++i) {
      QApplication::clipboard()->clear();
      QTest::keyPress(h.window.get(), Qt::Key_C, Qt::ControlModifier);
      if (ctrlFirst) QTest::keyRelease(h.window.get(), Qt::Key_Control);
      QTest::keyRelease(h.window.get(), Qt::Key_C,
                        ctrlFirst ? Qt::NoModifier : Qt::ControlModifier);
      QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2"));
      QCOMPARE(h.display(), QStringLiteral("2"));
    }
    QTest::keyClick(h.window.get(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(h.display(), QStringLiteral("2"));
  }
  {
    // Undo and Redo by their keys: the menu names the step or is greyed, the tape strikes
    // the entries undone, and no key reaches the keypad.
    Harness h;
    h.activate();
    QVERIFY(play(h, QStringLiteral("1,+,2,=")));
    h.window->openTape();
    h.activate();
    const QAbstractItemModel* tape = h.window->tapeWindow()->list()->model();
    const int rows = tape->rowCount();
    const auto struck = [&](int row) {
      return tape->index(row, 0).data(Qt::FontRole).value<QFont>().strikeOut();
    };
    const std::tuple<Qt::KeyboardModifiers, Qt::Key, const char*, const char*, const char*, bool>
        steps[] = {
            {Qt::ControlModifier, Qt::Key_Z, "2", "&Undo 2", "&Redo =", true},
            {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z, "3", "&Undo =", "&Redo", false},
            {Qt::ControlModifier, Qt::Key_Z, "2", "&Undo 2", "&Redo =", true},
            {Qt::ControlModifier, Qt::Key_Y, "3", "&Undo =", "&Redo", false}};
    for (const auto& [modifiers, key, shown, undo, redo, undone] : steps) {
      QTest::keyClick(h.window.get(), key, modifiers);
      QCOMPARE(std::make_tuple(h.display(), h.item("undo")->text(), h.item("redo")->text()),
               std::make_tuple(QString::fromLatin1(shown), QString::fromLatin1(undo),
                               QString::fromLatin1(redo)));
      QCOMPARE(h.item("redo")->isEnabled(), undone);
      QCOMPARE(std::make_tuple(tape->rowCount(), struck(rows - 1), struck(0)),
               std::make_tuple(rows, undone, false));
    }
    QCOMPARE(h.toolkit.beeps, 5);  // the five Ctrl and Shift presses', none for Z or Y
    for (int i = 0; i < 4; ++i) QTest::keyClick(h.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(std::make_tuple(h.display(), h.item("undo")->isEnabled(), h.item("undo")->text()),
             std::make_tuple(QStringLiteral("0"), false, QStringLiteral("&Undo")));
  }
  // The zoom keys zoom and type nothing, at the ends of the range too; Ctrl+= as Ctrl++.
  Harness h;
  h.activate();
  QVERIFY(play(h, QStringLiteral("2")));
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, pad = ctrl | Qt::KeypadModifier;
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> zoomKeys[] = {
      {Qt::Key_Plus, ctrl, 125},  {Qt::Key_Equal, ctrl, 150}, {Qt::Key_Plus, pad, 175},
      {Qt::Key_Minus, ctrl, 150}, {Qt::Key_0, ctrl, 100},     {Qt::Key_Minus, pad, 100}};
  for (const auto& [key, modifiers, zoom] : zoomKeys) {
    QTest::keyClick(h.window.get(), key, modifiers);
    QCOMPARE(h.zoom.zoomPercent(), zoom);
  }
  h.zoom.setZoomPercent(kMaxZoom);
  QTest::keyClick(h.window.get(), Qt::Key_Plus, ctrl);
  QCOMPARE(h.zoom.zoomPercent(), kMaxZoom);
  QVERIFY(play(h, QStringLiteral("3,=")));  // no digit typed, no operation pending
  QCOMPARE(h.display(), QStringLiteral("23"));
}

// A drag of the window's border snaps to the zoom step nearest to the border that moved (a
// corner: the smaller of the two), and the window takes that step's size.
void MainWindowTest::borderDragSnapsToAStep() {
  const std::tuple<double, double, int> rows[] = {
      {2.0, 1.0, 200}, {1.0, 1.6, 150}, {2.4, 1.8, 175}, {1.1, 1.0, 100}, {9.0, 1.0, 300}};
  for (const auto& [across, down, zoom] : rows) {
    Harness h;
    QVERIFY(h.exposed());
    const QSize client = h.window->centralWidget()->size();
    const int bar = h.window->height() - client.height();
    h.window->resize(qRound(client.width() * across), bar + qRound(client.height() * down));
    const QSize snapped = client * (zoom / 100.0);
    const QWidget* now = h.window->centralWidget();
    QTRY_VERIFY2(h.zoom.zoomPercent() == zoom && std::abs(now->width() - snapped.width()) <= 1 &&
                     std::abs(now->height() - snapped.height()) <= 1,
                 qPrintable(QString::number(h.zoom.zoomPercent())));
  }
}

// Keys typed into the converter's list go to its text, not to the keypad; Enter in it ends the
// editing and gives the keys back to "="; so does leaving it. The periodic table's count
// boxes keep their keys too.
void MainWindowTest::textFieldsKeepTheirKeys() {
  Harness h;
  h.activate();
  QVERIFY(play(h, QStringLiteral("2,+,3,Converter")));
  auto* from = child<QComboBox>(*h.window, "fromList");
  QVERIFY(from->isVisible() && from->isEditable());
  for (bool enter : {true, false}) {
    QTest::mouseClick(from->lineEdit(), Qt::LeftButton);
    QTRY_VERIFY(from->hasFocus());
    const QString was = from->currentText(), shown = h.display();
    from->lineEdit()->end(false);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("y4+"));
    QCOMPARE(from->currentText(), was + "y4+");
    QCOMPARE(h.display(), shown);
    if (enter)  // it ends the editing and presses no "="
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else
      QTest::mouseClick(h.window->button(Key::kEquals), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), h.window->button(Key::kEquals));
    QTest::keyClick(h.window.get(), Qt::Key_4);
    QCOMPARE(from->currentText(), was + "y4+");
  }
  QCOMPARE(h.display(), QStringLiteral("4"));  // 2 + 3, Enter in the list, 4, "=" clicked, 4
  QVERIFY(play(h, QStringLiteral("AC,7,periodicTable")));
  QLineEdit* count = h.window->elementsWindow()->countBox(1);
  QVERIFY(QTest::qWaitForWindowExposed(h.window->elementsWindow()));
  count->setFocus();
  count->selectAll();
  QTest::keyClicks(count, QStringLiteral("2y"));
  QCOMPARE(count->text(), QStringLiteral("2y"));
  QCOMPARE(h.display(), QStringLiteral("7"));
}

// Tab walks the keypad and then the open panel, each in reading order (by top edge, then
// left to right), and comes back to "="; Enter and Space click the control Tab reached, and the
// calculator's keys bring the focus back to "=".
void MainWindowTest::tabReachesEveryControl() {
  for (const char* panel : {"Converter", "Statistics", "Financial"}) {
    Harness h;
    h.activate();
    QVERIFY(play(h, panel));
    QWidget* equals = h.window->button(Key::kEquals);
    QWidget* keypad = equals->parentWidget();
    std::vector<QWidget*> chain;
    for (QWidget* w = equals->nextInFocusChain(); w != equals; w = w->nextInFocusChain())
      if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
        chain.push_back(w);
    QVERIFY(chain.size() > keyTable().size());
    std::vector<QWidget*> walked;
    for (std::size_t i = 0; i <= chain.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (QApplication::focusWidget() == equals) break;
      walked.push_back(QApplication::focusWidget());
    }
    QVERIFY2(walked == chain, panel);
    const auto corner = [](QWidget* w) { return w->mapToGlobal(QPoint()); };
    for (std::size_t i = 1; i < walked.size(); ++i) {
      QWidget *a = walked[i - 1], *b = walked[i];
      if ((a->parentWidget() == keypad) != (b->parentWidget() == keypad)) continue;
      const QPoint d = corner(b) - corner(a);
      QVERIFY2(d.y() > 3 || (std::abs(d.y()) <= 3 && d.x() > 0),
               qPrintable(a->objectName() + " before " + b->objectName()));
    }
  }
  Harness h;
  h.activate();
  QVERIFY(play(h, "Statistics,9"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);  // to "-"
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), h.window->button(Key::kEquals));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(h.display(), QStringLiteral("5"));
  auto* enter = child<QPushButton>(*h.window, "enterDataKey");
  enter->setFocus(Qt::TabFocusReason);
  QTest::keyClick(enter, Qt::Key_Space);
  QCOMPARE(h.model.stats().count(), std::size_t(1));
  QVERIFY(play(h, "Financial,7"));  // a financial cell takes the display
  auto* cell = child<QLabel>(*h.window, "periodsCell");
  cell->setFocus(Qt::TabFocusReason);
  QTest::keyClick(cell, Qt::Key_Return);
  QVERIFY2(cell->text().startsWith(QLatin1Char('7')), qPrintable(cell->text()));
  // An arrow key steps a converter list to its next unit and keeps the focus there.
  QVERIFY(play(h, "Converter,conv:Length"));
  auto* from = child<QComboBox>(*h.window, "fromList");
  from->setFocus(Qt::TabFocusReason);
  QTest::keyClick(from, Qt::Key_Down);
  QCOMPARE(h.model.converter().state().fromList.text, from->itemText(1).toStdString());
  QCOMPARE(QApplication::focusWidget(), from);
}

// The focused control looks different from itself unfocused, on the keypad and on a panel,
// at the smallest and the largest zoom, under a light and a dark palette.
void MainWindowTest::focusMarkShows() {
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  for (const auto& [role, colour] : {std::pair{QPalette::Window, QColor(0x30, 0x30, 0x30)},
                                     {QPalette::Button, QColor(0x3a, 0x3a, 0x3a)},
                                     {QPalette::Base, QColor(0x20, 0x20, 0x20)},
                                     {QPalette::Highlight, QColor(0x3d, 0xae, 0xe9)}})
    dark.setColor(role, colour);
  for (const QPalette& palette : {light, dark}) {
    QApplication::setPalette(palette);
    Harness h;
    const std::unique_ptr<QStyle> style(makeProgramStyle(&h.zoom));
    h.activate();
    QVERIFY(play(h, "Statistics"));
    auto* key = child<QPushButton>(*h.window, "countKey");
    key->setStyle(style.get());
    for (int zoom : {kMinZoom, kMaxZoom}) {
      h.zoom.setZoomPercent(zoom);
      for (QWidget* w :
           {static_cast<QWidget*>(h.window->button(Key::kDigit5)), static_cast<QWidget*>(key)}) {
        h.window->button(Key::kEquals)->setFocus();
        const QImage unfocused = w->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        QVERIFY2(w->grab().toImage() != unfocused, qPrintable(w->objectName()));
      }
    }
    key->setStyle(nullptr);
  }
  QApplication::setPalette(light);
}

void MainWindowTest::zoomKeepsEveryShare_data() {
  QTest::addColumn<QString>("shown");
  for (const char* shown : {"", "Statistics", "Financial", "Converter", "compact"})
    QTest::newRow(shown) << QString::fromLatin1(shown);
}

// At every zoom step the client area and each control in it keep their share of it: their
// edges over the zoom lie within two pixels of the standard ones (the keypad's grid spreads
// its rounding, and the display's frame, drawn by the style, keeps its width). The menu bar
// keeps the desktop's size. Left out: the indicators, a row of small widths whose roundings
// add up, and what the statistics and financial panels lay out from their texts' sizes,
// which the text-fit walk checks.
void MainWindowTest::zoomKeepsEveryShare() {
  QFETCH(QString, shown);
  Harness h;
  QVERIFY(play(h, shown + ",1,stat:enter"));
  QWidget* client = h.window->centralWidget();
  const auto places = [client] {
    std::map<QWidget*, QRect> out{{client, client->rect()}};
    for (QWidget* w : client->findChildren<QWidget*>())
      if (w->isVisibleTo(client) && !w->objectName().endsWith("Indicator") &&
          !qobject_cast<QComboBox*>(w->parent()) && !qobject_cast<StatsPanel*>(w->parent()) &&
          !qobject_cast<FinancePanel*>(w->parent()))
        out[w] = QRect(w->mapTo(client, QPoint()), w->size());
    return out;
  };
  const std::map<QWidget*, QRect> standard = places();
  const int bar = h.window->menuBar()->height();
  for (int zoom = kMinZoom + kZoomStep; zoom <= kMaxZoom; zoom += kZoomStep) {
    h.zoom.setZoomPercent(zoom);
    QCoreApplication::processEvents();  // the layouts' turn
    QCOMPARE(h.window->menuBar()->height(), bar);
    const std::map<QWidget*, QRect> zoomed = places();
    QCOMPARE(zoomed.size(), standard.size());
    for (const auto& [w, r] : zoomed) {
      const QRectF back(QPointF(r.topLeft()) * 100 / zoom, QSizeF(r.size()) * 100 / zoom);
      const QRectF s = standard.at(w);
      QVERIFY2(std::abs(back.left() - s.left()) <= 2 && std::abs(back.top() - s.top()) <= 2 &&
                   std::abs(back.right() - s.right()) <= 2 &&
                   std::abs(back.bottom() - s.bottom()) <= 2,
               qPrintable(QString("%1 at %2 %").arg(w->objectName()).arg(zoom)));
    }
  }
}

static const ShellTest<MainWindowTest> kRegistered("main_window");
#include "main_window_test.moc"
