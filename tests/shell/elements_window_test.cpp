// The periodic table window through real widgets, against the same script on the command line.
#include "shell/elements_window.h"

#include <QDropEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QtTest>
#include <cmath>
#include <map>
#include <set>

#include "shell/model_rig.h"

using namespace zova;

namespace {

void moveMouse(QWidget* w, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(w, &move);
}

template <class... T>
QStringList strings(const T&... s) {
  return {q(s)...};
}

/// True when a drop of `text` on the widget is accepted.
bool dropText(QWidget* target, const QString& text) {
  QMimeData mime;
  mime.setText(text);
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  if (enter.isAccepted()) QCoreApplication::sendEvent(target, &drop);
  return enter.isAccepted() && drop.isAccepted();
}

// Plays a script; "close" closes the window and opens it again, "=!text" on a slot or count box
// is a drop that must be refused.
void drive(ModelRig& rig, ElementsWindow& w, const QString& script) {
  for (const QString& t : script.split(',', Qt::SkipEmptyParts)) {
    const QString value = t.section('=', 1);
    const int n = t.section('=', 0, 0).right(1).toInt();
    if (t == "close") {
      QVERIFY(w.close());
      w.show();
    } else if (value.startsWith('!')) {
      QVERIFY2(!dropText(t.contains("drop") ? static_cast<QWidget*>(w.slotLabel(n)) : w.countBox(n),
                         value.mid(1)),
               qPrintable(t));
    } else {
      QVERIFY2(play(w, rig.model, t), qPrintable(t));
    }
  }
}

}  // namespace

class ElementsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void tilesAreFoundAndPaintedWhereTheyAreDrawn();
  void hoverAndMolarMass_data();
  void hoverAndMolarMass();
};

// Each tile lies in the window in its own cell, found where drawn, in its group's colour (ten
// groups, ten colours); the information area and the gap above the lanthanides are no tiles.
void ElementsWindowTest::tilesAreFoundAndPaintedWhereTheyAreDrawn() {
  ModelRig rig;
  ElementsWindow w(rig.model, rig.changed());
  const QImage image = w.grab().toImage();
  std::set<std::pair<int, int>> cells;
  std::map<ElementGroup, QRgb> colours;
  for (const Element& e : kElements) {
    const QRect r = ElementsWindow::tileRect(e);
    const QRgb c = image.pixel(r.left() + 3, r.bottom() - 4);  // away from the text
    const auto [it, fresh] = colours.emplace(elementGroup(e.number), c);
    QVERIFY2(QRect(0, 0, 620, 414).contains(r) && cells.insert({e.row, e.column}).second &&
                 ElementsWindow::tileAt(r.center()) == &e &&
                 ElementsWindow::tileAt(r.topLeft() + QPoint(1, 1)) == &e &&
                 (fresh || it->second == c),
             std::string(e.name).c_str());
  }
  std::set<QRgb> distinct;
  for (auto [g, c] : colours) distinct.insert(c);
  QCOMPARE(distinct.size(), std::size_t{10});
  QVERIFY(!ElementsWindow::tileAt(QPoint(150, 30)) && !ElementsWindow::tileAt(QPoint(50, 380)));
  // A modeless window on top; moving off the tiles keeps the last element described.
  QVERIFY(w.isWindow() && !w.isModal() && (w.windowFlags() & Qt::WindowStaysOnTopHint));
  drive(rig, w, QStringLiteral("elem:hover=S"));
  moveMouse(&w, QPoint(300, 100));
  QCOMPARE(child<QLabel>(w, "symbol")->text(), QStringLiteral("S"));
}

void ElementsWindowTest::hoverAndMolarMass_data() {
  QTest::addColumn<QString>("script");
  QTest::addColumn<QStringList>("shown");  // "Control=text" pairs
  QTest::addColumn<QString>("display");    // "" when the display is left alone
  auto row = [](const char* name, const char* script, QStringList shown, const char* display) {
    QTest::newRow(name) << script << shown << display;
  };
  row("before the first hover", "", {"symbol=", "firstCount=1", "multiplier=1"}, "");
  row("oxygen", "elem:hover=O", {"symbol=O", "atomicNumber=8", "atomicMass=15.9994"}, "");
  row("helium's mass to the display", "elem:hover=He,elem:mass", {}, "4.00260");
  row("water", "molar:drop1=H,molar:count1=2,molar:drop2=O",
      {"firstSlot=H", "secondSlot=O", "molarMass=18.01528",
       "molarCaption=\u00b5 = ", "molarUnit=g/mol"},
      "");
  row("an empty multiplier gives 0", "molar:drop1=H,molar:index=", {"molarMass=0"}, "");
  row("clear keeps counts and multiplier", "molar:drop1=H,molar:count1=2,molar:index=3,molar:clear",
      {"firstSlot=", "firstCount=2", "multiplier=3", "molarCaption=", "molarUnit="}, "");
  row("the result goes to the display as shown",
      "molar:drop1=H,molar:count1=2,molar:drop2=O,molar:result", {}, "18.01528");
  row("closing empties the slots but keeps the counts",
      "elem:hover=Fe,molar:drop1=H,molar:count1=2,molar:drop3=S,close",
      {"firstSlot=", "thirdSlot=", "firstCount=2", "symbol=S"}, "");
  // A failed result is no amount of grams per mole.
  row("an overflow shows no unit", "molar:drop1=O,molar:index=1E308",
      {"molarMass=ERROR", "molarCaption=\u00b5 = ", "molarUnit="}, "");
  row("a result after an overflow has its unit", "molar:drop1=O,molar:index=1E308,molar:index=1",
      {"molarMass=15.9994", "molarUnit=g/mol"}, "");
  // A box that holds no number shows no mass and is marked; an empty one counts 0.
  row("a negative count", "molar:drop1=H,molar:count1=-5,molar:drop2=O",
      {"molarCaption=", "molarUnit="}, "");
  row("texts that are no number",
      "molar:count2=2x,molar:count3=&H10,molar:count4=FF,molar:index=abc", {}, "");
  row("long counts widen their boxes",
      "molar:drop1=H,molar:count1=0.000125,molar:count3=1.5E-3,molar:index=12345", {}, "");
  row("the longest counts share the room",
      "molar:count1=1234567890123456789,molar:count2=1234567890123456789,"
      "molar:count3=1234567890123456789,molar:count4=1234567890123456789,molar:index=12345",
      {}, "");
  // Text naming no element, and drops outside the slots, change nothing.
  row("other drops are refused",
      "molar:drop2=O,molar:drop2=!Xx,molar:drop2=!,molar:drop2=!o,molar:count1=!H",
      {"secondSlot=O", "firstCount=1", "molarMass=15.9994"}, "");
}

void ElementsWindowTest::hoverAndMolarMass() {
  QFETCH(QString, script);
  QFETCH(QStringList, shown);
  QFETCH(QString, display);
  ModelRig rig, cli;
  ElementsWindow w(rig.model, rig.changed());
  w.show();
  drive(rig, w, script);
  // The command line has no refused drops; closing is the form's unload.
  QVERIFY(script.isEmpty() ||
          cli.run(QString(script).remove(QRegularExpression(",[^,]*=![^,]*|,close"))));
  if (script.endsWith(",close")) cli.model.elements().windowClosed();
  const ElementsState& s = cli.model.elements().state();
  const QStringList names = QStringLiteral(
                                "symbol elementName atomicNumber atomicMass electrons "
                                "numberCaption massCaption electronsCaption "
                                "molarCaption molarUnit molarMass multiplier")
                                .split(' ');
  const QStringList texts =
      strings(s.info.symbol, s.info.name, s.info.number, s.info.mass, s.info.electrons,
              s.info.numberCaption, s.info.massCaption, s.info.electronsCaption, s.molarCaption,
              s.molarUnit, s.molar, s.multiplier);
  for (int i = 0; i < names.size(); ++i) shown << names[i] + '=' + texts[i];
  for (int i = 0; i < kSlotCount; ++i)
    shown << w.slotLabel(i + 1)->objectName() + '=' + q(s.formula[i].symbol)
          << w.countBox(i + 1)->objectName() + '=' + q(s.formula[i].count);
  for (const QString& pair : shown) {
    QWidget* c = child<QWidget>(w, qPrintable(pair.section('=', 0, 0)));
    const auto* edit = qobject_cast<QLineEdit*>(c);
    QCOMPARE(edit ? edit->text() : qobject_cast<QLabel*>(c)->text(), pair.section('=', 1));
  }
  // Each box is marked exactly when it holds no number, and as wide as its text while the row
  // has room; the row runs left to right without overlapping, and ends before helium's tile.
  int right = 0;
  for (int i = 0; i <= kSlotCount; ++i) {
    QLineEdit* box = i ? w.countBox(i) : child<QLineEdit>(w, "multiplier");
    const bool bad = i ? s.formula[i - 1].badCount : s.badMultiplier;
    const QColor frame = box->grab().toImage().pixel(0, box->height() / 2);
    QVERIFY2((frame == ElementsWindow::markColour()) == bad && box->toolTip().isEmpty() != bad,
             qPrintable(box->objectName()));
    QVERIFY(box->x() > right && (i == 0 || box->x() > w.slotLabel(i)->x()));
    QVERIFY(box->text().size() > 10 ||
            box->width() >= box->fontMetrics().horizontalAdvance(box->text()));
    right = box->geometry().right();
  }
  QVERIFY(child<QWidget>(w, "clearFormula")->geometry().right() <
          ElementsWindow::tileRect(*findElement("He")).left());
  QCOMPARE(child<QLabel>(w, "molarMass")->isVisible(), s.molarShown);
  QCOMPARE(child<QWidget>(w, "clearFormula")->isVisible(), s.clearShown);
  QCOMPARE(child<QLabel>(w, "atomicMass")->isVisible(), s.info.valuesShown);
  QCOMPARE(child<QLabel>(w, "atomicNumber")->isVisible(), s.info.valuesShown);
  QCOMPARE(rig.model.calc().display(), cli.model.calc().display());
  QVERIFY(display.isEmpty() || (q(rig.model.calc().display()) == display && rig.changes > 0));
  // A result off the double range never shows as a wrong number.
  bool ok = false;
  const double molar = child<QLabel>(w, "molarMass")->text().toDouble(&ok);
  QVERIFY(!s.molarShown || !ok || std::isfinite(molar));
}

static const ShellTest<ElementsWindowTest> kRegistered("elements_window");
#include "elements_window_test.moc"
