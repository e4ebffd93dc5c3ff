// The keyboard references of the README and the help page, written from the key
// tables so that the documents and the keyboard map cannot drift apart.
#pragma once

#include <string>
#include <vector>

#include "engine/keys.h"
#include "engine/text.h"

namespace zova {

/// The Markdown table of the README's "Keyboard reference" section: one row per
/// keypad key with its caption, second function and keyboard key.
std::string keyboardReferenceTable();

/// A panel's key as the help page lists it: its caption, a text in the panel's
/// translation context, and its keyboard key.
struct PanelKey {
  Text caption;
  KeyBinding binding;
};
/// The statistics keys that have a keyboard key, in panel order.
std::vector<PanelKey> statisticsKeys();
/// The converter's category keys that have a keyboard key, then Constants and Convert.
std::vector<PanelKey> converterKeys();

}  // namespace zova
