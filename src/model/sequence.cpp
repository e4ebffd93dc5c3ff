// The command-line key notation: numbers typed digit by digit, key names from
// the key table, keyboard keys (key:NAME) and the panels' and menus' actions
// (area:action=VALUE).
#include "model/sequence.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

#include "elements/element_table.h"
#include "engine/keys.h"

namespace zova {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool isNumberToken(std::string_view t) {
  int digits = 0, points = 0;
  for (char c : t) {
    if (c >= '0' && c <= '9')
      ++digits;
    else if (c == '.')
      ++points;
    else
      return false;
  }
  return digits > 0 && points <= 1;
}

// The comma that ends the token starting the text: one not escaped by a backslash.
std::size_t tokenEnd(std::string_view sequence) {
  for (std::size_t i = 0; i < sequence.size(); ++i) {
    if (sequence[i] == '\\')
      ++i;  // the escaped character, a comma or backslash, belongs to the token
    else if (sequence[i] == ',')
      return i;
  }
  return std::string_view::npos;
}

// An action's VALUE with "\," read as a comma and "\\" as a backslash; any other
// backslash stays as written.
std::string unescapedValue(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size() && (value[i + 1] == ',' || value[i + 1] == '\\'))
      ++i;
    out += value[i];
  }
  return out;
}

// key:NAME is one press and release of the key with the modifiers held through both;
// the key acts when it goes down, and letting it go does nothing more.
std::optional<Step> keyPressAndRelease(std::string_view name) {
  std::optional<KeyPress> press = keyNamed(name);
  if (!press) return std::nullopt;
  return Step(
      [press = std::move(*press)](Model& m) { m.keyDown(press.code, press.shift, press.typed); });
}

// A row's step for an action that runs one command of the model.
auto runs(void (Model::*run)()) {
  return [run](const ActionInput&) -> std::optional<Step> {
    return Step([run](Model& m) { (m.*run)(); });
  };
}
// A row's step that hands VALUE to the model.
auto takesText(void (Model::*run)(std::string)) {
  return [run](const ActionInput& in) -> std::optional<Step> {
    return Step([run, text = in.value](Model& m) { (m.*run)(text); });
  };
}
// Each option action opens the dialog, sets one control and presses OK.
std::optional<Step> setOption(std::function<void(OptionsDialog&)> set) {
  return Step([set = std::move(set)](Model& m) {
    m.openOptions();
    set(m.options());
    m.closeOptions();
  });
}
// The three panel items cannot be chosen while compact size disables them.
auto togglesPanel(void (Model::*toggle)()) {
  return [toggle](const ActionInput&) -> std::optional<Step> {
    return Step([toggle](Model& m) {
      if (!m.shell().compact) (m.*toggle)();
    });
  };
}

// stat:select=I clicks the list's item I; I is a whole number, nothing else.
std::optional<Step> selectsStatItem(const ActionInput& in) {
  std::size_t index = 0;
  auto [p, ec] = std::from_chars(in.value.data(), in.value.data() + in.value.size(), index);
  if (ec != std::errc() || p != in.value.data() + in.value.size()) return std::nullopt;
  return Step([index](Model& m) { m.statSelect(index); });
}

template <typename Row, typename Field>
std::vector<std::string> namesOf(std::span<const Row> rows, Field Row::*name) {
  std::vector<std::string> names;
  for (const Row& row : rows) names.emplace_back(row.*name);
  return names;
}

template <typename Row, typename Field>
std::string listed(std::span<const Row> rows, Field Row::*name) {
  std::string text;
  for (const Row& row : rows) text += " " + std::string(row.*name);
  return text;
}

std::vector<ActionRow> gatherActions() {
  using In = const ActionInput&;
  using Maybe = std::optional<Step>;
  // clang-format off
  return {
    {"stat", namesOf(statKeyTable(), &StatKeyRow::name), 0, "", "the statistics panel's keys",
     [](In in) -> Maybe { return Step([k = findStatKey(in.name)->key](Model& m) { m.statPress(k); }); }},
    {"stat", {"select"}, 0, "I", "click list item I (0 is the top, newest item)", selectsStatItem},
    {"conv", namesOf(categoryRows(), &CategoryRow::action), 0, "", "a converter category",
     [](In in) -> Maybe { return Step([name = std::string(in.name)](Model& m) { m.convCategory(name); }); }},
    {"conv", {"Constants"}, 0, "", "the constants button", runs(&Model::convConstants)},
    {"conv", {"open-from"}, 0, "", "", runs(&Model::convOpenFrom)},
    {"conv", {"open-to"}, 0, "", "drop down the first or second list", runs(&Model::convOpenTo)},
    {"conv", {"from"}, 0, "TEXT", "", takesText(&Model::convSetFrom)},
    {"conv", {"to"}, 0, "TEXT", "set that list's text", takesText(&Model::convSetTo)},
    {"conv", {"go"}, 0, "", "the Convert / Use Constant button", runs(&Model::convGo)},
    {"fin", {"click"}, 0, "CELL", "click a cell:" + listed(finCellTable(), &FinCellRow::name), [](In in) -> Maybe {
       const FinCellRow* row = findFinCell(in.value);
       if (!row) return std::nullopt;
       return Step([cell = row->cell](Model& m) { m.finClick(cell); });
     }},
    {"fin", {"solve"}, 0, "KEY", "a computing key:" + listed(finKeyTable(), &FinKeyRow::name), [](In in) -> Maybe {
       const FinKeyRow* row = findFinKey(in.value);
       if (!row) return std::nullopt;
       return Step([key = row->key](Model& m) { m.finSolve(key); });
     }},
    {"fin", {"start"}, 0, "", "", runs(&Model::finStart)},
    {"fin", {"end"}, 0, "", "", runs(&Model::finEnd)},
    {"fin", {"clear"}, 0, "", "", runs(&Model::finClear)},
    {"fin", {"amortize"}, 0, "", "", runs(&Model::finAmortize)},
    {"fin", {"topv"}, 0, "", "Start, End, Clear, Amortize, the lower PV key", runs(&Model::finToPv)},
    {"elem", {"hover"}, 0, "SYMBOL", "point at that element's tile", [](In in) -> Maybe {
       if (!findElement(in.value)) return std::nullopt;
       return Step([symbol = in.value](Model& m) { m.elemHover(symbol); });
     }},
    {"elem", {"number"}, 0, "", "", runs(&Model::elemNumberClick)},
    {"elem", {"mass"}, 0, "", "click the atomic number or the atomic mass", runs(&Model::elemMassClick)},
    {"molar", {"drop"}, 4, "SYMBOL", "drag a tile onto slot 1-4", [](In in) -> Maybe {
       if (!findElement(in.value)) return std::nullopt;
       return Step([n = in.slot, symbol = in.value](Model& m) { m.molarDrop(n, symbol); });
     }},
    {"molar", {"count"}, 4, "TEXT", "", [](In in) -> Maybe {
       return Step([n = in.slot, text = in.value](Model& m) { m.molarCount(n, text); });
     }},
    {"molar", {"index"}, 0, "TEXT", "type TEXT into a count box or the multiplier box", takesText(&Model::molarMultiplier)},
    {"molar", {"clear"}, 0, "", "", runs(&Model::molarClear)},
    {"molar", {"result"}, 0, "", "the Clear button; a click on the result", runs(&Model::molarResultClick)},
    {"opt", {"format"}, 0, "Standard|Fix|Scientific", "", [](In in) -> Maybe {
       const NumberFormat formats[] = {NumberFormat::kStandard, NumberFormat::kFix, NumberFormat::kScientific};
       return setOption([f = formats[in.choice]](OptionsDialog& d) { d.selectFormat(f); });
     }},
    {"opt", {"places"}, 0, "TEXT", "", [](In in) -> Maybe {
       return setOption([text = in.value](OptionsDialog& d) { d.setText(text); });
     }},
    {"opt", {"radicals"}, 0, "on|off", "", [](In in) -> Maybe {
       return setOption([on = in.choice == 0](OptionsDialog& d) { d.setRadicals(on); });
     }},
    {"opt", {"accuracy"}, 0, "low|medium|high", "set that option in the options dialog", [](In in) -> Maybe {
       const Accuracy accuracies[] = {Accuracy::kLow, Accuracy::kMedium, Accuracy::kHigh};
       return setOption([a = accuracies[in.choice]](OptionsDialog& d) { d.setAccuracy(a); });
     }},
    {"menu", {"copy"}, 0, "", "", runs(&Model::menuCopy)},
    {"menu", {"paste"}, 0, "TEXT", "Edit menu Copy; Paste with TEXT on the clipboard", [](In in) -> Maybe {
       return Step([text = in.value](Model& m) {
         m.toolkit().setClipboard(text);
         m.menuPaste();
       });
     }},
    {"menu", {"undo"}, 0, "", "", runs(&Model::undo)},
    {"menu", {"redo"}, 0, "", "Edit menu Undo and Redo", runs(&Model::redo)},
    {"menu", {"compact"}, 0, "", "", runs(&Model::toggleCompactSize)},
    {"menu", {"ontop"}, 0, "", "", runs(&Model::toggleAlwaysOnTop)},
    {"menu", {"converter"}, 0, "", "", togglesPanel(&Model::toggleConverterPanel)},
    {"menu", {"statistics"}, 0, "", "", togglesPanel(&Model::toggleStatisticsPanel)},
    {"menu", {"financial"}, 0, "", "", togglesPanel(&Model::toggleFinancialPanel)},
    {"menu", {"closeflap"}, 0, "", "the View and Tools menu commands, Close Flap", runs(&Model::closeFoldOut)},
    {"tape", {"clear"}, 0, "", "the paper tape's Clear command", runs(&Model::clearTape)},
  };
  // clang-format on
}

// The name of a numbered action without its number, and the number: "drop2" is
// "drop" and 2 when the row is numbered, else the name as it is and 0.
std::pair<std::string_view, int> withoutSlot(std::string_view action, int numbered) {
  if (numbered == 0 || action.empty()) return {action, 0};
  const int n = action.back() - '0';
  if (n < 1 || n > numbered) return {{}, 0};
  return {action.substr(0, action.size() - 1), n};
}

// Which of the choices "a|b|c" the value is, or -1; 0 for a VALUE that is no list of choices.
int choiceOf(std::string_view choices, std::string_view value) {
  if (choices.find('|') == std::string_view::npos) return 0;
  for (int i = 0;; ++i) {
    const std::size_t bar = choices.find('|');
    if (choices.substr(0, bar) == value) return i;
    if (bar == std::string_view::npos) return -1;
    choices.remove_prefix(bar + 1);
  }
}

std::optional<Step> panelAction(std::string_view token) {
  const std::size_t colon = token.find(':');
  const std::string_view area = token.substr(0, colon);
  std::string_view action = token.substr(colon + 1);
  std::optional<std::string> value;
  if (const std::size_t eq = action.find('='); eq != std::string_view::npos) {
    value = unescapedValue(action.substr(eq + 1));
    action = action.substr(0, eq);
  }
  if (area == "key") return value ? std::nullopt : keyPressAndRelease(action);
  for (const ActionRow& row : actionTable()) {
    const auto [name, slot] = withoutSlot(action, row.numbered);
    if (row.area != area || std::ranges::find(row.names, name) == row.names.end()) continue;
    if (row.value.empty() == value.has_value()) return std::nullopt;
    ActionInput in{name, value.value_or(""), slot, 0};
    in.choice = choiceOf(row.value, in.value);
    if (in.choice < 0) return std::nullopt;
    return row.step(in);
  }
  return std::nullopt;
}

std::optional<Step> parseToken(std::string_view t, std::string& reason) {
  if (t.empty()) {
    reason = "empty token";
    return std::nullopt;
  }
  if (const KeyRow* row = findKey(t)) {
    const Key k = row->key;
    return Step([k](Model& m) { m.press(k); });
  }
  if (isNumberToken(t)) {
    std::vector<Key> keys;
    for (char c : t) keys.push_back(c == '.' ? Key::kPoint : static_cast<Key>(c - '0'));
    return Step([keys](Model& m) {
      for (Key k : keys) m.press(k);
    });
  }
  if (t.find(':') != std::string_view::npos) {
    if (auto step = panelAction(t)) return step;
    reason = "unknown or malformed action";
    return std::nullopt;
  }
  reason = "unknown key name";
  return std::nullopt;
}

}  // namespace

std::span<const ActionRow> actionTable() {
  static const std::vector<ActionRow> kActions = gatherActions();
  return kActions;
}

std::string SequenceError::message() const {
  return "zova: " + reason + " \"" + token + "\" at token " + std::to_string(position);
}

ParsedSequence parseSequence(std::string_view sequence) {
  ParsedSequence out;
  if (trim(sequence).empty()) return out;
  std::size_t position = 0;
  while (true) {
    const std::size_t comma = tokenEnd(sequence);
    const std::string_view token = trim(sequence.substr(0, comma));
    ++position;
    std::string reason;
    auto step = parseToken(token, reason);
    if (!step) {
      out.steps.clear();
      out.error = SequenceError{position, std::string(token), reason};
      return out;
    }
    out.steps.push_back(std::move(*step));
    if (comma == std::string_view::npos) break;
    sequence.remove_prefix(comma + 1);
  }
  return out;
}

std::optional<SequenceError> runSequence(Model& model, std::string_view sequence) {
  ParsedSequence parsed = parseSequence(sequence);
  if (parsed.error) return parsed.error;
  for (const Step& step : parsed.steps) {
    if (model.ended()) break;  // the End key closed the calculator
    step(model);
  }
  return std::nullopt;
}

}  // namespace zova
