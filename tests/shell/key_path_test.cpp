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

}  // namespace

class KeyPathTest : public QObject {
  Q_OBJECT
 private slots:
  void everyBindingMatchesTheCommandLine();
};

void KeyPathTest::everyBindingMatchesTheCommandLine() {
  for (const auto& [b, step, run] : testing::boundKeys()) {
    // The event a US keyboard sends for the binding.
    const QKeyCombination press = qtKeyFor({b.code, b.shift, ""});
    const std::string name = "key:" + sequenceKeyName(b);
    QVERIFY2(press.key() != Qt::Key_unknown, name.c_str());
    QCOMPARE(translateKey(press.key(), press.keyboardModifiers()),
             (TranslatedKey{b.code, b.shift}));
    for (const char* before : {"2,+,3", "1,stat:enter,5,inv"}) {
      ModelRig typed;
      QVERIFY(typed.run(QString::fromLatin1(before)) && typed.run(q(name)));

      WindowRig<StayingToolkit> rig;
      QVERIFY(!runSequence(rig.model, before).has_value());
      rig.window->refresh();
      QTest::keyClick(rig.window.get(), press.key(), press.keyboardModifiers());
      QCOMPARE(testing::keySnapshot(rig.model), testing::keySnapshot(typed.model));
      QCOMPARE(rig.window->displayField()->text(), q(typed.model.calc().display()));
    }
  }
}

static const zova::ShellTest<KeyPathTest> kRegistered("key_path");
#include "key_path_test.moc"
