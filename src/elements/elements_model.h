// The model of the periodic table window: the information area that describes the
// hovered element, and the molar-mass calculator fed by dropping element tiles on
// four formula slots. Texts that go to the main display are returned, not written.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "elements/element_table.h"
#include "engine/convert.h"
#include "engine/text.h"
#include "engine/value.h"

namespace zova {

inline constexpr std::string_view kAtomicNumberLabel =
    ZOVA_TEXT("Elements", "Atomic Number...............");
inline constexpr std::string_view kAtomicMassLabel =
    ZOVA_TEXT("Elements", "Atomic Mass...................");
inline constexpr std::string_view kElectronsLabel =
    ZOVA_TEXT("Elements", "Electron Configuration.....");
inline constexpr std::string_view kMolarPrefix = "\u00b5 = ";  // micro sign
inline constexpr std::string_view kMolarUnit = "g/mol";

/// The formula slots, left to right.
enum class Slot { kFirst, kSecond, kThird, kFourth };
inline constexpr int kSlotCount = 4;
/// Slot 1..4 by number, nullopt otherwise.
std::optional<Slot> slotNumbered(int n);

/// A count or multiplier box's text as a number: empty (or blank) is 0; otherwise the
/// whole text, blanks around it allowed, is a number of 0 or more in the range of results,
/// with "." or the locale's decimal symbol and an optional exponent ("2", "0,5", "1.5E3").
/// nullopt for anything else ("2x", "&H10", "FF", "-5", "1E999").
std::optional<Decimal> countValue(std::string_view text, const NumberLocale& loc);

/// The captions of the information area; all empty until the first hover.
struct InfoArea {
  // The fixed captions, set by every hover.
  std::string numberCaption, massCaption, electronsCaption;
  std::string symbol, name, number, mass, electrons;
  bool valuesShown = false;  // AtomicNumber and AtomicMass are visible (clickable)
  bool operator==(const InfoArea&) const = default;
};

struct FormulaSlot {
  std::string symbol;       // the slot label: the dropped element's symbol
  std::string count = "1";  // the count box under the slot, any text
  Value mass;               // mass1..mass4: the dropped mass text, 0 after Clear
  bool badCount = false;    // the count box holds no count: marked, and no mass shows
  bool operator==(const FormulaSlot&) const = default;
};

struct ElementsState {
  InfoArea info;
  std::array<FormulaSlot, kSlotCount> formula;
  std::string multiplier = "1";         // the multiplier box
  bool badMultiplier = false;           // the multiplier box holds no number: marked
  std::string molarCaption, molarUnit;  // "µ = " and "g/mol" while a result shows
  std::string molar;                    // the result caption, kept while hidden
  bool molarShown = false;
  bool clearShown = false;  // the Clear button
  bool operator==(const ElementsState&) const = default;
};

class ElementsModel {
 public:
  explicit ElementsModel(NumberLocale loc = {}) : loc_(std::move(loc)) {}

  const ElementsState& state() const { return s_; }
  /// For the undo history: the state changes places with `other`.
  void swapState(ElementsState& other) { std::swap(s_, other); }
  /// Decimal symbol for the numbers this window writes (atomic number, result).
  void setLocale(const NumberLocale& loc) { loc_ = loc; }

  /// The mouse moved over an element's tile: the information area shows the element.
  void hover(const Element& e);
  /// Hover the tile of the element with this symbol; false (and no change) if none.
  bool hoverSymbol(std::string_view symbol);

  /// The text for the main display; nullopt while the label is hidden (nothing to click).
  std::optional<std::string> useAtomicNumber() const;
  std::optional<std::string> useAtomicMass() const;

  /// A tile dropped on a slot: the slot takes the element shown in the information area.
  void dragDrop(Slot slot);
  /// Hover the tile of the element with this symbol and drop it on the slot; false (and
  /// no change) for an unknown symbol.
  bool dropSymbol(Slot slot, std::string_view symbol);
  /// Edits of the count boxes and of the multiplier box; each recomputes the result.
  void setCount(Slot slot, std::string text);
  void setMultiplier(std::string text);

  /// Shows the result line and recomputes it; "ERROR" when it leaves the range of results.
  /// A box whose text is no count (countValue) is marked, and the line shows no mass.
  void showMolarMass();
  void clearFormula();
  /// The window closed: the formula is cleared.
  void windowClosed();
  /// The result text for the main display, unchanged; nullopt while it is hidden.
  std::optional<std::string> useMolarMass() const;

 private:
  FormulaSlot& slotAt(Slot slot) { return s_.formula[static_cast<std::size_t>(slot)]; }

  ElementsState s_;
  NumberLocale loc_;
};

}  // namespace zova
