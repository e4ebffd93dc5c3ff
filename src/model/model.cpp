// Start-up, the keyboard map, and the glue between the panels' models and
// the calculator: panels read the display and hand back what to show.
#include "model/model.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "engine/decimal_symbol.h"
#include "engine/display_limits.h"
#include "model/tape_file.h"

namespace zova {

namespace {

const std::array kWindowKeys = {
    WindowKeyRow{{vk::kEscape}, ZOVA_TEXT("Help", "Hide the window"), &Model::hideToTray},
    WindowKeyRow{{vk::kEnd}, ZOVA_TEXT("Help", "Save the settings and close Zova"), &Model::unload},
};

// One binding of the keyboard map and the operation it runs.
struct BoundKey {
  KeyBinding binding;
  std::function<void(Model&)> run;
  ActionName name;  ///< the control it stands for, naming the undo step; none for the window's keys
};

// The keyboard map, gathered from the binding columns of the key tables.
std::vector<BoundKey> gatherKeyMap() {
  std::vector<BoundKey> map;
  for (const KeyRow& row : keyTable()) {
    const Key key = row.key;
    for (const KeyBinding& b : row.bindings) {
      if (!b.code) continue;
      // A typed digit's zero always appends, unlike the keypad's 0 key.
      const ActionName name = Text::caption("", std::string(row.caption));
      if (key <= Key::kDigit9)
        map.push_back(
            {b, [key](Model& m) { m.calc().keyboardDigit(static_cast<int>(key)); }, name});
      else
        map.push_back({b, [key](Model& m) { m.press(key); }, name});
    }
  }
  for (const StatKeyRow& row : statKeyTable())
    if (row.binding.code)
      map.push_back({row.binding, [key = row.key](Model& m) { m.statPress(key); },
                     Text::caption("Statistics", std::string(row.caption))});
  for (const CategoryRow& row : categoryRows())
    if (row.binding.code)
      map.push_back({row.binding, [name = row.action](Model& m) { m.convCategory(name); },
                     Text::caption("Converter", std::string(row.caption))});
  map.push_back({kKonstantKey, [](Model& m) { m.convConstants(); },
                 Text::caption("Converter", std::string(kKonstantCaption))});
  // Convert or Use Constant, as the button reads when the key is pressed.
  map.push_back({kConvertKey, [](Model& m) { m.convGo(); }, {}});
  for (const WindowKeyRow& row : kWindowKeys)
    map.push_back({row.binding, [run = row.run](Model& m) { (m.*run)(); }, {}});
  return map;
}

const BoundKey* findBinding(KeyBinding binding) {
  static const std::vector<BoundKey> kKeyMap = gatherKeyMap();
  for (const BoundKey& bound : kKeyMap)
    if (bound.binding == binding) return &bound;
  return nullptr;
}

}  // namespace

std::span<const WindowKeyRow> windowKeyTable() { return kWindowKeys; }

Model::Model(Toolkit& toolkit, NumberLocale locale)
    : tk_(toolkit),
      calc_(toolkit, locale),
      stats_(locale),
      fin_(
          toolkit, [this] { return shell_.onTop; }, locale),
      elem_(locale),
      options_(locale) {
  calc_.onStackEntry = [this] { stackEntry(); };
  calc_.setObserver(&tape_);
}

void Model::startUp() {
  tk_.installFont();
  resetStartModes(calc_.state());
  readSettings();
}

void Model::press(Key key) {
  const KeyRow& row = keyRow(key);
  const ActionScope step(history_, Text::caption("", std::string(row.caption)), kCalcPart);
  row.press(calc_);
  tk_.focusEquals();
}

void Model::unload() {
  ended_ = true;
  writeSettings();
  tk_.removeFont();
  tk_.quit();
}

void Model::keyDown(int code, int shift, std::string_view typed) {
  // The key's step takes its name from the key it presses.
  const ActionScope step(history_, {}, kCalcPart);
  CalcState& s = calc_.state();
  // A shortcut with Ctrl or Alt belongs to the menus, never to the keypad.
  if (shift & (kCtrlBit | kAltBit)) {
    code = 0;
  } else if (const KeyRow* row = findTypedKey(typed, locale().decimal)) {
    // The operator characters act by what the key typed in the user's layout.
    return press(row->key);
  }
  tk_.focusEquals();

  // A shifted digit's symbol presses its key; the press then ends in a beep.
  if (shift & kShiftBit) {
    if (const BoundKey* bound = findBinding({code, kShiftBit})) {
      history_.name(bound->name);
      bound->run(*this);
      tk_.beep();
      return;
    }
  }
  // In hexadecimal the letters A to F type themselves.
  if (s.base == Base::kHex && code >= 'A' && code <= 'F') {
    history_.name(Text::caption("", std::string(1, static_cast<char>(code))));
    calc_.hexLetter(static_cast<char>(code));
    return;
  }
  if (code == 'B') return;  // the X² key's letter, in hexadecimal only
  if (const BoundKey* bound = findBinding({code, 0})) {
    history_.name(bound->name);
    return bound->run(*this);
  }
  tk_.beep();
}

void Model::writeDisplay(std::optional<std::string> text) {
  if (text) calc_.setDisplay(std::move(*text));
}

void Model::apply(const PanelEffect& effect) {
  CalcState& s = calc_.state();
  switch (effect.reset) {
    case EntryReset::kNone:
      break;
    case EntryReset::kSwitch:
      s.newNumber = true;
      break;
    case EntryReset::kEndEntry:
      calc_.endEntry();
      break;
    case EntryReset::kCommonStart:
      s.fullResult = 0;
      s.exponentPresses = 0;
      s.pointState = PointState::kNone;
      s.newNumber = true;
      break;
  }
  writeDisplay(effect.display);
  if (effect.focusEquals) tk_.focusEquals();
  if (effect.beep) tk_.beep();
}

void Model::statPress(StatKey key) {
  const ActionScope step(history_,
                         Text::caption("Statistics", std::string(statKeyRow(key).caption)),
                         kCalcPart | kStatSumsPart);
  if (key == StatKey::kEnter && stats_.full()) {
    tk_.beep();
    tk_.focusEquals();
    return;
  }
  if (key == StatKey::kEnter) {
    calc_.restoreDecimalDisplay();
    calc_.displayToDecimal();
  }
  const std::size_t before = stats_.count();
  const std::optional<std::size_t> selected = stats_.selected();
  const std::string removed =
      key == StatKey::kDelete && selected && *selected < before ? stats_.items()[*selected] : "";
  const PanelEffect effect = stats_.press(key, calc_.display());
  apply(effect);
  // The list's changes go on the tape, so that its results can be checked from it.
  const Text what = Text::caption("Statistics", std::string(statKeyRow(key).caption));
  if (key == StatKey::kEnter && stats_.count() > before)
    tape_.statsChanged(what, stats_.items().front());
  else if (key == StatKey::kDelete && stats_.count() < before)
    tape_.statsChanged(what, removed);
  else if (key == StatKey::kClearAll && before > 0)
    tape_.statsChanged(what, "");
  if (effect.display && key != StatKey::kEnter && key != StatKey::kDelete) {
    tapePanelResult(what);
  }
}

void Model::tapePanelResult(Text what) {
  const std::string& shown = calc_.display();
  tape_.panelResult(std::move(what),
                    {shown, calc_.state().base == Base::kDecimal ? shown : "", calc_.state().base});
}

// A click on a list item is named by the item.
void Model::statSelect(std::size_t index) {
  const ActionScope step(history_,
                         Text::caption("", index < stats_.count() ? stats_.items()[index] : ""),
                         kCalcPart | kStatSumsPart);
  apply(stats_.selectItem(index));
}

// In another base the register takes the decimal value while the display keeps
// showing the result in the base.
void Model::stackEntry() {
  const ActionScope step(history_, Text::caption("Statistics", "Stack"), kCalcPart | kStatSumsPart);
  const std::string shown = calc_.display();
  statPress(StatKey::kEnter);
  if (calc_.state().base != Base::kDecimal && calc_.display() != "ERROR")
    calc_.state().display = shown;
}

namespace {
constexpr unsigned kFinanceParts = kCalcPart | kFinancePart;
ActionName financialAction(std::string_view caption) {
  return Text::caption("Financial", std::string(caption));
}
}  // namespace

void Model::finClick(FinCell cell) {
  const ActionScope step(history_, financialAction(finCellRow(cell).label), kFinanceParts);
  apply(fin_.click(cell, calc_.display()));
}
void Model::finSolve(FinKey key) {
  const ActionScope step(history_, {}, kFinanceParts);
  for (const FinKeyRow& row : finKeyTable())
    if (row.key == key) history_.name(financialAction(row.caption));
  const PanelEffect effect = fin_.solve(key);
  apply(effect);
  if (!effect.display) return;
  for (const FinKeyRow& row : finKeyTable())
    if (row.key == key) tapePanelResult(Text::asWritten(std::string(row.name)));
}
void Model::finStart() {
  const ActionScope step(history_, financialAction("Start"), kFinanceParts);
  apply(fin_.toggleStartTiming());
}
void Model::finEnd() {
  const ActionScope step(history_, financialAction("End"), kFinanceParts);
  apply(fin_.toggleEndTiming());
}
void Model::finClear() {
  const ActionScope step(history_, financialAction("Clear"), kFinanceParts);
  apply(fin_.clearCells());
}
void Model::finAmortize() {
  const ActionScope step(history_, financialAction("Amortize"), kFinanceParts);
  apply(fin_.amortize());
}
void Model::finToPv() {
  const ActionScope step(history_, financialAction("PV"), kFinanceParts);
  apply(fin_.balanceToPresentValue());
}

namespace {
constexpr unsigned kConverterParts = kCalcPart | kConverterPart;
ActionName converterAction(std::string_view caption) {
  return Text::caption("Converter", std::string(caption));
}
}  // namespace

bool Model::convCategory(std::string_view name) {
  const ActionScope step(history_, {}, kConverterParts);
  for (const CategoryRow& row : categoryRows())
    if (row.action == name) history_.name(converterAction(row.caption));
  const bool found = conv_.chooseCategory(name);
  tk_.focusEquals();
  return found;
}

void Model::convConstants() {
  const ActionScope step(history_, converterAction(kKonstantCaption), kConverterParts);
  conv_.showConstants();
  tk_.focusEquals();
}

// A list dropped down is named by its label, a list's new text by itself.
void Model::convOpenFrom() {
  const ActionScope step(history_, converterAction(conv_.state().fromCaption), kConverterParts);
  conv_.dropDownFrom();
}
void Model::convOpenTo() {
  const ActionScope step(history_, converterAction(conv_.state().toCaption), kConverterParts);
  conv_.dropDownTo();
}
void Model::convSetFrom(std::string text) {
  const ActionScope step(history_, Text::caption("", text), kConverterParts);
  conv_.setFromText(std::move(text));
}
void Model::convSetTo(std::string text) {
  const ActionScope step(history_, Text::caption("", text), kConverterParts);
  conv_.setToText(std::move(text));
}

void Model::convGo() {
  const ActionScope step(history_, converterAction(conv_.state().convertCaption), kConverterParts);
  if (!conv_.canConvert()) {  // a list names no unit of the category: nothing to convert
    tk_.beep();
    tk_.focusEquals();
    return;
  }
  calc_.endEntry();
  calc_.restoreDecimalDisplay();
  const std::string before = calc_.display();
  calc_.setDisplay(conv_.convert(calc_.display(), locale()));
  calc_.endEntry();
  // A constant is written by its name, a conversion as "12 in -> cm".
  const ConverterState& c = conv_.state();
  if (c.constantsLibrary && c.openedLast == ConverterList::kFrom)
    tapePanelResult(tapePanelName(c.fromList.text));
  else if (c.constantsLibrary && c.openedLast == ConverterList::kTo)
    tapePanelResult(tapePanelName(c.toList.text));
  else
    tapePanelResult(
        {TextId::kConversion,
         {Text::asWritten(before), tapePanelName(c.fromList.text), tapePanelName(c.toList.text)}});
  tk_.focusEquals();
}

bool Model::elemHover(std::string_view symbol) { return elem_.hoverSymbol(symbol); }

namespace {
constexpr unsigned kElementParts = kCalcPart | kElementsPart;
ActionName elementAction(std::string_view caption) {
  return Text::caption("Elements", std::string(caption));
}
}  // namespace

void Model::elemNumberClick() {
  const ActionScope step(history_, elementAction(elem_.state().info.numberCaption), kElementParts);
  if (auto t = elem_.useAtomicNumber()) {
    calc_.setDisplay(*t);
    calc_.state().newNumber = true;
    tapePanelResult({TextId::kAtomicNumber, {Text::asWritten(elem_.state().info.symbol)}});
  }
}

void Model::elemMassClick() {
  const ActionScope step(history_, elementAction(elem_.state().info.massCaption), kElementParts);
  if (auto t = elem_.useAtomicMass()) {
    calc_.setDisplay(localeNumberText(*t, locale()));
    calc_.state().newNumber = true;
    tapePanelResult({TextId::kAtomicMass, {Text::asWritten(elem_.state().info.symbol)}});
  }
}

bool Model::molarDrop(int slot, std::string_view symbol) {
  const ActionScope step(history_, Text::caption("", std::string(symbol)), kElementParts);
  const auto s = slotNumbered(slot);
  return s && elem_.dropSymbol(*s, symbol);
}

bool Model::molarCount(int slot, std::string text) {
  const ActionScope step(history_, Text::caption("", text), kElementParts);
  const auto s = slotNumbered(slot);
  if (!s) return false;
  elem_.setCount(*s, std::move(text));
  return true;
}

void Model::molarMultiplier(std::string text) {
  const ActionScope step(history_, Text::caption("", text), kElementParts);
  elem_.setMultiplier(std::move(text));
}
void Model::molarClear() {
  const ActionScope step(history_, elementAction("Clear"), kElementParts);
  elem_.clearFormula();
}

void Model::molarResultClick() {
  const ActionScope step(history_, elementAction("Molar mass"), kElementParts);
  if (auto t = elem_.useMolarMass()) {
    calc_.setDisplay(*t);
    calc_.state().newNumber = true;
    // The formula as the slots spell it: "H2O", with the multiplier in front ("2 H2O").
    const ElementsState& e = elem_.state();
    std::string formula;
    for (const FormulaSlot& slot : e.formula) {
      if (slot.symbol.empty()) continue;
      formula += slot.symbol;
      if (slot.count != "1") formula += slot.count;
    }
    if (e.multiplier != "1") formula = e.multiplier + " " + formula;
    tapePanelResult(Text::asWritten(formula));
  }
}

void Model::clearTape() {
  const ActionScope step(history_, Text::caption("Tape", "C&lear"), 0);
  tape_.clear();
}

void Model::recallTapeNumber(std::size_t entry) {
  const ActionScope step(history_, Text::caption("Tape", "Tape"), kCalcPart);
  if (entry >= tape_.size()) return;
  // A tape file from a run in another locale may have the other decimal symbol;
  // the tape never groups digits, so either symbol is the decimal point.
  const std::optional<Decimal> x = displayNumber(tape_.at(entry).value, locale());
  if (!x) return;
  calc_.setDisplay(numberToText(*x, locale()));
  if (x->isZero()) calc_.state().display = "0";
  calc_.displayToBase();
  calc_.endEntry();
  const CalcState& s = calc_.state();
  tape_.numberRecalled({s.display, numberToText(*x, locale()), s.base});
  tk_.focusEquals();
}

void Model::menuCopy() { tk_.setClipboard(calc_.display()); }

namespace {

// The digits of a whole number in a base other than decimal, as the display shows them
// (upper case), within what that base's display holds; nothing for any other text.
std::optional<std::string> baseDigits(std::string_view text, Base base) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  const int radix = base == Base::kHex ? 16 : base == Base::kOctal ? 8 : 2;
  const std::size_t most = base == Base::kHex ? 8 : base == Base::kOctal ? 11 : kBinaryDigits;
  if (text.empty() || text.size() > most) return std::nullopt;
  std::string out;
  for (char c : text) {
    const char up = c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
    const int v = up >= '0' && up <= '9' ? up - '0' : up >= 'A' && up <= 'F' ? up - 'A' + 10 : 99;
    if (v >= radix) return std::nullopt;
    out += up;
  }
  // Eleven octal digits reach past 32 bits from 40000000000 on.
  if (base == Base::kOctal && out.size() == 11 && out[0] > '3') return std::nullopt;
  return out;
}

// A decimal number pasted in the locale's form or else in the C form, grouping and
// blanks around allowed, as the display writes a typed number: the locale's decimal
// symbol, no grouping. Nothing for any other text or a number too large to hold.
std::optional<std::string> pastedDecimal(std::string_view text, const NumberLocale& loc) {
  for (const NumberLocale& form : {loc, NumberLocale{".", ","}}) {
    const auto plain = ungroupedNumberText(text, form);
    if (!plain) continue;
    const auto value = textToNumber(*plain, NumberLocale{form.decimal, ""});
    if (!value) continue;
    // A number longer than an entry takes would not show whole: the number as a result
    // shows it.
    std::string typed = localeNumberText(*plain, loc);
    if (!decimalEntryFits(typed.size(), typed[0] == '-')) return numberToText(*value, loc);
    return typed;
  }
  return std::nullopt;
}

}  // namespace

// Only a text that is one number is entered; anything else beeps and changes nothing.
void Model::menuPaste() {
  const ActionScope step(history_, Text::caption("Menu", "&Paste"), kCalcPart);
  const std::string text = tk_.clipboard();
  const Base base = calc_.state().base;
  const auto number =
      base == Base::kDecimal ? pastedDecimal(text, locale()) : baseDigits(text, base);
  if (!number) return tk_.beep();
  calc_.setDisplay(*number);
}

void Model::openOptions() { options_.load(calc_.state()); }

void Model::closeOptions() {
  const ActionScope step(history_, Text::caption("Options", "Options"), kCalcPart);
  options_.unload(calc_.state());
}

void Model::undo() { moveInHistory(&History::undo); }
void Model::redo() { moveInHistory(&History::redo); }

// Loading settings changes the window's size and its place on top, which the
// toolkit is told again when a step puts them back.
void Model::moveInHistory(bool (History::*move)()) {
  const ShellState before = shell_;
  if (!(history_.*move)()) return;
  if (shell_.width() != before.width() || shell_.height() != before.height())
    tk_.setWindowSize(shell_.width(), shell_.height());
  if (shell_.onTop != before.onTop) onTopRestore();
}

}  // namespace zova
