// The three fold-out panels through real widgets: a script in the command-line
// notation is played on a panel by clicking its keys, cells and lists and typing
// into its boxes, and the panel must show what the same script gives on the
// command line, and the values the program's behaviour fixes.
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "shell/converter_panel.h"
#include "shell/finance_panel.h"
#include "shell/model_rig.h"
#include "shell/screenshot.h"
#include "shell/stats_panel.h"
#include "shell/widget_input.h"

using namespace zova;

namespace {

void clickCell(QLabel* cell) { QTest::mouseClick(cell, Qt::LeftButton); }

QStringList listItems(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

QStringList texts(const std::vector<std::string>& v) {
  QStringList out;
  for (const std::string& s : v) out << QString::fromStdString(s);
  return out;
}

const QString kData = QStringLiteral(
    "2,stat:enter,4,stat:enter,4,stat:enter,4,stat:enter,5,stat:enter,5,stat:enter,7,stat:enter,"
    "9,stat:enter");

// Plays a script on the statistics panel: panel keys and list choices are clicked,
// the Stack toggle is ticked, everything else goes to the keypad.
void driveStats(ModelRig& rig, StatsPanel& panel, const QString& script) {
  for (const QString& t : tokens(script)) {
    if (t == QLatin1String("Stack")) {
      clickBox(panel.stackToggle());
    } else if (area(t) == QLatin1String("stat") && actionOf(t) == QLatin1String("select")) {
      QListWidget* list = panel.list();
      QListWidgetItem* item = list->item(valueOf(t).toInt());
      QVERIFY2(item, qPrintable(t));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    } else if (area(t) == QLatin1String("stat")) {
      const StatKeyRow* row = findStatKey(actionOf(t).toStdString());
      QVERIFY2(row, qPrintable(t));
      QTest::mouseClick(panel.key(row->key), Qt::LeftButton);
    } else {
      QVERIFY2(rig.run(t), qPrintable(t));
      panel.refresh();
    }
  }
}

void driveFinance(ModelRig& rig, FinancePanel& panel, const QString& script) {
  for (const QString& t : tokens(script)) {
    const QString action = actionOf(t);
    if (area(t) != QLatin1String("fin")) {
      QVERIFY2(rig.run(t), qPrintable(t));
      panel.refresh();
    } else if (action == QLatin1String("click")) {
      const FinCellRow* row = findFinCell(valueOf(t).toStdString());
      QVERIFY2(row, qPrintable(t));
      clickCell(panel.cell(row->cell));
    } else if (action == QLatin1String("solve")) {
      const FinKeyRow* row = findFinKey(valueOf(t).toStdString());
      QVERIFY2(row, qPrintable(t));
      QTest::mouseClick(panel.key(row->key), Qt::LeftButton);
    } else if (action == QLatin1String("start") || action == QLatin1String("end")) {
      auto* box =
          panel.findChild<QCheckBox*>(action == QLatin1String("start") ? "ChkStart" : "ChkEnd");
      QVERIFY(box);
      clickBox(box);
    } else {
      const char* name = action == QLatin1String("clear")      ? "finClear"
                         : action == QLatin1String("amortize") ? "finAmortize"
                                                               : "finToPv";
      auto* b = panel.findChild<QPushButton*>(name);
      QVERIFY2(b, qPrintable(t));
      QTest::mouseClick(b, Qt::LeftButton);
    }
  }
}

// List texts are typed into the list's box; "open" drops the list down and closes it again.
void driveConverter(ModelRig& rig, ConverterPanel& panel, const QString& script) {
  for (const QString& t : tokens(script)) {
    const QString action = actionOf(t);
    if (area(t) != QLatin1String("conv")) {
      QVERIFY2(rig.run(t), qPrintable(t));
      panel.refresh();
    } else if (action == QLatin1String("Constants")) {
      QTest::mouseClick(panel.konstant(), Qt::LeftButton);
    } else if (action == QLatin1String("open-from") || action == QLatin1String("open-to")) {
      ConverterCombo* box = action == QLatin1String("open-from") ? panel.combo1() : panel.combo2();
      box->showPopup();
      box->hidePopup();
    } else if (action == QLatin1String("from") || action == QLatin1String("to")) {
      ConverterCombo* box = action == QLatin1String("from") ? panel.combo1() : panel.combo2();
      typeInto(box->lineEdit(), valueOf(t));
    } else if (action == QLatin1String("go")) {
      QTest::mouseClick(panel.ok(), Qt::LeftButton);
    } else {
      const CategoryRow* row = findCategory(action.toStdString());
      QVERIFY2(row, qPrintable(t));
      QTest::mouseClick(panel.categoryButton(row->category), Qt::LeftButton);
    }
  }
}

QStringList comboItems(const QComboBox* box) {
  QStringList out;
  for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
  return out;
}

}  // namespace

class PanelsTest : public QObject {
  Q_OBJECT
 private slots:
  void statistics_data();
  void statistics();
  void stackToggleLightsUp();
  void finance_data();
  void finance();
  void timingBoxesActAsOneChoice();
  void converter_data();
  void converter();
  void choosingFromTheOpenedList();
  void markersFollowTheOpenedList();
  void screenshots();
};

void PanelsTest::statistics_data() {
  QTest::addColumn<QString>("script");
  QTest::addColumn<QString>("display");
  QTest::newRow("n") << kData + ",stat:n"
                     << "8";
  QTest::newRow("sum") << kData + ",stat:sum"
                       << "40";
  QTest::newRow("mean") << kData + ",stat:mean"
                        << "5";
  QTest::newRow("population SD") << kData + ",stat:popul"
                                 << "2";
  QTest::newRow("sample SD") << kData + ",stat:sample"
                             << "2.1380899352994";
  QTest::newRow("mean of nothing keeps the display") << "7,stat:mean"
                                                     << "7";
  QTest::newRow("sample SD of one value keeps the display") << "3,stat:enter,6,stat:sample"
                                                            << "6";
  QTest::newRow("sum at start-up") << "stat:sum"
                                   << "0";
  QTest::newRow("hexadecimal FF goes in as 255") << "255,Base,stat:enter"
                                                 << "255";
  QTest::newRow("ERROR is not entered") << "1,÷,0,=,stat:enter,stat:n"
                                        << "0";
  QTest::newRow("delete with nothing selected") << kData + ",stat:delete,stat:sum"
                                                << "40";
  QTest::newRow("a chosen item goes to the display") << kData + ",stat:select=2"
                                                     << "5";
  QTest::newRow("delete the chosen item") << kData + ",stat:select=0,stat:delete,stat:sum"
                                          << "31";
  QTest::newRow("clear all") << kData + ",stat:clear,stat:n"
                             << "0";
  QTest::newRow("stack enters every result") << "Stack,2,+,3,=,4,X,5,=,stat:sum"
                                             << "25";
  QTest::newRow("stack off again") << "Stack,2,+,3,=,Stack,4,X,5,=,stat:n"
                                   << "1";
}

void PanelsTest::statistics() {
  QFETCH(QString, script);
  QFETCH(QString, display);
  ModelRig rig;
  StatsPanel panel(rig.model, rig.changed());
  panel.resize(250, 330);
  panel.show();
  QVERIFY(QTest::qWaitForWindowExposed(&panel));
  driveStats(rig, panel, script);

  ModelRig cli;
  QVERIFY(cli.run(script));
  QCOMPARE(QString::fromStdString(rig.model.calc().display()), display);
  QCOMPARE(QString::fromStdString(cli.model.calc().display()), display);
  QCOMPARE(listItems(panel.list()), texts(cli.model.stats().statlist()));
  const auto selected = cli.model.stats().selected();
  QCOMPARE(panel.list()->currentRow(), selected ? static_cast<int>(*selected) : -1);
  QVERIFY(rig.changes > 0 || !script.contains(QLatin1String("stat:")));
}

// Pixels of exactly this colour in what the widget shows.
int pixelsOf(QWidget* w, const QColor& colour) {
  const QImage image = w->grab().toImage();
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += QColor(image.pixel(x, y)) == colour;
  return n;
}

void PanelsTest::stackToggleLightsUp() {
  ModelRig rig;
  StatsPanel panel(rig.model, rig.changed());
  panel.show();
  StackToggle* stack = panel.stackToggle();
  QCOMPARE(stack->objectName(), QStringLiteral("ToggleStack"));
  QCOMPARE(stack->text(), QStringLiteral("Stack"));
  QCOMPARE(stack->toolTip(), QStringLiteral("Keyboard equivalent: W key"));
  const QColor on(0x00, 0xFF, 0x00), off(0x00, 0x40, 0x00);
  // The window's colour commands recolour the toggle's background and text; the
  // lamp colour stays.
  const QColor back(0xC0, 0x60, 0x60);
  QPalette p = stack->palette();
  p.setColor(QPalette::Window, back);
  p.setColor(QPalette::WindowText, Qt::black);
  stack->setPalette(p);
  stack->setAutoFillBackground(true);
  QVERIFY(pixelsOf(stack, off) > 0);
  QCOMPARE(pixelsOf(stack, on), 0);
  for (bool expected : {true, false, true}) {
    clickBox(stack);
    QCOMPARE(rig.model.calc().state().togstack, expected);
    QCOMPARE(stack->isChecked(), expected);
    QCOMPARE(stack->lamp(), expected ? on : off);
    QVERIFY(pixelsOf(stack, expected ? on : off) > 0);
    QCOMPARE(pixelsOf(stack, expected ? off : on), 0);
    QVERIFY(pixelsOf(stack, back) > 0);
  }
  // The W key works without the panel; the box follows when the window redraws.
  QVERIFY(rig.run(QStringLiteral("Stack")));
  panel.refresh();
  QVERIFY(!stack->isChecked());
  QCOMPARE(stack->lamp(), off);
}

namespace {
const QString kLoan =
    QStringLiteral("1000,fin:click=PV,12,fin:click=%/Yr,12,fin:click=P/Yr,12,fin:click=N");
const QString kAmortize = QStringLiteral(
    "1000,fin:click=PV,12,fin:click=%/Yr,12,fin:click=P/Yr,88.85,±,fin:click=PMT,6,"
    "fin:click=Payments,fin:amortize");
}  // namespace

void PanelsTest::finance_data() {
  QTest::addColumn<QString>("script");
  QTest::addColumn<QStringList>("cells");  // "name=text" pairs the cells must show
  QTest::addColumn<QString>("display");    // "" when only the command line decides
  QTest::addColumn<int>("messages");
  QTest::newRow("PMT, payments at the end")
      << kLoan + ",fin:solve=PMT" << QStringList{"PMT=-88.85", "PV=1,000.00", "N=12.00"} << "" << 0;
  QTest::newRow("PMT, payments at the start")
      << kLoan + ",fin:start,fin:solve=PMT" << QStringList{"PMT=-87.97"} << "" << 0;
  QTest::newRow("8 is 8 %") << "8,fin:click=%/Yr" << QStringList{"%/Yr=8.00%", "Rate=0.6667%"}
                            << "8" << 0;
  QTest::newRow("0.08 is 8 %") << "0.08,fin:click=%/Yr" << QStringList{"%/Yr=8.00%"} << "0.08" << 0;
  QTest::newRow("1 is 100 %") << "1,fin:click=%/Yr" << QStringList{"%/Yr=100.00%"} << "1" << 0;
  QTest::newRow("PMT without N fails and keeps the cell")
      << "5,fin:click=PMT,1000,fin:click=PV,fin:solve=PMT" << QStringList{"PMT=5.00"} << "1000"
      << 1;
  QTest::newRow("P/Yr 4 with 12 % a year")
      << "12,fin:click=%/Yr,4,fin:click=P/Yr" << QStringList{"P/Yr=4", "Rate=3.0000%", "Payments=4"}
      << "4" << 0;
  QTest::newRow("% / Yr key shows the yearly rate as a fraction")
      << kLoan + ",88.85,±,fin:click=PMT,fin:solve=%/Yr" << QStringList{"%/Yr=12.00%"} << "" << 0;
  QTest::newRow("amortize six payments")
      << kAmortize << QStringList{"Balance=514.91", "Interest=48.01", "Principal=485.09"} << ""
      << 0;
  QTest::newRow("the balance cell shows the whole balance")
      << kAmortize + ",fin:click=Balance" << QStringList{"Balance=514.91"} << "514.9137" << 0;
  QTest::newRow("lower PV, then the next six payments")
      << kAmortize + ",fin:topv,fin:amortize"
      << QStringList{"PV=514.91", "Balance=-0.02", "Interest=18.17", "Principal=514.93"} << "" << 0;
  QTest::newRow("no payments leave the balance at PV")
      << "1000,fin:click=PV,0,fin:click=Payments,fin:amortize"
      << QStringList{"Balance=1,000.00", "Principal=0.00", "Interest=0.00", "Payments=0"} << ""
      << 0;
  QTest::newRow("clear keeps P/Yr and Payments")
      << kLoan + ",fin:solve=PMT,fin:clear"
      << QStringList{"N=", "PMT=", "PV=", "FV=", "%/Yr=", "Rate=", "P/Yr=12", "Payments=12"} << ""
      << 0;
  QTest::newRow("ERROR goes into a cell and fails in the key")
      << "1,÷,0,=,fin:click=N,fin:solve=PMT" << QStringList{"PMT="} << "ERROR" << 1;
}

void PanelsTest::finance() {
  QFETCH(QString, script);
  QFETCH(QStringList, cells);
  QFETCH(QString, display);
  QFETCH(int, messages);
  ModelRig rig;
  FinancePanel panel(rig.model, rig.changed());
  panel.show();
  driveFinance(rig, panel, script);

  ModelRig cli;
  QVERIFY(cli.run(script));
  for (const FinCellRow& row : finCellTable())
    QCOMPARE(panel.cell(row.cell)->text(), q(cli.model.finance().caption(row.cell)));
  for (const QString& pair : cells) {
    const FinCellRow* row = findFinCell(pair.section(QLatin1Char('='), 0, 0).toStdString());
    QVERIFY2(row, qPrintable(pair));
    QCOMPARE(panel.cell(row->cell)->text(), pair.section(QLatin1Char('='), 1));
  }
  QCOMPARE(rig.model.calc().display(), cli.model.calc().display());
  if (!display.isEmpty()) QCOMPARE(QString::fromStdString(rig.model.calc().display()), display);
  QCOMPARE(static_cast<int>(rig.tk.messages.size()), messages);
  for (const auto& m : rig.tk.messages) {
    QCOMPARE(q(m.text), q(kFinErrorText));
    QCOMPARE(q(m.title), QStringLiteral("Error"));
  }
}

void PanelsTest::timingBoxesActAsOneChoice() {
  ModelRig rig;
  FinancePanel panel(rig.model, rig.changed());
  panel.show();
  auto* start = panel.findChild<QCheckBox*>("ChkStart");
  auto* end = panel.findChild<QCheckBox*>("ChkEnd");
  QVERIFY(start && end);
  QCOMPARE(start->text(), QStringLiteral("Start"));
  QCOMPARE(end->text(), QStringLiteral("End"));
  struct Step {
    QCheckBox* box;
    bool startAfter;
  };
  // Ticking one unticks the other; unticking either ticks the other.
  const Step steps[] = {{nullptr, false}, {start, true}, {start, false}, {end, true},
                        {end, false},     {start, true}, {end, false}};
  for (const Step& s : steps) {
    if (s.box) clickBox(s.box);
    QCOMPARE(start->isChecked(), s.startAfter);
    QCOMPARE(end->isChecked(), !s.startAfter);
    QCOMPARE(rig.model.finance().state().finType, s.startAfter ? 1 : 0);
  }
}

void PanelsTest::converter_data() {
  QTest::addColumn<QString>("script");
  QTest::addColumn<QString>("display");
  QTest::newRow("inches to centimeters")
      << "1,conv:Length,conv:from=inches,conv:to=centimeters,conv:go"
      << "2.53999999999726";
  QTest::newRow("miles to kilometers") << "1,conv:Length,conv:from=miles,conv:to=kilometers,conv:go"
                                       << "1.60934400000086";
  QTest::newRow("meters to feet, preselected") << "1,conv:Length,conv:go"
                                               << "3.28083989501";
  QTest::newRow("years to days") << "1,conv:Time,conv:from=years,conv:to=days,conv:go"
                                 << "365";
  QTest::newRow("months to days, preselected") << "1,conv:Time,conv:go"
                                               << "30";
  QTest::newRow("hours to minutes") << "1,conv:Time,conv:from=hours,conv:to=minutes,conv:go"
                                    << "60";
  QTest::newRow("carats to grams") << "1,conv:Weight,conv:from=carats,conv:to=grams,conv:go"
                                   << "0.2";
  QTest::newRow("atmospheres to Pascals")
      << "1,conv:Pressure,conv:from=atmospheres,conv:to=Pascals,conv:go"
      << "101325.000000001";
  QTest::newRow("100 C to F, preselected") << "100,conv:Temp,conv:go"
                                           << "212";
  QTest::newRow("98.6 F to C")
      << "98.6,conv:Temp,conv:from=degrees Farenheit,conv:to=degrees Celsius,conv:go"
      << "37";
  QTest::newRow("0 C to K") << "0,conv:Temp,conv:to=Kelvins,conv:go"
                            << "273.15";
  QTest::newRow("300 K to C") << "300,conv:Temp,conv:from=Kelvins,conv:to=degrees Celsius,conv:go"
                              << "26.85";
  QTest::newRow("C to C keeps ERROR") << "1,÷,0,=,conv:Temp,conv:to=degrees Celsius,conv:go"
                                      << "ERROR";
  QTest::newRow("ERROR between lengths") << "1,÷,0,=,conv:Length,conv:go"
                                         << "ERROR";
  QTest::newRow("convert before any category") << "1,conv:go"
                                               << "ERROR";
  QTest::newRow("never grouped") << "1000000,conv:Weight,conv:from=grams,conv:to=kilograms,conv:go"
                                 << "1000";
  QTest::newRow("a text naming nothing keeps the last From")
      << "1,conv:Length,conv:from=feet,conv:to=meters,conv:go,1,conv:from=furlongs,conv:go"
      << "0.30480000000029";
  QTest::newRow("the box keeps a partly typed name, which names nothing")
      << "1,conv:Length,conv:from=feet,conv:to=meters,conv:go,1,conv:from=fee,conv:go"
      << "0.30480000000029";
  QTest::newRow("names are case-sensitive")
      << "1,conv:Length,conv:from=inches,conv:to=meters,conv:go,1,conv:from=Feet,conv:go"
      << "0.0253999999999726";
  QTest::newRow("speed of light, S.I.")
      << "conv:Constants,conv:open-from,conv:from=c: speed of light (m/s),conv:go"
      << "299792458";
  QTest::newRow("speed of light, Eng.")
      << "conv:Constants,conv:open-to,conv:to=c: speed of light (ft/s),conv:go"
      << "983571056";
  QTest::newRow("Avogadro")
      << "conv:Constants,conv:open-from,conv:from=NA: Avogadro (/(g*mol)),conv:go"
      << "6.0221367E+23";
  QTest::newRow("nano") << "conv:Constants,conv:open-from,conv:from=nano (n): 10^-9,conv:go"
                        << "1E-09";
  QTest::newRow("tera") << "conv:Constants,conv:open-from,conv:from=tera (T): 10^12,conv:go"
                        << "1000000000000";
  QTest::newRow("photon frequency")
      << "conv:Constants,conv:open-from,conv:from=photon frequency (Hz),conv:go"
      << "241798830000000";
  QTest::newRow("the list opened last decides")
      << "conv:Constants,conv:open-to,conv:to=c: speed of light (ft/s),"
         "conv:from=c: speed of light (m/s),conv:go"
      << "983571056";
  QTest::newRow("Eng. opened last but empty: the last Eng. constant")
      << "conv:Constants,conv:open-to,conv:to=g: accel of gravity (ft/s^2),conv:go,"
         "conv:Constants,conv:open-from,conv:from=c: speed of light (m/s),conv:open-to,conv:go"
      << "32.174";
  QTest::newRow("a category after constants")
      << "conv:Constants,conv:open-from,conv:from=k: Boltzman (J/K),conv:Length,2,conv:go"
      << "6.56167979002";
}

void PanelsTest::converter() {
  QFETCH(QString, script);
  QFETCH(QString, display);
  ModelRig rig;
  ConverterPanel panel(rig.model, rig.changed());
  panel.show();
  driveConverter(rig, panel, script);

  ModelRig cli;
  QVERIFY(cli.run(script));
  const ConverterState& s = cli.model.converter().state();
  QCOMPARE(QString::fromStdString(rig.model.calc().display()), display);
  QCOMPARE(QString::fromStdString(cli.model.calc().display()), display);
  QCOMPARE(panel.ok()->text(), QString::fromStdString(s.okCaption));
  QCOMPARE(panel.findChild<QLabel*>("Fromm")->text(), QString::fromStdString(s.frommCaption));
  QCOMPARE(panel.findChild<QLabel*>("too")->text(), QString::fromStdString(s.tooCaption));
  QCOMPARE(comboItems(panel.combo1()), texts(s.combo1.items));
  QCOMPARE(comboItems(panel.combo2()), texts(s.combo2.items));
  QCOMPARE(panel.combo1()->currentText(), QString::fromStdString(s.combo1.text));
  QCOMPARE(panel.combo2()->currentText(), QString::fromStdString(s.combo2.text));
  QCOMPARE(panel.findChild<QFrame*>("Constant1")->isVisible(), s.constant1Visible);
  QCOMPARE(panel.findChild<QFrame*>("Constant2")->isVisible(), s.constant2Visible);
}

void PanelsTest::choosingFromTheOpenedList() {
  ModelRig rig;
  ConverterPanel panel(rig.model, rig.changed());
  panel.show();
  QVERIFY(QTest::qWaitForWindowExposed(&panel));
  QTest::mouseClick(panel.categoryButton(Category::kLength), Qt::LeftButton);
  QCOMPARE(panel.combo1()->currentText(), QStringLiteral("meters"));
  QCOMPARE(panel.combo2()->currentText(), QStringLiteral("feet"));

  // Drop the From list down and pick "inches" in it with the keyboard.
  for (ConverterCombo* box : {panel.combo1(), panel.combo2()}) {
    const QString wanted =
        box == panel.combo1() ? QStringLiteral("inches") : QStringLiteral("yards");
    box->showPopup();
    QAbstractItemView* view = box->view();
    QTRY_VERIFY(view->isVisible());
    view->setCurrentIndex(view->model()->index(box->findText(wanted), 0));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(box->currentText(), wanted);
  }
  QVERIFY(rig.run(QStringLiteral("3")));
  QTest::mouseClick(panel.ok(), Qt::LeftButton);

  ModelRig cli;
  QVERIFY(cli.run(QStringLiteral(
      "conv:Length,conv:open-from,conv:from=inches,conv:open-to,conv:to=yards,3,conv:go")));
  QCOMPARE(rig.model.calc().display(), cli.model.calc().display());
  QCOMPARE(rig.model.converter().state().cchoice, cli.model.converter().state().cchoice);
  // Three inches are a twelfth of a yard.
  QVERIFY(qAbs(QString::fromStdString(rig.model.calc().display()).toDouble() - 1.0 / 12) < 1e-12);
}

void PanelsTest::markersFollowTheOpenedList() {
  ModelRig rig;
  ConverterPanel panel(rig.model, rig.changed());
  panel.show();
  auto* marker1 = panel.findChild<QFrame*>("Constant1");
  auto* marker2 = panel.findChild<QFrame*>("Constant2");
  struct Case {
    const char* script;
    bool first, second;
  };
  // Only the constants library marks the list the next press takes its value from.
  const Case cases[] = {
      {"conv:Length,conv:open-from", false, false},
      {"conv:Length,conv:open-to", false, false},
      {"conv:Constants", false, false},
      {"conv:Constants,conv:open-from", true, false},
      {"conv:Constants,conv:open-from,conv:open-to", false, true},
      {"conv:Constants,conv:open-to,conv:open-from", true, false},
      {"conv:Constants,conv:open-to,conv:Area", false, false},
  };
  for (const Case& c : cases) {
    driveConverter(rig, panel, QString::fromLatin1(c.script));
    QVERIFY2(marker1->isVisible() == c.first, c.script);
    QVERIFY2(marker2->isVisible() == c.second, c.script);
    // Each marker lies behind its list and frames it.
    QVERIFY(marker1->geometry().contains(panel.combo1()->geometry()));
    QVERIFY(marker2->geometry().contains(panel.combo2()->geometry()));
  }
}

void PanelsTest::screenshots() {
  if (screenshotFolder().isEmpty()) QSKIP("ZOVA_SCREENSHOTS names no folder");
  const QSize area(250, 330);
  {
    ModelRig rig;
    StatsPanel panel(rig.model, rig.changed());
    panel.resize(area);
    panel.show();
    driveStats(rig, panel, kData + ",stat:select=3,Stack");
    QVERIFY(saveScreenshot(panel, QStringLiteral("stats-panel.png")));
  }
  {
    ModelRig rig;
    FinancePanel panel(rig.model, rig.changed());
    panel.resize(area);
    panel.show();
    driveFinance(rig, panel, kLoan + ",fin:solve=PMT,6,fin:click=Payments,fin:amortize");
    QVERIFY(saveScreenshot(panel, QStringLiteral("finance-panel.png")));
  }
  {
    ModelRig rig;
    ConverterPanel panel(rig.model, rig.changed());
    panel.resize(area);
    panel.show();
    driveConverter(rig, panel,
                   QStringLiteral("conv:Constants,conv:open-from,"
                                  "conv:from=c: speed of light (m/s)"));
    QVERIFY(saveScreenshot(panel, QStringLiteral("converter-panel.png")));
  }
}

QTEST_MAIN(PanelsTest)
#include "panels_test.moc"
