// The options dialog through real widgets: what it shows when it opens, how the
// decimal-places box and scroll bar keep in step, and which ways of leaving it
// write the settings (OK, the close box) and which do not (Cancel, Esc).
#include "shell/options_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "shell/model_rig.h"
#include "shell/screenshot.h"
#include "shell/widget_input.h"

using namespace zova;

namespace {

// The five settings the dialog edits.
struct Settings {
  bool fix = false, sci = false;
  double zeroes = 2;
  bool rootpart = false;
  double threshold = 1e-05;
  bool operator==(const Settings&) const = default;
};

Settings settingsOf(const Model& m) {
  const CalcState& s = m.calc().state();
  return {s.OptionFix, s.OptionSci, s.zeroes, s.rootpart, s.threshold};
}

void apply(Model& m, const Settings& x) {
  CalcState& s = m.calc().state();
  s.OptionFix = x.fix;
  s.OptionSci = x.sci;
  s.zeroes = x.zeroes;
  s.rootpart = x.rootpart;
  s.threshold = x.threshold;
}

char* describe(const Settings& x) {
  return qstrdup(QStringLiteral("fix %1 sci %2 zeroes %3 radicals %4 threshold %5")
                     .arg(x.fix)
                     .arg(x.sci)
                     .arg(x.zeroes)
                     .arg(x.rootpart)
                     .arg(x.threshold)
                     .toLatin1()
                     .constData());
}

// What the controls show, in one comparable line.
QString shown(OptionsWindow& w) {
  QStringList checked;
  for (const char* name :
       {"OptionStand", "OptionFix", "OptionSci", "fracLow", "fracMed", "fracHigh"})
    if (child<QRadioButton>(w, name)->isChecked()) checked << QString::fromLatin1(name);
  if (child<QCheckBox>(w, "Check2")->isChecked()) checked << QStringLiteral("Check2");
  return QStringLiteral("%1 | %2 %3 %4")
      .arg(checked.join(QLatin1Char(' ')), child<QLineEdit>(w, "Text1")->text())
      .arg(child<QScrollBar>(w, "HScroll1")->value())
      .arg(child<QLineEdit>(w, "Text1")->isEnabled() ? QStringLiteral("enabled")
                                                     : QStringLiteral("disabled"));
}

// Changes every control away from the start values.
void changeEverything(OptionsWindow& w) {
  clickBox(child<QRadioButton>(w, "OptionSci"));
  typeInto(child<QLineEdit>(w, "Text1"), QStringLiteral("7"));
  child<QTabWidget>(w, "TabStrip1")->setCurrentIndex(1);
  clickBox(child<QCheckBox>(w, "Check2"));
  clickBox(child<QRadioButton>(w, "fracHigh"));
}

}  // namespace

Q_DECLARE_METATYPE(Settings)

namespace QTest {
template <>
char* toString(const Settings& x) {
  return describe(x);
}
}  // namespace QTest

class OptionsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void texts();
  void opensWithTheSettings_data();
  void opensWithTheSettings();
  void decimalPlacesKeepInStep_data();
  void decimalPlacesKeepInStep();
  void scrollBarWritesTheBox();
  void formatButtonsEnableThePlaces();
  void tabsShowTheirFrames();
  void leaving_data();
  void leaving();
  void unknownThresholdStaysOnOk();
  void matchesTheCommandLine();
  void screenshots();
};

void OptionsWindowTest::texts() {
  ModelRig rig;
  OptionsWindow w(rig.model);
  QCOMPARE(w.windowTitle(), QStringLiteral("Options"));
  QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
  const std::pair<const char*, const char*> captions[] = {
      {"OptionStand", "Standard"},
      {"OptionFix", "Fix"},
      {"OptionSci", "Scientific"},
      {"Check2", "Include Radicals"},
      {"fracLow", "Low Accuracy"},
      {"fracMed", "Medium Accuracy (Recommended)"},
      {"fracHigh", "High Accuracy (Not Recommended)"},
      {"Command1", "&OK"},
      {"Command2", "&Cancel"}};
  for (const auto& [name, text] : captions)
    QCOMPARE(child<QAbstractButton>(w, name)->text(), QString::fromUtf8(text));
  QCOMPARE(child<QLabel>(w, "Label2")->text(), QStringLiteral("Decimal Places"));
  QCOMPARE(child<QLabel>(w, "Label3")->text(), QStringLiteral("WARNING:"));
  QCOMPARE(child<QLabel>(w, "Label1")->text(),
           QStringLiteral("Medium and High accuracy settings may cause the program to become "
                          "temporarily unresponsive."));
  QCOMPARE(child<QGroupBox>(w, "Frame1")->title(), QStringLiteral("Radicals in fractions"));
  auto* tabs = child<QTabWidget>(w, "TabStrip1");
  QCOMPARE(tabs->count(), 2);
  QCOMPARE(tabs->tabText(0), QStringLiteral("Number Format"));
  QCOMPARE(tabs->tabText(1), QStringLiteral("Fraction Accuracy"));
  auto* scroll = child<QScrollBar>(w, "HScroll1");
  QCOMPARE(scroll->minimum(), 0);
  QCOMPARE(scroll->maximum(), 15);
}

void OptionsWindowTest::opensWithTheSettings_data() {
  QTest::addColumn<Settings>("settings");
  QTest::addColumn<QString>("expected");
  QTest::newRow("start values") << Settings{} << "OptionStand fracMed | 2 2 disabled";
  QTest::newRow("fix, 4 places, radicals, high")
      << Settings{true, false, 4, true, 1e-06} << "OptionFix fracHigh Check2 | 4 4 enabled";
  QTest::newRow("scientific, low")
      << Settings{false, true, 0, false, 1e-04} << "OptionSci fracLow | 0 0 enabled";
  QTest::newRow("fix wins over scientific")
      << Settings{true, true, 15, false, 1e-05} << "OptionFix fracMed | 15 15 enabled";
  QTest::newRow("another threshold selects no accuracy")
      << Settings{false, false, 2, false, 3e-05} << "OptionStand | 2 2 disabled";
}

void OptionsWindowTest::opensWithTheSettings() {
  QFETCH(Settings, settings);
  QFETCH(QString, expected);
  ModelRig rig;
  OptionsWindow w(rig.model);
  // Open once with other values, so that every control has to be set both ways.
  apply(rig.model, Settings{true, false, 9, true, 1e-04});
  w.show();
  w.reject();
  apply(rig.model, settings);
  w.show();
  QCOMPARE(shown(w), expected);
  QCOMPARE(settingsOf(rig.model), settings);
}

void OptionsWindowTest::decimalPlacesKeepInStep_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("scroll");
  QTest::newRow("7") << "7"
                     << "7" << 7;
  QTest::newRow("15, the most") << "15"
                                << "15" << 15;
  QTest::newRow("20 puts back 2") << "20"
                                  << "2" << 2;
  QTest::newRow("16 puts back 2") << "16"
                                  << "2" << 2;
  QTest::newRow("an empty box puts 0") << ""
                                       << "0" << 0;
  QTest::newRow("3.6 rounds on the scroll bar") << "3.6"
                                                << "3.6" << 4;
  QTest::newRow("a minus sign") << "-"
                                << "-" << 0;
  QTest::newRow("-1 puts back 2") << "-1"
                                  << "2" << 2;
  QTest::newRow("letters count 0") << "abc"
                                   << "abc" << 0;
}

void OptionsWindowTest::decimalPlacesKeepInStep() {
  QFETCH(QString, typed);
  QFETCH(QString, text);
  QFETCH(int, scroll);
  ModelRig rig;
  OptionsWindow w(rig.model);
  w.show();
  clickBox(child<QRadioButton>(w, "OptionFix"));
  typeInto(child<QLineEdit>(w, "Text1"), typed);
  QCOMPARE(child<QLineEdit>(w, "Text1")->text(), text);
  QCOMPARE(child<QScrollBar>(w, "HScroll1")->value(), scroll);
  // The places are the scroll bar's whole value.
  QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
  QCOMPARE(rig.model.calc().state().zeroes, static_cast<double>(scroll));
}

void OptionsWindowTest::scrollBarWritesTheBox() {
  ModelRig rig;
  OptionsWindow w(rig.model);
  w.show();
  clickBox(child<QRadioButton>(w, "OptionFix"));
  auto* scroll = child<QScrollBar>(w, "HScroll1");
  auto* text = child<QLineEdit>(w, "Text1");
  struct Step {
    QAbstractSlider::SliderAction action;
    const char* text;
  };
  const Step steps[] = {{QAbstractSlider::SliderSingleStepAdd, "3"},
                        {QAbstractSlider::SliderToMaximum, "15"},
                        {QAbstractSlider::SliderSingleStepAdd, "15"},
                        {QAbstractSlider::SliderToMinimum, "0"},
                        {QAbstractSlider::SliderSingleStepSub, "0"}};
  for (const Step& s : steps) {
    scroll->triggerAction(s.action);
    QCOMPARE(text->text(), QString::fromLatin1(s.text));
    QCOMPARE(scroll->value(), QString::fromLatin1(s.text).toInt());
  }
}

void OptionsWindowTest::formatButtonsEnableThePlaces() {
  ModelRig rig;
  OptionsWindow w(rig.model);
  w.show();
  struct Case {
    const char* button;
    bool enabled;
  };
  const Case cases[] = {
      {"OptionFix", true}, {"OptionStand", false}, {"OptionSci", true}, {"OptionStand", false}};
  for (const Case& c : cases) {
    clickBox(child<QRadioButton>(w, c.button));
    for (const char* name : {"Label2", "Text1", "HScroll1"})
      QVERIFY2(child<QWidget>(w, name)->isEnabled() == c.enabled, name);
  }
}

void OptionsWindowTest::tabsShowTheirFrames() {
  ModelRig rig;
  OptionsWindow w(rig.model);
  w.show();
  auto* tabs = child<QTabWidget>(w, "TabStrip1");
  for (int index : {1, 0, 1}) {
    tabs->setCurrentIndex(index);
    QCOMPARE(child<QWidget>(w, "Frame3")->isVisible(), index == 0);
    QCOMPARE(child<QWidget>(w, "Frame1")->isVisible(), index == 1);
    QCOMPARE(child<QWidget>(w, "Frame2")->isVisible(), index == 1);
    QCOMPARE(rig.model.options().controls().numberFormatTab, index == 0);
  }
}

void OptionsWindowTest::leaving_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("writes");
  QTest::newRow("OK") << "ok" << true;
  QTest::newRow("close box") << "close" << true;
  QTest::newRow("Cancel") << "cancel" << false;
  QTest::newRow("Esc") << "escape" << false;
}

void OptionsWindowTest::leaving() {
  QFETCH(QString, how);
  QFETCH(bool, writes);
  ModelRig rig;
  OptionsWindow w(rig.model);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  const Settings before = settingsOf(rig.model);
  changeEverything(w);
  const Settings changed{false, true, 7, true, 1e-06};
  QCOMPARE(settingsOf(rig.model), before);  // nothing is written while the dialog is open

  if (how == QLatin1String("ok"))
    QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
  else if (how == QLatin1String("close"))
    QVERIFY(w.close());
  else if (how == QLatin1String("cancel"))
    QTest::mouseClick(child<QPushButton>(w, "Command2"), Qt::LeftButton);
  else
    QTest::keyClick(&w, Qt::Key_Escape);
  QVERIFY(!w.isVisible());
  QCOMPARE(settingsOf(rig.model), writes ? changed : before);
  QCOMPARE(w.result(), writes ? int(QDialog::Accepted) : int(QDialog::Rejected));

  // The next opening shows the calculator's settings.
  w.show();
  QCOMPARE(shown(w), writes ? QStringLiteral("OptionSci fracHigh Check2 | 7 7 enabled")
                            : QStringLiteral("OptionStand fracMed | 2 2 disabled"));
}

void OptionsWindowTest::unknownThresholdStaysOnOk() {
  ModelRig rig;
  OptionsWindow w(rig.model);
  rig.model.calc().state().threshold = 2.5e-05;
  w.show();
  for (const char* name : {"fracLow", "fracMed", "fracHigh"})
    QVERIFY2(!child<QRadioButton>(w, name)->isChecked(), name);
  clickBox(child<QRadioButton>(w, "OptionFix"));
  QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
  QCOMPARE(rig.model.calc().state().threshold, 2.5e-05);
  QVERIFY(rig.model.calc().state().OptionFix);
}

void OptionsWindowTest::matchesTheCommandLine() {
  struct Case {
    const char* script;
    std::function<void(OptionsWindow&)> clicks;
  };
  const Case cases[] = {
      {"opt:format=Fix,opt:places=4,1,÷,3,=",
       [](OptionsWindow& w) {
         clickBox(child<QRadioButton>(w, "OptionFix"));
         typeInto(child<QLineEdit>(w, "Text1"), QStringLiteral("4"));
       }},
      {"opt:format=Scientific,opt:places=3,12345,=",
       [](OptionsWindow& w) {
         clickBox(child<QRadioButton>(w, "OptionSci"));
         typeInto(child<QLineEdit>(w, "Text1"), QStringLiteral("3"));
       }},
      {"opt:accuracy=low,opt:radicals=on,0.333,b/c",
       [](OptionsWindow& w) {
         child<QTabWidget>(w, "TabStrip1")->setCurrentIndex(1);
         clickBox(child<QRadioButton>(w, "fracLow"));
         clickBox(child<QCheckBox>(w, "Check2"));
       }},
  };
  for (const Case& c : cases) {
    ModelRig cli;
    QVERIFY2(cli.run(QString::fromUtf8(c.script)), c.script);

    ModelRig rig;
    OptionsWindow w(rig.model);
    w.show();
    c.clicks(w);
    QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
    // The keys after the options run on the keypad.
    const QStringList keys = tokens(QString::fromUtf8(c.script));
    for (const QString& t : keys)
      if (area(t) != QLatin1String("opt")) QVERIFY2(rig.run(t), qPrintable(t));
    QCOMPARE(settingsOf(rig.model), settingsOf(cli.model));
    QCOMPARE(rig.model.calc().display(), cli.model.calc().display());
  }
}

void OptionsWindowTest::screenshots() {
  if (screenshotFolder().isEmpty()) QSKIP("ZOVA_SCREENSHOTS names no folder");
  ModelRig rig;
  OptionsWindow w(rig.model);
  w.show();
  clickBox(child<QRadioButton>(w, "OptionFix"));
  QVERIFY(saveScreenshot(w, QStringLiteral("options-number-format.png")));
  child<QTabWidget>(w, "TabStrip1")->setCurrentIndex(1);
  QVERIFY(saveScreenshot(w, QStringLiteral("options-fraction-accuracy.png")));
}

QTEST_MAIN(OptionsWindowTest)
#include "options_window_test.moc"
