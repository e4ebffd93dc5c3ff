// The README's keyboard reference is the table the key table makes, and the help
// page's panel keys do what their captions say.
#include "model/keyboard_reference.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/key_runner.h"

namespace zova {
namespace {

// The first run of table lines under "## Keyboard reference".
TEST(KeyboardReference, ReadmeShowsTheKeyTable) {
  std::ifstream readme(ZOVA_SOURCE_DIR "/README.md");
  std::string table;
  bool inside = false;
  for (std::string line; std::getline(readme, line) && (table.empty() || line.starts_with("|"));) {
    if (line.starts_with("## ")) inside = line == "## Keyboard reference";
    if (inside && line.starts_with("|")) table += line + "\n";
  }
  EXPECT_EQ(table, keyboardReferenceTable()) << "run scripts/regenerate-readme-keys.sh";
}

// Pressed on the keyboard, each panel key the help page lists names the undo step
// with the caption the page shows beside it.
TEST(KeyboardReference, HelpPagePanelKeysRunWhatTheirCaptionsName) {
  std::vector<PanelKey> keys = statisticsKeys(), converter = converterKeys();
  EXPECT_TRUE(keys.size() > 3 && converter.size() > 3);
  keys.insert(keys.end(), converter.begin(), converter.end());
  for (const PanelKey& k : keys) {
    testing::KeyRunner run;
    run.keys("2,stat:enter,3,stat:enter,conv:Length");
    run.model.keyDown(k.binding.code, k.binding.shift);
    const ActionName* step = run.model.history().undoAction();
    ASSERT_NE(step, nullptr) << english(k.caption);
    EXPECT_EQ(*step, k.caption);
  }
}

}  // namespace
}  // namespace zova
