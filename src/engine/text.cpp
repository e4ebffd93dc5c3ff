// The one table of the English templates of the texts the program builds.
#include "engine/text.h"

#include <iterator>

namespace zova {

namespace {

// One row per TextId after kPhrase, in its order; %1, %2, ... are the arguments.
constexpr TextTemplate kTemplates[] = {
    {"Messages", ZOVA_TEXT("Messages",
                           "The settings file %1 could not be read. It has been kept "
                           "as %1.bak, and the settings are saved anew.")},
    {"Messages", ZOVA_TEXT("Messages",
                           "The settings file %1 could not be read, and it is not a file the "
                           "settings may replace: it is left as it is, and the settings are not "
                           "saved.")},
    {"Messages", ZOVA_TEXT("Messages", "The settings could not be saved to %1: %2.")},
    {"Messages", ZOVA_TEXT("Messages", "The file \"%1\" could not be found.")},
    {"Messages", ZOVA_TEXT("Messages", "The file \"%1\" could not be read: %2.")},
    {"Messages", ZOVA_TEXT("Messages", "The tape could not be saved to %1: %2.")},
    {"Keypad", ZOVA_TEXT("Keypad", "open brackets:%1")},
    {"Keypad", ZOVA_TEXT("Keypad", "Keyboard equivalent:  %1 key")},
    {"Keypad", ZOVA_TEXT("Keypad", "Keyboard equivalent:  %1 key (%2)")},
    {"Keypad", ZOVA_TEXT("Keypad", "Keyboard equivalent:  %1 key (main row or keypad)")},
    {"Keypad", ZOVA_TEXT("Keypad", "Keyboard equivalent:  %1 key or %2")},
    {"Keypad", ZOVA_TEXT("Keypad", "keypad")},
    {"Keypad", ZOVA_TEXT("Keypad", "Shift+%1")},
    {"Keypad", ZOVA_TEXT("Keypad", "keypad %1")},
    {nullptr, "%1 (%2)"},
    {nullptr, "%1 ="},
    {nullptr, "%1 %2 -> %3"},
    {"Tape", ZOVA_TEXT("Tape", "%1 number")},
    {"Tape", ZOVA_TEXT("Tape", "%1 mass")},
};
constexpr int kFirstBuilt = static_cast<int>(TextId::kSettingsKeptAsBackup);
static_assert(std::size(kTemplates) ==
              static_cast<std::size_t>(TextId::kAtomicMass) - kFirstBuilt + 1);

}  // namespace

TextTemplate textTemplate(TextId id) {
  if (id == TextId::kKeyName) return {"KeyName", "%1"};
  if (isWritten(id)) return {id == TextId::kPhrase ? "Messages" : nullptr, "%1"};
  return kTemplates[static_cast<int>(id) - kFirstBuilt];
}

std::string withoutAccessKey(std::string_view caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&') continue;
    out += caption[i];
  }
  return out;
}

std::string english(const Text& text) {
  if (text.id == TextId::kCaption) {
    std::string out = withoutAccessKey(text.written);
    if (out.ends_with("...")) out.resize(out.size() - 3);
    return out;
  }
  if (isWritten(text.id)) return text.written;
  const std::string_view pattern = textTemplate(text.id).english;
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t n =
        i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : text.args.size();
    if (pattern[i] == '%' && n < text.args.size()) {
      out += english(text.args[n]);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace zova
