// The paper tape window through real widgets: clicking an entry puts its
// number on the display, Copy gives the tape's text, the newest entry stays in
// view, Clear empties it, and the main window's Tools menu opens it.
#include "shell/tape_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

#include "shell/model_rig.h"

using namespace zova;

namespace {

void clickRow(TapeWindow& w, int row) {
  QListView* list = w.list();
  const QModelIndex index = list->model()->index(row, 0);
  list->scrollTo(index);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

QString clipboard() { return QGuiApplication::clipboard()->text(); }

}  // namespace

class TapeWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // The number goes to the display and onto the tape as a new entry, at the bottom and in view.
  void clickingAnEntryPutsItsNumberOnTheDisplay() {
    const std::tuple<const char*, int, const char*, const char*> rows[] = {
        {"12,+,3,X,4,=", 0, "12", "Tape 12"}, {"255,+,1,=,Base", 2, "100", "Tape 100 h"}};
    for (const auto& [script, row, display, written] : rows) {
      ModelRig rig;
      QVERIFY(rig.run(QString::fromLatin1(script)));
      TapeWindow w(rig.model, rig.changed());
      w.show();
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      clickRow(w, row);
      QCOMPARE(q(rig.model.calc().display()), QLatin1String(display));
      QCOMPARE(rig.changes, 1);
      QListView* list = w.list();
      QCOMPARE(list->model()->rowCount(), static_cast<int>(rig.model.tape().size()));
      const QModelIndex last = list->model()->index(list->model()->rowCount() - 1, 0);
      QCOMPARE(last.data().toString(), QLatin1String(written));
      QVERIFY(list->viewport()->rect().contains(list->visualRect(last)));
    }
  }

  void copyGivesTheTapeText() {
    ModelRig rig;
    QVERIFY(rig.run("12,+,3,X,4,="));
    TapeWindow w(rig.model, rig.changed());
    w.show();
    auto* copy = w.findChild<QAction*>("tapeCopy");
    QVERIFY(copy);
    copy->trigger();
    QCOMPARE(clipboard(), QString::fromUtf8("12 +\n3 \u00d7\n4\n= 24\n") + q(kTapeRule) + "\n");
    // With lines selected, only those.
    QItemSelectionModel* selection = w.list()->selectionModel();
    selection->select(w.list()->model()->index(3, 0), QItemSelectionModel::Select);
    selection->select(w.list()->model()->index(0, 0), QItemSelectionModel::Select);
    copy->trigger();
    QCOMPARE(clipboard(), QStringLiteral("12 +\n= 24\n"));
  }

  void saveAsWritesThePlainText() {
    ModelRig rig;
    QVERIFY(rig.run("2,x^y,10,="));
    TapeWindow w(rig.model, rig.changed());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tape.txt"));
    QVERIFY(w.saveTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), q(rig.model.tape().plainText()));
  }

  void followsTheTapeAndClears() {
    ModelRig rig;
    TapeWindow w(rig.model, rig.changed());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int i = 0; i < 50; ++i) QVERIFY(rig.run(QStringLiteral("%1,+,1,=").arg(i)));
    QListView* list = w.list();
    QCOMPARE(list->model()->rowCount(), 200);
    const QModelIndex last = list->model()->index(199, 0);
    QCOMPARE(last.data().toString(), q(kTapeRule));
    QVERIFY(list->viewport()->rect().contains(list->visualRect(last)));
    w.findChild<QAction*>("tapeClear")->trigger();
    QCOMPARE(list->model()->rowCount(), 0);
    QVERIFY(rig.run(QStringLiteral("tape:clear,5,=")));
    QCOMPARE(list->model()->rowCount(), 3);
  }

  void escapeCloses() {
    ModelRig rig;
    TapeWindow w(rig.model, rig.changed());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    QTest::keyClick(w.list(), Qt::Key_Escape);
    QVERIFY(!w.isVisible());
  }

  void toolsMenuOpensTheTape() {
    WindowRig rig;
    MainWindow& window = *rig.window;
    QAction* item = window.action(QStringLiteral("paperTape"));
    QVERIFY(item);
    QTest::mouseClick(window.button(Key::kDigit7), Qt::LeftButton);
    QTest::mouseClick(window.button(Key::kAdd), Qt::LeftButton);
    item->trigger();
    QVERIFY(window.tapeWindow() && window.tapeWindow()->isVisible());
    QCOMPARE(window.tapeWindow()->list()->model()->rowCount(), 1);
    clickRow(*window.tapeWindow(), 0);
    QCOMPARE(window.displayField()->text(), QStringLiteral("7"));
  }
};

static const zova::ShellTest<TapeWindowTest> kRegistered("tape_window");
#include "tape_window_test.moc"
