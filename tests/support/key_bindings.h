// Test helper: every key binding of the program's key tables with the command-line step or
// window command that does the same, and what a key can change, as one text.
#pragma once

#include <string>
#include <vector>

#include "converter/converter_model.h"
#include "model/model.h"

namespace zova::testing {

struct BoundKey {
  KeyBinding binding;
  std::string step;                ///< the command-line step, or what a window key does
  void (Model::*run)() = nullptr;  ///< a window key's command; then `step` is no step
};

/// The bindings of the key, statistics, category and window key tables.
inline std::vector<BoundKey> boundKeys() {
  std::vector<BoundKey> keys;
  for (const KeyRow& row : keyTable())
    for (const KeyBinding& b : row.bindings)
      if (b.code) keys.push_back({b, std::string(row.names.substr(0, row.names.find(' ')))});
  for (const StatKeyRow& row : statKeyTable())
    if (row.binding.code) keys.push_back({row.binding, "stat:" + std::string(row.name)});
  for (const CategoryRow& row : categoryRows())
    if (row.binding.code) keys.push_back({row.binding, "conv:" + std::string(row.action)});
  keys.push_back({kKonstantKey, "conv:Constants"});
  keys.push_back({kConvertKey, "conv:go"});
  for (const WindowKeyRow& row : windowKeyTable())
    keys.push_back({row.binding, std::string(row.what), row.run});
  return keys;
}

/// What a key can change: display, indicators, registers, panels, window.
inline std::string keySnapshot(const Model& m) {
  const CalcState& s = m.calc().state();
  return s.display + "|" + s.invCaption + s.hypCaption + s.degCaption + s.radCaption +
         s.gradCaption + s.memoryCaption + s.baseCaption + s.fractionCaption + "|" +
         s.memory.text({}) + "|" + s.kRegister.text({}) + "|" + std::to_string(m.stats().count()) +
         "|" + m.converter().state().convertCaption + "|" + m.converter().state().fromList.text +
         "|" + std::to_string(m.converter().state().fromList.items.size()) + "|" +
         std::to_string(m.shell().hidden) + std::to_string(m.ended()) +
         std::to_string(s.resultsToStats) + "|" + std::to_string(s.bracketLevel);
}

}  // namespace zova::testing
