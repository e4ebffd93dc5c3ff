// The options dialog through real widgets: what it shows and when it writes the settings.
#include "shell/options_window.h"

#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "shell/model_rig.h"

using namespace zova;

namespace {

// The five settings the dialog edits: Fix, Scientific, decimal places, radicals, threshold.
QString settingsOf(const Model& m) {
  const CalcState& s = m.calc().state();
  return QString::asprintf("%d %d %g %d %g", s.format == NumberFormat::kFix,
                           s.format == NumberFormat::kScientific, s.decimalPlaces.toDouble(),
                           s.fractionRadicals, s.fractionAccuracy.toDouble());
}

void apply(Model& m, const QString& settings) {
  const QStringList v = settings.split(' ');
  CalcState& s = m.calc().state();
  s.format = v[0] == "1"   ? NumberFormat::kFix
             : v[1] == "1" ? NumberFormat::kScientific
                           : NumberFormat::kStandard;
  std::tie(s.decimalPlaces, s.fractionRadicals, s.fractionAccuracy) = std::tuple(
      *Decimal::read(v[2].toStdString()), v[3] == "1", *Decimal::read(v[4].toStdString()));
}

// What the controls show, in one comparable line.
QString shown(OptionsWindow& w) {
  QStringList checked;
  for (const char* name : {"standard", "fix", "scientific", "low", "medium", "high", "radicals"})
    if (child<QAbstractButton>(w, name)->isChecked()) checked << QString::fromLatin1(name);
  if (!child<QWidget>(w, "numberFormatPage")->isVisible()) checked << "(accuracy tab)";
  auto* text = child<QLineEdit>(w, "places");
  auto* scroll = child<QScrollBar>(w, "placesScrollBar");
  const char* const places[] = {"disabled", "partly enabled", "partly enabled", "enabled"};
  return QStringLiteral("%1 | %2 %3 %4")
      .arg(checked.join(' '), text->text())
      .arg(scroll->value())
      .arg(places[text->isEnabled() + scroll->isEnabled() +
                  child<QLabel>(w, "placesLabel")->isEnabled()]);
}

// Plays the clicks; "tab=N" picks a tab, "scroll>" ends the scroll bar, "close" is the close box.
void drive(ModelRig& rig, OptionsWindow& w, const QString& clicks) {
  for (const QString& c : clicks.split(',', Qt::SkipEmptyParts)) {
    if (c == QLatin1String("close"))
      QVERIFY(w.close());
    else if (c == QLatin1String("scroll>"))
      child<QScrollBar>(w, "placesScrollBar")->triggerAction(QAbstractSlider::SliderToMaximum);
    else if (c.startsWith(QLatin1String("tab=")))
      child<QTabWidget>(w, "tabs")->setCurrentIndex(c.mid(4).toInt());
    else
      QVERIFY2(play(w, rig.model, c), qPrintable(c));
  }
}

}  // namespace

class OptionsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void showsAndWrites_data();
  void showsAndWrites();
};

void OptionsWindowTest::showsAndWrites_data() {
  QTest::addColumn<QString>("settings");  // before the dialog opens
  QTest::addColumn<QString>("clicks");    // then OK, unless they leave the dialog
  QTest::addColumn<QString>("shown");     // before OK, or when the dialog opens again
  QTest::addColumn<QString>("written");   // what OK writes, "" for nothing
  const QString start = QStringLiteral("0 0 2 0 1e-05");
  const QString changes = QStringLiteral("scientific,places=7,tab=1,radicals,high,");
  const QString changed = QStringLiteral("scientific high radicals (accuracy tab) | 7 7 enabled");
  const QString unchanged = QStringLiteral("standard medium (accuracy tab) | 2 2 disabled");
  const QString rows[][5] = {
      {"fix high radicals", "1 0 4 1 1e-06", "", "fix high radicals | 4 4 enabled", ""},
      // OK, Enter and the close box write the settings, Cancel and Esc do not; the tab stays.
      {"OK", start, changes + "okButton", changed, "0 1 7 1 1e-06"},
      {"Enter", start, changes + "key:Enter", changed, "0 1 7 1 1e-06"},
      {"close box", start, changes + "close", changed, "0 1 7 1 1e-06"},
      {"Cancel", start, changes + "cancelButton", unchanged, ""},
      {"Esc", start, changes + "key:Esc", unchanged, ""},
      // Decimal places typed or scrolled: box and bar keep in step, and OK writes the bar's value.
      {"places typed", start, "fix,places=3.6", "fix medium | 3.6 4 enabled", "1 0 4 0 1e-05"},
      {"no number typed", start, "fix,places=abc", "fix medium | abc 0 enabled", "1 0 0 0 1e-05"},
      {"places scrolled", start, "fix,scroll>", "fix medium | 15 15 enabled", "1 0 15 0 1e-05"}};
  for (const auto& r : rows) QTest::newRow(qPrintable(r[0])) << r[1] << r[2] << r[3] << r[4];
}

// The dialog shows the settings (having shown others before); nothing is written while it is open.
void OptionsWindowTest::showsAndWrites() {
  QFETCH(QString, settings);
  QFETCH(QString, clicks);
  QFETCH(QString, shown);
  QFETCH(QString, written);
  ModelRig rig;
  OptionsWindow w(rig.model);
  QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
  apply(rig.model, QStringLiteral("1 0 9 1 0.0001"));
  w.show();
  w.reject();
  apply(rig.model, settings);
  w.show();
  drive(rig, w, clicks.section(',', 0, -2));
  QCOMPARE(settingsOf(rig.model), settings);
  drive(rig, w, clicks.section(',', -1));
  if (w.isVisible()) {
    QCOMPARE(::shown(w), shown);
    QCOMPARE(rig.model.options().controls().numberFormatTab, !shown.contains("accuracy"));
    drive(rig, w, QStringLiteral("okButton"));
  } else {
    QCOMPARE(w.result(), written.isEmpty() ? int(QDialog::Rejected) : int(QDialog::Accepted));
    w.show();
    QCOMPARE(::shown(w), shown);
  }
  QCOMPARE(settingsOf(rig.model), written.isEmpty() ? settings : written);
}

static const ShellTest<OptionsWindowTest> kRegistered("options_window");
#include "options_window_test.moc"
