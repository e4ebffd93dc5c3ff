// The window in every shipped language: each .ts file finished, and one walk through every
// window, panel, dialog and menu that finds no untranslated and no clipped text, under a
// pseudo-translation (longer, accented, marked) and under each real translation.
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/model_rig.h"
#include "shell/options_window.h"
#include "shell/tape_window.h"

using namespace zova;

namespace {

// Texts shown in English in every language: the financial keys' captions, which also name
// their cells.
const QStringList kExempt = {"% / Yr", "N", "PMT", "PV", "FV"};
// Widgets whose texts are no words, by their own or their parent's name: keypad captions,
// element symbols.
const QStringList kExemptWidgets = {QStringLiteral("keypad"), QStringLiteral("symbol")};

// Each text longer by 40 %, its letters accented, between markers; placeholders, tags,
// entities and access keys kept. Remembers what the window asked for.
class PseudoTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (!*source) return {};
    if (*context != 'Q') asked.insert({context, source});  // Qt's classes have their own
    QString out = QStringLiteral("[");
    static const QString plain = QStringLiteral("aeiouAEIOUcnyszCNYSZ"),
                         accented = QStringLiteral("àéîõüÅÉÎÕÜçñýšžÇÑÝŠŽ");
    const QString s = QString::fromUtf8(source);
    for (qsizetype i = 0, skip = 0; i < s.size(); ++i) {
      const QChar c = s[i];
      if (c == '<' || c == '%' || c == '&') skip = c == '<' ? -1 : 2;  // a tag, %1 or &x
      const qsizetype at = plain.indexOf(c);
      out += skip || at < 0 ? c : accented[at];
      if (skip > 0) --skip;
      if (c == '>' || (skip < 0 && c == ';')) skip = 0;
    }
    return out + QString(s.size() * 2 / 5, QChar(0x2019)) + QLatin1Char(']');
  }
  mutable std::set<std::pair<QString, QString>> asked;
};

// The messages of one .ts file: source -> finished translation; "" where unfinished.
std::map<QString, QString> messages(const QString& lang) {
  QFile file(QStringLiteral(ZOVA_SOURCE_DIR "/translations/zova_%1.ts").arg(lang));
  file.open(QIODevice::ReadOnly);
  std::map<QString, QString> out;
  QString context, source;
  for (QXmlStreamReader xml(&file); !xml.atEnd();) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("source")) source = xml.readElementText();
    if (xml.name() != QLatin1String("translation")) continue;
    const bool done = xml.attributes().value(QLatin1String("type")).isEmpty();
    const QString text = xml.readElementText();
    out[context + '|' + source] = done ? text : QString();
  }
  return out;
}

const QStringList kLanguages = {"de", "fr", "es", "it", "pt_BR", "pl", "ru", "zh_CN"};
std::set<std::pair<QString, QString>> asked;  // by the pseudo-translated walk

// A widget's own visible text and the rectangle it has for it; empty text for none.
std::pair<QString, QRect> textAndRoom(QWidget* w) {
  QStyleOptionButton o;
  o.initFrom(w);
  if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().contains('<'))
    return {l->text(), l->contentsRect()};
  if (auto* b = qobject_cast<QPushButton*>(w))
    return {b->text(), w->style()->subElementRect(QStyle::SE_PushButtonContents, &o, w)};
  if (auto* b = qobject_cast<QCheckBox*>(w))
    return {b->text(), w->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, w)};
  if (auto* b = qobject_cast<QRadioButton*>(w))
    return {b->text(), w->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, w)};
  if (auto* g = qobject_cast<QGroupBox*>(w)) return {g->title(), g->rect()};
  return {};
}

}  // namespace

class TranslationTest : public QObject {
  Q_OBJECT
 private slots:
  void everyWindowSpeaksAndFits_data() {
    QTest::addColumn<QString>("lang");
    for (const QString& lang : QStringList{"en", "pseudo"} + kLanguages)
      QTest::newRow(qPrintable(lang)) << lang;
  }
  void everyWindowSpeaksAndFits() {
    QFETCH(QString, lang);
    PseudoTranslator pseudo;
    QTranslator real;
    QVERIFY(lang == "pseudo" || lang == "en" || real.load("zova_" + lang, ZOVA_TRANSLATIONS_DIR));
    QTranslator& translator = lang == "pseudo" ? pseudo : real;
    QCoreApplication::installTranslator(&translator);
    // English sources whose translation differs: shown as they are, they are untranslated.
    std::set<QString> english;
    for (const auto& [key, text] : messages("de")) {
      const QString source = key.section('|', 1), ctx = key.section('|', 0, 0);
      const QString shown = translator.translate(qPrintable(ctx), qPrintable(source));
      if (!shown.isEmpty() && shown != source) english.insert(QString(source).remove('&'));
    }
    QStringList faults;
    const auto check = [&](QWidget* top, const QString& where) {
      const QList<QWidget*> widgets = top->findChildren<QWidget*>() << top;
      for (QWidget* w : widgets) {
        if (!w->isVisibleTo(top) && w != top) continue;
        QStringList texts = {w->isWindow() ? w->windowTitle() : QString()};
        if (auto* tabs = qobject_cast<QTabBar*>(w))
          for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
        for (QAction* a : w->actions()) texts << a->text();
        const auto [text, room] = textAndRoom(w);
        texts << text;
        for (const QString& t : texts)
          if (english.count(QString(t).remove('&')) && !kExempt.contains(t))
            faults << where + ": untranslated " + t;
        // Dot leaders ("Atomic Mass.....") run out of sight; a line's height is its ink's.
        if (text.isEmpty() || lang == "pseudo" || kExemptWidgets.contains(w->objectName()) ||
            kExemptWidgets.contains(w->parent()->objectName()))
          continue;
        const QString fitted = QString(text).remove(QRegularExpression("\\.{2,}$"));
        QRect need = w->fontMetrics().boundingRect(
            QRect(0, 0, room.width(), 10000),
            Qt::TextShowMnemonic |
                (qobject_cast<QLabel*>(w) && static_cast<QLabel*>(w)->wordWrap() ? Qt::TextWordWrap
                                                                                 : 0),
            fitted);
        if (!need.isEmpty() && !fitted.contains('\n'))
          need.setHeight(w->fontMetrics().tightBoundingRect(fitted).height());
        if (need.width() > room.width() || need.height() > room.height())
          faults << QString("%1: %2 needs %3x%4, has %5x%6")
                        .arg(where, text)
                        .arg(need.width())
                        .arg(need.height())
                        .arg(room.width())
                        .arg(room.height());
      }
    };
    {
      WindowRig<> rig;
      MainWindow& w = *rig.window;
      QVERIFY(play(w, rig.model, "2,+,3,="));
      check(&w, "main");
      for (const char* panel : {"Converter", "Statistics", "Financial"}) {
        w.action(panel)->trigger();
        check(&w, panel);
      }
      QVERIFY(play(w, rig.model, "menu:Converter,conv:Constants"));
      check(&w, "constants");
      for (QMenu* menu : w.findChildren<QMenu*>()) check(menu, menu->objectName());
      w.action("periodicTable")->trigger();
      auto* elements = w.findChild<ElementsWindow*>();
      for (const Element& e : kElements) {
        QVERIFY(play(*elements, rig.model, "elem:hover=" + q(e.symbol)));
        check(elements, q(e.name));
      }
      w.action("paperTape")->trigger();
      check(w.findChild<TapeWindow*>(), "tape");
      OptionsWindow options(rig.model, &w);
      options.show();
      for (int tab : {0, 1}) {
        options.findChild<QTabWidget*>()->setCurrentIndex(tab);
        check(&options, "options");
      }
      check(AboutBox::open(&w), "about");
      for (int topic : {kOverviewHelpTopic, kKeyboardHelpTopic})
        check(HelpWindow::open(&w, topic), "help");
    }
    QCoreApplication::removeTranslator(&translator);
    if (lang == "pseudo") asked = pseudo.asked;
    for (const QString& fault : faults) qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), "untranslated or clipped texts");
  }

  // Every text the walk asked for, and every other of the file, has a finished translation.
  void everyLanguageIsComplete() {
    QVERIFY(!asked.empty());
    for (const QString& lang : kLanguages) {
      const std::map<QString, QString> ts = messages(lang);
      for (const auto& [context, source] : asked)
        QVERIFY2(kExempt.contains(source) || ts.count(context + '|' + source),
                 qPrintable(lang + ": no " + context + '|' + source));
      for (const auto& [key, text] : ts) QVERIFY2(!text.isEmpty(), qPrintable(lang + ": " + key));
      QFile file(QStringLiteral(ZOVA_SOURCE_DIR "/translations/zova_%1.ts").arg(lang));
      QVERIFY(file.open(QIODevice::ReadOnly));
      QVERIFY2(!file.readAll().contains("type=\""), qPrintable(lang + ": unfinished or vanished"));
    }
  }
};

static const zova::ShellTest<TranslationTest> kRegistered("translation");
#include "translation_test.moc"
