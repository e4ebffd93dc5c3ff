// The window's language: loading the translations and showing the model's
// English texts translated.
#include "shell/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include "shell/qt_text.h"

namespace zova {

namespace {

QString translated(const char* context, const QString& english) {
  return QCoreApplication::translate(context, english.toUtf8().constData());
}

// "keypad", "Shift+6": where a key lies, as the tooltip's bracket names it.
QString shownPlace(const QString& place) {
  if (place == QLatin1String("keypad")) return QCoreApplication::translate("Keypad", "keypad");
  if (place.startsWith(QLatin1String("Shift+")))
    return QCoreApplication::translate("Keypad", "Shift+") + place.mid(6);
  return place;
}

// The keyboard's keys that have names rather than symbols: the window shows
// them translated, the command line in English ("End" is also a payment timing,
// translated apart in the financial panel).
const char* const kKeyNames[] = {
    QT_TRANSLATE_NOOP("KeyName", "Backspace"), QT_TRANSLATE_NOOP("KeyName", "Delete"),
    QT_TRANSLATE_NOOP("KeyName", "Home"),      QT_TRANSLATE_NOOP("KeyName", "End"),
    QT_TRANSLATE_NOOP("KeyName", "Esc"),       QT_TRANSLATE_NOOP("KeyName", "Enter"),
};

}  // namespace

QStringList translationFolders() {
  const QString dir = QCoreApplication::applicationDirPath();
  return {dir + QStringLiteral("/translations"),
          dir + QStringLiteral("/../share/zova/translations")};
}

void installTranslations(QCoreApplication& app) {
  // QLocale() is the system's: its uiLanguages() are LANGUAGE's list, else the
  // LC_ALL, LC_MESSAGES or LANG language, which the loader tries in order.
  const QLocale locale;
  auto* own = new QTranslator(&app);
  for (const QString& folder : translationFolders()) {
    if (own->load(locale, QStringLiteral("zova"), QStringLiteral("_"), folder)) {
      QCoreApplication::installTranslator(own);
      break;
    }
  }
  // Qt's own dialogs and standard buttons, only beside a translation of ours:
  // an English window keeps Qt's English whatever Qt has.
  if (own->isEmpty()) return;
  auto* qt = new QTranslator(&app);
  if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
}

QString shown(const char* context, std::string_view english) {
  if (english.empty()) return {};
  return translated(context, q(english));
}

std::string englishEntry(const char* context, const QString& typed,
                         const std::vector<std::string>& entries) {
  for (const std::string& entry : entries)
    if (shown(context, entry) == typed) return entry;
  return typed.toStdString();
}

QString shownMessage(std::string_view english) { return shown("Messages", english); }

QString shownText(const Text& text) {
  if (text.id == TextId::kAsWritten) return q(text.written);
  if (text.id == TextId::kPhrase) return shownMessage(text.written);
  const TextTemplate t = textTemplate(text.id);
  QString out = QCoreApplication::translate(t.context, t.english);
  // One argument at a time: an argument's own "%1" stays as it is.
  QStringList args;
  for (const Text& arg : text.args) args << shownText(arg);
  switch (args.size()) {
    case 0:
      return out;
    case 1:
      return out.arg(args[0]);
    case 2:
      return out.arg(args[0], args[1]);
    default:
      return out.arg(args[0], args[1], args[2]);
  }
}

QString shownKeyName(const QString& name) {
  if (name.startsWith(QLatin1String("keypad ")))
    return QCoreApplication::translate("Keypad", "keypad ") + name.mid(7);
  const qsizetype bracket = name.indexOf(QLatin1String(" ("));
  if (bracket > 0 && name.endsWith(QLatin1Char(')')))
    return shownKeyName(name.left(bracket)) + QStringLiteral(" (") +
           shownPlace(name.mid(bracket + 2, name.size() - bracket - 3)) + QLatin1Char(')');
  for (const char* named : kKeyNames)
    if (name == QLatin1String(named)) return QCoreApplication::translate("KeyName", named);
  return name;
}

QString shownTooltip(std::string_view english) {
  const QString text = q(english);
  const QString prefix = QStringLiteral("Keyboard equivalent:  ");
  const QString key = QStringLiteral(" key");
  const qsizetype end = text.indexOf(key, prefix.size() + 1);
  if (!text.startsWith(prefix) || end < 0) return text;
  const QString tail = text.mid(end + key.size());
  QString result = QCoreApplication::translate("Keypad", "Keyboard equivalent:  ") +
                   shownKeyName(text.mid(prefix.size(), end - prefix.size())) +
                   QCoreApplication::translate("Keypad", " key");
  if (tail == QLatin1String(" (main row or keypad)"))
    return result + QCoreApplication::translate("Keypad", " (main row or keypad)");
  if (tail.startsWith(QLatin1String(" or ")))
    return result + QCoreApplication::translate("Keypad", " or ") + shownKeyName(tail.mid(4));
  if (tail.startsWith(QLatin1String(" (")) && tail.endsWith(QLatin1Char(')')))
    return result + QStringLiteral(" (") + shownPlace(tail.mid(2, tail.size() - 3)) +
           QLatin1Char(')');
  return result + tail;
}

QString shownBracketTip(std::string_view english) {
  const QString text = q(english);
  const QString piece = QStringLiteral("open brackets:");
  if (!text.startsWith(piece)) return text;
  return QCoreApplication::translate("Keypad", "open brackets:") + text.mid(piece.size());
}

QString withoutShownAccessKey(const QString& caption) {
  static const QRegularExpression suffix(QStringLiteral("\\(&[^&]\\)"));
  QString plain = caption;
  plain.remove(suffix);
  plain.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  plain.remove(QLatin1Char('&'));
  plain.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return plain;
}

}  // namespace zova
