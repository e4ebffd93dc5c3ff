// The README's keyboard reference table, one row per key of the key table.
#include "model/keyboard_reference.h"

#include "engine/keys.h"

namespace zova {

std::string keyboardReferenceTable() {
  std::string table = "| key | second function | keyboard |\n|---|---|---|\n";
  for (const KeyRow& row : keyTable()) {
    table += "| " + std::string(row.caption) + " | " + std::string(row.second) + " | " +
             english(keyboardName(row)) + " |\n";
  }
  return table;
}

}  // namespace zova
