// The command line's locale table against the window's toolkit: every row, and
// every language, script and territory combination, gives the symbols QLocale
// gives, so the command line and the window agree. (Names as the environment
// spells them, with code sets and modifiers: locale_names_test.) A failure after a Qt
// upgrade means: run scripts/regenerate-locale-table.sh.
#include "app/locale_table.h"

#include <QLocale>
#include <QStringList>
#include <QTest>
#include <set>
#include <string>

#include "app/locale_names.h"

namespace zova {
namespace {

NumberLocale symbolsOf(const QLocale& locale) {
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

// What the window shows for a locale name, as the command line sees it.
NumberLocale windowSymbols(const QString& name) { return symbolsOf(QLocale(name)); }

std::string describe(const QString& name, const NumberLocale& table, const NumberLocale& window) {
  return name.toStdString() + ": command line \"" + table.decimal + "\" \"" + table.group +
         "\", window \"" + window.decimal + "\" \"" + window.group + "\"";
}

// Collects names whose command-line symbols differ from the window's.
class Mismatches {
 public:
  void check(const QString& name) {
    ++checked_;
    const NumberLocale table = localeNamed(name.toStdString()), window = windowSymbols(name);
    if (table != window) found_ << QString::fromStdString(describe(name, table, window));
  }
  int checked() const { return checked_; }
  QString report() const { return found_.mid(0, 20).join(u'\n'); }
  bool none() const { return found_.isEmpty(); }

 private:
  QStringList found_;
  int checked_ = 0;
};

}  // namespace

class LocaleTableTest : public QObject {
  Q_OBJECT

 private slots:
  void everyRowHoldsQLocaleSymbols() {
    QStringList wrong;
    for (const LocaleSymbolsRow& row : localeSymbolsTable()) {
      const QString name = QString::fromUtf8(row.name);
      const NumberLocale table{row.decimal, row.group}, window = windowSymbols(name);
      if (table != window) wrong << QString::fromStdString(describe(name, table, window));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 20).join(u'\n')));
    QVERIFY(localeSymbolsTable().size() > 500);
  }

  void rowsAreSortedAndUnique() {
    const auto table = localeSymbolsTable();
    for (size_t i = 1; i < table.size(); ++i)
      QVERIFY2(std::string_view(table[i - 1].name) < std::string_view(table[i].name),
               table[i].name);
    const auto aliases = languageAliasTable();
    for (size_t i = 1; i < aliases.size(); ++i)
      QVERIFY2(std::string_view(aliases[i - 1].alias) < std::string_view(aliases[i].alias),
               aliases[i].alias);
  }

  void everyAliasMeansItsLanguage() {
    for (const LanguageAliasRow& row : languageAliasTable())
      QCOMPARE(QLocale(QString::fromUtf8(row.alias)).language(),
               QLocale(QString::fromUtf8(row.language)).language());
  }

  void everyLocaleQLocaleKnowsAgrees() {
    Mismatches mismatches;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
      mismatches.check(locale.name());
      mismatches.check(locale.bcp47Name());
    }
    QVERIFY2(mismatches.none(), qPrintable(mismatches.report()));
  }

  // Names no locale has, such as de_US or sr_Latn_FR, fall back as QLocale's do.
  void everyLanguageWithEveryTerritoryAgrees() {
    QStringList territories;
    for (int t = 1; t <= int(QLocale::LastTerritory); ++t) {
      const QString code = QLocale::territoryToCode(QLocale::Territory(t));
      if (!code.isEmpty()) territories << code;
    }
    std::set<QString> languages, scripted;
    for (const LocaleSymbolsRow& row : localeSymbolsTable()) {
      const QStringList tags = QString::fromUtf8(row.name).split(u'_');
      languages.insert(tags[0]);
      if (tags.size() > 1 && tags[1].size() == 4) scripted.insert(tags[0] + u'_' + tags[1]);
    }
    for (const LanguageAliasRow& row : languageAliasTable())
      languages.insert(QString::fromUtf8(row.alias));
    // A script the language is not written in is one QLocale ignores.
    for (const QString& language : languages) scripted.insert(language + QStringLiteral("_Cyrl"));

    Mismatches mismatches;
    for (const QString& prefix : languages) {
      mismatches.check(prefix);
      for (const QString& territory : territories) mismatches.check(prefix + u'_' + territory);
    }
    for (const QString& prefix : scripted) {
      mismatches.check(prefix);
      for (const QString& territory : territories) mismatches.check(prefix + u'_' + territory);
    }
    QVERIFY2(mismatches.none(), qPrintable(mismatches.report()));
    QVERIFY(mismatches.checked() > 50000);
  }
};

}  // namespace zova

QTEST_APPLESS_MAIN(zova::LocaleTableTest)
#include "locale_table_test.moc"
