// Qt key codes to the Windows virtual-key codes the keyboard map is written in.
#include "shell/key_translate.h"

#include <span>
#include <utility>

#include "model/model.h"

namespace zova {

namespace {

// X keycodes of the top-row keys 1 ... 9, 0 (evdev code + 8, the same on every layout).
constexpr quint32 kFirstTopRowScanCode = 10;
constexpr quint32 kLastTopRowScanCode = 19;

// Qt's keys for the printable ASCII characters have the characters' codes ('^' is
// Qt::Key_AsciiCircum); the keyboard map's codes for letters and digits are theirs too.
bool isAscii(int qtKey) { return qtKey > Qt::Key_Space && qtKey <= Qt::Key_AsciiTilde; }

// The keys Qt names otherwise than by a character.
constexpr std::pair<int, int> kNamedKeys[] = {
    {Qt::Key_Backspace, vk::kBack}, {Qt::Key_Delete, vk::kDelete}, {Qt::Key_Home, vk::kHome},
    {Qt::Key_End, vk::kEnd},        {Qt::Key_Escape, vk::kEscape}, {Qt::Key_Return, vk::kEnter},
    {Qt::Key_Enter, vk::kEnter},    {Qt::Key_Shift, vk::kShift},   {Qt::Key_Control, vk::kControl},
    {Qt::Key_Alt, vk::kAlt},        {Qt::Key_AltGr, vk::kAlt}};

int lookUp(std::span<const std::pair<int, int>> table, int qtKey) {
  for (const auto& [key, code] : table)
    if (key == qtKey) return code;
  return 0;
}

// The code of the keyboard key of that name, or 0.
int codeNamed(const std::string& name) {
  for (const KeyboardKey& k : keyboardKeys())
    if (k.name == name) return k.code;
  return 0;
}

int codeOf(int qtKey, bool keypad, quint32 scanCode) {
  if (keypad) {
    // A German keypad's decimal key types a comma.
    if (qtKey == Qt::Key_Comma) return vk::kDecimal;
    if (isAscii(qtKey))
      if (const int code = codeNamed("Num" + std::string(1, static_cast<char>(qtKey)))) return code;
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return vk::kF1 + (qtKey - Qt::Key_F1);
  if (const int code = lookUp(kNamedKeys, qtKey)) return code;
  if (keypad) return 0;
  // Whatever the layout prints on a top-row key, the key stands for its digit.
  if (scanCode >= kFirstTopRowScanCode && scanCode <= kLastTopRowScanCode)
    return scanCode == kLastTopRowScanCode
               ? '0'
               : static_cast<int>('1' + scanCode - kFirstTopRowScanCode);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
  return isAscii(qtKey) ? shiftedDigitKey(static_cast<char>(qtKey)) : 0;
}

}  // namespace

TranslatedKey translateKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode) {
  TranslatedKey t;
  t.code = codeOf(qtKey, modifiers.testFlag(Qt::KeypadModifier), nativeScanCode);
  if (modifiers.testFlag(Qt::ShiftModifier)) t.shift |= kShiftBit;
  if (modifiers.testFlag(Qt::ControlModifier)) t.shift |= kCtrlBit;
  if (modifiers.testFlag(Qt::AltModifier)) t.shift |= kAltBit;
  return t;
}

TranslatedKey translateKey(const QKeyEvent& event) {
  return translateKey(event.key(), event.modifiers(), event.nativeScanCode());
}

QKeyCombination qtKeyFor(const KeyPress& press) {
  Qt::KeyboardModifiers modifiers;
  if (press.shift & kShiftBit) modifiers |= Qt::ShiftModifier;
  if (press.shift & kCtrlBit) modifiers |= Qt::ControlModifier;
  if (press.shift & kAltBit) modifiers |= Qt::AltModifier;
  const auto key = [&](int qtKey) { return QKeyCombination(modifiers, Qt::Key(qtKey)); };
  const int code = press.code;
  if (code == 0) return key(press.typed.size() == 1 ? int{press.typed[0]} : int{Qt::Key_unknown});
  if ((press.shift & kShiftBit) && code >= '0' && code <= '9') {
    for (int symbol = Qt::Key_Exclam; symbol <= Qt::Key_AsciiTilde; ++symbol)
      if (shiftedDigitKey(static_cast<char>(symbol)) == code) return key(symbol);
  }
  if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return key(code);
  if (code >= vk::kF1 && code < vk::kF1 + 12) return key(Qt::Key_F1 + (code - vk::kF1));
  for (const auto& [qtKey, named] : kNamedKeys)
    if (named == code) return key(qtKey);
  for (const KeyboardKey& k : keyboardKeys()) {
    if (k.code == code && k.name.starts_with("Num")) {
      modifiers |= Qt::KeypadModifier;
      return key(k.name[3]);
    }
  }
  return key(Qt::Key_unknown);
}

quint64 physicalKey(const QKeyEvent& event) {
  constexpr quint64 kTranslated = quint64{1} << 32, kQtKey = quint64{2} << 32;
  if (event.nativeScanCode()) return event.nativeScanCode();
  if (const int code = translateKey(event).code) return kTranslated | static_cast<quint32>(code);
  return kQtKey | static_cast<quint32>(event.key());
}

}  // namespace zova
