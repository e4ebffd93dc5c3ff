// The README's keyboard reference, written from the key table so that the
// document and the keyboard map cannot drift apart.
#pragma once

#include <string>

namespace zova {

/// The Markdown table of the README's "Keyboard reference" section: one row per
/// keypad key with its caption, second function and keyboard key.
std::string keyboardReferenceTable();

}  // namespace zova
