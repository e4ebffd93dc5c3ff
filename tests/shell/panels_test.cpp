// The three fold-out panels through real widgets: a script played on them shows what it gives on
// the command line.
#include <QListWidget>
#include <QRegularExpression>
#include <QtTest>

#include "shell/converter_panel.h"
#include "shell/finance_panel.h"
#include "shell/model_rig.h"
#include "shell/stats_panel.h"

using namespace zova;

namespace {

QStringList texts(const std::vector<std::string>& v) {
  QStringList out;
  for (const std::string& s : v) out << q(s);
  return out;
}

QString items(const QAbstractItemModel* m) {
  QStringList out;
  for (int i = 0; i < m->rowCount(); ++i) out << m->index(i, 0).data().toString();
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
  StatsPanel stats{rig.model, rig.changed(), &host};
  FinancePanel finance{rig.model, rig.changed(), &host};
  ConverterPanel converter{rig.model, rig.changed(), &host};
};

void play(Panels& p, const QString& script) { QVERIFY(zova::play(p.host, p.rig.model, script)); }

const char* listName(std::optional<ConverterList> list) {
  return !list ? "none" : *list == ConverterList::kFrom ? "from" : "to";
}

// What the panels show, from the widgets or from a model: the display, the statistics list and
// choice, the converter's captions, lists and markers, the financial cells and the messages.
QStringList shown(Panels& p) {
  ConverterPanel& c = p.converter;
  QStringList f =
      QString::asprintf("row=%d markers=%d,%d messages=%d beeps=%d timing=%d,%d start=%d choice=%s",
                        p.stats.list()->currentRow(), child<QFrame>(c, "fromMarker")->isVisible(),
                        child<QFrame>(c, "toMarker")->isVisible(), int(p.rig.tk.messages.size()),
                        p.rig.tk.beeps, child<QCheckBox>(p.finance, "startBox")->isChecked(),
                        child<QCheckBox>(p.finance, "endBox")->isChecked(),
                        p.rig.model.finance().state().paymentsAtStart,
                        listName(p.rig.model.converter().state().openedLast))
          .split(' ');
  f << "display=" + q(p.rig.model.calc().display()) << "list=" + items(p.stats.list()->model())
    << "captions=" + c.convertKey()->text() + '|' + child<QLabel>(c, "fromLabel")->text() + '|' +
           child<QLabel>(c, "toLabel")->text()
    << "lists=" + items(c.fromList()->model()) + '/' + items(c.toList()->model())
    << "texts=" + c.fromList()->currentText() + '/' + c.toList()->currentText();
  for (const FinCellRow& row : finCellTable())
    f << q(row.name) + '=' + p.finance.cell(row.cell)->text();
  for (const auto& m : p.rig.tk.messages) f << q("message=" + m.title + ": " + m.text);
  return f;
}

QStringList shown(ModelRig& cli) {
  const ConverterState& c = cli.model.converter().state();
  const auto row = cli.model.stats().selected();
  const bool start = cli.model.finance().state().paymentsAtStart;
  QStringList f =
      QString::asprintf("row=%d markers=%d,%d messages=%d beeps=%d timing=%d,%d start=%d choice=%s",
                        row ? static_cast<int>(*row) : -1, c.fromMarkerVisible, c.toMarkerVisible,
                        int(cli.tk.messages.size()), cli.tk.beeps, start, !start, start,
                        listName(c.openedLast))
          .split(' ');
  f << "display=" + q(cli.model.calc().display())
    << "list=" + texts(cli.model.stats().items()).join('|')
    << "captions=" + q(c.convertCaption + '|' + c.fromCaption + '|' + c.toCaption)
    << "lists=" + texts(c.fromList.items).join('|') + '/' + texts(c.toList.items).join('|')
    << "texts=" + q(c.fromList.text + '/' + c.toList.text);
  for (const FinCellRow& row : finCellTable())
    f << q(row.name) + '=' + q(cli.model.finance().caption(row.cell));
  for (const auto& m : cli.tk.messages) f << q("message=" + m.title + ": " + m.text);
  return f;
}

const QString kData = QStringLiteral(
    "2,stat:enter,4,stat:enter,4,stat:enter,4,stat:enter,5,stat:enter,5,stat:enter,7,stat:enter,"
    "9,stat:enter");
const QString kLoan =
    QStringLiteral("1000,fin:click=PV,12,fin:click=%/Yr,12,fin:click=P/Yr,12,fin:click=N");
const QString kAmortize = QStringLiteral(
    "1000,fin:click=PV,12,fin:click=%/Yr,12,fin:click=P/Yr,88.85,±,fin:click=PMT,6,"
    "fin:click=Payments,fin:amortize");

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
  QTest::addColumn<QStringList>("pins");  // lines that must be among those shown
  const QString error = q("message=Error: " + std::string(kFinErrorText));
  auto row = [](const char* name, const QString& script, const QStringList& pins) {
    QTest::newRow(name) << script << pins;
  };
  row("sample SD", kData + ",stat:sample", {});
  row("ERROR is not entered", "1,÷,0,=,stat:enter,stat:n", {"display=0", "list="});
  row("a chosen item goes to the display", kData + ",stat:select=2", {"display=5", "row=2"});
  row("delete the chosen item", kData + ",stat:select=0,stat:delete,stat:sum", {"display=31"});
  row("stack enters every result", "Stack,2,+,3,=,4,X,5,=,stat:sum", {"display=25"});
  row("PMT, payments at the end", kLoan + ",fin:solve=PMT", {"messages=0"});
  // Ticking one timing box unticks the other; unticking either ticks the other.
  row("start and back", "fin:start,fin:start", {"timing=0,1"});
  row("unticking end", "fin:end", {"timing=1,0"});
  row("PMT without N fails and keeps the cell", "5,fin:click=PMT,1000,fin:click=PV,fin:solve=PMT",
      {"PMT=5.00", "messages=1", error});
  row("lower PV, then the next six payments", kAmortize + ",fin:topv,fin:amortize", {});
  row("clear keeps P/Yr and Payments", kLoan + ",fin:solve=PMT,fin:clear", {"N=", "P/Yr=12"});
  row("typed unit names", "1,conv:Length,conv:from=inches,conv:to=centimeters,conv:go", {});
  row("convert before any category beeps", "1,conv:go,2", {"display=12", "beeps=1"});
  row("a partly typed name is no unit: it beeps, and the entry goes on",
      "1,conv:Length,conv:from=feet,conv:to=meters,conv:go,1,conv:from=fee,conv:go,2",
      {"display=12", "beeps=1", "texts=fee/meters"});
  row("the list opened last decides",
      "conv:Constants,conv:open-to,conv:to=c: speed of light (ft/s),"
      "conv:from=c: speed of light (m/s),conv:go",
      {});
  row("lists picked from", "conv:Length,conv:pick-from=inches,conv:pick-to=yards,3,conv:go",
      {"choice=to"});
  // Only the constants library marks the list the next press takes its value from.
  row("no marker for a unit list", "conv:Length,conv:open-from", {"markers=0,0"});
  row("the second list marked", "conv:Constants,conv:open-from,conv:open-to", {"markers=0,1"});
  row("the first again", "conv:Constants,conv:open-to,conv:open-from", {"markers=1,0"});
}

void PanelsTest::matchTheCommandLine() {
  QFETCH(QString, script);
  QFETCH(QStringList, pins);
  Panels p;
  QVERIFY(QTest::qWaitForWindowExposed(&p.host));
  play(p, script);
  ModelRig cli;
  // A list picked from is one opened, then named.
  QVERIFY(cli.run(QString(script).replace(QRegularExpression("conv:pick-(\\w+)=([^,]*)"),
                                          "conv:open-\\1,conv:\\1=\\2")));
  const QStringList got = shown(p);
  QCOMPARE(got, shown(cli));
  for (const QString& pin : pins)
    QVERIFY2(got.contains(pin), qPrintable(pin + " in " + got.join('\n')));
  QVERIFY(p.rig.changes > 0);
  if (script.contains("pick-")) QVERIFY(p.rig.tk.focusCount > 0);  // keys go back to the calculator
  // Each marker lies behind its list and frames it.
  for (const auto& [marker, list] : {std::pair{"fromMarker", p.converter.fromList()},
                                     std::pair{"toMarker", p.converter.toList()}})
    QVERIFY(child<QFrame>(p.converter, marker)->geometry().contains(list->geometry()));
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
  for (bool lit : {false, true, false, true}) {
    if (lit || stack->isChecked()) click(stack);
    QCOMPARE(p.rig.model.calc().state().resultsToStats, lit);
    QVERIFY(stack->isChecked() == lit && stack->lamp() == (lit ? on : off));
    QVERIFY(pixelsOf(stack, lit ? on : off) > 0 && pixelsOf(stack, lit ? off : on) == 0);
    QVERIFY(pixelsOf(stack, back) > 0);
  }
  QVERIFY(p.rig.run(QStringLiteral("Stack")));
  p.stats.refresh();
  QVERIFY(!stack->isChecked() && stack->lamp() == off);
}

// In units and in constants, the captions over the lists show whole, and each list drops down as
// wide as its longest entry; the closed box keeps its width.
void PanelsTest::dropDownListsShowLongestEntryWhole() {
  Panels p;
  int longerThanTheBox = 0;  // lists holding a name the closed box cannot show whole
  for (const QString& script : {QStringLiteral("conv:Length"), QStringLiteral("conv:Constants")}) {
    play(p, script);
    for (const char* name : {"fromLabel", "toLabel"}) {
      const auto* caption = child<QLabel>(p.converter, name);
      const int needed = caption->fontMetrics().horizontalAdvance(caption->text());
      QVERIFY2(needed > 0 && caption->contentsRect().width() >= needed,
               qPrintable(caption->text()));
    }
    for (ConverterCombo* combo : {p.converter.fromList(), p.converter.toList()}) {
      const int closedWidth = combo->width();
      combo->showPopup();
      QAbstractItemView* view = combo->view();
      QTRY_VERIFY(view->isVisible());
      int longest = 0;
      QString longestText;
      for (int i = 0; i < combo->count(); ++i) {
        const int w = view->fontMetrics().horizontalAdvance(combo->itemText(i));
        if (w > longest) longest = w, longestText = combo->itemText(i);
      }
      if (longest > closedWidth) ++longerThanTheBox;
      QVERIFY2(view->viewport()->width() >= longest, qPrintable(longestText));
      combo->hidePopup();
      QCOMPARE(combo->width(), closedWidth);
    }
  }
  QVERIFY(longerThanTheBox > 0);
}

static const ShellTest<PanelsTest> kRegistered("panels");
#include "panels_test.moc"
