// Start-up, the keyboard map, and the glue between the panels' models and
// the calculator: panels read the display and hand back what to show.
#include "model/model.h"

namespace zova {

Model::Model(Toolkit& toolkit, NumberLocale locale)
    : tk_(toolkit),
      calc_(toolkit, locale),
      stats_(locale),
      fin_(
          toolkit, [this] { return shell_.onTop; }, locale),
      elem_(locale) {
  calc_.onStackEntry = [this] { stackEntry(); };
}

void Model::startUp() {
  tk_.installFont();
  ResetStartModes(calc_.state());
  readSettings();
}

void Model::press(Key key) {
  keyRow(key).press(calc_);
  tk_.focusEquals();
}

void Model::unload() {
  ended_ = true;
  EndIt();
  tk_.removeFont();
  tk_.quit();
}

void Model::keyUp(int code, int shift) {
  CalcState& s = calc_.state();
  if (shift & (kCtrlBit | kAltBit)) code = 0;
  // The release of a menu's access letter does not reach the keypad.
  if (s.ignoreNextLetter) {
    if (code >= 'A' && code <= 'Z') code = 0;
    s.ignoreNextLetter = false;
  }
  tk_.focusEquals();

  if (shift & kShiftBit) {
    const std::pair<int, Key> symbols[] = {
        {'6', Key::Power}, {'5', Key::Percent}, {'1', Key::Fact}, {'9', Key::Open},
        {'0', Key::Close}, {'2', Key::Square},  {'3', Key::Base}};
    for (const auto& [c, key] : symbols) {
      if (code == c) {
        press(key);
        code = 0;  // the release then ends in the beep below
        break;
      }
    }
  }
  // In hexadecimal the letters A to F type themselves.
  if (s.base == Base::kHex && code >= 'A' && code <= 'F') {
    calc_.hexLetter(static_cast<char>(code));
    return;
  }
  switch (code) {
    case vk::kDecimal:
      return press(Key::Point);
    case vk::kF1 + 4:
      convCategory("Length");
      return;
    case vk::kF1 + 5:
      convCategory("Area");
      return;
    case vk::kF1 + 6:
      convCategory("Volume");
      return;
    case vk::kF1 + 7:
      convCategory("Weight");
      return;
    case vk::kF1 + 8:
      return convConstants();
    case vk::kF1 + 10:
      return convGo();
    case vk::kF1 + 1:
      return statPress(StatKey::kCount);
    case vk::kF1 + 2:
      return statPress(StatKey::kSum);
    case vk::kF1 + 3:
      return statPress(StatKey::kMean);
    case 'X':
      return statPress(StatKey::kSampleSd);
    case 'Y':
      return statPress(StatKey::kPopulationSd);
    case 'G':
      return statPress(StatKey::kEnter);
    case 'W':
      return press(Key::Stack);
    case 'S':
      return press(Key::Sin);
    case 'B':
      return;  // the X² key's letter, in hexadecimal only
    case 'C':
      return press(Key::Cos);
    case 'T':
      return press(Key::Tan);
    case 'I':
      return press(Key::Inv);
    case 'H':
      return press(Key::Hyp);
    case 'D':
      return press(Key::Mode);
    case 'Q':
      return press(Key::Fraction);
    case 'F':
      return press(Key::Recip);
    case 'L':
      return press(Key::Log);
    case 'N':
      return press(Key::Ln);
    case 'V':
      return press(Key::Sqrt);
    case 'R':
      return press(Key::Sign);
    case 'A':
      return press(Key::ToDms);
    case 'Z':
      return press(Key::FromDms);
    case 'M':
      return press(Key::MPlus);
    case 'J':
      return press(Key::MR);
    case 'K':
      return press(Key::Kin);
    case 'O':
      return press(Key::Kout);
    case 'P':
      return press(Key::Pi);
    case 'E':
      return press(Key::Exp);
    case vk::kAdd:
      return press(Key::Add);
    case vk::kSubtract:
      return press(Key::Subtract);
    case vk::kMultiply:
      return press(Key::Multiply);
    case vk::kDivide:
      return press(Key::Divide);
    case vk::kBack:
      return press(Key::Back);
    case vk::kDelete:
      return press(Key::Clear);
    case vk::kHome:
      return press(Key::AllClear);
    case vk::kEnter:
      return press(Key::Equals);  // the default button's press
    case vk::kEnd:
      return unload();
    case vk::kEscape:
      return mnuhide2_Click();
    default:
      break;
  }
  if (code >= '0' && code <= '9') return calc_.keyboardDigit(code - '0');
  if (code >= vk::kNumpad0 && code <= vk::kNumpad0 + 9)
    return calc_.keyboardDigit(code - vk::kNumpad0);
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
}

void Model::statPress(StatKey key) {
  if (key == StatKey::kEnter) {
    calc_.restoreDecimalDisplay();
    calc_.displayToDecimal();
  }
  apply(stats_.press(key, calc_.display()));
}

void Model::statSelect(std::size_t index) { apply(stats_.statlist_Click(index)); }

// In another base the register takes the decimal value while the display keeps
// showing the result in the base.
void Model::stackEntry() {
  const std::string shown = calc_.display();
  statPress(StatKey::kEnter);
  if (calc_.state().base != Base::kDecimal && calc_.display() != "ERROR")
    calc_.state().display = shown;
}

void Model::finClick(FinCell cell) { apply(fin_.click(cell, calc_.display())); }
void Model::finSolve(FinKey key) { apply(fin_.solve(key)); }
void Model::finStart() { apply(fin_.ChkStart_Click()); }
void Model::finEnd() { apply(fin_.ChkEnd_Click()); }
void Model::finClear() { apply(fin_.finClear_Click()); }
void Model::finAmortize() { apply(fin_.finAmortize_Click()); }
void Model::finToPv() { apply(fin_.fintopv_Click()); }

bool Model::convCategory(std::string_view name) {
  const bool found = conv_.categoryClick(name);
  tk_.focusEquals();
  return found;
}

void Model::convConstants() {
  conv_.Konstant_Click();
  tk_.focusEquals();
}

void Model::convOpenFrom() { conv_.Combo1_dropdown(); }
void Model::convOpenTo() { conv_.Combo2_dropdown(); }
void Model::convSetFrom(std::string text) { conv_.setCombo1Text(std::move(text)); }
void Model::convSetTo(std::string text) { conv_.setCombo2Text(std::move(text)); }

void Model::convGo() {
  calc_.endEntry();
  calc_.restoreDecimalDisplay();
  calc_.setDisplay(conv_.OK_Click(calc_.display(), locale()));
  calc_.endEntry();
  tk_.focusEquals();
}

bool Model::elemHover(std::string_view symbol) { return elem_.hoverSymbol(symbol); }

void Model::elemNumberClick() {
  if (auto t = elem_.AtomicNumber_Click()) {
    calc_.setDisplay(*t);
    calc_.state().newNumber = true;
  }
}

void Model::elemMassClick() {
  if (auto t = elem_.AtomicMass_Click()) {
    calc_.setDisplay(*t);
    calc_.state().newNumber = true;
  }
}

bool Model::molarDrop(int slot, std::string_view symbol) {
  const auto s = slotNumbered(slot);
  return s && elem_.dropSymbol(*s, symbol);
}

bool Model::molarCount(int slot, std::string text) {
  const auto s = slotNumbered(slot);
  if (!s) return false;
  elem_.setCount(*s, std::move(text));
  return true;
}

void Model::molarIndex(std::string text) { elem_.setIndex(std::move(text)); }
void Model::molarClear() { elem_.ClearIt_Click(); }

void Model::molarResultClick() {
  if (auto t = elem_.Molar_Click()) {
    calc_.setDisplay(*t);
    calc_.state().newNumber = true;
  }
}

void Model::menuCopy() {
  calc_.state().ignoreNextLetter = true;
  tk_.setClipboard(calc_.display());
}

// The clipboard's text goes to the display unchecked, as the user pasted it.
void Model::menuPaste() {
  calc_.state().ignoreNextLetter = true;
  calc_.setDisplay(tk_.clipboard());
}

void Model::openOptions() {
  calc_.state().ignoreNextLetter = true;
  options_.load(calc_.state());
}

void Model::closeOptions() { options_.unload(calc_.state()); }

}  // namespace zova
