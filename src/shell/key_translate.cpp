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

// The shifted symbols of the top-row digits on a US keyboard.
constexpr std::pair<int, int> kShiftedDigits[] = {
    {Qt::Key_Exclam, '1'},    {Qt::Key_At, '2'},       {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},    {Qt::Key_Percent, '5'},  {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'}};

constexpr std::pair<int, int> kKeypadSymbols[] = {
    {Qt::Key_Asterisk, vk::kMultiply}, {Qt::Key_Plus, vk::kAdd},
    {Qt::Key_Minus, vk::kSubtract},    {Qt::Key_Period, vk::kDecimal},
    {Qt::Key_Comma, vk::kDecimal},     {Qt::Key_Slash, vk::kDivide}};

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

int codeOf(int qtKey, bool keypad, quint32 scanCode) {
  if (keypad) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vk::kNumpad0 + (qtKey - Qt::Key_0);
    if (const int code = lookUp(kKeypadSymbols, qtKey)) return code;
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
  return lookUp(kShiftedDigits, qtKey);
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

quint64 physicalKey(const QKeyEvent& event) {
  constexpr quint64 kTranslated = quint64{1} << 32, kQtKey = quint64{2} << 32;
  if (event.nativeScanCode()) return event.nativeScanCode();
  if (const int code = translateKey(event).code) return kTranslated | static_cast<quint32>(code);
  return kQtKey | static_cast<quint32>(event.key());
}

}  // namespace zova
