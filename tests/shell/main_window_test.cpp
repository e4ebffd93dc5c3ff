// The calculator window through real widgets, against the command line and the model.
#include "shell/main_window.h"

#include <QAccessible>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/key_translate.h"
#include "shell/model_rig.h"

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
  int quits = 0;
  int fontRemovals = 0;
  int beeps = 0;
};

// A started calculator and its window, shown.
struct Harness : WindowRig<CountingToolkit> {
  using WindowRig::WindowRig;
  QAction* item(const char* name) const { return window->action(QLatin1String(name)); }
  QLabel* label(const char* name) const { return window->findChild<QLabel*>(name); }
  void click(Key key) const { QTest::mouseClick(window->button(key), Qt::LeftButton); }
  QString display() const { return window->displayField()->text(); }

  QStringList dialogs;  ///< the classes of the dialogs that opened, "?" marking one without owner
};

/// The key event for a command-line key name ("Num8", "F5", "Ctrl+X", "Comma").
QKeyCombination qtKey(const QString& name) {
  const std::optional<KeyPress> press = keyNamed(name.toStdString());
  return press ? qtKeyFor(*press) : QKeyCombination(Qt::Key_unknown);
}

// Plays a script and answers its dialogs: red, "Lab4", Fix closed the tray's way, files
// cancelled; a script starting with "!" cancels every dialog.
bool play(Harness& h, QString script) {
  const bool cancel = script.startsWith('!');
  QTimer poll;
  QPointer<QWidget> answered;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || w == answered) return;
    answered = w;
    h.dialogs << QString::fromLatin1(w->metaObject()->className()) +
                     (w->parentWidget() == h.window.get() ? "" : "?");
    if (auto* d = qobject_cast<QColorDialog*>(w)) d->setCurrentColor(Qt::red);
    if (auto* d = qobject_cast<QInputDialog*>(w)) d->setTextValue(QStringLiteral("Lab4"));
    if (auto* fix = w->findChild<QRadioButton*>("fix")) {
      fix->click();
      return h.window->trayDoubleClicked();
    }
    QMetaObject::invokeMethod(w, cancel || qobject_cast<QFileDialog*>(w) ? "reject" : "accept");
  });
  poll.start(10);
  return zova::play(*h.window, h.model, script.remove(0, cancel));
}

const char* const kIndicatorNames[] = {
    "inverseIndicator", "hyperbolicIndicator", "degreesIndicator", "radiansIndicator",
    "gradsIndicator",   "memoryIndicator",     "baseIndicator",    "fractionIndicator"};

QColor colour(QWidget* w, QPalette::ColorRole role) { return w->palette().color(role); }
QRect place(Harness& h, QWidget* w) { return {w->mapTo(h.window.get(), QPoint()), w->size()}; }
bool inside(Harness& h, QWidget* w) { return h.window->rect().contains(place(h, w)); }
bool onTop(QWidget* w) { return w->windowFlags() & Qt::WindowStaysOnTopHint; }

// The window's state in words; without a tray, hiding minimizes so the window can come back.
QStringList facts(Harness& h) {
  MainWindow& w = *h.window;
  const ShellState& sh = h.model.shell();
  const CalcState& s = h.model.calc().state();
  auto* help = w.findChild<HelpWindow*>();
  auto* flap = w.findChild<QPushButton*>("closeFlapKey");
  const bool tray = QSystemTrayIcon::isSystemTrayAvailable();
  QStringList f =
      QString::asprintf(
          "size=%dx%d width=%d height=%d screen=%x digits=%x topic=%d windows=%d,%d,%d ontop=%d,%d "
          "hidden=%d away=%d shown=%d minstart=%d fix=%d modal=%d inside=%d,%d,%d",
          w.width(), w.height(), sh.width, sh.height, unsigned(sh.screenColour),
          unsigned(sh.digitsColour), help && help->isVisible() ? help->topic() : 0,
          int(w.findChildren<HelpWindow*>().size()), int(w.findChildren<AboutBox*>().size()),
          int(w.findChildren<ElementsWindow*>().size()), onTop(&w), sh.onTop, sh.hidden,
          tray ? !w.isVisible() : w.isMinimized(), w.isVisible() && !w.isMinimized(),
          sh.startupEntry, s.format == NumberFormat::kFix,
          QApplication::activeModalWidget() != nullptr, inside(h, w.displayField()),
          w.button(Key::kEquals)->isVisible() && inside(h, w.button(Key::kDigit0)),
          flap->isVisible() && inside(h, flap))
          .split(' ');
  QStringList checked, off, open;
  for (const char* name :
       {"alwaysOnTop", "appearOnStartup", "Converter", "Statistics", "Financial"}) {
    if (h.item(name)->isChecked()) checked << name;
    if (!h.item(name)->isEnabled()) off << name;
  }
  // Open panels and windows; "^" marks a modeless window on top.
  for (const char* name : {"foldOut", "ConverterPanel", "StatsPanel", "FinancePanel", "Elements",
                           "aboutBox", "HelpWindow"})
    if (auto* c = w.findChild<QWidget*>(name); c && c->isVisible())
      open << name + QString(c->isWindow() && !c->isModal() && onTop(c) ? "^" : "");
  return f << "checked=" + checked.join('+') << "off=" + off.join('+') << "open=" + open.join('+')
           << "display=" + h.display() << "clipboard=" + QApplication::clipboard()->text()
           << "labels=" + h.label("titleLabel")->text() + "," + h.label("titleShadow")->text()
           << "compact=" + h.item("compact")->text().remove(' ') << "dialogs=" + h.dialogs.join('+')
           << "display-colour=" + colour(w.displayField(), QPalette::Base).name();
}

// Sequences of menu commands and what holds after them.
const std::pair<const char*, const char*> kCommands[] = {
    {"12.5,copy", "clipboard=12.5"},
    {"7,copy,AC,paste", "display=7"},
    {"alwaysOnTop", "checked=alwaysOnTop ontop=1,1 shown=1"},
    {"alwaysOnTop,alwaysOnTop", "checked= ontop=0,0"},
    {"trayHide", "hidden=1 away=1"},
    {"key:Esc,trayOpen", "hidden=0 shown=1"},
    // A failure to write the start-up entry shows a message box, which is accepted.
    {"appearOnStartup", "checked=appearOnStartup minstart=1"},
    {"save,load", "dialogs=QFileDialog+QFileDialog display=0"},
    {"screenColour", "screen=ff display-colour=#ff0000"},
    {"!digitsColour", "digits=182010"},
    {"personalLabel", "labels=Lab4,Lab4"},
    {"options", "dialogs=zova::OptionsWindow fix=1 modal=0 shown=1"},
    // The table is one modeless window on top, and the calculator still takes keys.
    {"periodicTable,periodicTable,key:4", "open=Elements^ windows=0,0,1 display=4"},
    {"Contents,Equivalent", "topic=800 windows=1,0,0"},
    {"About,aboutOk,trayAbout,aboutOk", "open= windows=0,1,0"},
    {"Converter",
     "size=470x356 width=7050 open=foldOut+ConverterPanel checked=Converter inside=1,1,1"},
    {"Converter,Statistics",
     "size=470x356 open=foldOut+StatsPanel checked=Statistics inside=1,1,1"},
    {"Statistics,Statistics", "size=220x356 width=3300 open= checked="},
    {"Financial,closeFlapKey", "size=220x356 width=3300 open= checked="},
    // Compact size keeps the display and the keyboard, Enter included.
    {"2,+,3,Converter,compact,key:Enter",
     "size=220x94 display=5 compact=Normal&Size checked= off=Converter+Statistics+Financial "
     "open= inside=1,0,0"},
    {"compact,compact", "size=220x356 height=5340 compact=Compact&Size off= open= inside=1,1,0"}};

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
  void textFieldsKeepTheirKeys();
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
        "1,÷,0,=", "3,inv,+,4,=", "10,Base,Base", "0.75,b/c", "7,M+,AC,MR",
        "5,Kin,AC,Kout,X,2,=", "Mode,Mode", "(,(,2,),(", "123456789,X,987654321,X,3,=",
        // Key events no key-table binding covers: shortcuts, lone modifiers, keys after clicks.
        "key:2,key:Alt+S", "key:Shift,key:Ctrl,key:Alt,key:F1,key:F12", "key:1,key:Comma,key:2",
        // Menu commands are mouse choices: the next key counts; compact size keeps the keyboard.
        "4,menu:copy,key:F", "4,menu:compact,key:S,key:M"})
    QTest::newRow(seq) << QString::fromUtf8(seq);
}

// Display, indicators, data count, operand, constant and bracket names agree with the command line.
void MainWindowTest::playMatchesTheCommandLine() {
  QFETCH(QString, sequence);
  ModelRig typed;
  QVERIFY(typed.run(sequence));
  Model& expected = typed.model;
  Harness h;
  QVERIFY(play(h, sequence));
  QCOMPARE(h.display(), q(expected.calc().display()));
  const QLineEdit* display = h.window->displayField();
  QVERIFY(QFontMetrics(display->font()).horizontalAdvance(h.display()) <=
          display->contentsRect().width());
  const CalcState& s = expected.calc().state();
  const std::string* captions[] = {&s.invCaption,  &s.hypCaption,     &s.degCaption,
                                   &s.radCaption,  &s.gradCaption,    &s.memoryCaption,
                                   &s.baseCaption, &s.fractionCaption};
  for (std::size_t i = 0; i < std::size(kIndicatorNames); ++i)
    QCOMPARE(h.label(kIndicatorNames[i])->text(), q(*captions[i]));
  QCOMPARE(h.model.stats().count(), expected.stats().count());
  QCOMPARE(h.model.calc().state().memory.parse(), s.memory.parse());
  QCOMPARE(h.model.calc().state().kRegister.parse(), s.kRegister.parse());
  for (const auto& [k, name] : {std::pair{Key::kOpen, "open"}, {Key::kClose, "close"}})
    QCOMPARE(h.window->button(k)->accessibleName(), QStringLiteral("%1 bracket, depth %2")
                                                        .arg(QLatin1String(name))
                                                        .arg(std::max(0, s.bracketLevel)));
  QCOMPARE(h.window->button(Key::kClose)->toolTip(), q(s.closeTip));
}

void MainWindowTest::keysActWhenPressed_data() {
  QTest::addColumn<QString>("before");  ///< on-screen keys clicked first
  QTest::addColumn<QString>("keys");    ///< vK presses K, ^K lets go of it, rK is an auto-repeat
  QTest::addColumn<QString>("shown");
  QTest::addColumn<int>("results");  ///< "=" results the Stack toggle entered
  const std::tuple<const char*, const char*, const char*, const char*, int> rows[] = {
      {"Enter once", "2,+,3", "vEnter ^Enter", "5", 1},
      {"keypad Enter held", "2,+,3", "vNumEnter rNumEnter rNumEnter ^NumEnter", "5", 1},
      {"8 let go of after Enter", "7,+", "v8 vEnter ^Enter ^8", "15", 1},
      {"2 let go of before 1", "", "v1 v2 ^2 ^1", "12", 0},
      {"a held digit types once", "", "v7 r7 r7 ^7 v7 ^7", "77", 0},
      {"a second press while down", "", "v7 v7 ^7", "7", 0},
      {"releases alone", "5", "^7 ^Enter", "5", 0},
      // A key is what it was when it went down, whenever Shift is let go of.
      {"Shift let go of first", "255", "vShift vShift+3 ^Shift ^3", "FF", 0},
      {"Shift+6 let go of first", "2", "vShift vShift+6 ^Shift ^6 v3 ^3 vEnter ^Enter", "8", 1}};
  for (const auto& [name, before, keys, shown, results] : rows)
    QTest::newRow(name) << QString::fromLatin1(before) << QString::fromLatin1(keys)
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
  QApplication::setActiveWindow(h.window.get());
  QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
  h.model.press(Key::kStack);
  QVERIFY(play(h, before));
  for (const QString& k : keys.split(' ')) {
    const QString name = k.mid(1);
    const QKeyCombination c = name == QLatin1String("NumEnter")
                                  ? QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter)
                                  : qtKey(name);
    if (k[0] == '^') {
      QTest::keyRelease(h.window.get(), c.key(), c.keyboardModifiers());
    } else {
      const bool printable = c.key() > Qt::Key_Space && c.key() < Qt::Key_BraceRight;
      QKeyEvent press(QEvent::KeyPress, c.key(), c.keyboardModifiers(),
                      printable ? QString(QChar(c.key())) : QString(), k[0] == 'r');
      QApplication::sendEvent(h.window.get(), &press);
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

// The keypad follows the key table and lies inside the window; a walk over keys, indicators and
// display fails on any without a name for screen readers.
void MainWindowTest::keypadIsBuiltFromTheKeyTable() {
  Harness h;
  QCOMPARE(h.window->size(), QSize(220, 356));
  const auto buttons = h.window->findChild<QWidget*>("keypad")->findChildren<QAbstractButton*>();
  QCOMPARE(buttons.size(), int(keyTable().size()) - 1);
  for (QAbstractButton* a : buttons) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(a);
    QVERIFY2(i && i->role() == QAccessible::Button && !i->text(QAccessible::Name).isEmpty(),
             qPrintable(a->objectName()));
    QVERIFY2(inside(h, a) && a->width() >= 28 && a->height() >= 18, qPrintable(a->objectName()));
    for (QAbstractButton* b : buttons)
      QVERIFY2(a == b || !place(h, a).intersects(place(h, b)), qPrintable(a->objectName()));
  }
  for (const KeyRow& row : keyTable()) {
    QPushButton* b = h.window->button(row.key);
    if (row.key == Key::kStack) continue;  // the statistics panel's
    QVERIFY2(b && b->isVisible() && b->text() == q(row.caption), row.control.data());
    QCOMPARE(b->focusPolicy(), row.key == Key::kEquals ? Qt::StrongFocus : Qt::NoFocus);
    if (row.second.empty()) continue;
    auto* second = h.window->findChild<QLabel*>(QStringLiteral("second_") + q(row.control));
    QVERIFY2(second && second->isVisible() && second->text() == q(row.second), row.control.data());
    const QRect s = place(h, second), r = place(h, b);
    QVERIFY(s.bottom() <= r.top() + 1 && s.bottom() >= r.top() - 6 && s.left() < r.right() &&
            s.right() > r.left());
  }
  for (const char* name : kIndicatorNames)
    QVERIFY2(h.label(name)->accessibleName().endsWith(QLatin1String("indicator")), name);
  QLineEdit* display = h.window->displayField();
  QCOMPARE(display->accessibleName(), QStringLiteral("display"));
  QVERIFY(display->isReadOnly() && (display->alignment() & Qt::AlignRight));
  if (!h.toolkit.fontFamily().isEmpty()) QCOMPARE(display->font().family(), h.toolkit.fontFamily());
}

void MainWindowTest::menuCommands_data() {
  QTest::addColumn<int>("row");
  for (int i = 0; i < int(std::size(kCommands)); ++i) QTest::newRow(kCommands[i].first) << i;
}

void MainWindowTest::menuCommands() {
  QFETCH(int, row);
  Harness h;
  QVERIFY(play(h, QString::fromUtf8(kCommands[row].first)));
  const QStringList f = facts(h);
  for (const QString& fact : QString::fromUtf8(kCommands[row].second).split(' '))
    QVERIFY2(f.contains(fact), qPrintable(fact + " in " + f.join(' ')));
}

// Colours reach their controls but C, AC, "=" and inv; a system colour falls back to the palette.
void MainWindowTest::coloursFollowTheModel() {
  Harness h;
  ShellState& sh = h.model.shell();
  Colour* colours[] = {&sh.screenColour, &sh.digitsColour, &sh.shellColour, &sh.standardColour,
                       &sh.functionColour};
  const std::tuple<int, const char*, QPalette::ColorRole> uses[] = {
      {0, "memoryIndicator", QPalette::Window},
      {1, "fractionIndicator", QPalette::WindowText},
      {2, "case", QPalette::Window},
      {3, "digit1Key", QPalette::Button},
      {4, "reciprocalKey", QPalette::Button}};
  for (Colour system : {0, -2147483633}) {
    for (int i = 0; i < 5; ++i) *colours[i] = system ? system : 0x00306090 + 0x10 * i;  // BBGGRR
    h.window->refresh();
    for (const auto& [i, name, role] : uses) {
      QWidget* w = h.window->findChild<QWidget*>(name);
      const Colour c = *colours[i];
      QCOMPARE(colour(w, role), system ? QApplication::palette(w).color(role)
                                       : QColor(c & 0xFF, (c >> 8) & 0xFF, c >> 16));
    }
    for (Key k : {Key::kClear, Key::kAllClear, Key::kEquals, Key::kInverse})
      for (Key group : {Key::kDigit1, Key::kReciprocal})
        QVERIFY(system || colour(h.window->button(k), QPalette::Button) !=
                              colour(h.window->button(group), QPalette::Button));
  }
}

void MainWindowTest::everyWayOutUnloadsOnce_data() {
  QTest::addColumn<QString>(
      "way");  // the close box, or the periodic table open, then the close box
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
  QVERIFY(h.model.ended());
  QVERIFY(!h.window->isVisible());
  QCOMPARE(h.toolkit.quits, 1);
  QCOMPARE(h.toolkit.fontRemovals, 1);
  CountingToolkit again;
  Model next(again, {});
  next.setSettingsFile(file.toStdString());
  next.startUp();
  QCOMPARE(next.calc().state().memory.parse(), 7.0);
  h.window->close();
  QCOMPARE(h.toolkit.quits, 1);
}

/// Makes the window the active one, as it is when the user types.
void activate(Harness& h) {
  QApplication::setActiveWindow(h.window.get());
  QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
}

/// Opens what `open` opens and, once a dialog or new window shows, presses `key` on it; the
/// release comes to the calculator after the press closed it.
void pressOnWhatOpens(Harness& h, Qt::Key key, const std::function<void()>& open) {
  const QWidgetList before = QApplication::topLevelWidgets();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activePopupWidget();
    if (!w) {
      for (QWidget* top : QApplication::topLevelWidgets())
        if (!before.contains(top) && top->isVisible()) w = top;
      // A window's own keys (its Esc) work once the user is in it.
      if (w && !w->isActiveWindow()) {
        QApplication::setActiveWindow(w);
        return;
      }
    }
    if (!w) return;
    poll.stop();
    QTest::keyPress(w, key);
  });
  poll.start(10);
  open();
  QTRY_VERIFY(!poll.isActive());
  QTest::keyRelease(h.window.get(), key);
}

void MainWindowTest::pressElsewhereIsNoKey_data() {
  QTest::addColumn<QString>("opened");
  QTest::addColumn<int>("key");
  for (const char* opened :
       {"View menu", "load", "About", "financial error", "Contents", "periodicTable"})
    QTest::newRow(opened) << QString::fromLatin1(opened) << int(Qt::Key_Escape);
  QTest::newRow("View menu, C") << QStringLiteral("View menu") << int(Qt::Key_C);
  QTest::newRow("About, C") << QStringLiteral("About") << int(Qt::Key_C);
}

// Esc that closes a menu, a dialog or the periodic table leaves the calculator visible: a key whose
// press went elsewhere never acts, and its release on the calculator does nothing.
void MainWindowTest::pressElsewhereIsNoKey() {
  QFETCH(QString, opened);
  QFETCH(int, key);
  Harness h;
  activate(h);
  QVERIFY(play(h, QStringLiteral("5")));
  pressOnWhatOpens(h, Qt::Key(key), [&] {
    if (opened == QLatin1String("View menu")) {
      auto* view = h.window->findChild<QMenu*>(QStringLiteral("viewMenu"));
      view->popup(h.window->mapToGlobal(QPoint(10, 10)));
    } else if (opened == QLatin1String("financial error")) {
      QVERIFY(!runSequence(h.model, "1000,fin:click=PV,fin:solve=PMT").has_value());
    } else {
      h.item(qPrintable(opened))->trigger();
    }
  });
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

// Ctrl+C copies and nothing else, three times over, in either order of release.
void MainWindowTest::ctrlShortcutsNeverReachTheKeypad() {
  for (bool ctrlFirst : {false, true}) {
    Harness h;
    activate(h);
    QVERIFY(play(h, QStringLiteral("2")));
    for (int i = 0; i < 3; ++i) {
      QApplication::clipboard()->clear();
      QTest::keyPress(h.window.get(), Qt::Key_C, Qt::ControlModifier);  // Ctrl down, C down
      if (ctrlFirst) {
        QTest::keyRelease(h.window.get(), Qt::Key_Control);
        QTest::keyRelease(h.window.get(), Qt::Key_C);
      } else {
        QTest::keyRelease(h.window.get(), Qt::Key_C, Qt::ControlModifier);  // C up, Ctrl up
      }
      QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2"));
      QCOMPARE(h.display(), QStringLiteral("2"));
    }
    // Ctrl+X is no shortcut: its press reaches the map, which leaves it alone.
    QTest::keyClick(h.window.get(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(h.display(), QStringLiteral("2"));
  }
}

// Keys typed into the converter's list go to its text, not to the keypad; Enter in it ends the
// editing and gives the keys back to "="; so does leaving it. The periodic table's count
// boxes keep their keys too.
void MainWindowTest::textFieldsKeepTheirKeys() {
  Harness h;
  activate(h);
  QVERIFY(play(h, QStringLiteral("2,+,3,Converter")));
  auto* from = h.window->findChild<QComboBox*>(QStringLiteral("fromList"));
  QVERIFY(from && from->isVisible() && from->isEditable());
  QTest::mouseClick(from->lineEdit(), Qt::LeftButton);
  QTRY_VERIFY(from->hasFocus());
  const QString was = from->currentText();
  from->lineEdit()->end(false);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("y4+"));
  QCOMPARE(from->currentText(), was + "y4+");
  QCOMPARE(h.display(), QStringLiteral("3"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTRY_COMPARE(QApplication::focusWidget(), h.window->button(Key::kEquals));
  QCOMPARE(h.display(), QStringLiteral("3"));  // Enter ended the editing; it pressed no "="
  QTest::keyClick(h.window.get(), Qt::Key_4);
  QCOMPARE(h.display(), QStringLiteral("34"));
  QCOMPARE(from->currentText(), was + "y4+");
  // Leaving the list by a click on a keypad key.
  QTest::mouseClick(from->lineEdit(), Qt::LeftButton);
  QTRY_VERIFY(from->hasFocus());
  h.click(Key::kEquals);
  QTRY_COMPARE(QApplication::focusWidget(), h.window->button(Key::kEquals));
  QTest::keyClick(h.window.get(), Qt::Key_S);
  QCOMPARE(h.display(), QStringLiteral("0.587785252292473"));

  QVERIFY(play(h, QStringLiteral("AC,7,periodicTable")));
  ElementsWindow* table = h.window->elementsWindow();
  QVERIFY(QTest::qWaitForWindowExposed(table));
  QLineEdit* count = table->countBox(1);
  count->setFocus();
  count->selectAll();
  QTest::keyClicks(count, QStringLiteral("2y"));
  QCOMPARE(count->text(), QStringLiteral("2y"));
  QCOMPARE(h.display(), QStringLiteral("7"));
}

static const ShellTest<MainWindowTest> kRegistered("main_window");
#include "main_window_test.moc"
