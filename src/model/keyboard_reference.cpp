// The keyboard references: the README's table, one row per key of the key
// table, and the panels' keys for the help page.
#include "model/keyboard_reference.h"

#include "converter/converter_model.h"
#include "converter/unit_table.h"
#include "stats/stats_register.h"

namespace zova {

std::string keyboardReferenceTable() {
  std::string table = "| key | second function | keyboard |\n|---|---|---|\n";
  for (const KeyRow& row : keyTable()) {
    table += "| " + std::string(row.caption) + " | " + std::string(row.second) + " | " +
             english(keyboardName(row)) + " |\n";
  }
  return table;
}

std::vector<PanelKey> statisticsKeys() {
  std::vector<PanelKey> out;
  for (const StatKeyRow& k : statKeyTable())
    if (k.binding.code)
      out.push_back({Text::caption("Statistics", std::string(k.caption)), k.binding});
  return out;
}

std::vector<PanelKey> converterKeys() {
  std::vector<PanelKey> out;
  for (const CategoryRow& c : categoryRows())
    if (c.binding.code)
      out.push_back({Text::caption("Converter", std::string(c.caption)), c.binding});
  out.push_back({Text::caption("Converter", std::string(kKonstantCaption)), kKonstantKey});
  out.push_back({Text::caption("Converter", std::string(kConvertCaption)), kConvertKey});
  return out;
}

}  // namespace zova
