// The calculator window through real widgets: clicking keypad buttons gives
// the same display as the same keys through the command line.
#include "shell/main_window.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "model/sequence.h"

using namespace zova;

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void clicksMatchTheCommandLine_data();
  void clicksMatchTheCommandLine();
  void everyKeyHasTooltipAndAccessibleName();
  void indicatorsFollowTheModel();
};

void MainWindowTest::clicksMatchTheCommandLine_data() {
  QTest::addColumn<QString>("sequence");
  for (const char* seq : {"2,+,3,X,4,=", "5,.,±,3", "1,÷,0,=", "3,inv,+,4,=", "(,2,+,3,),X,4,=",
                          "1,EXP,EXP,3", "10,Base,Base", "170,X!", "12.5125,>dms"})
    QTest::newRow(seq) << QString::fromUtf8(seq);
}

void MainWindowTest::clicksMatchTheCommandLine() {
  QFETCH(QString, sequence);
  // Through the command-line notation.
  HeadlessToolkit headless;
  Model expected(headless, {});
  expected.startUp();
  QVERIFY(!runSequence(expected, sequence.toStdString()).has_value());

  // Through the window's buttons.
  QtToolkit toolkit;
  Model model(toolkit, {});
  model.startUp();
  MainWindow window(model, toolkit);
  window.show();
  for (const QString& token : sequence.split(',')) {
    const std::string t = token.toStdString();
    std::vector<Key> keys;
    if (const KeyRow* row = findKey(t)) {
      keys.push_back(row->key);
    } else {
      for (char c : t) keys.push_back(c == '.' ? Key::Point : static_cast<Key>(c - '0'));
    }
    for (Key k : keys) {
      QPushButton* b = window.button(k);
      QVERIFY2(b, t.c_str());
      QTest::mouseClick(b, Qt::LeftButton);
    }
  }
  QCOMPARE(window.displayField()->text(), QString::fromStdString(expected.calc().display()));
}

void MainWindowTest::everyKeyHasTooltipAndAccessibleName() {
  QtToolkit toolkit;
  Model model(toolkit, {});
  model.startUp();
  MainWindow window(model, toolkit);
  for (const KeyRow& row : keyTable()) {
    QPushButton* b = window.button(row.key);
    QVERIFY2(b, std::string(row.control).c_str());
    QVERIFY(!b->accessibleName().isEmpty());
    QVERIFY(!b->toolTip().isEmpty());
  }
}

void MainWindowTest::indicatorsFollowTheModel() {
  QtToolkit toolkit;
  Model model(toolkit, {});
  model.startUp();
  MainWindow window(model, toolkit);
  auto label = [&](const char* name) { return window.findChild<QLabel*>(name)->text(); };
  QCOMPARE(label("deglabel"), QStringLiteral("d"));
  QTest::mouseClick(window.button(Key::Inv), Qt::LeftButton);
  QCOMPARE(label("invlabel"), QStringLiteral("inv"));
  QTest::mouseClick(window.button(Key::Mode), Qt::LeftButton);
  QCOMPARE(label("radlabel"), QStringLiteral("r"));
  QCOMPARE(label("invlabel"), QString());
  QTest::mouseClick(window.button(Key::D5), Qt::LeftButton);
  QTest::mouseClick(window.button(Key::MPlus), Qt::LeftButton);
  QCOMPARE(label("Memory"), QStringLiteral(" M"));
  QTest::mouseClick(window.button(Key::Open), Qt::LeftButton);
  QCOMPARE(window.button(Key::Open)->toolTip(), QStringLiteral("open brackets: 1"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
