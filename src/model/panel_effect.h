// What a tool panel's operation asks of the main display and its entry state,
// and the two text routines that move numbers between "." and the locale's
// decimal symbol, for panel models that do not hold the calculator.
#pragma once

#include <algorithm>
#include <optional>
#include <string>

#include "engine/convert.h"
#include "engine/value.h"

namespace zova {

/// How the entry state of the keypad is reset after a panel operation.
enum class EntryReset {
  kNone,         ///< left as it is
  kSwitch,       ///< switch := 1: the next digit starts a new number
  kEndEntry,     ///< switch := 1, dot := 0: a result was written
  kCommonStart,  ///< digits := 0, exponent := 0, dot := 0, switch := 1
};

/// The outcome of one panel operation for the caller to apply to the calculator:
/// reset the entry state first, then write the display if a text is given, then
/// give the focus back to the "=" key if asked.
struct PanelEffect {
  std::optional<std::string> display;
  EntryReset reset = EntryReset::kNone;
  bool focusEquals = false;
  bool operator==(const PanelEffect&) const = default;
};

/// Every "," becomes ".".
inline std::string commafixText(std::string issue) {
  std::replace(issue.begin(), issue.end(), ',', '.');
  return issue;
}

/// Every "." becomes the locale's decimal symbol when the locale form of the
/// text has no "."; in a locale that writes decimals with "." nothing changes.
inline std::string dotfixText(std::string issue, const NumberLocale& loc) {
  if (loc.decimal == "." || issue.find('.') == std::string::npos) return issue;
  const auto n = TextToNumber(issue, loc);
  if (n && NumberToText(*n, loc).find('.') != std::string::npos) return issue;
  std::string out;
  for (char c : issue) {
    if (c == '.')
      out += loc.decimal;
    else
      out += c;
  }
  return out;
}

/// commafix of a loosely typed field: a value whose text has a "," becomes that
/// text with "." instead; any other value (a number too) stays as it is.
inline Value commafixValue(const Value& issue, const NumberLocale& loc) {
  const std::string t = issue.text(loc);
  if (t.find(',') == std::string::npos) return issue;
  return Value(commafixText(t));
}

/// dotfix of a loosely typed field, changing it only where the text changes.
inline Value dotfixValue(const Value& issue, const NumberLocale& loc) {
  const std::string t = issue.text(loc);
  std::string fixed = dotfixText(t, loc);
  if (fixed == t) return issue;
  return Value(std::move(fixed));
}

}  // namespace zova
