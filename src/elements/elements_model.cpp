// The periodic table window's behaviour: hovering describes an element, the shown
// number and mass go to the main display, and dropped elements with their counts and
// the multiplier give the molar mass.
#include "elements/elements_model.h"

#include <algorithm>

#include "engine/decimal_symbol.h"

namespace zova {

std::optional<Slot> slotNumbered(int n) {
  if (n < 1 || n > kSlotCount) return std::nullopt;
  return static_cast<Slot>(n - 1);
}

std::optional<Decimal> countValue(std::string_view text, const NumberLocale& loc) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  if (text.empty()) return Decimal();
  // Rewritten with "." for the reader; every character is checked on the way.
  std::string c;
  std::size_t i = text.front() == '+' ? 1 : 0;
  const auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') c += text[i++];
    return i - from;
  };
  std::size_t mantissa = digits();
  const std::string_view rest = text.substr(i);
  const std::size_t point = rest.starts_with('.') ? 1
                            : !loc.decimal.empty() && rest.starts_with(loc.decimal)
                                ? loc.decimal.size()
                                : 0;
  if (point > 0) {
    c += '.';
    i += point;
    mantissa += digits();
  }
  if (mantissa == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    c += text[i++];
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) c += text[i++];
    if (digits() == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  return parseNumberInRange(c);
}

void ElementsModel::hover(const Element& e) {
  InfoArea& a = s_.info;
  a.numberCaption = kAtomicNumberLabel;
  a.massCaption = kAtomicMassLabel;
  a.electronsCaption = kElectronsLabel;
  a.symbol = e.symbol;
  a.name = e.name;
  a.valuesShown = true;
  a.mass = e.mass;
  a.number = numberToText(e.number, loc_);
  a.electrons = e.electrons;
}

bool ElementsModel::hoverSymbol(std::string_view symbol) {
  const Element* e = findElement(symbol);
  if (e == nullptr) return false;
  hover(*e);
  return true;
}

std::optional<std::string> ElementsModel::useAtomicNumber() const {
  if (!s_.info.valuesShown) return std::nullopt;
  return numberToText(parseNumber(s_.info.number), loc_);
}

std::optional<std::string> ElementsModel::useAtomicMass() const {
  if (!s_.info.valuesShown) return std::nullopt;
  return s_.info.mass;
}

void ElementsModel::dragDrop(Slot slot) {
  FormulaSlot& f = slotAt(slot);
  f.symbol = s_.info.symbol;
  s_.info.mass = withDotDecimal(s_.info.mass);
  f.mass = s_.info.mass;
  showMolarMass();
}

bool ElementsModel::dropSymbol(Slot slot, std::string_view symbol) {
  if (!hoverSymbol(symbol)) return false;
  dragDrop(slot);
  return true;
}

void ElementsModel::setCount(Slot slot, std::string text) {
  slotAt(slot).count = std::move(text);
  showMolarMass();
}

void ElementsModel::setMultiplier(std::string text) {
  s_.multiplier = std::move(text);
  showMolarMass();
}

void ElementsModel::showMolarMass() {
  s_.clearShown = true;
  s_.molarCaption = kMolarPrefix;
  s_.molarUnit = kMolarUnit;
  s_.molarShown = true;
  // Each product first, the sums from the left, the multiplier last.
  Decimal sum;
  bool refused = false;
  for (FormulaSlot& f : s_.formula) {
    const auto count = countValue(f.count, loc_);
    f.badCount = !count;
    refused = refused || f.badCount;
    if (count) sum += *count * f.mass.parse();
  }
  const auto multiplier = countValue(s_.multiplier, loc_);
  s_.badMultiplier = !multiplier;
  // A box that holds no number gives no mass at all rather than a wrong one.
  if (refused || s_.badMultiplier) {
    s_.molarCaption.clear();
    s_.molarUnit.clear();
    s_.molar.clear();
    s_.molarShown = false;
    return;
  }
  const std::optional<Decimal> mu = finiteOrNone(*multiplier * sum);
  s_.molar = mu ? numberToText(*mu, loc_) : "ERROR";
  // A failure is no amount of grams per mole.
  if (!mu) s_.molarUnit.clear();
}

void ElementsModel::clearFormula() {
  for (FormulaSlot& f : s_.formula) f.mass = 0;
  s_.molarCaption.clear();
  s_.molarUnit.clear();
  s_.molarShown = false;
  for (FormulaSlot& f : s_.formula) f.symbol.clear();
  s_.clearShown = false;
}

void ElementsModel::windowClosed() { clearFormula(); }

std::optional<std::string> ElementsModel::useMolarMass() const {
  if (!s_.molarShown) return std::nullopt;
  return s_.molar;
}

}  // namespace zova
