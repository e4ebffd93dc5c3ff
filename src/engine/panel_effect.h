// What a tool panel's operation asks of the main display and its entry state.
#pragma once

#include <optional>
#include <string>

#include "engine/decimal_symbol.h"

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
/// give the focus back to the "=" key if asked, and beep when the key was refused.
struct PanelEffect {
  std::optional<std::string> display;
  EntryReset reset = EntryReset::kNone;
  bool focusEquals = false;
  bool beep = false;  ///< the key had nothing to give: the display stays and a beep says so
  bool operator==(const PanelEffect&) const = default;
};

}  // namespace zova
