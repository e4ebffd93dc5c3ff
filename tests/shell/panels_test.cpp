// The three fold-out panels through real widgets: a script played on them shows what it gives on
// the command line.
#include <QListWidget>
#include <QRegularExpression>
#include <QtTest>

#include "shell/model_rig.h"

using namespace zova;

namespace {

QString joined(const std::vector<std::string>& v) {
  QStringList out;
  for (const std::string& s : v) out << q(s);
  return out.join('|');
}

QString items(const QComboBox* c) {
  QStringList out;
  for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
  return out.join('|');
}

// A model behind the three panels, shown side by side.
struct Panels {
  Panels() {
    stats.resize(250, 330);
    finance.move(250, 0);
    converter.move(250 + finance.width(), 0);
    host.resize(converter.geometry().right() + 1, 400);
    host.show();
  }
  ModelRig rig;
  QWidget host;
  StatsPanel stats{rig.model, rig.changed(), rig.zoom, &host};
  FinancePanel finance{rig.model, rig.changed(), rig.zoom, &host};
  ConverterPanel converter{rig.model, rig.changed(), rig.zoom, &host};
};

// What the panels' widgets show: the statistics list and choice, the timing boxes, the
// converter's markers, captions and lists, and the financial cells.
QStringList shown(Panels& p) {
  ConverterPanel& c = p.converter;
  QStringList list;
  for (int i = 0; i < p.stats.list()->count(); ++i) list << p.stats.list()->item(i)->text();
  QStringList f = {
      QString::asprintf("row=%d", p.stats.list()->currentRow()),
      QString::asprintf("markers=%d,%d", child<QFrame>(c, "fromMarker")->isVisible(),
                        child<QFrame>(c, "toMarker")->isVisible()),
      QString::asprintf("timing=%d,%d", child<QCheckBox>(p.finance, "startBox")->isChecked(),
                        child<QCheckBox>(p.finance, "endBox")->isChecked()),
      "list=" + list.join('|'),
      "captions=" + c.convertKey()->text() + '|' + child<QLabel>(c, "fromLabel")->text() + '|' +
          child<QLabel>(c, "toLabel")->text(),
      "lists=" + items(c.fromList()) + '/' + items(c.toList()),
      "texts=" + c.fromList()->currentText() + '/' + c.toList()->currentText()};
  for (const FinCellRow& row : finCellTable())
    f << q(row.name) + '=' + p.finance.cell(row.cell)->text();
  return f;
}

// The same from a model.
QStringList shown(const Model& m) {
  const ConverterState& c = m.converter().state();
  const bool start = m.finance().state().paymentsAtStart;
  QStringList f = {
      QString::asprintf("row=%d", m.stats().selected() ? int(*m.stats().selected()) : -1),
      QString::asprintf("markers=%d,%d", c.fromMarkerVisible, c.toMarkerVisible),
      QString::asprintf("timing=%d,%d", start, !start),
      "list=" + joined(m.stats().items()),
      q("captions=" + c.convertCaption + '|' + c.fromCaption + '|' + c.toCaption),
      "lists=" + joined(c.fromList.items) + '/' + joined(c.toList.items),
      q("texts=" + c.fromList.text + '/' + c.toList.text)};
  for (const FinCellRow& row : finCellTable())
    f << q(row.name) + '=' + q(m.finance().caption(row.cell));
  return f;
}

const QString kData =
    QStringLiteral("2,stat:enter,4,stat:enter,4,stat:enter,5,stat:enter,9,stat:enter");
const QString kLoan =
    QStringLiteral("1000,fin:click=PV,12,fin:click=%/Yr,12,fin:click=P/Yr,12,fin:click=N");

// Pixels of exactly this colour in what the widget shows.
int pixelsOf(QWidget* w, const QColor& colour) {
  const QImage image = w->grab().toImage();
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += QColor(image.pixel(x, y)) == colour;
  return n;
}

}  // namespace

class PanelsTest : public QObject {
  Q_OBJECT
 private slots:
  void matchTheCommandLine_data();
  void matchTheCommandLine();
  void stackToggleLightsUp();
  void dropDownListsShowLongestEntryWhole();
};

void PanelsTest::matchTheCommandLine_data() {
  QTest::addColumn<QString>("script");
  QTest::addColumn<QString>("pins");  // lines that must be among those shown
  const std::pair<QString, const char*> rows[] = {
      {kData + ",stat:select=2", "display=4 row=2"},
      {kData + ",stat:select=0,stat:delete,stat:sum", "display=15"},
      {kLoan + ",fin:solve=PMT,fin:clear", "N= P/Yr=12"},
      {"fin:start,fin:start,fin:end", "timing=1,0"},
      {kLoan + ",88.85,±,fin:click=PMT,6,fin:click=Payments,fin:amortize,fin:topv,fin:amortize",
       ""},
      {"1,conv:Length,conv:from=inches,conv:to=centimeters,conv:go", ""},
      {"conv:Constants,conv:open-to,conv:to=c: speed of light (ft/s),"
       "conv:from=c: speed of light (m/s),conv:go",
       "markers=0,1"},
      {"conv:Constants,conv:open-to,conv:open-from", "markers=1,0"},
      {"conv:Length,conv:pick-from=inches,conv:pick-to=yards,3,conv:go", ""}};
  for (const auto& [script, pins] : rows) QTest::newRow(qPrintable(script)) << script << pins;
}

void PanelsTest::matchTheCommandLine() {
  QFETCH(QString, script);
  QFETCH(QString, pins);
  Panels p;
  QVERIFY(QTest::qWaitForWindowExposed(&p.host));
  QVERIFY(play(p.host, p.rig.model, script));
  ModelRig cli;
  // A list picked from is one opened, then named.
  QVERIFY(cli.run(QString(script).replace(QRegularExpression("conv:pick-(\\w+)=([^,]*)"),
                                          "conv:open-\\1,conv:\\1=\\2")));
  const QStringList got = shown(p) << "display=" + q(p.rig.model.calc().display());
  QCOMPARE(got, shown(cli.model) << "display=" + q(cli.model.calc().display()));
  for (const QString& pin : pins.split(' ', Qt::SkipEmptyParts))
    QVERIFY2(got.contains(pin), qPrintable(pin + " in " + got.join('\n')));
  QVERIFY(p.rig.changes > 0);
  if (script.contains("pick-")) QVERIFY(p.rig.tk.focusCount > 0);  // keys go back to the calculator
  // Each financial cell paints its frame and text over its background.
  for (QLabel* cell : p.finance.findChildren<QLabel*>(QRegularExpression("Cell$")))
    QVERIFY(pixelsOf(cell, cell->palette().color(QPalette::Base)) < cell->width() * cell->height());
  // A marker frames its list in red.
  for (const auto& [marker, list] : {std::pair{"fromMarker", p.converter.fromList()},
                                     std::pair{"toMarker", p.converter.toList()}}) {
    QFrame* frame = child<QFrame>(p.converter, marker);
    QVERIFY(frame->geometry().contains(list->geometry()));
    if (frame->isVisible())
      QCOMPARE(p.converter.grab(frame->geometry()).toImage().pixelColor(0, 0),
               QColor(0xC0, 0x20, 0x20));
  }
}

// The lamp lights with the toggle and the model; the window's colours repaint the background and
// text but not the lamp. The W key works without the panel, which follows when it redraws.
void PanelsTest::stackToggleLightsUp() {
  Panels p;
  StackToggle* stack = p.stats.stackToggle();
  const QColor on(0x00, 0xFF, 0x00), off(0x00, 0x40, 0x00), back(0xC0, 0x60, 0x60);
  QPalette palette = stack->palette();
  palette.setColor(QPalette::Window, back);
  palette.setColor(QPalette::WindowText, Qt::black);
  stack->setPalette(palette);
  stack->setAutoFillBackground(true);
  for (bool lit : {true, false}) {
    click(stack);
    QVERIFY(p.rig.model.calc().state().resultsToStats == lit && stack->isChecked() == lit);
    QVERIFY(pixelsOf(stack, lit ? on : off) > 0 && pixelsOf(stack, lit ? off : on) == 0);
    QVERIFY(pixelsOf(stack, back) > 0);
  }
  QVERIFY(p.rig.run(QStringLiteral("Stack")));
  p.stats.refresh();
  QVERIFY(stack->isChecked() && stack->lamp() == on);
}

// In units and in constants, the captions over the lists show whole, and each list drops down as
// wide as its longest entry; the closed box keeps its width.
void PanelsTest::dropDownListsShowLongestEntryWhole() {
  Panels p;
  int longerThanTheBox = 0;  // lists holding a name the closed box cannot show whole
  for (const QString& script : {QStringLiteral("conv:Length"), QStringLiteral("conv:Constants")}) {
    QVERIFY(play(p.host, p.rig.model, script));
    for (const char* name : {"fromLabel", "toLabel"}) {
      const auto* caption = child<QLabel>(p.converter, name);
      QVERIFY2(caption->contentsRect().width() >=
                   caption->fontMetrics().horizontalAdvance(caption->text()),
               qPrintable(caption->text()));
    }
    for (ConverterCombo* combo : {p.converter.fromList(), p.converter.toList()}) {
      const int closedWidth = combo->width();
      combo->showPopup();
      QAbstractItemView* view = combo->view();
      QTRY_VERIFY(view->isVisible());
      int longest = 0;
      for (int i = 0; i < combo->count(); ++i)
        longest = std::max(longest, view->fontMetrics().horizontalAdvance(combo->itemText(i)));
      longerThanTheBox += longest > closedWidth;
      QVERIFY(view->viewport()->width() >= longest);
      combo->hidePopup();
      QCOMPARE(combo->width(), closedWidth);
    }
  }
  QVERIFY(longerThanTheBox > 0);
}

static const ShellTest<PanelsTest> kRegistered("panels");
#include "panels_test.moc"
