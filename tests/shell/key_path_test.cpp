// The keyboard map has one source: every binding of the key tables, sent to the
// window as the key event a keyboard makes, does what the command line's
// key:NAME does for the same binding.
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "shell/key_translate.h"
#include "shell/model_rig.h"
#include "support/key_bindings.h"

using namespace zova;

namespace {

// A window toolkit whose quit (after End) leaves the test running.
class StayingToolkit : public QtToolkit {
 public:
  void quit() override {}
};

struct QtPress {
  int key;
  Qt::KeyboardModifiers modifiers;
};

// The event a US keyboard sends for a binding: Shift+6 types "^", keypad keys
// carry Qt::KeypadModifier.
QtPress pressFor(KeyBinding b) {
  const Qt::KeyboardModifiers shift = b.shift ? Qt::ShiftModifier : Qt::NoModifier;
  constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";
  if (b.code >= '0' && b.code <= '9')
    return {b.shift ? kShiftedDigits[b.code - '0'] : b.code, shift};
  if (b.code >= 'A' && b.code <= 'Z') return {b.code, shift};
  if (b.code >= vk::kF1 && b.code < vk::kF1 + 12) return {Qt::Key_F1 + b.code - vk::kF1, shift};
  const Qt::KeyboardModifiers pad = shift | Qt::KeypadModifier;
  if (b.code >= vk::kNumpad0 && b.code <= vk::kNumpad0 + 9)
    return {Qt::Key_0 + b.code - vk::kNumpad0, pad};
  const std::pair<int, QtPress> named[] = {
      {vk::kDecimal, {Qt::Key_Period, pad}},  {vk::kAdd, {Qt::Key_Plus, pad}},
      {vk::kSubtract, {Qt::Key_Minus, pad}},  {vk::kMultiply, {Qt::Key_Asterisk, pad}},
      {vk::kDivide, {Qt::Key_Slash, pad}},    {vk::kBack, {Qt::Key_Backspace, shift}},
      {vk::kDelete, {Qt::Key_Delete, shift}}, {vk::kHome, {Qt::Key_Home, shift}},
      {vk::kEnd, {Qt::Key_End, shift}},       {vk::kEscape, {Qt::Key_Escape, shift}},
      {vk::kEnter, {Qt::Key_Return, shift}}};
  for (const auto& [code, press] : named)
    if (code == b.code) return press;
  return {0, shift};
}

}  // namespace

class KeyPathTest : public QObject {
  Q_OBJECT
 private slots:
  void everyBindingMatchesTheCommandLine();
};

void KeyPathTest::everyBindingMatchesTheCommandLine() {
  for (const auto& [b, step, run] : testing::boundKeys()) {
    const QtPress press = pressFor(b);
    const std::string name = "key:" + sequenceKeyName(b);
    QVERIFY2(press.key, name.c_str());
    QCOMPARE(translateKey(press.key, press.modifiers), (TranslatedKey{b.code, b.shift}));
    for (const char* before : {"2,+,3", "1,stat:enter,5,inv"}) {
      ModelRig typed;
      QVERIFY(typed.run(QString::fromLatin1(before)) && typed.run(q(name)));

      StayingToolkit toolkit;
      Model model(toolkit, {});
      model.startUp();
      QVERIFY(!runSequence(model, before).has_value());
      MainWindow window(model, toolkit);
      window.show();
      QTest::keyClick(&window, static_cast<Qt::Key>(press.key), press.modifiers);
      QCOMPARE(testing::keySnapshot(model), testing::keySnapshot(typed.model));
      QCOMPARE(window.displayField()->text(), q(typed.model.calc().display()));
    }
  }
}

QTEST_MAIN(KeyPathTest)
#include "key_path_test.moc"
