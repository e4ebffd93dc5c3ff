// The help window: the keyboard page lists every key on its own row, and links lead to the pages.
#include "shell/help_window.h"

#include <QMenu>
#include <QtTest>

#include "converter/converter_model.h"
#include "converter/unit_table.h"
#include "engine/keys.h"
#include "shell/model_rig.h"
#include "stats/stats_register.h"

using namespace zova;

class HelpWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void keyboardPageAndLinks();
  void f1OpensTheOverview();
  void escapeAndTheCloseButtonClose_data();
  void escapeAndTheCloseButtonClose();
};

// Each key's row holds its caption, its function as screen readers name it (and with inv), and its
// keyboard equivalent. One window per owner; links to topics it does not have show the overview.
void HelpWindowTest::keyboardPageAndLinks() {
  QWidget owner;
  HelpWindow* help = HelpWindow::open(&owner, kKeyboardHelpTopic);
  QVERIFY(help->isVisible() && help->isWindow());
  QVERIFY(help->windowTitle().contains(QStringLiteral("Keyboard Equivalents")));
  QStringList page;  // as a reader sees it, one cell a line
  for (const QString& line : help->browser()->toPlainText().split('\n')) page << line.trimmed();
  std::vector<std::array<QString, 4>> rows = {{q(kKonstantCaption), "", "", "F9"},
                                              {q(kConvertCaption), "", "", "F11"},
                                              {"Hide the window", "", "", "Esc"},
                                              {"Save the settings and close Zova", "", "", "End"}};
  for (const StatKeyRow& row : statKeyTable())
    if (row.binding.code) rows.push_back({q(row.caption), "", "", q(keyboardName(row.binding))});
  for (const CategoryRow& row : categoryRows())
    if (row.binding.code) rows.push_back({q(row.caption), "", "", q(keyboardName(row.binding))});
  QCOMPARE(rows.size(), std::size_t{14});  // Enter Data, n, Sum, Mean, both deviations, F5 to F8
  for (const KeyRow& row : keyTable())
    rows.push_back({q(row.caption), q(row.accessible),
                    row.second.empty() ? "" : "with inv: " + q(row.second), q(keyboardName(row))});
  for (auto [first, function, second, last] : rows) {
    first.remove('&');
    int at = 0;
    while (at + 2 < page.size() && (page[at] != first || page[at + 2] != last)) ++at;
    QVERIFY2(
        at + 2 < page.size() && page[at + 1].startsWith(function) && page[at + 1].contains(second),
        qPrintable(first));
  }
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

// F1 on the calculator window shows the overview, whichever key has the focus;
// the help menu's item reads as before.
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
  QAction* overview = window.action(QStringLiteral("Contents"));
  QCOMPARE(overview->text(), QStringLiteral("&Overview"));
  QVERIFY(overview->shortcut().isEmpty());
}

void HelpWindowTest::escapeAndTheCloseButtonClose_data() {
  QTest::addColumn<bool>("escape");
  QTest::newRow("Esc") << true;
  QTest::newRow("Close button") << false;
}

// The window can be closed from the keyboard and without a title bar.
void HelpWindowTest::escapeAndTheCloseButtonClose() {
  QFETCH(bool, escape);
  QWidget owner;
  HelpWindow* help = HelpWindow::open(&owner, kOverviewHelpTopic);
  QVERIFY(QTest::qWaitForWindowActive(help));
  QVERIFY(help->closeButton()->isVisible());
  QCOMPARE(help->closeButton()->text(), QStringLiteral("Close"));
  if (escape)
    QTest::keyClick(help->browser(), Qt::Key_Escape);
  else
    QTest::mouseClick(help->closeButton(), Qt::LeftButton);
  QVERIFY(!help->isVisible());
  // It opens again where it was.
  QCOMPARE(HelpWindow::open(&owner, kKeyboardHelpTopic), help);
  QVERIFY(help->isVisible());
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
