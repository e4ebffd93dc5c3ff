// The window in every shipped language: each .ts file finished, and one walk through every
// window, panel, dialog and menu that finds no untranslated and no clipped text and no control
// the keyboard reaches without an accessible name, under a pseudo-translation (longer,
// accented, marked) and under each real translation.
#include "shell/translation.h"

#include <QAccessible>
#include <QDir>
#include <QGroupBox>
#include <QListView>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

#include "model/tape_file.h"
#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/model_rig.h"
#include "shell/options_window.h"
#include "shell/tape_window.h"

using namespace zova;

namespace {

// English in every language: the financial keys' captions, which also name their cells; and
// the widgets, by their own or their parent's name, of keypad captions and element symbols.
const QStringList kExempt = {"N", "PMT", "PV", "FV"}, kExemptWidgets = {"keypad", "symbol"};
std::set<std::pair<QString, QString>> asked;  // by the pseudo-translated walk

// Each text longer by 40 %, its letters accented, between markers; placeholders, tags,
// entities and access keys kept. Remembers what the window asked for.
class PseudoTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (!*source) return {};
    if (*context != 'Q') asked.insert({context, source});  // Qt's classes have their own
    const QString s = QString::fromUtf8(source), plain = "aeiouAEIOUcnyszCNYSZ";
    QString out = "[";
    for (qsizetype i = 0, skip = 0; i < s.size(); ++i) {  // tags, %1 and &x as they are
      if (s[i] == '<' || s[i] == '%' || s[i] == '&') skip = s[i] == '<' ? -1 : 2;
      out += skip || plain.indexOf(s[i]) < 0 ? s[i]
                                             : QString("àéîõüÅÉÎÕÜçñýšžÇÑÝŠŽ")[plain.indexOf(s[i])];
      skip = s[i] == '>' ? 0 : skip > 0 ? skip - 1 : skip;
    }
    return out + QString(s.size() * 2 / 5, QChar(0x2019)) + "]";
  }
};

// The messages of one .ts file: "context|source" -> translation.
std::map<QString, QString> messages(const QString& lang) {
  QFile file(QString(ZOVA_SOURCE_DIR "/translations/zova_%1.ts").arg(lang));
  file.open(QIODevice::ReadOnly);
  std::map<QString, QString> out;
  QString context, source;
  for (QXmlStreamReader xml(&file); !xml.atEnd();) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("source")) source = xml.readElementText();
    if (xml.name() == QLatin1String("translation"))
      out[context + '|' + source] = xml.readElementText();
  }
  return out;
}

// The shipped languages: one .ts file each.
QStringList languages() {
  QStringList out;
  for (const QString& f : QDir(ZOVA_SOURCE_DIR "/translations").entryList({"zova_*.ts"}))
    out << f.mid(5).chopped(3);
  return out;
}

// A widget's own visible text and the rectangle it has for it; empty text for none.
std::pair<QString, QRect> textAndRoom(QWidget* w) {
  QStyleOptionButton o;
  o.initFrom(w);
  const auto room = [&](QStyle::SubElement e) { return w->style()->subElementRect(e, &o, w); };
  if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().contains('<'))
    return {l->text(), l->contentsRect()};
  if (auto* b = qobject_cast<QAbstractButton*>(w))
    return {b->text(), room(qobject_cast<QPushButton*>(w)    ? QStyle::SE_PushButtonContents
                            : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                             : QStyle::SE_CheckBoxContents)};
  if (auto* g = qobject_cast<QGroupBox*>(w)) return {g->title(), g->rect()};
  return {};
}

}  // namespace

class TranslationTest : public QObject {
  Q_OBJECT
 private slots:
  void everyWindowSpeaksAndFits_data() {
    QTest::addColumn<QString>("lang");
    for (const QString& lang : QStringList{"en", "pseudo"} + languages())
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
        if (auto* bar = qobject_cast<QMenuBar*>(w)) {  // no title behind the overflow button
          auto* more = bar->findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button"));
          if (!more || more->isVisibleTo(bar)) faults << where + ": menu bar overflows";
        }
        QStringList texts = {w->isWindow() ? w->windowTitle() : QString()};
        if (auto* tabs = qobject_cast<QTabBar*>(w))
          for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
        for (QAction* a : w->actions()) texts << a->text();
        const auto [text, room] = textAndRoom(w);
        texts << text;
        // A control the keyboard reaches has a name a screen reader can say, in the language.
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            a && w->focusPolicy() & Qt::TabFocus) {
          texts << a->text(QAccessible::Name) << a->text(QAccessible::Description);
          if (a->text(QAccessible::Name).isEmpty())
            faults << where + ": no accessible name on " + w->metaObject()->className() + ' ' +
                          w->objectName();
        }
        for (const QString& t : texts)
          if (english.count(QString(t).remove('&')) && !kExempt.contains(t))
            faults << where + ": untranslated " + t;
        // Dot leaders ("Atomic Mass.....") run out of sight; a line's height is its ink's.
        if (text.isEmpty() || lang == "pseudo" || kExemptWidgets.contains(w->objectName()) ||
            kExemptWidgets.contains(w->parent()->objectName()))
          continue;
        const QString fitted = QString(text).remove(QRegularExpression("\\.{2,}$"));
        const bool wraps = qobject_cast<QLabel*>(w) && static_cast<QLabel*>(w)->wordWrap();
        QRect need = w->fontMetrics().boundingRect(
            {0, 0, room.width(), 10000}, Qt::TextShowMnemonic | (wraps ? Qt::TextWordWrap : 0),
            fitted);
        if (!wraps) need.setHeight(w->fontMetrics().tightBoundingRect(fitted).height());
        if (need.width() > room.width() || need.height() > room.height())
          faults << where + ": clipped " + text;
      }
    };
    {
      const QLocale locale(lang == "pseudo" ? "en" : lang);
      const QString point = locale.decimalPoint();
      WindowRig<> rig({}, {point.toStdString(), locale.groupSeparator().toStdString()});
      MainWindow& w = *rig.window;
      // The point key shows the symbol it types.
      QCOMPARE(w.findChild<QPushButton*>("pointKey")->text(), point);
      w.activateWindow();  // the lists take typed text, the menu bar its access keys
      QVERIFY(QTest::qWaitForWindowActive(&w));
      QVERIFY(play(w, rig.model, "2,+,3,=,Base,Base,Base"));  // the widest base mark, "b"
      check(&w, "main");
      QVERIFY(play(w, rig.model, "Base"));
      for (const char* panel : {"Converter", "Statistics", "Financial"}) {
        w.action(panel)->trigger();
        check(&w, panel);
      }
      QVERIFY(play(w, rig.model, "menu:Converter,conv:Constants"));
      check(&w, "constants");
      // A unit typed or chosen in the lists' language converts; a name that is none does not.
      const QString from = QCoreApplication::translate("Converter", "inches");
      const bool typable = QString::fromLatin1(from.toLatin1()) == from;  // QTest types Latin-1
      QVERIFY(play(w, rig.model,
                   QString("conv:Constants,AC,1,conv:Length,conv:%1=%2,conv:pick-to=%3,"
                           "conv:go,conv:from=?,conv:go")
                       .arg(typable ? "from" : "pick-from", from,
                            QCoreApplication::translate("Converter", "centimeters"))));
      QCOMPARE(q(rig.model.calc().state().display), "2" + point + "54");
      // A menu's access key opens its menu and never reaches the keypad (hex digits included).
      QVERIFY(play(w, rig.model, "Base"));
      const std::string display = rig.model.calc().state().display;
      for (QAction* menu : w.menuBar()->actions()) {
        const QChar letter = menu->text().at(menu->text().indexOf('&') + 1).toUpper();
        QTest::sendKeyEvent(QTest::Click, &w, Qt::Key(letter.unicode()), letter.toLower(),
                            Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup || rig.model.calc().state().display != display) faults << "Alt+" + menu->text();
        if (popup) popup->close();
      }
      for (QMenu* menu : w.findChildren<QMenu*>()) check(menu, menu->objectName());
      // The calculator and its panels at every larger zoom step.
      QVERIFY(play(w, rig.model, "conv:Length"));
      for (int zoom = kMinZoom + kZoomStep; zoom <= kMaxZoom; zoom += kZoomStep) {
        rig.zoom.setZoomPercent(zoom);
        QVERIFY(play(w, rig.model, "closeFlapKey"));
        const QString at = QString(" at %1 %").arg(zoom);
        check(&w, "main" + at);
        for (const char* panel : {"Converter", "Statistics", "Financial"}) {
          w.action(panel)->trigger();
          check(&w, panel + at);
        }
        QVERIFY(play(w, rig.model, "menu:Converter,conv:Constants"));
        check(&w, "constants" + at);
      }
      rig.zoom.setZoomPercent(kMinZoom);
      w.action("periodicTable")->trigger();
      auto* elements = w.findChild<ElementsWindow*>();
      QVERIFY(play(*elements, rig.model, "elem:drop1=Fe"));  // a formula, and its Clear button
      for (const Element& e : kElements) {
        QVERIFY(play(*elements, rig.model, "elem:hover=" + q(e.symbol)));
        check(elements, q(e.name));
      }
      w.action("paperTape")->trigger();
      check(w.findChild<TapeWindow*>(), "tape");
      {  // the tape's rows speak the language, the same once its file is read back
        const QAbstractItemModel* rows =
            w.findChild<TapeWindow*>()->findChild<QListView*>()->model();
        const QTemporaryDir dir;
        const std::string file = dir.filePath(q(kTapeFileName)).toStdString();
        QVERIFY(saveTapeFile(rig.model.tape(), file).written);
        TapeModel read;
        QCOMPARE(loadTapeFile(read, file), TapeLoad::kRead);
        const TapeListModel readRows(read);
        QCOMPARE(readRows.rowCount(), rows->rowCount());
        int translated = 0;
        for (int r = 0; r < rows->rowCount(); ++r) {
          QCOMPARE(readRows.index(r, 0).data(), rows->index(r, 0).data());
          translated += rows->index(r, 0).data().toString() != q(read.at(r).text());
        }
        QCOMPARE(translated > 0, lang != "en");
      }
      // The periodic table at every zoom step, with the elements of the longest names.
      std::vector<const Element*> longest;
      for (const Element& e : kElements) longest.push_back(&e);
      std::sort(longest.begin(), longest.end(), [](const Element* a, const Element* b) {
        return shown("Elements", a->name).size() > shown("Elements", b->name).size();
      });
      const QSize tapeSize = w.findChild<TapeWindow*>()->size();
      for (int zoom = kMinZoom + kZoomStep; zoom <= kMaxZoom; zoom += kZoomStep) {
        rig.zoom.setZoomPercent(zoom);
        for (const Element* e : {longest[0], longest[1], longest[2], &kElements[25]}) {
          QVERIFY(play(*elements, rig.model, "elem:hover=" + q(e->symbol)));
          check(elements, q(e->name) + QString(" at %1 %").arg(zoom));
        }
        check(w.findChild<TapeWindow*>(), QString("tape at %1 %").arg(zoom));
      }
      rig.zoom.setZoomPercent(kMinZoom);
      QCOMPARE(w.findChild<TapeWindow*>()->size(), tapeSize);  // back, not grown step by step
      OptionsWindow options(rig.model, &w);
      options.show();
      for (int tab : {0, 1}) {
        options.findChild<QTabWidget*>()->setCurrentIndex(tab);
        QCoreApplication::processEvents();  // the page laid out
        check(&options, "options");
      }
      check(AboutBox::open(&w), "about");
      for (HelpTopic topic : {HelpTopic::kOverview, HelpTopic::kKeyboard})
        check(HelpWindow::open(&w, topic), "help");
    }
    QCoreApplication::removeTranslator(&translator);
    for (const QString& fault : faults) qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), "untranslated or clipped texts");
  }

  // Every text the walk asked for, and every other of the file, has a finished translation.
  void everyLanguageIsComplete() {
    QFile desktop(ZOVA_SOURCE_DIR "/assets/" ZOVA_APP_ID ".desktop");
    QFile metainfo(ZOVA_SOURCE_DIR "/assets/" ZOVA_APP_ID ".metainfo.xml");
    QVERIFY(desktop.open(QIODevice::ReadOnly) && metainfo.open(QIODevice::ReadOnly));
    const QString entry = desktop.readAll(), meta = metainfo.readAll();
    QVERIFY(!asked.empty() && languages().size() >= 8);
    for (const QString& lang : languages()) {
      // The desktop entry and the metainfo speak it too: every translatable line.
      for (const char* key : {"GenericName", "Comment", "Keywords"})
        QVERIFY2(entry.contains(QString("\n%1[%2]=").arg(key, lang)), qPrintable(lang + key));
      QCOMPARE(meta.count(QString(" xml:lang=\"%1\"").arg(lang)),
               meta.count("<summary>") + meta.count("<p>") + meta.count("<caption>"));
      const std::map<QString, QString> ts = messages(lang);
      for (const auto& [context, source] : asked)
        QVERIFY2(kExempt.contains(source) || ts.count(context + '|' + source),
                 qPrintable(lang + ": no " + context + '|' + source));
      for (const auto& [key, text] : ts) QVERIFY2(!text.isEmpty(), qPrintable(lang + ": " + key));
      QFile file(QString(ZOVA_SOURCE_DIR "/translations/zova_%1.ts").arg(lang));
      QVERIFY(file.open(QIODevice::ReadOnly));
      QVERIFY2(!file.readAll().contains("type=\""), qPrintable(lang + ": unfinished or vanished"));
    }
  }
};

static const zova::ShellTest<TranslationTest> kRegistered("translation");
#include "translation_test.moc"
