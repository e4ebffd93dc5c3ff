// Prints the README's keyboard reference table from the key table
// (scripts/regenerate-readme-keys.sh puts it into README.md).
#include "model/keyboard_reference.h"

#include <iostream>

int main() {
  std::cout << zova::keyboardReferenceTable();
  return 0;
}
