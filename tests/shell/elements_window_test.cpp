// The periodic table window through real widgets, against the same script on the command line.
#include "shell/elements_window.h"

#include <QRegularExpression>
#include <QtTest>
#include <cmath>
#include <map>
#include <set>

#include "shell/model_rig.h"

using namespace zova;

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
  ElementsWindow w(rig.model, rig.changed(), rig.zoom);
  const QImage image = w.grab().toImage();
  std::set<std::pair<int, int>> cells;
  std::map<ElementGroup, QRgb> colours;
  for (const Element& e : kElements) {
    const QRect r = w.tileRect(e);
    const QRgb c = image.pixel(r.left() + 3, r.bottom() - 4);  // away from the text
    const auto [it, fresh] = colours.emplace(elementGroup(e.number), c);
    QVERIFY2(QRect(0, 0, 620, 414).contains(r) && cells.insert({e.row, e.column}).second &&
                 w.tileAt(r.center()) == &e && w.tileAt(r.topLeft() + QPoint(1, 1)) == &e &&
                 (fresh || it->second == c),
             std::string(e.name).c_str());
  }
  std::set<QRgb> distinct;
  for (auto [g, c] : colours) distinct.insert(c);
  QCOMPARE(distinct.size(), std::size_t{10});
  QVERIFY(!w.tileAt(QPoint(150, 30)) && !w.tileAt(QPoint(50, 380)));
  // A modeless window on top; moving off the tiles keeps the last element described.
  QVERIFY(w.isWindow() && !w.isModal() && (w.windowFlags() & Qt::WindowStaysOnTopHint));
  QVERIFY(play(w, rig.model, QStringLiteral("elem:hover=S")));
  hover(&w, QPoint(300, 100));
  QCOMPARE(child<QLabel>(w, "symbol")->text(), QStringLiteral("S"));
  // Under a dark desktop palette the paper and the boxes are the palette's, the tiles their own.
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  for (auto [role, rgb] : {std::pair{QPalette::Window, 0x303030},
                           {QPalette::Base, 0x202020},
                           {QPalette::WindowText, 0xf0f0f0},
                           {QPalette::Text, 0xf0f0f0}})
    dark.setColor(role, QColor(rgb));
  QApplication::setPalette(dark);
  ElementsWindow night(rig.model, rig.changed(), rig.zoom);
  const QImage nightImage = night.grab().toImage();
  const QImage box = child<QLineEdit>(night, "multiplier")->grab().toImage();
  QApplication::setPalette(light);
  QCOMPARE(nightImage.pixel(150, 30), dark.color(QPalette::Window).rgb());
  QCOMPARE(box.pixel(2, 2), dark.color(QPalette::Base).rgb());
  const QRect hydrogen = w.tileRect(kElements[0]);
  QCOMPARE(nightImage.pixel(hydrogen.left() + 3, hydrogen.bottom() - 4),
           image.pixel(hydrogen.left() + 3, hydrogen.bottom() - 4));
}

void ElementsWindowTest::hoverAndMolarMass_data() {
  QTest::addColumn<QString>("script");   // "close" closes and opens again; "=!text" must be refused
  QTest::addColumn<QString>("display");  // "" when the display is left alone
  const std::pair<const char*, const char*> rows[] = {
      {"elem:hover=O", ""},
      {"elem:hover=He,elem:mass", "4.00260"},
      {"molar:drop1=H,molar:count1=2,molar:drop2=O,molar:result", "18.01528"},
      {"molar:drop1=H,molar:count1=2,molar:index=3,molar:clear", ""},
      {"elem:hover=Fe,molar:drop1=H,molar:count1=2,molar:drop3=S,close", ""},
      {"molar:drop1=O,molar:index=1E308", ""},
      {"molar:drop1=H,molar:count1=-5,molar:count2=2x,molar:count3=&H10,molar:index=abc", ""},
      {"molar:drop1=H,molar:count1=0.000125,molar:count3=1.5E-3,molar:index=12345", ""},
      {"molar:count1=1234567890123456789,molar:count2=1234567890123456789,"
       "molar:count3=1234567890123456789,molar:count4=1234567890123456789,molar:index=12345",
       ""},
      {"molar:drop2=O,molar:drop2=!Xx,molar:drop2=!,molar:drop2=!o,molar:count1=!H", ""},
      // By keyboard (after "|" the same by mouse): the arrows walk the table, describing the
      // focused tile; Enter and Space fill the next free slot, or click the control Tab
      // reached; Backtab reaches the result.
      {"tile:H,keys:Right Return Down Space Left Left Up|elem:hover=He,molar:drop1=He,"
       "elem:hover=Ne,molar:drop2=Ne,elem:hover=He",
       ""},
      {"tile:Fe,keys:Down Down Down Down Return Up Right Right Up Down Down Down Down Return|"
       "elem:hover=Pm,molar:drop1=Pm,elem:hover=Pu,molar:drop2=Pu",
       ""},
      {"tile:Na,keys:Space Space Space Space Space Tab Tab Tab 3 Tab 2|elem:hover=Na,"
       "molar:drop1=Na,molar:drop2=Na,molar:drop3=Na,molar:drop4=Na,molar:index=3,"
       "molar:count1=2",
       ""},
      // Tab then reaches the atomic number and mass, and after the boxes Clear.
      {"tile:Fe,keys:Tab Return|elem:hover=Fe,elem:number", "26"},
      {"tile:H,keys:Return Tab Tab Tab Tab Tab Tab Tab Tab Return|elem:hover=H,molar:drop1=H,"
       "molar:clear",
       ""},
      {"tile:Cl,keys:Return Backtab Return|elem:hover=Cl,molar:drop1=Cl,molar:result", "35.4527"}};
  for (const auto& [script, display] : rows)
    QTest::newRow(script) << QString::fromUtf8(script) << QString::fromLatin1(display);
}

// The widgets show the model's state, each box marked exactly when it holds no number.
void ElementsWindowTest::hoverAndMolarMass() {
  QFETCH(QString, script);
  QFETCH(QString, display);
  ModelRig rig, cli;
  ElementsWindow w(rig.model, rig.changed(), rig.zoom);
  w.show();
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  for (const QString& t : script.section('|', 0, 0).split(',')) {
    const int n = t.section('=', 0, 0).right(1).toInt();
    if (t.startsWith("tile:")) {
      child<QWidget>(w, "tile" + t.mid(5))->setFocus(Qt::TabFocusReason);
    } else if (t.startsWith("keys:")) {
      for (const QString& key : t.mid(5).split(' '))
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
    } else if (t == "close") {
      QVERIFY(w.close());
      w.show();
    } else if (t.section('=', 1).startsWith('!')) {
      QWidget* target = t.contains("drop") ? static_cast<QWidget*>(w.slotLabel(n)) : w.countBox(n);
      QVERIFY2(!dropText(target, t.section('=', 1).mid(1)), qPrintable(t));
    } else {
      QVERIFY2(play(w, rig.model, t), qPrintable(t));
    }
  }
  // The command line has no refused drops; closing is the form's unload.
  QVERIFY(cli.run(script.contains('|')
                      ? script.section('|', 1)
                      : QString(script).remove(QRegularExpression(",[^,]*=![^,]*|,close"))));
  if (script.endsWith(",close")) cli.model.elements().windowClosed();
  const ElementsState& s = cli.model.elements().state();
  const std::map<const char*, std::string> texts = {
      {"symbol", s.info.symbol},           {"elementName", s.info.name},
      {"atomicNumber", s.info.number},     {"atomicMass", s.info.mass},
      {"electrons", s.info.electrons},     {"molarCaption", s.molarCaption},
      {"molarUnit", s.molarUnit},          {"molarMass", s.molar},
      {"multiplier", s.multiplier},        {"numberCaption", s.info.numberCaption},
      {"massCaption", s.info.massCaption}, {"electronsCaption", s.info.electronsCaption}};
  for (const auto& [name, text] : texts) {
    QWidget* c = child<QWidget>(w, name);
    const auto* edit = qobject_cast<QLineEdit*>(c);
    QCOMPARE(edit ? edit->text() : qobject_cast<QLabel*>(c)->text(), q(text));
  }
  // The boxes run left to right without overlapping, each as wide as its text while the row has
  // room, and end before helium's tile.
  int right = 0;
  for (int i = 0; i <= kSlotCount; ++i) {
    QLineEdit* box = i ? w.countBox(i) : child<QLineEdit>(w, "multiplier");
    const bool bad = i ? s.formula[i - 1].badCount : s.badMultiplier;
    const QColor frame = box->grab().toImage().pixel(0, box->height() / 2);
    QVERIFY2((frame == ElementsWindow::markColour()) == bad && box->toolTip().isEmpty() != bad,
             qPrintable(box->objectName()));
    if (i) QCOMPARE(w.slotLabel(i)->text(), q(s.formula[i - 1].symbol));
    if (i) QCOMPARE(box->text(), q(s.formula[i - 1].count));
    QVERIFY(box->x() > right && (i == 0 || box->x() > w.slotLabel(i)->x()));
    QVERIFY(box->text().size() > 10 ||
            box->width() >= box->fontMetrics().horizontalAdvance(box->text()));
    right = box->geometry().right();
  }
  QVERIFY(child<QWidget>(w, "clearFormula")->geometry().right() <
          w.tileRect(*findElement("He")).left());
  QCOMPARE(child<QLabel>(w, "molarMass")->isVisible(), s.molarShown);
  QCOMPARE(child<QWidget>(w, "clearFormula")->isVisible(), s.clearShown);
  QCOMPARE(child<QLabel>(w, "atomicMass")->isVisible(), s.info.valuesShown);
  QCOMPARE(rig.model.calc().display(), cli.model.calc().display());
  QVERIFY(display.isEmpty() || (q(rig.model.calc().display()) == display && rig.changes > 0));
}

static const ShellTest<ElementsWindowTest> kRegistered("elements_window");
#include "elements_window_test.moc"
