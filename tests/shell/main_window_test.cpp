// The calculator window through real widgets: clicks and key events give what the
// same sequence gives through the command line; every menu command reaches its
// operation; sizes, colours, labels and accessible names follow the model; and
// every way out runs the unload once.
#include "shell/main_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

#include "model/sequence.h"
#include "shell/about_box.h"
#include "shell/converter_panel.h"
#include "shell/finance_panel.h"
#include "shell/help_window.h"
#include "shell/stats_panel.h"

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
  int quits = 0;
  int fontRemovals = 0;
};

// A started calculator and its window, shown.
struct Harness {
  explicit Harness(const QString& settingsFile = {}) : model(toolkit, {}) {
    model.setSettingsFile(settingsFile.toStdString());
    model.startUp();
    window = std::make_unique<MainWindow>(model, toolkit);
    window->show();
  }
  QAction* item(const char* name) const { return window->action(QLatin1String(name)); }
  QLabel* label(const char* name) const { return window->findChild<QLabel*>(name); }
  void click(Key key) const { QTest::mouseClick(window->button(key), Qt::LeftButton); }

  CountingToolkit toolkit;
  Model model;
  std::unique_ptr<MainWindow> window;
};

/// A Qt key press for a command-line key name ("Shift+6", "Num*", "F5"), as a
/// US keyboard produces it.
struct QtKey {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};
std::optional<QtKey> qtKey(QString name) {
  Qt::KeyboardModifiers mods;
  for (bool more = true; more;) {
    more = false;
    for (const auto& [prefix, mod] :
         {std::pair{"Shift+", Qt::ShiftModifier}, std::pair{"Ctrl+", Qt::ControlModifier},
          std::pair{"Alt+", Qt::AltModifier}}) {
      if (name.startsWith(QLatin1String(prefix)) && name.size() > int(strlen(prefix))) {
        mods |= mod;
        name.remove(0, int(strlen(prefix)));
        more = true;
      }
    }
  }
  const QChar c = name.size() == 1 ? name[0] : QChar();
  if (c >= 'A' && c <= 'Z') return QtKey{Qt::Key(Qt::Key_A + (c.unicode() - 'A')), mods};
  if (c >= '0' && c <= '9') {
    const int d = c.unicode() - '0';
    // The symbols Shift puts on the top-row digits 0 ... 9.
    const Qt::Key shifted[] = {Qt::Key_ParenRight,  Qt::Key_Exclam,    Qt::Key_At,
                               Qt::Key_NumberSign,  Qt::Key_Dollar,    Qt::Key_Percent,
                               Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk,
                               Qt::Key_ParenLeft};
    return QtKey{mods & Qt::ShiftModifier ? shifted[d] : Qt::Key(Qt::Key_0 + d), mods};
  }
  if (name.size() == 4 && name.startsWith(QLatin1String("Num")) && name[3].isDigit())
    return QtKey{Qt::Key(Qt::Key_0 + name[3].digitValue()), mods | Qt::KeypadModifier};
  const std::pair<const char*, Qt::Key> pad[] = {{"Num.", Qt::Key_Period},
                                                 {"Num+", Qt::Key_Plus},
                                                 {"Num-", Qt::Key_Minus},
                                                 {"Num*", Qt::Key_Asterisk},
                                                 {"Num/", Qt::Key_Slash}};
  for (const auto& [n, k] : pad)
    if (name == QLatin1String(n)) return QtKey{k, mods | Qt::KeypadModifier};
  if (name.startsWith('F') && name.size() > 1) {
    bool ok = false;
    const int n = name.mid(1).toInt(&ok);
    if (ok && n >= 1 && n <= 12) return QtKey{Qt::Key(Qt::Key_F1 + n - 1), mods};
  }
  const std::pair<const char*, Qt::Key> named[] = {{"Backspace", Qt::Key_Backspace},
                                                   {"Delete", Qt::Key_Delete},
                                                   {"Home", Qt::Key_Home},
                                                   {"End", Qt::Key_End},
                                                   {"Esc", Qt::Key_Escape},
                                                   {"Enter", Qt::Key_Return},
                                                   {"Shift", Qt::Key_Shift},
                                                   {"Ctrl", Qt::Key_Control},
                                                   {"Alt", Qt::Key_Alt}};
  for (const auto& [n, k] : named)
    if (name == QLatin1String(n)) return QtKey{k, mods};
  return std::nullopt;
}

const std::pair<const char*, const char*> kMenuTokens[] = {
    {"menu:copy", "mnucopy"},          {"menu:compact", "compact"},
    {"menu:ontop", "mnuTopmost"},      {"menu:converter", "Converter"},
    {"menu:statistics", "Statistics"}, {"menu:financial", "mnuFinancial"}};

/// Plays a command-line sequence on the window: clicks for keypad keys and
/// numbers, key events sent to the window for key:NAME, menu items for menu:.
bool play(Harness& h, const QString& sequence) {
  for (QString token : sequence.split(',')) {
    token = token.trimmed();
    if (token.startsWith(QLatin1String("key:"))) {
      const auto k = qtKey(token.mid(4));
      if (!k) return false;
      QTest::keyClick(h.window.get(), k->key, k->modifiers);
      continue;
    }
    bool menu = false;
    for (const auto& [t, name] : kMenuTokens) {
      if (token == QLatin1String(t)) {
        h.item(name)->trigger();
        menu = true;
      }
    }
    if (menu) continue;
    if (token == QLatin1String("menu:closeflap")) {
      QTest::mouseClick(h.window->findChild<QPushButton*>("flapclose"), Qt::LeftButton);
      continue;
    }
    if (const KeyRow* row = findKey(token.toStdString())) {
      h.click(row->key);
      continue;
    }
    for (QChar c : token) {
      if (c != '.' && !c.isDigit()) return false;
      h.click(c == '.' ? Key::Point : static_cast<Key>(c.digitValue()));
    }
  }
  return true;
}

const char* const kIndicatorNames[] = {"invlabel",  "hyplabel", "deglabel", "radlabel",
                                       "gradlabel", "Memory",   "LblBase",  "Label7"};

/// Runs `act` on the next modal dialog that opens (within a few seconds).
void onNextModal(std::function<void(QWidget*)> act) {
  auto tries = std::make_shared<int>(0);
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [act, tries, poll] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      act(modal);
      return;
    }
    if (++*tries < 300) QTimer::singleShot(10, *poll);
  };
  QTimer::singleShot(0, *poll);
}

QColor paletteColour(QWidget* w, QPalette::ColorRole role) { return w->palette().color(role); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();

  void clicksMatchTheCommandLine_data();
  void clicksMatchTheCommandLine();
  void keysMatchTheCommandLine_data();
  void keysMatchTheCommandLine();
  void enterPressesEqualsOnce();
  void everyReleaseIsSeenOnceAndFocusReturns();
  void autoRepeatReleasesAreIgnored();

  void keypadIsBuiltFromTheKeyTable();
  void secondCaptionsSitAboveTheirKeys();
  void everyKeyAndIndicatorHasAnAccessibleName();
  void bracketNamesFollowTheDepth();
  void displayUsesTheLedFontAndShowsLongResults();

  void menusHaveTheirItems_data();
  void menusHaveTheirItems();
  void menuShortcuts_data();
  void menuShortcuts();
  void panelCommandsOpenAndCloseTheFoldOut();
  void compactSizeTwice();
  void alwaysOnTopTwice();
  void copyAndPaste();
  void coloursReachTheControls_data();
  void coloursReachTheControls();
  void systemColoursFallBackToThePalette();
  void colourCommandUsesTheDialog();
  void personalLabel();
  void hideAndOpen();
  void appearOnStartupToggles();
  void settingsCommandsOpenFileDialogs();
  void optionsDialogIsModalAndTrayDoubleClickClosesIt();
  void periodicTableIsModelessAndOnTop();
  void helpTopics();
  void aboutBox();

  void everyWayOutUnloadsOnce_data();
  void everyWayOutUnloadsOnce();

  void screenshot();
};

void MainWindowTest::initTestCase() {
  // The start-up entry, if one is made, goes to a scratch folder.
  static QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
}

// Plays the sequence on the window and on a headless model through the command
// line's notation; the display, every indicator, the data count and the
// pending operand and constant must agree.
void playMatchesTheCommandLine(const QString& sequence) {
  HeadlessToolkit headless;
  Model expected(headless, {});
  expected.startUp();
  QVERIFY(!runSequence(expected, sequence.toStdString()).has_value());

  Harness h;
  QVERIFY(play(h, sequence));
  QCOMPARE(h.window->displayField()->text(), QString::fromStdString(expected.calc().display()));
  const CalcState& s = expected.calc().state();
  const std::string* captions[] = {&s.invlabel,  &s.hyplabel, &s.deglabel, &s.radlabel,
                                   &s.gradlabel, &s.Memory,   &s.LblBase,  &s.Label7};
  for (std::size_t i = 0; i < std::size(kIndicatorNames); ++i)
    QCOMPARE(h.label(kIndicatorNames[i])->text(), QString::fromStdString(*captions[i]));
  QCOMPARE(h.model.stats().n(), expected.stats().n());
  QCOMPARE(h.model.calc().state().stack.parse(), s.stack.parse());
  QCOMPARE(h.model.calc().state().constant.parse(), s.constant.parse());
}

void MainWindowTest::clicksMatchTheCommandLine_data() {
  QTest::addColumn<QString>("sequence");
  for (const char* seq :
       {"2,+,3,X,4,=", "5,.,±,3", "1,÷,0,=", "3,inv,+,4,=", "(,2,+,3,),X,4,=", "1,EXP,EXP,3",
        "10,Base,Base", "170,X!", "12.5125,>dms", "30,sin", "2,x^y,10,=", "0.75,b/c",
        "255,Base,√,X²", "7,M+,AC,MR", "5,Kin,AC,Kout,X,2,=", "200,+,5,%", "9,<,8", "Mode,Mode"})
    QTest::newRow(seq) << QString::fromUtf8(seq);
}

void MainWindowTest::clicksMatchTheCommandLine() {
  QFETCH(QString, sequence);
  playMatchesTheCommandLine(sequence);
}

void MainWindowTest::keysMatchTheCommandLine_data() {
  QTest::addColumn<QString>("sequence");
  for (const char* seq : {
           "key:2,key:Num+,key:3,key:Enter",
           "key:Num7,key:Num*,key:Num3,key:Num-,key:1,key:Enter",
           "key:Num1,key:Num.,key:Num5,key:Shift+6,key:2,key:Enter",
           "key:Shift+9,key:2,key:Num+,key:3,key:Shift+0,key:Num/,key:4,key:Enter",
           "key:3,key:0,key:S",
           "key:I,key:S,key:C,key:T",
           "key:H,key:1,key:S",
           "key:5,key:Shift+1",
           "key:9,key:V",
           "key:1,key:2,key:Shift+2",
           "key:1,key:5,key:Shift+3",
           "key:Shift+3,key:A,key:B,key:C,key:D,key:E,key:F",
           "key:1,key:2,key:Backspace",
           "key:1,key:2,key:Delete,key:7",
           "key:4,key:M,key:Home,key:J",
           "key:6,key:K,key:Home,key:O",
           "key:2,key:Ctrl+X",
           "key:2,key:Alt+S",
           "key:2,key:Shift+8",
           "key:2,key:0,key:0,key:Num+,key:5,key:Shift+5",
           "key:D,key:D",
           "key:0,key:Num.,key:7,key:5,key:Q",
           "key:7,key:R",
           "key:4,key:G,key:6,key:G,key:F4",
           "key:4,key:G,key:6,key:G,key:F2,key:F3,key:X,key:Y",
           "key:1,key:F5,key:F11",
           "key:F9",
           "key:1,key:2,key:E,key:3",
           "key:2,key:F,key:L,key:N,key:P,key:Z,key:A",
           "key:W,key:2,key:Num+,key:2,key:Enter",
           "2,key:Num+,3,=",
           "menu:copy,key:C,key:C",
           "4,menu:compact,key:S,key:M",
           "key:Shift,key:Ctrl,key:Alt,key:F1,key:F12",
       })
    QTest::newRow(seq) << QString::fromUtf8(seq);
}

// Real key events sent to the window give what key:NAME gives the command line.
void MainWindowTest::keysMatchTheCommandLine() {
  QFETCH(QString, sequence);
  playMatchesTheCommandLine(sequence);
}

// With the Stack toggle on, every "=" enters its result as data: the count of
// data shows how often "=" ran.
void MainWindowTest::enterPressesEqualsOnce() {
  Harness h;
  h.model.press(Key::Stack);
  h.window->refresh();
  QPushButton* equals = h.window->button(Key::Equals);
  QVERIFY(equals->isDefault());
  for (Key k : {Key::D2, Key::Add, Key::D3}) h.click(k);
  QTest::keyClick(equals, Qt::Key_Return);  // the focused "=" takes Enter
  QCOMPARE(h.window->displayField()->text(), QStringLiteral("5"));
  QCOMPARE(h.model.stats().n(), std::size_t{1});
  QTest::keyClick(h.window.get(), Qt::Key_Enter, Qt::KeypadModifier);  // focus nowhere
  QCOMPARE(h.model.stats().n(), std::size_t{2});
  QTest::keyRelease(h.window.get(), Qt::Key_Return);  // a release alone does nothing
  QCOMPARE(h.model.stats().n(), std::size_t{2});
}

// A release reaches the keyboard map once, whichever control has the focus, and
// the focus goes back to "=".
void MainWindowTest::everyReleaseIsSeenOnceAndFocusReturns() {
  Harness h;
  QApplication::setActiveWindow(h.window.get());
  QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
  auto* probe = new QLineEdit(h.window->centralWidget());
  probe->show();
  probe->setFocus();
  QCOMPARE(QApplication::focusWidget(), probe);
  QTest::keyClick(probe, Qt::Key_5);
  QCOMPARE(h.window->displayField()->text(), QStringLiteral("5"));
  QCOMPARE(QApplication::focusWidget(), h.window->button(Key::Equals));
  h.click(Key::Sin);
  QCOMPARE(QApplication::focusWidget(), h.window->button(Key::Equals));
  // A key release in another window is not the calculator's.
  QWidget other;
  other.show();
  QTest::keyClick(&other, Qt::Key_7);
  QCOMPARE(h.window->displayField()->text(), QString::fromStdString(h.model.calc().display()));
  QVERIFY(!h.window->displayField()->text().endsWith('7'));
}

void MainWindowTest::autoRepeatReleasesAreIgnored() {
  Harness h;
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"), true);
  QApplication::sendEvent(h.window.get(), &repeat);
  QCOMPARE(h.window->displayField()->text(), QStringLiteral("0"));
  QKeyEvent last(QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"), false);
  QApplication::sendEvent(h.window.get(), &last);
  QCOMPARE(h.window->displayField()->text(), QStringLiteral("5"));
}

void MainWindowTest::keypadIsBuiltFromTheKeyTable() {
  Harness h;
  QCOMPARE(h.window->size(), QSize(220, 356));
  QWidget* pad = h.window->findChild<QWidget*>("keypad");
  QVERIFY(pad);
  int keys = 0;
  for (const KeyRow& row : keyTable()) {
    const QString control = QString::fromUtf8(row.control.data(), int(row.control.size()));
    if (row.key == Key::Stack) {
      QVERIFY2(!pad->findChild<QWidget*>(control), "the Stack toggle is the statistics panel's");
      continue;
    }
    ++keys;
    auto* b = pad->findChild<QPushButton*>(control);
    QVERIFY2(b, qPrintable(control));
    QCOMPARE(b, h.window->button(row.key));
    QCOMPARE(b->text(), QString::fromUtf8(row.caption.data(), int(row.caption.size())));
    QVERIFY(b->isVisible());
    if (!row.tooltip.empty())
      QCOMPARE(b->toolTip(), QString::fromUtf8(row.tooltip.data(), int(row.tooltip.size())));
    QCOMPARE(b->focusPolicy(), row.key == Key::Equals ? Qt::StrongFocus : Qt::NoFocus);
  }
  QCOMPARE(pad->findChildren<QPushButton*>().size(), keys);
  QCOMPARE(h.window->button(Key::Open)->toolTip(),
           QString::fromStdString(h.model.calc().state().openTip));
  // Keys do not overlap and all lie inside the window.
  const QList<QPushButton*> buttons = pad->findChildren<QPushButton*>();
  for (QPushButton* a : buttons) {
    const QRect ra(a->mapTo(h.window.get(), QPoint()), a->size());
    QVERIFY(h.window->rect().contains(ra));
    QVERIFY2(a->width() >= 28 && a->height() >= 18, qPrintable(a->objectName()));
    for (QPushButton* b : buttons) {
      if (a == b) continue;
      const QRect rb(b->mapTo(h.window.get(), QPoint()), b->size());
      QVERIFY2(!ra.intersects(rb), qPrintable(a->objectName() + " " + b->objectName()));
    }
  }
}

void MainWindowTest::secondCaptionsSitAboveTheirKeys() {
  Harness h;
  for (const KeyRow& row : keyTable()) {
    if (row.second.empty() || row.key == Key::Stack) continue;
    QPushButton* b = h.window->button(row.key);
    const QString second = QString::fromUtf8(row.second.data(), int(row.second.size()));
    QLabel* found = nullptr;
    for (QLabel* l : h.window->findChildren<QLabel*>())
      if (l->text() == second && l->isVisible()) {
        const QRect lr(l->mapTo(h.window.get(), QPoint()), l->size());
        const QRect br(b->mapTo(h.window.get(), QPoint()), b->size());
        if (lr.bottom() <= br.top() + 1 && lr.bottom() >= br.top() - 6 && lr.left() < br.right() &&
            lr.right() > br.left())
          found = l;
      }
    QVERIFY2(found, qPrintable(second));
  }
}

// Screen readers find a name on every key and indicator; a walk over the whole
// tree fails on any keypad key or indicator without one.
void MainWindowTest::everyKeyAndIndicatorHasAnAccessibleName() {
  Harness h;
  QWidget* pad = h.window->findChild<QWidget*>("keypad");
  int checked = 0;
  for (QAbstractButton* b : pad->findChildren<QAbstractButton*>()) {
    QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
    QVERIFY(a);
    QCOMPARE(a->role(), QAccessible::Button);
    QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(b->objectName()));
    ++checked;
  }
  QCOMPARE(checked, int(keyTable().size()) - 1);
  for (const char* name : kIndicatorNames) {
    QLabel* l = h.label(name);
    QVERIFY2(l, name);
    QVERIFY2(l->accessibleName().endsWith(QLatin1String("indicator")), name);
  }
  QCOMPARE(h.window->button(Key::Sin)->accessibleName(), QStringLiteral("sine"));
  QCOMPARE(h.window->button(Key::MR)->accessibleName(), QStringLiteral("memory recall"));
  QCOMPARE(h.window->displayField()->accessibleName(), QStringLiteral("display"));
}

void MainWindowTest::bracketNamesFollowTheDepth() {
  Harness h;
  struct Step {
    Key key;
    int depth;
  };
  const Step steps[] = {{Key::Open, 1},  {Key::Open, 2}, {Key::D2, 2},
                        {Key::Close, 1}, {Key::Open, 2}, {Key::Equals, 0}};
  for (const Step& s : steps) {
    h.click(s.key);
    QCOMPARE(h.window->button(Key::Open)->accessibleName(),
             QStringLiteral("open bracket, depth %1").arg(s.depth));
    QCOMPARE(h.window->button(Key::Close)->accessibleName(),
             QStringLiteral("close bracket, depth %1").arg(s.depth));
    QCOMPARE(h.window->button(Key::Close)->toolTip(),
             QString::fromStdString(h.model.calc().state().closeTip));
  }
}

void MainWindowTest::displayUsesTheLedFontAndShowsLongResults() {
  Harness h;
  QLineEdit* display = h.window->displayField();
  QVERIFY(display->isReadOnly());
  QVERIFY(display->alignment() & Qt::AlignRight);
  if (!h.toolkit.fontFamily().isEmpty()) QCOMPARE(display->font().family(), h.toolkit.fontFamily());
  QVERIFY(play(h, QStringLiteral("123456789,X,987654321,X,3,=")));
  const QString text = display->text();
  QCOMPARE(text, QString::fromStdString(h.model.calc().display()));
  QVERIFY(QFontMetrics(display->font()).horizontalAdvance(text) <= display->contentsRect().width());
}

void MainWindowTest::menusHaveTheirItems_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QStringList>("items");
  const QString sep = QStringLiteral("-");
  QTest::newRow("File") << "mnufile"
                        << QStringList{"&Load Settings...", "&Save Settings...", sep, "E&xit"};
  QTest::newRow("Edit") << "mnuedit" << QStringList{"&Copy", "&Paste"};
  QTest::newRow("View") << "mnuappearance"
                        << QStringList{
                               "&Hide    [ Esc ]", sep, "Always on &Top", "&Appear on Startup", sep,
                               "Compact &Size",    sep, "Appearance"};
  QTest::newRow("Appearance") << "mnuapp" << QStringList{"Colours", sep, "Personal Label"};
  QTest::newRow("Colours") << "mnucolours"
                           << QStringList{"Screen", "Digits", "Calculator Shell",
                                          "Standard Buttons", "Function Buttons"};
  QTest::newRow("Tools") << "extended"
                         << QStringList{"&Converter/Constants Library",
                                        "&Statistical Functions",
                                        "&Financial Calculations",
                                        "Periodic Table of the &Elements",
                                        sep,
                                        "&Options..."};
  QTest::newRow("Help") << "helpful"
                        << QStringList{"&Overview", "&Keyboard Equivalents", sep, "&About Zova"};
  QTest::newRow("Tray") << "mnutasks"
                        << QStringList{"About Zova", sep, "&Hide", "E&xit", sep, "&Open"};
}

void MainWindowTest::menusHaveTheirItems() {
  QFETCH(QString, menu);
  QFETCH(QStringList, items);
  Harness h;
  auto* m = h.window->findChild<QMenu*>(menu);
  QVERIFY(m);
  QStringList shown;
  for (QAction* a : m->actions()) shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
  QCOMPARE(shown, items);
  for (QAction* a : m->actions()) QVERIFY(a->isSeparator() || a->isEnabled());
  QStringList bar;
  for (QAction* a : h.window->menuBar()->actions()) bar << a->text();
  QCOMPARE(bar, (QStringList{"&File", "&Edit", "&View", "&Tools", "&?"}));
}

void MainWindowTest::menuShortcuts_data() {
  QTest::addColumn<QString>("item");
  QTest::addColumn<QKeySequence>("shortcut");
  const std::pair<const char*, Qt::Key> rows[] = {
      {"mnuexxit", Qt::Key_Q},   {"mnucopy", Qt::Key_C},      {"mnupaste", Qt::Key_V},
      {"mnuTopmost", Qt::Key_T}, {"compact", Qt::Key_M},      {"Converter", Qt::Key_L},
      {"Statistics", Qt::Key_S}, {"mnuFinancial", Qt::Key_F}, {"mnuElements", Qt::Key_E},
      {"mnuOptions", Qt::Key_O}};
  for (const auto& [item, key] : rows)
    QTest::newRow(item) << QString::fromLatin1(item) << QKeySequence(Qt::CTRL | key);
}

void MainWindowTest::menuShortcuts() {
  QFETCH(QString, item);
  QFETCH(QKeySequence, shortcut);
  Harness h;
  QVERIFY(h.window->action(item));
  QCOMPARE(h.window->action(item)->shortcut(), shortcut);
}

void MainWindowTest::panelCommandsOpenAndCloseTheFoldOut() {
  Harness h;
  struct Step {
    std::function<void(Harness&)> act;
    int width;  // px
    const char* panel;
    bool converter, statistics, financial;
  };
  auto menu = [](const char* name) { return [name](Harness& h) { h.item(name)->trigger(); }; };
  const Step steps[] = {
      {menu("Converter"), 470, "ConverterPanel", true, false, false},
      {menu("Statistics"), 470, "StatsPanel", false, true, false},
      {menu("Statistics"), 220, nullptr, false, false, false},
      {menu("mnuFinancial"), 470, "FinancePanel", false, false, true},
      {[](Harness& h) {
         QTest::mouseClick(h.window->findChild<QPushButton*>("flapclose"), Qt::LeftButton);
       },
       220, nullptr, false, false, false},
      {menu("Converter"), 470, "ConverterPanel", true, false, false},
      {menu("Converter"), 220, nullptr, false, false, false},
  };
  for (const Step& s : steps) {
    s.act(h);
    QCOMPARE(h.window->width(), s.width);
    QCOMPARE(h.model.shell().width, s.width * 15);
    QCOMPARE(h.window->foldOut()->isVisible(), s.panel != nullptr);
    if (s.panel) {
      for (const char* p : {"ConverterPanel", "StatsPanel", "FinancePanel"})
        QCOMPARE(h.window->findChild<QWidget*>(p)->isVisible(), qstrcmp(p, s.panel) == 0);
      auto* close = h.window->findChild<QPushButton*>("flapclose");
      QVERIFY(close->isVisible());
      QVERIFY(
          h.window->rect().contains(QRect(close->mapTo(h.window.get(), QPoint()), close->size())));
    }
    QCOMPARE(h.item("Converter")->isChecked(), s.converter);
    QCOMPARE(h.item("Statistics")->isChecked(), s.statistics);
    QCOMPARE(h.item("mnuFinancial")->isChecked(), s.financial);
  }
}

void MainWindowTest::compactSizeTwice() {
  Harness h;
  QVERIFY(play(h, QStringLiteral("2,+,3")));
  h.item("Converter")->trigger();
  QCOMPARE(h.window->width(), 470);
  h.item("compact")->trigger();
  QCOMPARE(h.window->size(), QSize(220, 94));
  QCOMPARE(h.item("compact")->text(), QStringLiteral("Normal &Size"));
  for (const char* name : {"Converter", "Statistics", "mnuFinancial"}) {
    QVERIFY(!h.item(name)->isEnabled());
    QVERIFY(!h.item(name)->isChecked());
  }
  // The display stays in the strip that is left.
  QLineEdit* display = h.window->displayField();
  const QRect shown(display->mapTo(h.window.get(), QPoint()), display->size());
  QVERIFY(h.window->rect().contains(shown));
  QVERIFY(!h.window->foldOut()->isVisible());
  // The keyboard still works, Enter included.
  QTest::keyClick(h.window.get(), Qt::Key_Return);
  QCOMPARE(display->text(), QStringLiteral("5"));

  h.item("compact")->trigger();
  QCOMPARE(h.window->size(), QSize(220, 356));
  QCOMPARE(h.model.shell().height, 5340);
  QCOMPARE(h.item("compact")->text(), QStringLiteral("Compact &Size"));
  for (const char* name : {"Converter", "Statistics", "mnuFinancial"})
    QVERIFY(h.item(name)->isEnabled());
  QVERIFY(!h.window->foldOut()->isVisible());
  QVERIFY(h.window->button(Key::Equals)->isVisible());
  // The keys fit the normal size again.
  QPushButton* zero = h.window->button(Key::D0);
  QVERIFY(h.window->rect().contains(QRect(zero->mapTo(h.window.get(), QPoint()), zero->size())));
}

void MainWindowTest::alwaysOnTopTwice() {
  Harness h;
  h.item("mnuTopmost")->trigger();
  QVERIFY(h.item("mnuTopmost")->isChecked());
  QVERIFY(h.window->windowFlags() & Qt::WindowStaysOnTopHint);
  QVERIFY(h.window->isVisible());
  h.item("mnuTopmost")->trigger();
  QVERIFY(!h.item("mnuTopmost")->isChecked());
  QVERIFY(!(h.window->windowFlags() & Qt::WindowStaysOnTopHint));
  QVERIFY(!h.model.shell().onTop);
}

void MainWindowTest::copyAndPaste() {
  Harness h;
  QVERIFY(play(h, QStringLiteral("12.5")));
  h.item("mnucopy")->trigger();
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12.5"));
  QApplication::clipboard()->setText(QStringLiteral("not a number"));
  h.item("mnupaste")->trigger();
  QCOMPARE(h.window->displayField()->text(), QStringLiteral("not a number"));
}

void MainWindowTest::coloursReachTheControls_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<QStringList>("controls");
  QTest::addColumn<int>("role");
  QTest::newRow("Screen") << 0 << QStringList{"invlabel",  "hyplabel", "deglabel", "radlabel",
                                              "gradlabel", "Memory",   "LblBase",  "Label7"}
                          << int(QPalette::Window);
  QTest::newRow("Screen display") << 0 << QStringList{"window"} << int(QPalette::Base);
  QTest::newRow("Digits") << 1 << QStringList{"invlabel",  "hyplabel", "deglabel", "radlabel",
                                              "gradlabel", "Memory",   "LblBase",  "Label7"}
                          << int(QPalette::WindowText);
  QTest::newRow("Digits display") << 1 << QStringList{"window"} << int(QPalette::Text);
  QTest::newRow("Shell") << 2 << QStringList{"case"} << int(QPalette::Window);
  QTest::newRow("Standard") << 3 << QStringList{"Command1",  "Command2",  "Command3",  "Command4",
                                                "Command5",  "Command6",  "Command7",  "Command8",
                                                "Command9",  "Command10", "Command11", "Command12",
                                                "Command15", "Command16", "Command17", "Command18",
                                                "Command40", "flapclose"}
                            << int(QPalette::Button);
  QTest::newRow("Function") << 4 << QStringList{"Command20",  "Command21", "Command22", "Command23",
                                                "Command24",  "Command25", "Command26", "Command29",
                                                "Command30",  "Command32", "Command33", "Command34",
                                                "Command35",  "Command36", "Command38", "Command39",
                                                "Command42",  "out",       "Back",      "OpenBrack",
                                                "CloseBrack", "mode",      "hyp",       "Quotient",
                                                "cmdBase"}
                            << int(QPalette::Button);
}

void MainWindowTest::coloursReachTheControls() {
  QFETCH(int, row);
  QFETCH(QStringList, controls);
  QFETCH(int, role);
  Harness h;
  Colour ShellState::*const rows[] = {&ShellState::screenColour, &ShellState::digitsColour,
                                      &ShellState::shellColour, &ShellState::standardColour,
                                      &ShellState::functionColour};
  // 0x00BBGGRR: blue 0x30, green 0x60, red 0x90.
  h.model.shell().*rows[row] = 0x00306090;
  h.window->refresh();
  const QColor expected(0x90, 0x60, 0x30);
  for (const QString& name : controls) {
    QWidget* w = h.window->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(paletteColour(w, QPalette::ColorRole(role)), expected);
  }
  // C, AC, "=" and inv belong to neither key group.
  for (Key k : {Key::Clear, Key::AllClear, Key::Equals, Key::Inv})
    QVERIFY(paletteColour(h.window->button(k), QPalette::Button) != expected);
}

void MainWindowTest::systemColoursFallBackToThePalette() {
  Harness h;
  ShellState& sh = h.model.shell();
  sh.screenColour = sh.digitsColour = sh.shellColour = sh.standardColour = sh.functionColour =
      -2147483633;  // a system colour
  h.window->refresh();
  QLineEdit* display = h.window->displayField();
  QCOMPARE(paletteColour(display, QPalette::Base),
           QApplication::palette(display).color(QPalette::Base));
  QCOMPARE(paletteColour(display, QPalette::Text),
           QApplication::palette(display).color(QPalette::Text));
  QPushButton* one = h.window->button(Key::D1);
  QCOMPARE(paletteColour(one, QPalette::Button),
           QApplication::palette(one).color(QPalette::Button));
  QPushButton* sine = h.window->button(Key::Sin);
  QCOMPARE(paletteColour(sine, QPalette::Button),
           QApplication::palette(sine).color(QPalette::Button));
  QWidget* shell = h.window->centralWidget();
  QCOMPARE(paletteColour(shell, QPalette::Window),
           QApplication::palette(shell).color(QPalette::Window));
}

void MainWindowTest::colourCommandUsesTheDialog() {
  Harness h;
  const Colour before = h.model.shell().digitsColour;
  onNextModal([](QWidget* w) {
    auto* dialog = qobject_cast<QColorDialog*>(w);
    QVERIFY(dialog);
    dialog->setCurrentColor(QColor(255, 0, 0));
    dialog->accept();
  });
  h.item("mnuscreen")->trigger();
  QCOMPARE(h.model.shell().screenColour, Colour{0x000000FF});
  QCOMPARE(paletteColour(h.window->displayField(), QPalette::Base), QColor(255, 0, 0));
  QCOMPARE(paletteColour(h.label("Memory"), QPalette::Window), QColor(255, 0, 0));
  // Cancelling keeps the colour.
  onNextModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
  h.item("mnudigits")->trigger();
  QCOMPARE(h.model.shell().digitsColour, before);
}

void MainWindowTest::personalLabel() {
  Harness h;
  onNextModal([](QWidget* w) {
    auto* input = qobject_cast<QInputDialog*>(w);
    QVERIFY(input);
    QCOMPARE(input->labelText(),
             QStringLiteral("Enter a short title to personalize your calculator."));
    QCOMPARE(input->windowTitle(), QStringLiteral("Label"));
    input->setTextValue(QStringLiteral("Lab 4"));
    input->accept();
  });
  h.item("mnulabel")->trigger();
  QCOMPARE(h.label("Label24")->text(), QStringLiteral("Lab 4"));
  QCOMPARE(h.label("Label25")->text(), QStringLiteral("Lab 4"));
  QVERIFY(h.label("Label24")->isVisible());
  onNextModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
  h.item("mnulabel")->trigger();
  QCOMPARE(h.label("Label24")->text(), QStringLiteral("Lab 4"));
}

// Where the desktop has no tray, hiding minimizes so the window can come back.
void MainWindowTest::hideAndOpen() {
  Harness h;
  const bool tray = QSystemTrayIcon::isSystemTrayAvailable();
  auto isAway = [&] { return tray ? !h.window->isVisible() : h.window->isMinimized(); };
  const std::pair<const char*, std::function<void()>> hides[] = {
      {"View Hide", [&] { h.item("mnuhide2")->trigger(); }},
      {"tray Hide", [&] { h.item("mnuhide")->trigger(); }},
      {"Esc", [&] { QTest::keyClick(h.window.get(), Qt::Key_Escape); }},
  };
  for (const auto& [how, hide] : hides) {
    hide();
    QVERIFY2(isAway(), how);
    QVERIFY2(h.model.shell().hidden, how);
    h.item("mnuopen")->trigger();
    QVERIFY2(h.window->isVisible() && !h.window->isMinimized(), how);
    QVERIFY(!h.model.shell().hidden);
  }
  h.item("mnuhide2")->trigger();
  h.window->trayDoubleClicked();
  QVERIFY(h.window->isVisible() && !h.window->isMinimized());
}

void MainWindowTest::appearOnStartupToggles() {
  Harness h;
  for (bool on : {true, false}) {
    // A failure to write the entry is reported in a message box; close it.
    onNextModal([](QWidget* w) {
      if (auto* box = qobject_cast<QMessageBox*>(w)) box->accept();
    });
    h.item("mnuMinimize")->trigger();
    QCOMPARE(h.item("mnuMinimize")->isChecked(), on);
    QCOMPARE(h.model.shell().minStart, on);
    QVERIFY(h.model.calc().state().keyforget);
  }
}

void MainWindowTest::settingsCommandsOpenFileDialogs() {
  Harness h;
  for (const char* item : {"save", "load"}) {
    bool sawDialog = false;
    onNextModal([&sawDialog](QWidget* w) {
      sawDialog = qobject_cast<QFileDialog*>(w) != nullptr;
      qobject_cast<QDialog*>(w)->reject();
    });
    h.item(item)->trigger();
    QVERIFY2(sawDialog, item);
    QCOMPARE(h.window->displayField()->text(), QStringLiteral("0"));
  }
}

void MainWindowTest::optionsDialogIsModalAndTrayDoubleClickClosesIt() {
  Harness h;
  QVERIFY(!h.model.calc().state().OptionFix);
  MainWindow* window = h.window.get();
  bool sawDialog = false;
  onNextModal([&sawDialog, window](QWidget* w) {
    sawDialog = w->objectName() == QLatin1String("frmOptions") && w->parentWidget() == window;
    // Choose Fix, then close the dialog the tray's way: it writes its settings.
    if (auto* fix = w->findChild<QRadioButton*>("OptionFix")) fix->click();
    window->trayDoubleClicked();
  });
  h.item("mnuOptions")->trigger();
  QVERIFY(sawDialog);
  QVERIFY(h.model.calc().state().OptionFix);
  QVERIFY(h.window->isVisible());
  QVERIFY(!QApplication::activeModalWidget());
}

void MainWindowTest::periodicTableIsModelessAndOnTop() {
  Harness h;
  h.item("mnuElements")->trigger();
  ElementsWindow* table = h.window->elementsWindow();
  QVERIFY(table);
  QVERIFY(table->isVisible());
  QVERIFY(table->isWindow());
  QVERIFY(!table->isModal());
  QCOMPARE(table->parentWidget(), h.window.get());
  QVERIFY(table->windowFlags() & Qt::WindowStaysOnTopHint);
  h.item("mnuElements")->trigger();
  QCOMPARE(h.window->elementsWindow(), table);
  // The calculator still takes keys while the table is open.
  QTest::keyClick(h.window.get(), Qt::Key_4);
  QCOMPARE(h.window->displayField()->text(), QStringLiteral("4"));
}

void MainWindowTest::helpTopics() {
  Harness h;
  h.item("Contents")->trigger();
  auto* help = h.window->findChild<HelpWindow*>();
  QVERIFY(help);
  QVERIFY(help->isVisible());
  QCOMPARE(help->topic(), kOverviewHelpTopic);
  h.item("Equivalent")->trigger();
  QCOMPARE(h.window->findChildren<HelpWindow*>().size(), 1);
  QCOMPARE(help->topic(), kKeyboardHelpTopic);
  QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Keyboard Equivalents")));
}

void MainWindowTest::aboutBox() {
  Harness h;
  for (const char* item : {"About", "mnuAbout"}) {
    h.item(item)->trigger();
    auto* about = h.window->findChild<AboutBox*>();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QVERIFY(about->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Zova"));
    QCOMPARE(about->findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Zova"));
    QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 2.10"));
    auto* ok = about->findChild<QPushButton*>("cmdOK");
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!about->isVisible());
  }
  QCOMPARE(h.window->findChildren<AboutBox*>().size(), 1);
}

void MainWindowTest::everyWayOutUnloadsOnce_data() {
  QTest::addColumn<int>("way");
  QTest::newRow("close box") << 0;
  QTest::newRow("File Exit") << 1;
  QTest::newRow("tray Exit") << 2;
  QTest::newRow("End key") << 3;
  QTest::newRow("close box with the periodic table open") << 4;
}

void MainWindowTest::everyWayOutUnloadsOnce() {
  QFETCH(int, way);
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("dadidedo.dat"));
  Harness h(file);
  h.click(Key::D7);
  h.click(Key::MPlus);
  switch (way) {
    case 0:
      h.window->close();
      break;
    case 1:
      h.item("mnuexxit")->trigger();
      break;
    case 2:
      h.item("mnuexit")->trigger();
      break;
    case 3:
      QTest::keyClick(h.window.get(), Qt::Key_End);
      break;
    case 4:
      h.item("mnuElements")->trigger();
      h.window->close();
      QVERIFY(!h.window->elementsWindow()->isVisible());
      break;
  }
  QVERIFY(h.model.ended());
  QVERIFY(!h.window->isVisible());
  QCOMPARE(h.toolkit.quits, 1);
  QCOMPARE(h.toolkit.fontRemovals, 1);
  QVERIFY(QFileInfo::exists(file));
  // Reading the file back restores the memory.
  CountingToolkit again;
  Model next(again, {});
  next.setSettingsFile(file.toStdString());
  next.startUp();
  QCOMPARE(next.calc().state().stack.parse(), 7.0);
  h.window->close();
  QCOMPARE(h.toolkit.quits, 1);
}

// With ZOVA_SCREENSHOT_DIR set, saves pictures of the window for the documentation.
void MainWindowTest::screenshot() {
  const QString dir = qEnvironmentVariable("ZOVA_SCREENSHOT_DIR");
  if (dir.isEmpty()) QSKIP("ZOVA_SCREENSHOT_DIR is not set");
  Harness h;
  QApplication::setActiveWindow(h.window.get());
  QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
  h.model.shell().personalLabel = "Zova";
  QVERIFY(play(h, QStringLiteral("inv,Mode,1,2,3,4.5,X,2,M+,=")));
  QVERIFY(h.window->grab().save(dir + QStringLiteral("/main-window.png")));
  const std::pair<const char*, const char*> panels[] = {
      {"Converter", "converter"}, {"Statistics", "statistics"}, {"mnuFinancial", "financial"}};
  for (const auto& [item, name] : panels) {
    h.item(item)->trigger();
    QVERIFY(h.window->grab().save(dir + QStringLiteral("/main-window-%1.png").arg(name)));
  }
  h.item("compact")->trigger();
  QVERIFY(h.window->grab().save(dir + QStringLiteral("/main-window-compact.png")));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
