// Qt key events to the keyboard map's Windows key codes and shift bits.
#include "shell/key_translate.h"

#include <QtTest>

#include "model/model.h"
#include "shell/model_rig.h"

using namespace zova;

namespace {

struct Case {
  const char* name;
  int key;
  Qt::KeyboardModifiers modifiers;
  quint32 scanCode;  // the X keycode, 0 when unknown
  int code, shift;
};

constexpr auto kNone = Qt::NoModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kPad = Qt::KeypadModifier;

// Shifted digits keep their digit (US layout), but the physical key wins where the X keycode is
// known (German Shift+8 is "(", French unshifted 1 is "&"); a letter stays a letter.
const Case kCases[] = {{"A", Qt::Key_A, kNone, 0, 65, 0},
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
                       {"F1", Qt::Key_F1, kNone, 0, 112, 0},
                       {"F13", Qt::Key_F13, kNone, 0, 0, 0},
                       {"Backspace", Qt::Key_Backspace, kNone, 0, 8, 0},
                       {"Ctrl", Qt::Key_Control, Qt::ControlModifier, 0, 17, 2},
                       {"AltGr", Qt::Key_AltGr, kNone, 0, 18, 0},
                       {"Ctrl+Shift+Alt+6", Qt::Key_AsciiCircum,
                        Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, 0, 54, 7},
                       {"Meta is no modifier bit", Qt::Key_A, Qt::MetaModifier, 0, 65, 0},
                       {"main-block +, unknown", Qt::Key_Plus, kShift, 0, 0, 1}};

}  // namespace

class KeyTranslateTest : public QObject {
  Q_OBJECT
 private slots:
  void translates();
  void readsTheEvent();
  void pressAndReleaseAreOneKey();
};

void KeyTranslateTest::translates() {
  for (const Case& c : kCases) {
    const TranslatedKey t = translateKey(c.key, c.modifiers, c.scanCode);
    QVERIFY2(t.code == c.code && t.shift == c.shift,
             qPrintable(QStringLiteral("%1: %2 %3").arg(c.name).arg(t.code).arg(t.shift)));
  }
}

// The event overload reads key, modifiers and the X keycode from the event.
void KeyTranslateTest::readsTheEvent() {
  const QKeyEvent german(QEvent::KeyRelease, Qt::Key_ParenLeft, Qt::ShiftModifier, 17, 0x28, 0,
                         QStringLiteral("("));
  QCOMPARE(translateKey(german), (TranslatedKey{'8', kShiftBit}));
}

// A key's press and release are matched whatever Shift did in between: by the X keycode, or
// without one by the key's code ("#" with Shift and a plain "3" are one key).
void KeyTranslateTest::pressAndReleaseAreOneKey() {
  struct Pair {
    const char* name;
    int pressed;
    Qt::KeyboardModifiers modifiers;  // at the press; none are down at the release
    const char* typed;
    int released;
    const char* releaseText;
    quint32 pressScan, releaseScan;  // the X keycodes, 0 for none
    bool same;
  };
  const Pair pairs[] = {
      {"Shift+3, Shift up first", Qt::Key_NumberSign, kShift, "#", Qt::Key_3, "3", 0, 0, true},
      {"German +, Shift up first", Qt::Key_Asterisk, kShift, "*", Qt::Key_Plus, "+", 35, 35, true},
      {"main-row = and +", Qt::Key_Equal, kNone, "=", Qt::Key_Plus, "+", 0, 0, false},
      {"3 and 4", Qt::Key_3, kNone, "3", Qt::Key_4, "4", 12, 13, false},
      {"keypad 3 and top-row 3", Qt::Key_3, kPad, "3", Qt::Key_3, "3", 0, 0, false}};
  for (const Pair& p : pairs) {
    const QKeyEvent press(QEvent::KeyPress, p.pressed, p.modifiers, p.pressScan, 0, 0, p.typed);
    const QKeyEvent release(QEvent::KeyRelease, p.released, kNone, p.releaseScan, 0, 0,
                            p.releaseText);
    QVERIFY2((physicalKey(press) == physicalKey(release)) == p.same, p.name);
  }
}

static const zova::ShellTest<KeyTranslateTest> kRegistered("key_translate");
#include "key_translate_test.moc"
