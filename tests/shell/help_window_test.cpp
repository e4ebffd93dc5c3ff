// The help window's two topics: the keyboard page lists every key of the
// keypad, statistics and converter tables on its own row, and the links and
// topic numbers lead to the right page.
#include "shell/help_window.h"

#include <QTextDocument>
#include <QtTest>

#include "converter/converter_model.h"
#include "converter/unit_table.h"
#include "engine/keys.h"
#include "stats/stats_register.h"

using namespace zova;

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), int(s.size())); }

/// The page as a reader sees it, one table cell or paragraph a line.
QStringList lines(int topic) {
  QTextDocument doc;
  doc.setHtml(helpTopicHtml(topic));
  QStringList out;
  for (const QString& line : doc.toPlainText().split('\n')) out << line.trimmed();
  return out;
}

/// The line of the row that holds `first` in one cell and `last` two cells
/// further on, or -1.
int rowOf(const QStringList& page, const QString& first, const QString& last) {
  for (int i = 0; i + 2 < page.size(); ++i)
    if (page[i] == first && page[i + 2] == last) return i;
  return -1;
}
bool hasRow(const QStringList& page, const QString& first, const QString& last) {
  return rowOf(page, first, last) >= 0;
}

QString withoutAmpersand(std::string_view caption) { return q(caption).remove('&'); }

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void keyboardPageListsEveryKeypadKey();
  void keyboardPageListsPanelKeys();
  void overviewDescribesTheProgram();
  void topicsAndLinks();
  void oneWindowPerOwner();
};

void HelpWindowTest::keyboardPageListsEveryKeypadKey() {
  const QStringList page = lines(kKeyboardHelpTopic);
  for (const KeyRow& row : keyTable()) {
    const int at = rowOf(page, q(row.caption), q(row.keyboard));
    QVERIFY2(at >= 0, qPrintable(q(row.control)));
    // The function column names the key as screen readers do, and its second function.
    QVERIFY2(page[at + 1].startsWith(q(row.accessible)), qPrintable(page[at + 1]));
    if (!row.second.empty())
      QVERIFY2(page[at + 1].contains(QStringLiteral("with inv: ") + q(row.second)),
               qPrintable(page[at + 1]));
  }
}

void HelpWindowTest::keyboardPageListsPanelKeys() {
  const QStringList page = lines(kKeyboardHelpTopic);
  int stat = 0;
  for (const StatKeyRow& row : statKeyTable()) {
    if (row.keyboard.empty()) continue;
    QVERIFY2(hasRow(page, withoutAmpersand(row.caption), q(row.keyboard)), row.name.data());
    ++stat;
  }
  QVERIFY(stat >= 6);  // Enter Data, n, Sum, Mean and both deviations
  int categories = 0;
  for (const CategoryRow& row : categoryRows()) {
    if (row.key.empty()) continue;
    QVERIFY2(hasRow(page, withoutAmpersand(row.caption), q(row.key)), row.action.data());
    ++categories;
  }
  QCOMPARE(categories, 4);  // F5 to F8
  QVERIFY(hasRow(page, withoutAmpersand(kKonstantCaption), QStringLiteral("F9")));
  QVERIFY(hasRow(page, withoutAmpersand(kConvertCaption), QStringLiteral("F11")));
  QVERIFY(hasRow(page, QStringLiteral("Hide the window"), QStringLiteral("Esc")));
  QVERIFY(hasRow(page, QStringLiteral("Save the settings and close Zova"), QStringLiteral("End")));
}

void HelpWindowTest::overviewDescribesTheProgram() {
  const QString text = lines(kOverviewHelpTopic).join(' ');
  for (const char* phrase :
       {"Zova is a scientific calculator", "dadidedo.dat", "inv", "Base", "b/c", "Kin", "tray"})
    QVERIFY2(text.contains(QLatin1String(phrase)), phrase);
  QCOMPARE(helpTopicTitle(kOverviewHelpTopic), QStringLiteral("Overview"));
  QCOMPARE(helpTopicTitle(kKeyboardHelpTopic), QStringLiteral("Keyboard Equivalents"));
}

void HelpWindowTest::topicsAndLinks() {
  HelpWindow help;
  QCOMPARE(help.topic(), kOverviewHelpTopic);
  help.showTopic(kKeyboardHelpTopic);
  QCOMPARE(help.topic(), kKeyboardHelpTopic);
  QVERIFY(help.windowTitle().contains(QStringLiteral("Keyboard Equivalents")));
  QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("Statistical functions")));
  // A topic the program does not have shows the overview.
  help.showTopic(4711);
  QCOMPARE(help.topic(), kOverviewHelpTopic);
  emit help.browser()->anchorClicked(QUrl(QStringLiteral("topic:800")));
  QCOMPARE(help.topic(), kKeyboardHelpTopic);
  emit help.browser()->anchorClicked(QUrl(QStringLiteral("topic:100")));
  QCOMPARE(help.topic(), kOverviewHelpTopic);
  // Other links lead nowhere.
  emit help.browser()->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
  QCOMPARE(help.topic(), kOverviewHelpTopic);
}

void HelpWindowTest::oneWindowPerOwner() {
  QWidget owner;
  HelpWindow* first = HelpWindow::open(&owner, kKeyboardHelpTopic);
  QVERIFY(first->isVisible());
  QVERIFY(first->isWindow());
  HelpWindow* second = HelpWindow::open(&owner, kOverviewHelpTopic);
  QCOMPARE(second, first);
  QCOMPARE(first->topic(), kOverviewHelpTopic);
  QCOMPARE(owner.findChildren<HelpWindow*>().size(), 1);
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
