// The README's keyboard reference is the table the key table makes.
#include "model/keyboard_reference.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zova {
namespace {

// The first run of table lines under "## Keyboard reference".
std::string readmeKeyTable() {
  std::ifstream readme(ZOVA_SOURCE_DIR "/README.md");
  std::string line, table;
  bool inside = false;
  while (std::getline(readme, line)) {
    if (line.starts_with("## ")) inside = line == "## Keyboard reference";
    if (inside && line.starts_with("|")) {
      table += line + "\n";
    } else if (!table.empty()) {
      break;
    }
  }
  return table;
}

TEST(KeyboardReference, ReadmeShowsTheKeyTable) {
  EXPECT_EQ(readmeKeyTable(), keyboardReferenceTable()) << "run scripts/regenerate-readme-keys.sh";
}

}  // namespace
}  // namespace zova
