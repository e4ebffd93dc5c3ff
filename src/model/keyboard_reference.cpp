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

namespace {

// The keys of a panel's table that have a keyboard key, captioned in `context`.
void addBoundKeys(std::vector<PanelKey>& out, const char* context, const auto& rows) {
  for (const auto& row : rows)
    if (row.binding.code)
      out.push_back({Text::caption(context, std::string(row.caption)), row.binding});
}

}  // namespace

std::vector<PanelKey> statisticsKeys() {
  std::vector<PanelKey> out;
  addBoundKeys(out, "Statistics", statKeyTable());
  return out;
}

std::vector<PanelKey> converterKeys() {
  std::vector<PanelKey> out;
  addBoundKeys(out, "Converter", categoryRows());
  out.push_back({Text::caption("Converter", std::string(kKonstantCaption)), kKonstantKey});
  out.push_back({Text::caption("Converter", std::string(kConvertCaption)), kConvertKey});
  return out;
}

}  // namespace zova
