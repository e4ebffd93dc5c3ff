// The command line's locale table against the window's toolkit: every row, and every
// language, script and territory combination, gives the symbols QLocale gives, so the
// command line and the window agree. (Names as the environment spells them:
// locale_names_test.) The table is generated from the same Qt the test links.
#include "app/locale_table.h"

#include <QLocale>
#include <QStringList>
#include <QTest>
#include <set>
#include <string>

#include "app/locale_names.h"

namespace zova {

class LocaleTableTest : public QObject {
  Q_OBJECT

  /// Names whose symbols from the command line (the table's row, else the name's
  /// lookup) differ from the window's; at most 20.
  static QStringList mismatches(const QStringList& names, const NumberLocale* row = nullptr) {
    QStringList found;
    for (const QString& name : names) {
      const QLocale window(name);
      const NumberLocale cli = row ? *row++ : localeNamed(name.toStdString());
      const NumberLocale shown{window.decimalPoint().toStdString(),
                               window.groupSeparator().toStdString()};
      if (cli != shown && found.size() < 20)
        found << name + ": command line \"" +
                     QString::fromStdString(cli.decimal + "\" \"" + cli.group) + "\", window \"" +
                     QString::fromStdString(shown.decimal + "\" \"" + shown.group) + "\"";
    }
    return found;
  }

 private slots:
  void everyRowHoldsQLocaleSymbolsInOrder() {
    QStringList names;
    std::vector<NumberLocale> rows;
    for (const LocaleSymbolsRow& row : localeSymbolsTable()) {
      QVERIFY2(names.isEmpty() || names.last() < QString::fromUtf8(row.name), row.name);
      names << QString::fromUtf8(row.name);
      rows.push_back({row.decimal, row.group});
    }
    QVERIFY(names.size() > 500);
    const QStringList wrong = mismatches(names, rows.data());
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    const auto aliases = languageAliasTable();
    for (size_t i = 0; i < aliases.size(); ++i) {
      QVERIFY2(i == 0 || std::string_view(aliases[i - 1].alias) < aliases[i].alias,
               aliases[i].alias);
      QCOMPARE(QLocale(QString::fromUtf8(aliases[i].alias)).language(),
               QLocale(QString::fromUtf8(aliases[i].language)).language());
    }
  }

  // Every locale QLocale knows, and every language (and language with script) with every
  // territory: names no locale has, such as de_US or sr_Latn_FR, fall back as QLocale's do.
  void everyNameAgrees() {
    QStringList names, territories;
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
      names << locale.name() << locale.bcp47Name();
    for (int t = 1; t <= int(QLocale::LastTerritory); ++t)
      if (const QString code = QLocale::territoryToCode(QLocale::Territory(t)); !code.isEmpty())
        territories << code;
    std::set<QString> prefixes;
    for (const LocaleSymbolsRow& row : localeSymbolsTable()) {
      const QStringList tags = QString::fromUtf8(row.name).split(u'_');
      prefixes.insert(tags[0]);
      // A script the language is not written in is one QLocale ignores.
      prefixes.insert(tags[0] + QStringLiteral("_Cyrl"));
      if (tags.size() > 1 && tags[1].size() == 4) prefixes.insert(tags[0] + u'_' + tags[1]);
    }
    for (const LanguageAliasRow& row : languageAliasTable())
      prefixes.insert(
          {QString::fromUtf8(row.alias), QString::fromUtf8(row.alias) + QStringLiteral("_Cyrl")});
    for (const QString& prefix : prefixes) {
      names << prefix;
      for (const QString& territory : territories) names << prefix + u'_' + territory;
    }
    QVERIFY(names.size() > 50000);
    const QStringList wrong = mismatches(names);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
  }
};

}  // namespace zova

QTEST_APPLESS_MAIN(zova::LocaleTableTest)
#include "locale_table_test.moc"
