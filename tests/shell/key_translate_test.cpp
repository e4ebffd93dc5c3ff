// Qt key events to the keyboard map's Windows key codes and shift bits, and back.
#include "shell/key_translate.h"

#include <QtTest>

#include "shell/model_rig.h"
#include "support/key_bindings.h"

using namespace zova;

namespace {

constexpr auto kNone = Qt::NoModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kPad = Qt::KeypadModifier;

}  // namespace

class KeyTranslateTest : public QObject {
  Q_OBJECT
 private slots:
  void translates();
  void pressAndReleaseAreOneKey();
};

// Shifted digits keep their digit (US layout), but the physical key wins where the X keycode is
// known (German Shift+8 is "(", French unshifted 1 is "&"); a letter stays a letter. Every
// binding of the key tables, sent as the key a US keyboard makes for it, comes back as itself.
void KeyTranslateTest::translates() {
  const std::tuple<const char*, int, Qt::KeyboardModifiers, quint32, int, int> cases[] = {
      {"A", Qt::Key_A, kNone, 0, 65, 0},
      {"Q with scan code 16", Qt::Key_Q, kNone, 16, 81, 0},
      {"Shift+1 !", Qt::Key_Exclam, kShift, 0, 49, 1},
      {"de Shift+8 (", Qt::Key_ParenLeft, kShift, 17, 56, 1},
      {"de Shift+0 =", Qt::Key_Equal, kShift, 19, 48, 1},
      {"fr 1 &", Qt::Key_Ampersand, kNone, 10, 49, 0},
      {"Num7", Qt::Key_7, kPad, 79, 103, 0},
      {"Num, (German keypad)", Qt::Key_Comma, kPad, 0, 110, 0},
      {"keypad Enter", Qt::Key_Enter, kPad, 0, 13, 0},
      {"Shift+Num5", Qt::Key_5, kShift | kPad, 0, 101, 1},
      {"keypad letter-less key", Qt::Key_Clear, kPad, 0, 0, 0},
      {"F13", Qt::Key_F13, kNone, 0, 0, 0},
      {"Ctrl", Qt::Key_Control, Qt::ControlModifier, 0, 17, 2},
      {"AltGr", Qt::Key_AltGr, kNone, 0, 18, 0},
      {"Ctrl+Shift+Alt+6", Qt::Key_AsciiCircum, Qt::ControlModifier | kShift | Qt::AltModifier, 0,
       54, 7},
      {"Meta is no modifier bit", Qt::Key_A, Qt::MetaModifier, 0, 65, 0},
      {"main-block +, unknown", Qt::Key_Plus, kShift, 0, 0, 1}};
  for (const auto& [name, key, modifiers, scanCode, code, shift] : cases)
    QVERIFY2(translateKey(key, modifiers, scanCode) == (TranslatedKey{code, shift}), name);
  // The event overload reads key, modifiers and the X keycode from the event.
  const QKeyEvent german(QEvent::KeyRelease, Qt::Key_ParenLeft, kShift, 17, 0x28, 0, "(");
  QCOMPARE(translateKey(german), (TranslatedKey{'8', kShiftBit}));
  for (const testing::BoundKey& bound : testing::boundKeys()) {
    const QKeyCombination press = qtKeyFor({bound.binding.code, bound.binding.shift, ""});
    QVERIFY2(translateKey(press.key(), press.keyboardModifiers()) ==
                 (TranslatedKey{bound.binding.code, bound.binding.shift}),
             bound.step.c_str());
  }
}

// A key's press and release are matched whatever Shift did in between: by the X keycode, or
// without one by the key's code ("#" with Shift and a plain "3" are one key).
void KeyTranslateTest::pressAndReleaseAreOneKey() {
  const std::tuple<const char*, int, Qt::KeyboardModifiers, const char*, int, const char*, quint32,
                   quint32, bool>
      pairs[] = {
          // the press, its text, the release (no modifiers), their X keycodes
          {"Shift+3, Shift up first", Qt::Key_NumberSign, kShift, "#", Qt::Key_3, "3", 0, 0, true},
          {"German +, Shift up first", Qt::Key_Asterisk, kShift, "*", Qt::Key_Plus, "+", 35, 35,
           true},
          {"main-row = and +", Qt::Key_Equal, kNone, "=", Qt::Key_Plus, "+", 0, 0, false},
          {"3 and 4", Qt::Key_3, kNone, "3", Qt::Key_4, "4", 12, 13, false},
          {"keypad 3 and top-row 3", Qt::Key_3, kPad, "3", Qt::Key_3, "3", 0, 0, false}};
  for (const auto& [name, pressed, modifiers, typed, released, text, scan1, scan2, same] : pairs) {
    const QKeyEvent press(QEvent::KeyPress, pressed, modifiers, scan1, 0, 0, typed);
    const QKeyEvent release(QEvent::KeyRelease, released, kNone, scan2, 0, 0, text);
    QVERIFY2((physicalKey(press) == physicalKey(release)) == same, name);
  }
}

static const zova::ShellTest<KeyTranslateTest> kRegistered("key_translate");
#include "key_translate_test.moc"
