// The help window: the keyboard page lists every binding, one window per owner, links lead to
// the pages, F1, Esc and the close button work.
#include "shell/help_window.h"

#include <QtTest>

#include "shell/model_rig.h"
#include "support/key_bindings.h"

using namespace zova;

class HelpWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void keyboardPageAndLinks();
  void f1OpensTheOverview();
};

// The keyboard page names every binding of the key tables and every key's caption. One window
// per owner, closed by Esc or its button and opened again; links to topics it does not have
// show the overview.
void HelpWindowTest::keyboardPageAndLinks() {
  QWidget owner;
  HelpWindow* help = HelpWindow::open(&owner, HelpTopic::kKeyboard);
  const QString page = help->browser()->toPlainText();
  for (const auto& bound : testing::boundKeys())  // the keypad's on the rows below
    QVERIFY2(findKey(bound.step) || page.contains(q(english(keyboardName(bound.binding)))),
             bound.step.c_str());
  for (const KeyRow& row : keyTable())
    QVERIFY2(page.contains(q(row.caption).remove('&') + "\n") &&
                 page.contains(q(english(keyboardName(row)))),
             row.control.data());
  for (bool escape : {true, false}) {
    QVERIFY(QTest::qWaitForWindowActive(help));
    if (escape)
      QTest::keyClick(help->browser(), Qt::Key_Escape);
    else
      QTest::mouseClick(help->closeButton(), Qt::LeftButton);
    QVERIFY(!help->isVisible());
    QCOMPARE(HelpWindow::open(&owner, HelpTopic::kOverview), help);
  }
  QCOMPARE(owner.findChildren<HelpWindow*>().size(), 1);
  const std::pair<const char*, HelpTopic> links[] = {{"topic:800", HelpTopic::kKeyboard},
                                                     {"https://example.org/", HelpTopic::kKeyboard},
                                                     {"topic:4711", HelpTopic::kOverview}};
  for (const auto& [link, topic] : links) {
    emit help->browser()->anchorClicked(QUrl(QString::fromLatin1(link)));
    QCOMPARE(help->topic(), topic);
  }
}

// F1 on the calculator window shows the overview, whichever key has the focus, and presses no key.
void HelpWindowTest::f1OpensTheOverview() {
  WindowRig rig;
  QVERIFY(rig.exposed());
  MainWindow& window = *rig.window;
  window.activateWindow();
  QVERIFY(runSequence(rig.model, "7") == std::nullopt);
  window.refresh();
  window.button(Key::kDigit7)->setFocus();
  QTest::keyClick(window.button(Key::kDigit7), Qt::Key_F1);
  const QList<HelpWindow*> helps = window.findChildren<HelpWindow*>();
  QVERIFY(helps.size() == 1 && helps[0]->isVisible());
  QCOMPARE(helps[0]->topic(), HelpTopic::kOverview);
  QVERIFY(helps[0]->windowTitle().contains(QStringLiteral("Overview")));
  QCOMPARE(window.displayField()->text(), QStringLiteral("7"));
}

static const zova::ShellTest<HelpWindowTest> kRegistered("help_window");
#include "help_window_test.moc"
