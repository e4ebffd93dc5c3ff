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
  return QCoreApplication::translate(context, std::string(english).c_str());
}

QString shownMessage(std::string_view english) { return shown("Messages", english); }

QString shownText(const Text& text) {
  const TextTemplate t = textTemplate(text.id);
  if (text.id == TextId::kCaption) {
    QString caption = withoutShownAccessKey(
        text.context.empty() ? q(text.written) : shown(text.context.c_str(), text.written));
    if (caption.endsWith(QLatin1String("..."))) caption.chop(3);
    return caption;
  }
  if (isWritten(text.id)) return t.context ? shown(t.context, text.written) : q(text.written);
  QString out = t.context ? QCoreApplication::translate(t.context, t.english) : q(t.english);
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
