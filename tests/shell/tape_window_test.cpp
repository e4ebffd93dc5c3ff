// The paper tape window through real widgets: clicking an entry puts its number on the display,
// Copy gives the tape's text, the newest entry stays in view, Clear empties it, Esc closes it,
// Save As writes it, and the main window's Tools menu opens it.
#include "shell/tape_window.h"

#include <QClipboard>
#include <QtTest>

#include "shell/model_rig.h"

using namespace zova;

namespace {

void clickRow(TapeWindow& w, int row) {
  const QModelIndex index = w.list()->model()->index(row, 0);
  w.list()->scrollTo(index);
  QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, {}, w.list()->visualRect(index).center());
}

// The newest entry, which is in view.
QString last(TapeWindow& w) {
  const QModelIndex last = w.list()->model()->index(w.list()->model()->rowCount() - 1, 0);
  return w.list()->viewport()->rect().contains(w.list()->visualRect(last))
             ? last.data().toString()
             : QStringLiteral("(out of view)");
}

}  // namespace

class TapeWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // The number goes to the display, in the current base, and onto the tape as a new entry.
  void clickingAnEntryPutsItsNumberOnTheDisplay() {
    for (const auto& [script, row, display, written] :
         {std::tuple{"12,+,3,X,4,=", 0, "12", "Tape 12"},
          {"255,+,1,=,Base", 2, "100", "Tape 100 h"}}) {
      ModelRig rig;
      QVERIFY(rig.run(QString::fromLatin1(script)));
      TapeWindow w(rig.model, rig.changed(), rig.zoom);
      w.show();
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      clickRow(w, row);
      QCOMPARE(q(rig.model.calc().display()), QLatin1String(display));
      QCOMPARE(rig.changes, 1);
      QCOMPARE(w.list()->model()->rowCount(), int(rig.model.tape().size()));
      QCOMPARE(last(w), QLatin1String(written));
    }
  }

  void copySaveFollowClearAndClose() {
    ModelRig rig;
    QVERIFY(rig.run("12,+,3,X,4,="));
    TapeWindow w(rig.model, rig.changed(), rig.zoom);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* copy = w.findChild<QAction*>("tapeCopy");
    copy->trigger();
    QCOMPARE(QApplication::clipboard()->text(),
             QString::fromUtf8("12 +\n3 \u00d7\n4\n= 24\n") + q(kTapeRule) + "\n");
    // With lines selected, only those.
    for (int row : {3, 0})
      w.list()->selectionModel()->select(w.list()->model()->index(row, 0),
                                         QItemSelectionModel::Select);
    copy->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12 +\n= 24\n"));
    QTemporaryDir dir;
    QVERIFY(w.saveTo(dir.filePath("tape.txt")));
    QFile file(dir.filePath("tape.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), q(rig.model.tape().plainText()));
    for (int i = 0; i < 50; ++i) QVERIFY(rig.run(QStringLiteral("%1,+,1,=").arg(i)));
    QCOMPARE(w.list()->model()->rowCount(), int(rig.model.tape().size()));
    QCOMPARE(last(w), q(kTapeRule));
    w.findChild<QAction*>("tapeClear")->trigger();
    QCOMPARE(w.list()->model()->rowCount(), 0);
    QVERIFY(rig.run(QStringLiteral("5,=")));
    QCOMPARE(w.list()->model()->rowCount(), 3);
    w.activateWindow();
    QTest::keyClick(w.list(), Qt::Key_Escape);
    QVERIFY(!w.isVisible());
  }

  // Each entry shows whole in view at the width the window opens with: no "…" cuts a result.
  void longEntriesShowWhole() {
    ModelRig rig;
    QVERIFY(rig.run(QString::fromUtf8("3,±,÷,7,=,X,1,EXP,-,123,=,1/x")));
    TapeWindow w(rig.model, rig.changed(), rig.zoom);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const int margins = 2 * (w.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    for (int row = 0; row < w.list()->model()->rowCount(); ++row) {
      const QModelIndex i = w.list()->model()->index(row, 0);
      const QString text = i.data().toString();
      const QRect shown = w.list()->visualRect(i) & w.list()->viewport()->rect();
      QVERIFY2(shown.width() - margins >= w.list()->fontMetrics().horizontalAdvance(text),
               qPrintable(text));
    }
  }

  void toolsMenuOpensTheTape() {
    WindowRig rig;
    MainWindow& window = *rig.window;
    QTest::mouseClick(window.button(Key::kDigit7), Qt::LeftButton);
    QTest::mouseClick(window.button(Key::kAdd), Qt::LeftButton);
    window.action(QStringLiteral("paperTape"))->trigger();
    QVERIFY(window.tapeWindow() && window.tapeWindow()->isVisible());
    QCOMPARE(window.tapeWindow()->list()->model()->rowCount(), 1);
    clickRow(*window.tapeWindow(), 0);
    QCOMPARE(window.displayField()->text(), QStringLiteral("7"));
  }
};

static const zova::ShellTest<TapeWindowTest> kRegistered("tape_window");
#include "tape_window_test.moc"
