// The window's language: the program's and Qt's own translations, chosen by the
// desktop's locale, and the lookups that show the model's English texts in it.
// The model, the settings file and the command line keep their English; only
// what the window draws is translated.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "engine/text.h"

namespace zova {

/// Installs the program's translation and Qt's own for the user's languages
/// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG as Qt reads them). English needs none.
void installTranslations(QCoreApplication& app);

/// The folders searched for the program's .qm files: beside the program (the
/// build tree) and the installed data folder.
QStringList translationFolders();

/// A text the model holds, as the window shows it: its translation in
/// `context`, or the text itself where there is none.
QString shown(const char* context, std::string_view english);

/// A message box's fixed text, title or prompt from the model, translated whole.
QString shownMessage(std::string_view english);

/// A text the model built, in the user's language: its template translated,
/// then its arguments put in.
QString shownText(const Text& text);

/// A caption without its access key: "&Sum" and "总和(&S)" both lose theirs.
QString withoutShownAccessKey(const QString& caption);

}  // namespace zova
