// Qt key events to the keyboard map's Windows key codes and shift bits: letters,
// both rows of digits, the keypad, function and editing keys, the shifted
// symbols of the top row, and keys the map does not know.
#include "shell/key_translate.h"

#include <QtTest>

#include "model/model.h"

using namespace zova;

namespace {

struct Case {
  const char* name;
  int key;
  Qt::KeyboardModifiers modifiers;
  quint32 scanCode;
  int code;
  int shift;
};

constexpr auto kNone = Qt::NoModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kPad = Qt::KeypadModifier;

const Case kCases[] = {
    // Letters, whatever the case of the typed character.
    {"A", Qt::Key_A, kNone, 0, 65, 0},
    {"S", Qt::Key_S, kNone, 0, 83, 0},
    {"Z", Qt::Key_Z, kNone, 0, 90, 0},
    {"Shift+A", Qt::Key_A, kShift, 0, 65, 1},
    // Top-row digits.
    {"0", Qt::Key_0, kNone, 0, 48, 0},
    {"5", Qt::Key_5, kNone, 0, 53, 0},
    {"9", Qt::Key_9, kNone, 0, 57, 0},
    // Shifted digits keep their digit, US layout.
    {"Shift+1 !", Qt::Key_Exclam, kShift, 0, 49, 1},
    {"Shift+2 @", Qt::Key_At, kShift, 0, 50, 1},
    {"Shift+3 #", Qt::Key_NumberSign, kShift, 0, 51, 1},
    {"Shift+4 $", Qt::Key_Dollar, kShift, 0, 52, 1},
    {"Shift+5 %", Qt::Key_Percent, kShift, 0, 53, 1},
    {"Shift+6 ^", Qt::Key_AsciiCircum, kShift, 0, 54, 1},
    {"Shift+7 &", Qt::Key_Ampersand, kShift, 0, 55, 1},
    {"Shift+8 *", Qt::Key_Asterisk, kShift, 0, 56, 1},
    {"Shift+9 (", Qt::Key_ParenLeft, kShift, 0, 57, 1},
    {"Shift+0 )", Qt::Key_ParenRight, kShift, 0, 48, 1},
    // The physical key wins over the symbol where the X keycode is known:
    // German Shift+8 is "(", Shift+7 is "/"; French unshifted 1 is "&", 2 is "é".
    {"de Shift+8 (", Qt::Key_ParenLeft, kShift, 17, 56, 1},
    {"de Shift+7 /", Qt::Key_Slash, kShift, 16, 55, 1},
    {"de Shift+0 =", Qt::Key_Equal, kShift, 19, 48, 1},
    {"fr 1 &", Qt::Key_Ampersand, kNone, 10, 49, 0},
    {"fr 2 é", Qt::Key_Eacute, kNone, 11, 50, 0},
    {"digit with keycode", Qt::Key_4, kNone, 13, 52, 0},
    // A letter is a letter whatever code comes with it.
    {"Q with scan code 16", Qt::Key_Q, kNone, 16, 81, 0},
    {"A with its keycode", Qt::Key_A, kNone, 38, 65, 0},
    // Numeric keypad.
    {"Num0", Qt::Key_0, kPad, 0, 96, 0},
    {"Num7", Qt::Key_7, kPad, 79, 103, 0},
    {"Num9", Qt::Key_9, kPad, 0, 105, 0},
    {"Num*", Qt::Key_Asterisk, kPad, 0, 106, 0},
    {"Num+", Qt::Key_Plus, kPad, 0, 107, 0},
    {"Num-", Qt::Key_Minus, kPad, 0, 109, 0},
    {"Num.", Qt::Key_Period, kPad, 0, 110, 0},
    {"Num, (German keypad)", Qt::Key_Comma, kPad, 0, 110, 0},
    {"Num/", Qt::Key_Slash, kPad, 0, 111, 0},
    {"keypad Enter", Qt::Key_Enter, kPad, 0, 13, 0},
    {"keypad End, Num Lock off", Qt::Key_End, kPad, 0, 35, 0},
    {"keypad Home, Num Lock off", Qt::Key_Home, kPad, 0, 36, 0},
    {"Shift+Num5", Qt::Key_5, kShift | kPad, 0, 101, 1},
    // Function keys.
    {"F1", Qt::Key_F1, kNone, 0, 112, 0},
    {"F5", Qt::Key_F5, kNone, 0, 116, 0},
    {"F11", Qt::Key_F11, kNone, 0, 122, 0},
    {"F12", Qt::Key_F12, kNone, 0, 123, 0},
    {"F13", Qt::Key_F13, kNone, 0, 0, 0},
    // Editing and window keys.
    {"Backspace", Qt::Key_Backspace, kNone, 0, 8, 0},
    {"Delete", Qt::Key_Delete, kNone, 0, 46, 0},
    {"Home", Qt::Key_Home, kNone, 0, 36, 0},
    {"End", Qt::Key_End, kNone, 0, 35, 0},
    {"Esc", Qt::Key_Escape, kNone, 0, 27, 0},
    {"Return", Qt::Key_Return, kNone, 0, 13, 0},
    // The modifier keys themselves, and the bits they set.
    {"Shift", Qt::Key_Shift, kShift, 0, 16, 1},
    {"Ctrl", Qt::Key_Control, Qt::ControlModifier, 0, 17, 2},
    {"Alt", Qt::Key_Alt, Qt::AltModifier, 0, 18, 4},
    {"AltGr", Qt::Key_AltGr, kNone, 0, 18, 0},
    {"Ctrl+S", Qt::Key_S, Qt::ControlModifier, 0, 83, 2},
    {"Alt+S", Qt::Key_S, Qt::AltModifier, 0, 83, 4},
    {"Ctrl+Shift+Alt+6", Qt::Key_AsciiCircum,
     Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, 0, 54, 7},
    {"Meta is no modifier bit", Qt::Key_A, Qt::MetaModifier, 0, 65, 0},
    // Keys the map does not know.
    {"Space", Qt::Key_Space, kNone, 0, 0, 0},
    {"Tab", Qt::Key_Tab, kNone, 0, 0, 0},
    {"main-block +", Qt::Key_Plus, kShift, 0, 0, 1},
    {"main-block -", Qt::Key_Minus, kNone, 0, 0, 0},
    {"main-block /", Qt::Key_Slash, kNone, 0, 0, 0},
    {"main-block .", Qt::Key_Period, kNone, 0, 0, 0},
    {"keypad letter-less key", Qt::Key_Clear, kPad, 0, 0, 0},
    {"Ä", Qt::Key_Adiaeresis, kNone, 0, 0, 0},
    {"unknown", Qt::Key_unknown, kNone, 0, 0, 0},
    {"Meta", Qt::Key_Meta, Qt::MetaModifier, 0, 0, 0},
};

}  // namespace

class KeyTranslateTest : public QObject {
  Q_OBJECT
 private slots:
  void translates_data();
  void translates();
  void readsTheEvent();
};

void KeyTranslateTest::translates_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<uint>("scanCode");
  QTest::addColumn<int>("code");
  QTest::addColumn<int>("shift");
  for (const Case& c : kCases)
    QTest::newRow(c.name) << c.key << static_cast<int>(c.modifiers) << uint(c.scanCode) << c.code
                          << c.shift;
}

void KeyTranslateTest::translates() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(uint, scanCode);
  QFETCH(int, code);
  QFETCH(int, shift);
  const TranslatedKey t = translateKey(key, Qt::KeyboardModifiers(modifiers), scanCode);
  QCOMPARE(t.code, code);
  QCOMPARE(t.shift, shift);
}

// The event overload reads key, modifiers and the X keycode from the event.
void KeyTranslateTest::readsTheEvent() {
  const QKeyEvent german(QEvent::KeyRelease, Qt::Key_ParenLeft, Qt::ShiftModifier, 17, 0x28, 0,
                         QStringLiteral("("));
  QCOMPARE(translateKey(german), (TranslatedKey{'8', kShiftBit}));
  const QKeyEvent keypad(QEvent::KeyRelease, Qt::Key_Minus, Qt::KeypadModifier,
                         QStringLiteral("-"));
  QCOMPARE(translateKey(keypad), (TranslatedKey{vk::kSubtract, 0}));
}

QTEST_MAIN(KeyTranslateTest)
#include "key_translate_test.moc"
