// Qt key events in the terms of the calculator's keyboard map: the Windows
// virtual-key code of the key and the shift bits (1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include <QKeyEvent>

#include "engine/keys.h"

namespace zova {

struct TranslatedKey {
  int code = 0;   ///< Windows virtual-key code; 0 for a key the map does not know
  int shift = 0;  ///< kShiftBit | kCtrlBit | kAltBit
  bool operator==(const TranslatedKey&) const = default;
};

/// Translates a Qt key. Keys of the numeric keypad (Qt::KeypadModifier) get the
/// keypad codes 96-111. A top-row digit key keeps its digit when Shift turns it
/// into a symbol: the physical key is read from the X keycode in
/// `nativeScanCode` when there is one (10-19 on X11 and Wayland), otherwise the
/// symbol is taken as it lies on a US keyboard ("^" is Shift+6).
TranslatedKey translateKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode = 0);
TranslatedKey translateKey(const QKeyEvent& event);
/// The key a US keyboard sends for a key of the map, the inverse of translateKey:
/// Shift+6 is "^", keypad keys carry Qt::KeypadModifier, and a key known by what
/// it types (code 0) is that character's key. Qt::Key_unknown for none.
QKeyCombination qtKeyFor(const KeyPress& press);

/// The physical key of a press or release, the same for both whatever the
/// modifiers did in between: the X keycode where there is one, otherwise the
/// translated key code (Shift+3's "#" and a plain "3" are one key).
quint64 physicalKey(const QKeyEvent& event);

}  // namespace zova
