// The periodic table window through real widgets: the mouse moves over painted
// tiles, tiles are dropped on the formula slots, boxes are typed into and labels
// clicked; the window must show what the same script gives on the command line.
#include "shell/elements_window.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <map>
#include <set>

#include "shell/model_rig.h"
#include "shell/screenshot.h"
#include "shell/widget_input.h"

using namespace zova;

namespace {

void moveMouse(QWidget* w, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(w, &move);
}

/// Sends a drag of `text` onto a widget the way a drop from a tile arrives; true when accepted.
bool dropText(QWidget* target, const QString& text) {
  QMimeData mime;
  mime.setText(text);
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

// Plays a script: hovers move the mouse over the tile, drops arrive on the slot
// labels, counts and the multiplier are typed, Clear and the labels are clicked.
void drive(ModelRig& rig, ElementsWindow& w, const QString& script) {
  for (const QString& t : tokens(script)) {
    const QString action = actionOf(t);
    const QString a = area(t);
    if (a == QLatin1String("elem") && action == QLatin1String("hover")) {
      const Element* e = findElement(valueOf(t).toStdString());
      QVERIFY2(e, qPrintable(t));
      moveMouse(&w, ElementsWindow::tileRect(*e).center());
    } else if (a == QLatin1String("elem")) {
      QTest::mouseClick(
          child<QLabel>(w, action == QLatin1String("number") ? "AtomicNumber" : "AtomicMass"),
          Qt::LeftButton);
    } else if (a == QLatin1String("molar") && action.startsWith(QLatin1String("drop"))) {
      QVERIFY2(dropText(w.slotLabel(action.right(1).toInt()), valueOf(t)), qPrintable(t));
    } else if (a == QLatin1String("molar") && action.startsWith(QLatin1String("count"))) {
      typeInto(w.countBox(action.right(1).toInt()), valueOf(t));
    } else if (a == QLatin1String("molar") && action == QLatin1String("index")) {
      typeInto(child<QLineEdit>(w, "Index"), valueOf(t));
    } else if (a == QLatin1String("molar") && action == QLatin1String("clear")) {
      QTest::mouseClick(child<QPushButton>(w, "ClearIt"), Qt::LeftButton);
    } else if (a == QLatin1String("molar") && action == QLatin1String("result")) {
      QTest::mouseClick(child<QLabel>(w, "Molar"), Qt::LeftButton);
    } else {
      QVERIFY2(rig.run(t), qPrintable(t));
      w.refresh();
    }
  }
}

const char* const kSlotNames[] = {"First", "Second", "Third", "Fourth"};
const char* const kCountNames[] = {"fst", "scnd", "thd", "fth"};

}  // namespace

class ElementsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void window();
  void everyTileIsFoundWhereItIsDrawn();
  void groups_data();
  void groups();
  void tilesArePaintedInTheirGroupColour();
  void hoverAndMolarMass_data();
  void hoverAndMolarMass();
  void otherDropsAreRefused();
  void closingEmptiesTheSlots();
  void screenshot();
};

void ElementsWindowTest::window() {
  ModelRig rig;
  ElementsWindow w(rig.model, rig.changed());
  QCOMPARE(w.windowTitle(), QStringLiteral("Periodic Table of the Elements"));
  QVERIFY(w.isWindow());
  QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
  QVERIFY(!w.isModal());
  // Before the first hover every label is empty and the values cannot be clicked.
  for (const char* name : {"Symbol", "Meaning", "Label1", "Label2", "Label3", "Electrons"})
    QVERIFY2(child<QLabel>(w, name)->text().isEmpty(), name);
  w.show();
  QVERIFY(!child<QLabel>(w, "AtomicNumber")->isVisible());
  QVERIFY(!child<QLabel>(w, "AtomicMass")->isVisible());
  QVERIFY(!child<QLabel>(w, "Molar")->isVisible());
  QVERIFY(!child<QPushButton>(w, "ClearIt")->isVisible());
  for (int n = 1; n <= kSlotCount; ++n) QCOMPARE(w.countBox(n)->text(), QStringLiteral("1"));
  QCOMPARE(child<QLineEdit>(w, "Index")->text(), QStringLiteral("1"));
  // The number, mass and result show a pointer that marks them as clickable.
  for (const char* name : {"AtomicNumber", "AtomicMass", "Molar"})
    QCOMPARE(child<QLabel>(w, name)->cursor().shape(), Qt::PointingHandCursor);
}

void ElementsWindowTest::everyTileIsFoundWhereItIsDrawn() {
  const QRect window(0, 0, 620, 414);
  std::set<std::pair<int, int>> cells;
  for (const Element& e : kElements) {
    const QRect r = ElementsWindow::tileRect(e);
    QVERIFY2(window.contains(r), std::string(e.mean).c_str());
    QCOMPARE(ElementsWindow::tileAt(r.center()), &e);
    QCOMPARE(ElementsWindow::tileAt(r.topLeft() + QPoint(1, 1)), &e);
    QVERIFY(cells.insert({e.row, e.column}).second);
  }
  // The information area and the gap above the lanthanides are no tiles.
  for (QPoint empty : {QPoint(150, 30), QPoint(300, 100), QPoint(200, 320), QPoint(2, 2),
                       QPoint(50, 380), QPoint(619, 413)})
    QVERIFY(ElementsWindow::tileAt(empty) == nullptr);
}

void ElementsWindowTest::groups_data() {
  QTest::addColumn<int>("group");
  QTest::addColumn<QList<int>>("members");
  // Groups as chemists count them, listed in full where they are short.
  QTest::newRow("alkali metals") << static_cast<int>(ElementGroup::kAlkaliMetal)
                                 << QList<int>{3, 11, 19, 37, 55, 87};
  QTest::newRow("alkaline earth metals")
      << static_cast<int>(ElementGroup::kAlkalineEarth) << QList<int>{4, 12, 20, 38, 56, 88};
  QTest::newRow("halogens") << static_cast<int>(ElementGroup::kHalogen)
                            << QList<int>{9, 17, 35, 53, 85};
  QTest::newRow("noble gases") << static_cast<int>(ElementGroup::kNobleGas)
                               << QList<int>{2, 10, 18, 36, 54, 86};
  QTest::newRow("nonmetals") << static_cast<int>(ElementGroup::kNonmetal)
                             << QList<int>{1, 6, 7, 8, 15, 16, 34};
  QTest::newRow("metalloids") << static_cast<int>(ElementGroup::kMetalloid)
                              << QList<int>{5, 14, 32, 33, 51, 52};
  QTest::newRow("other metals") << static_cast<int>(ElementGroup::kOtherMetal)
                                << QList<int>{13, 31, 49, 50, 81, 82, 83, 84};
  QList<int> lanthanides, actinides, transition;
  for (int z = 57; z <= 71; ++z) lanthanides << z;
  for (int z = 89; z <= 103; ++z) actinides << z;
  for (auto [from, to] : {std::pair{21, 30}, {39, 48}, {72, 80}, {104, 109}})
    for (int z = from; z <= to; ++z) transition << z;
  QTest::newRow("lanthanides") << static_cast<int>(ElementGroup::kLanthanide) << lanthanides;
  QTest::newRow("actinides") << static_cast<int>(ElementGroup::kActinide) << actinides;
  QTest::newRow("transition metals")
      << static_cast<int>(ElementGroup::kTransitionMetal) << transition;
}

void ElementsWindowTest::groups() {
  QFETCH(int, group);
  QFETCH(QList<int>, members);
  // Exactly the members, no other element of the 109.
  for (int z = 1; z <= kElementCount; ++z)
    QCOMPARE(static_cast<int>(elementGroup(z)) == group, members.contains(z));
}

void ElementsWindowTest::tilesArePaintedInTheirGroupColour() {
  ModelRig rig;
  ElementsWindow w(rig.model, rig.changed());
  const QImage image = w.grab().toImage();
  // Tiles of one group share one colour; different groups differ.
  std::map<int, QRgb> colours;
  for (const Element& e : kElements) {
    const QRect r = ElementsWindow::tileRect(e);
    const QRgb c = image.pixel(r.left() + 3, r.bottom() - 4);  // away from the text
    const int g = static_cast<int>(elementGroup(e.numb));
    auto [it, fresh] = colours.emplace(g, c);
    QVERIFY2(fresh || it->second == c, std::string(e.mean).c_str());
  }
  QCOMPARE(colours.size(), std::size_t{10});
  std::set<QRgb> distinct;
  for (auto [g, c] : colours) distinct.insert(c);
  QCOMPARE(distinct.size(), std::size_t{10});
}

void ElementsWindowTest::hoverAndMolarMass_data() {
  QTest::addColumn<QString>("script");
  QTest::addColumn<QStringList>("shown");  // "Control=text" pairs
  QTest::addColumn<QString>("display");    // "" when the display is left alone
  QTest::newRow("oxygen") << "elem:hover=O"
                          << QStringList{"Symbol=O",
                                         "Meaning=Oxygen",
                                         "AtomicNumber=8",
                                         "AtomicMass=15.9994",
                                         "Electrons=2p4",
                                         "Label1=Atomic Number...............",
                                         "Label2=Atomic Mass...................",
                                         "Label3=Electron Configuration....."}
                          << "";
  QTest::newRow("magnesium keeps its trailing zero")
      << "elem:hover=Mg" << QStringList{"AtomicMass=24.3050"} << "";
  QTest::newRow("technetium") << "elem:hover=Tc" << QStringList{"AtomicMass=98"} << "";
  QTest::newRow("element 106") << "elem:hover=Unh"
                               << QStringList{"Symbol=Unh", "Meaning=Unnilhexium", "AtomicMass=263",
                                              "Electrons= "}
                               << "";
  QTest::newRow("vanadium's tile") << "elem:hover=V" << QStringList{"Symbol=V"} << "";
  QTest::newRow("helium's mass to the display")
      << "elem:hover=He,elem:mass" << QStringList{} << "4.00260";
  QTest::newRow("helium's number to the display")
      << "elem:hover=He,elem:number" << QStringList{} << "2";
  QTest::newRow("the next digit starts a new number")
      << "5,elem:hover=He,elem:number,7" << QStringList{} << "7";
  QTest::newRow("water") << "molar:drop1=H,molar:count1=2,molar:drop2=O"
                         << QStringList{"First=H",        "Second=O",         "Third=",
                                        "Molar=18.01528", "Label4=\u00b5 = ", "Label5=g/mol"}
                         << "";
  QTest::newRow("water twice") << "molar:drop1=H,molar:count1=2,molar:drop2=O,molar:index=2"
                               << QStringList{"Molar=36.03056"} << "";
  QTest::newRow("glucose")
      << "molar:drop1=C,molar:count1=6,molar:drop2=H,molar:count2=12,molar:drop3=O,"
         "molar:count3=6"
      << QStringList{"Molar=180.15768"} << "";
  QTest::newRow("common salt") << "molar:drop1=Na,molar:drop2=Cl" << QStringList{"Molar=58.4425"}
                               << "";
  QTest::newRow("magnesium's mass enters as a number")
      << "molar:drop4=Mg" << QStringList{"Fourth=Mg", "Molar=24.305"} << "";
  QTest::newRow("an edit before any drop")
      << "molar:count2=3" << QStringList{"Molar=0", "Label4=\u00b5 = "} << "";
  QTest::newRow("a drop on an occupied slot replaces it")
      << "molar:drop1=H,molar:drop1=He" << QStringList{"First=He", "Molar=4.0026"} << "";
  QTest::newRow("counts that are no numbers count 0, prefixes count")
      << "molar:drop1=H,molar:count1=x,molar:drop2=O,molar:count2=2x"
      << QStringList{"Molar=31.9988"} << "";
  QTest::newRow("an empty multiplier gives 0")
      << "molar:drop1=H,molar:index=" << QStringList{"Molar=0"} << "";
  QTest::newRow("clear keeps counts and multiplier")
      << "molar:drop1=H,molar:count1=2,molar:index=3,molar:clear"
      << QStringList{"First=", "fst=2", "Index=3", "Label4=", "Label5="} << "";
  QTest::newRow("after clear the next edit shows the line again")
      << "molar:drop1=H,molar:clear,molar:count2=5" << QStringList{"Molar=0"} << "";
  QTest::newRow("the result goes to the display as shown")
      << "molar:drop1=H,molar:count1=2,molar:drop2=O,molar:result" << QStringList{} << "18.01528";
  QTest::newRow("a huge multiplier") << "molar:drop1=Une,molar:index=1E308" << QStringList{} << "";
}

void ElementsWindowTest::hoverAndMolarMass() {
  QFETCH(QString, script);
  QFETCH(QStringList, shown);
  QFETCH(QString, display);
  ModelRig rig;
  ElementsWindow w(rig.model, rig.changed());
  w.show();
  drive(rig, w, script);

  ModelRig cli;
  QVERIFY(cli.run(script));
  const ElementsState& s = cli.model.elements().state();
  const std::pair<const char*, const std::string*> labels[] = {{"Symbol", &s.info.symbol},
                                                               {"Meaning", &s.info.name},
                                                               {"AtomicNumber", &s.info.number},
                                                               {"AtomicMass", &s.info.mass},
                                                               {"Electrons", &s.info.electrons},
                                                               {"Label1", &s.info.label1},
                                                               {"Label2", &s.info.label2},
                                                               {"Label3", &s.info.label3},
                                                               {"Label4", &s.label4},
                                                               {"Label5", &s.label5},
                                                               {"Molar", &s.molar}};
  for (const auto& [name, text] : labels) QCOMPARE(child<QLabel>(w, name)->text(), q(*text));
  for (int i = 0; i < kSlotCount; ++i) {
    QCOMPARE(w.slotLabel(i + 1)->text(), q(s.formula[i].symbol));
    QCOMPARE(w.countBox(i + 1)->text(), q(s.formula[i].count));
  }
  QCOMPARE(child<QLineEdit>(w, "Index")->text(), q(s.index));
  QCOMPARE(child<QLabel>(w, "Molar")->isVisible(), s.molarShown);
  QCOMPARE(child<QPushButton>(w, "ClearIt")->isVisible(), s.clearShown);
  QCOMPARE(child<QLabel>(w, "AtomicMass")->isVisible(), s.info.valuesShown);
  QCOMPARE(rig.model.calc().display(), cli.model.calc().display());

  for (const QString& pair : shown) {
    const QString name = pair.section(QLatin1Char('='), 0, 0);
    QWidget* c = w.findChild<QWidget*>(name);
    QVERIFY2(c, qPrintable(name));
    const auto* edit = qobject_cast<QLineEdit*>(c);
    const QString text = edit ? edit->text() : qobject_cast<QLabel*>(c)->text();
    QCOMPARE(text, pair.section(QLatin1Char('='), 1));
  }
  if (!display.isEmpty()) {
    QCOMPARE(QString::fromStdString(rig.model.calc().display()), display);
    QVERIFY(rig.changes > 0);
  }
  // A result off the double range never shows as a wrong number.
  if (s.molarShown) {
    bool ok = false;
    const double shownValue = child<QLabel>(w, "Molar")->text().toDouble(&ok);
    QVERIFY(!ok || std::isfinite(shownValue));
  }
}

void ElementsWindowTest::otherDropsAreRefused() {
  ModelRig rig;
  ElementsWindow w(rig.model, rig.changed());
  w.show();
  QVERIFY(dropText(w.slotLabel(2), QStringLiteral("O")));
  // Text naming no element, and drops outside the slots, change nothing.
  for (const QString& text : {QStringLiteral("Xx"), QString(), QStringLiteral("o")})
    QVERIFY(!dropText(w.slotLabel(2), text));
  QVERIFY(!dropText(w.countBox(1), QStringLiteral("H")));
  QCOMPARE(w.countBox(1)->text(), QStringLiteral("1"));
  QCOMPARE(w.slotLabel(2)->text(), QStringLiteral("O"));
  QCOMPARE(child<QLabel>(w, "Molar")->text(), QStringLiteral("15.9994"));
  for (int n : {1, 3, 4}) QVERIFY(w.slotLabel(n)->text().isEmpty());
}

void ElementsWindowTest::closingEmptiesTheSlots() {
  ModelRig rig;
  ElementsWindow w(rig.model, rig.changed());
  w.show();
  drive(rig, w, QStringLiteral("elem:hover=Fe,molar:drop1=H,molar:count1=2,molar:drop3=S"));
  QVERIFY(w.close());
  w.show();
  for (int n = 1; n <= kSlotCount; ++n) QVERIFY(w.slotLabel(n)->text().isEmpty());
  QCOMPARE(w.countBox(1)->text(), QStringLiteral("2"));
  QVERIFY(!child<QLabel>(w, "Molar")->isVisible());
  QVERIFY(!child<QPushButton>(w, "ClearIt")->isVisible());
  // Moving off the tiles keeps the last element described.
  moveMouse(&w, QPoint(300, 100));
  QCOMPARE(child<QLabel>(w, "Symbol")->text(), QStringLiteral("S"));
  QCOMPARE(rig.model.elements().state().formula[0].symbol, std::string());
}

void ElementsWindowTest::screenshot() {
  if (screenshotFolder().isEmpty()) QSKIP("ZOVA_SCREENSHOTS names no folder");
  ModelRig rig;
  ElementsWindow w(rig.model, rig.changed());
  w.show();
  drive(rig, w, QStringLiteral("molar:drop1=H,molar:count1=2,molar:drop2=O,elem:hover=Fe"));
  QVERIFY(saveScreenshot(w, QStringLiteral("periodic-table.png")));
}

QTEST_MAIN(ElementsWindowTest)
#include "elements_window_test.moc"
