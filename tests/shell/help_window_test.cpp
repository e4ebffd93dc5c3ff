// The help window: the keyboard page lists every binding, one window per owner, links lead to
// the pages, F1 and Esc work from the keyboard.
#include "shell/help_window.h"

#include <QMenu>
#include <QtTest>

#include "shell/model_rig.h"
#include "support/key_bindings.h"

using namespace zova;

class HelpWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void keyboardPageAndLinks();
  void f1OpensTheOverview();
  void escapeAndTheCloseButtonClose();
};

// The keyboard page names every binding of the key tables and every key's caption. One window
// per owner; links to topics it does not have show the overview.
void HelpWindowTest::keyboardPageAndLinks() {
  QWidget owner;
  HelpWindow* help = HelpWindow::open(&owner, kKeyboardHelpTopic);
  QVERIFY(help->isVisible() && help->isWindow());
  const QString page = help->browser()->toPlainText();
  for (const auto& bound : testing::boundKeys())  // the keypad's on the rows below
    QVERIFY2(findKey(bound.step) || page.contains(q(keyboardName(bound.binding))),
             bound.step.c_str());
  for (const KeyRow& row : keyTable())
    QVERIFY2(
        page.contains(q(row.caption).remove('&') + "\n") && page.contains(q(keyboardName(row))),
        row.control.data());
  QCOMPARE(HelpWindow::open(&owner, kOverviewHelpTopic), help);
  QCOMPARE(owner.findChildren<HelpWindow*>().size(), 1);
  const std::pair<const char*, int> links[] = {{"topic:800", kKeyboardHelpTopic},
                                               {"https://example.org/", kKeyboardHelpTopic},
                                               {"topic:4711", kOverviewHelpTopic}};
  for (const auto& [link, topic] : links) {
    emit help->browser()->anchorClicked(QUrl(QString::fromLatin1(link)));
    QCOMPARE(help->topic(), topic);
  }
}

// F1 on the calculator window shows the overview, whichever key has the focus.
void HelpWindowTest::f1OpensTheOverview() {
  WindowRig rig;
  QVERIFY(rig.exposed());
  MainWindow& window = *rig.window;
  window.activateWindow();
  window.button(Key::kDigit7)->setFocus();
  QVERIFY(window.findChildren<HelpWindow*>().isEmpty());
  const QString display = window.displayField()->text();
  QTest::keyClick(window.button(Key::kDigit7), Qt::Key_F1);
  const QList<HelpWindow*> helps = window.findChildren<HelpWindow*>();
  QCOMPARE(helps.size(), 1);
  QVERIFY(helps[0]->isVisible());
  QCOMPARE(helps[0]->topic(), kOverviewHelpTopic);
  QVERIFY(helps[0]->windowTitle().contains(QStringLiteral("Overview")));
  QCOMPARE(window.displayField()->text(), display);  // no key of the keypad was pressed
}

// The window can be closed from the keyboard and without a title bar, and opens again where it was.
void HelpWindowTest::escapeAndTheCloseButtonClose() {
  QWidget owner;
  for (bool escape : {true, false}) {
    HelpWindow* help = HelpWindow::open(&owner, kOverviewHelpTopic);
    QVERIFY(QTest::qWaitForWindowActive(help));
    if (escape)
      QTest::keyClick(help->browser(), Qt::Key_Escape);
    else
      QTest::mouseClick(help->closeButton(), Qt::LeftButton);
    QVERIFY(!help->isVisible());
    QCOMPARE(HelpWindow::open(&owner, kKeyboardHelpTopic), help);
  }
}

static const zova::ShellTest<HelpWindowTest> kRegistered("help_window");
#include "help_window_test.moc"
