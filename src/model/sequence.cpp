// The command-line key notation: numbers typed digit by digit, key names from
// the key table, keyboard keys (key:NAME) and the panels' and menus' actions
// (area:action=VALUE).
#include "model/sequence.h"

#include <cctype>
#include <charconv>

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

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

/// The Windows key code of a key name, or -1.
int keyCode(std::string_view name) {
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return name[0];
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return name[0];
  if (name.size() == 4 && startsWith(name, "Num") && name[3] >= '0' && name[3] <= '9')
    return vk::kNumpad0 + (name[3] - '0');
  if (name.size() >= 2 && name[0] == 'F') {
    int n = 0;
    auto [p, ec] = std::from_chars(name.data() + 1, name.data() + name.size(), n);
    if (ec == std::errc() && p == name.data() + name.size() && n >= 1 && n <= 12)
      return vk::kF1 + n - 1;
  }
  const std::pair<std::string_view, int> named[] = {
      {"Num.", vk::kDecimal},  {"Num+", vk::kAdd},    {"Num-", vk::kSubtract},
      {"Num*", vk::kMultiply}, {"Num/", vk::kDivide}, {"Backspace", vk::kBack},
      {"Delete", vk::kDelete}, {"Home", vk::kHome},   {"End", vk::kEnd},
      {"Esc", vk::kEscape},    {"Enter", vk::kEnter}, {"Shift", vk::kShift},
      {"Ctrl", vk::kControl},  {"Alt", vk::kAlt}};
  for (const auto& [n, code] : named)
    if (n == name) return code;
  return -1;
}

/// What a key types on a US keyboard, as far as the keyboard map reads it: the
/// symbols of the shifted top-row digits and of the keypad's operators.
std::string typedOnUsKeyboard(int code, int shift) {
  constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";
  if ((shift & kShiftBit) && code >= '0' && code <= '9')
    return std::string(1, kShiftedDigits[static_cast<std::size_t>(code - '0')]);
  const std::pair<int, char> keypad[] = {{vk::kAdd, '+'},
                                         {vk::kSubtract, '-'},
                                         {vk::kMultiply, '*'},
                                         {vk::kDivide, '/'},
                                         {vk::kDecimal, '.'}};
  for (const auto& [c, ch] : keypad)
    if (c == code) return std::string(1, ch);
  return {};
}

// key:NAME is one press and release of the key with the modifiers held through both;
// the key acts when it goes down, and letting it go does nothing more.
std::optional<Step> keyPressAndRelease(std::string_view keyText) {
  int shift = 0;
  for (bool more = true; more;) {
    more = false;
    const std::pair<std::string_view, int> modifiers[] = {
        {"Shift+", kShiftBit}, {"Ctrl+", kCtrlBit}, {"Alt+", kAltBit}};
    for (const auto& [prefix, bit] : modifiers) {
      if (startsWith(keyText, prefix) && keyText.size() > prefix.size()) {
        shift |= bit;
        keyText.remove_prefix(prefix.size());
        more = true;
      }
    }
  }
  // A main-row character key: the keyboard map knows it by what it types.
  for (const TypedKeyName& k : typedKeyNames()) {
    if (k.name == keyText)
      return Step([shift, typed = k.typed](Model& m) { m.keyDown(0, shift, typed); });
  }
  const int code = keyCode(keyText);
  if (code < 0) return std::nullopt;
  return Step([code, shift, typed = typedOnUsKeyboard(code, shift)](Model& m) {
    m.keyDown(code, shift, typed);
  });
}

using Action = std::optional<Step>;

Action statAction(std::string_view action, std::optional<std::string_view> value) {
  if (action == "select" && value) {
    std::size_t index = 0;
    auto [p, ec] = std::from_chars(value->data(), value->data() + value->size(), index);
    if (ec != std::errc() || p != value->data() + value->size()) return std::nullopt;
    return Step([index](Model& m) { m.statSelect(index); });
  }
  if (value) return std::nullopt;
  const StatKeyRow* row = findStatKey(action);
  if (!row) return std::nullopt;
  const StatKey key = row->key;
  return Step([key](Model& m) { m.statPress(key); });
}

Action finAction(std::string_view action, std::optional<std::string_view> value) {
  if (action == "click" && value) {
    const FinCellRow* row = findFinCell(*value);
    if (!row) return std::nullopt;
    const FinCell cell = row->cell;
    return Step([cell](Model& m) { m.finClick(cell); });
  }
  if (action == "solve" && value) {
    const FinKeyRow* row = findFinKey(*value);
    if (!row) return std::nullopt;
    const FinKey key = row->key;
    return Step([key](Model& m) { m.finSolve(key); });
  }
  if (value) return std::nullopt;
  if (action == "start") return Step([](Model& m) { m.finStart(); });
  if (action == "end") return Step([](Model& m) { m.finEnd(); });
  if (action == "clear") return Step([](Model& m) { m.finClear(); });
  if (action == "amortize") return Step([](Model& m) { m.finAmortize(); });
  if (action == "topv") return Step([](Model& m) { m.finToPv(); });
  return std::nullopt;
}

Action convAction(std::string_view action, std::optional<std::string_view> value) {
  if (value) {
    std::string text(*value);
    if (action == "from") return Step([text](Model& m) { m.convSetFrom(text); });
    if (action == "to") return Step([text](Model& m) { m.convSetTo(text); });
    return std::nullopt;
  }
  if (action == "Constants") return Step([](Model& m) { m.convConstants(); });
  if (action == "open-from") return Step([](Model& m) { m.convOpenFrom(); });
  if (action == "open-to") return Step([](Model& m) { m.convOpenTo(); });
  if (action == "go") return Step([](Model& m) { m.convGo(); });
  if (!findCategory(action)) return std::nullopt;
  std::string name(action);
  return Step([name](Model& m) { m.convCategory(name); });
}

Action elemAction(std::string_view action, std::optional<std::string_view> value) {
  if (action == "hover" && value && findElement(*value)) {
    std::string symbol(*value);
    return Step([symbol](Model& m) { m.elemHover(symbol); });
  }
  if (value) return std::nullopt;
  if (action == "number") return Step([](Model& m) { m.elemNumberClick(); });
  if (action == "mass") return Step([](Model& m) { m.elemMassClick(); });
  return std::nullopt;
}

Action molarAction(std::string_view action, std::optional<std::string_view> value) {
  auto slot = [&](std::string_view prefix) -> int {
    if (action.size() == prefix.size() + 1 && startsWith(action, prefix) && action.back() >= '1' &&
        action.back() <= '4')
      return action.back() - '0';
    return 0;
  };
  if (value) {
    std::string text(*value);
    if (const int n = slot("drop"); n && findElement(text))
      return Step([n, text](Model& m) { m.molarDrop(n, text); });
    if (const int n = slot("count")) return Step([n, text](Model& m) { m.molarCount(n, text); });
    if (action == "index") return Step([text](Model& m) { m.molarIndex(text); });
    return std::nullopt;
  }
  if (action == "clear") return Step([](Model& m) { m.molarClear(); });
  if (action == "result") return Step([](Model& m) { m.molarResultClick(); });
  return std::nullopt;
}

// Each option action opens the dialog, sets one control and presses OK.
Action optAction(std::string_view action, std::optional<std::string_view> value) {
  if (!value) return std::nullopt;
  std::function<void(OptionsDialog&)> set;
  const std::string v(*value);
  if (action == "format") {
    if (v == "Standard") set = [](OptionsDialog& d) { d.selectFormat(NumberFormat::Standard); };
    if (v == "Fix") set = [](OptionsDialog& d) { d.selectFormat(NumberFormat::Fix); };
    if (v == "Scientific") set = [](OptionsDialog& d) { d.selectFormat(NumberFormat::Scientific); };
  } else if (action == "places") {
    set = [v](OptionsDialog& d) { d.setText(v); };
  } else if (action == "radicals") {
    if (v == "on" || v == "off") set = [on = v == "on"](OptionsDialog& d) { d.setRadicals(on); };
  } else if (action == "accuracy") {
    if (v == "low") set = [](OptionsDialog& d) { d.setAccuracy(Accuracy::Low); };
    if (v == "medium") set = [](OptionsDialog& d) { d.setAccuracy(Accuracy::Medium); };
    if (v == "high") set = [](OptionsDialog& d) { d.setAccuracy(Accuracy::High); };
  }
  if (!set) return std::nullopt;
  return Step([set](Model& m) {
    m.openOptions();
    set(m.options());
    m.closeOptions();
  });
}

Action menuAction(std::string_view action, std::optional<std::string_view> value) {
  if (action == "copy" && !value) return Step([](Model& m) { m.menuCopy(); });
  if (action == "paste" && value) {
    std::string text(*value);
    return Step([text](Model& m) {
      m.toolkit().setClipboard(text);
      m.menuPaste();
    });
  }
  if (value) return std::nullopt;
  if (action == "compact") return Step([](Model& m) { m.toggleCompactSize(); });
  if (action == "ontop") return Step([](Model& m) { m.toggleAlwaysOnTop(); });
  if (action == "closeflap") return Step([](Model& m) { m.closeFoldOut(); });
  // The three panel items cannot be chosen while compact size disables them.
  using Command = void (Model::*)();
  const std::pair<std::string_view, Command> panels[] = {
      {"converter", &Model::toggleConverterPanel},
      {"statistics", &Model::toggleStatisticsPanel},
      {"financial", &Model::toggleFinancialPanel}};
  for (const auto& [name, command] : panels) {
    if (action == name)
      return Step([command = command](Model& m) {
        if (m.shell().panelItemsEnabled) (m.*command)();
      });
  }
  return std::nullopt;
}

Action panelAction(std::string_view token) {
  const std::size_t colon = token.find(':');
  const std::string_view area = token.substr(0, colon);
  std::string_view action = token.substr(colon + 1);
  std::optional<std::string_view> value;
  std::string unescaped;
  if (const std::size_t eq = action.find('='); eq != std::string_view::npos) {
    unescaped = unescapedValue(action.substr(eq + 1));
    value = unescaped;
    action = action.substr(0, eq);
  }
  if (area == "key") return value ? std::nullopt : keyPressAndRelease(action);
  if (area == "stat") return statAction(action, value);
  if (area == "fin") return finAction(action, value);
  if (area == "conv") return convAction(action, value);
  if (area == "elem") return elemAction(action, value);
  if (area == "molar") return molarAction(action, value);
  if (area == "opt") return optAction(action, value);
  if (area == "menu") return menuAction(action, value);
  if (area == "tape" && action == "clear" && !value) return Step([](Model& m) { m.clearTape(); });
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
    for (char c : t) keys.push_back(c == '.' ? Key::Point : static_cast<Key>(c - '0'));
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
