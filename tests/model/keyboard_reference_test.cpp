// The README's keyboard reference is the table the key table makes.
#include "model/keyboard_reference.h"

#include <gtest/gtest.h>

#include <fstream>

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

}  // namespace
}  // namespace zova
