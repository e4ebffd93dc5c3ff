// The texts the program builds for the user: an id naming an English template
// and the arguments put into it. The command line and the files fill in the
// English; the window translates the template first (context and template are
// the keys of the .ts files) and then puts in the arguments it shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

/// Marks an English text where it lives so that lupdate finds it (it reads
/// ZOVA_TEXT as QT_TRANSLATE_NOOP through -tr-function-alias); the program sees
/// the text itself.
#define ZOVA_TEXT(context, english) english

namespace zova {

enum class TextId {
  kAsWritten,  ///< `written` itself: a file name, a number, a system's error text
  kPhrase,     ///< `written` is a fixed English phrase, translated whole in "Messages"
  kKeyName,    ///< `written` is a keyboard key's name ("Backspace"), translated in "KeyName"
  kCaption,    ///< `written` is a control's caption in `context` ("&Mean" in "Statistics"),
               ///< or a name from the panels' tables ("meters" in "Converter"); it reads
               ///< without its access key and closing "..."
  kSettingsKeptAsBackup,
  kSettingsLeftAsIs,
  kSettingsNotSaved,
  kFileNotFound,
  kFileNotRead,
  kTapeNotSaved,
  kOpenBrackets,
  kKeyTip,
  kKeyTipAt,
  kKeyTipMainRowOrKeypad,
  kKeyTipOr,
  kKeypadPlace,
  kShifted,
  kKeypadKey,
  kKeyAt,
  kResultOf,      ///< a tape line's label: "Mean =", "sin(30 deg) ="
  kConversion,    ///< "12 meters -> feet"
  kAtomicNumber,  ///< "Fe number"
  kAtomicMass,    ///< "Fe mass"
};

struct Text {
  TextId id = TextId::kAsWritten;
  std::string written;     ///< the text of the ids that are their `written` text
  std::string context;     ///< the translation context of a kCaption
  std::vector<Text> args;  ///< put in for %1, %2, ... of the template

  Text() = default;
  Text(TextId id, std::vector<Text> args) : id(id), args(std::move(args)) {}

  /// A fixed English phrase, translated whole (a message box's fixed text).
  static Text phrase(std::string english) {
    Text t;
    t.id = TextId::kPhrase;
    t.written = std::move(english);
    return t;
  }
  /// A file name, number or system text, shown as it is in every language.
  static Text asWritten(std::string text) {
    Text t;
    t.written = std::move(text);
    return t;
  }
  /// A control's caption or a table's name, translated in `context`.
  static Text caption(std::string context, std::string caption) {
    Text t;
    t.id = TextId::kCaption;
    t.context = std::move(context);
    t.written = std::move(caption);
    return t;
  }
  bool operator==(const Text&) const = default;
};

/// The caption without its access-key marker: "C&onstants" reads "Constants";
/// "&&" stands for one "&".
std::string withoutAccessKey(std::string_view caption);

/// The open brackets' count as the bracket keys' tooltips give it: "open brackets: 2".
inline Text bracketTip(std::string count) {
  return {TextId::kOpenBrackets, {Text::asWritten(std::move(count))}};
}

/// Whether the id's text is `written` itself rather than a template filled in.
inline bool isWritten(TextId id) {
  return id == TextId::kAsWritten || id == TextId::kPhrase || id == TextId::kKeyName ||
         id == TextId::kCaption;
}

/// The translation context and English template of a text's id; the context
/// is null for a template the window shows as it is ("%1 (%2)"), and the
/// template "%1" for the ids that are their `written` text.
struct TextTemplate {
  const char* context;
  const char* english;
};
TextTemplate textTemplate(TextId id);

/// The text in English, as the command line and the files write it.
std::string english(const Text& text);

}  // namespace zova
