// The converter panel's model: its fields, the two lists with their entries and
// texts, the captions and marker frames, and the conversion that turns the
// display's number into another unit or puts a constant on the display.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "converter/unit_table.h"
#include "engine/convert.h"
#include "engine/text.h"
#include "engine/value.h"

namespace zova {

inline constexpr std::string_view kConvertCaption = ZOVA_TEXT("Converter", "&Convert");
inline constexpr std::string_view kUseConstantCaption = ZOVA_TEXT("Converter", "Use &Constant");
/// The keyboard equivalent of the Convert / Use Constant button.
inline constexpr KeyBinding kConvertKey{vk::kF1 + 10};
inline constexpr std::string_view kKonstantCaption = ZOVA_TEXT("Converter", "C&onstants");
/// The keyboard equivalent of the constants button.
inline constexpr KeyBinding kKonstantKey{vk::kF1 + 8};
inline constexpr std::string_view kFromCaption = ZOVA_TEXT("Converter", "From:");
inline constexpr std::string_view kToCaption = ZOVA_TEXT("Converter", "To:");
inline constexpr std::string_view kSiCaption = ZOVA_TEXT("Converter", "S.I.");
inline constexpr std::string_view kEngCaption = ZOVA_TEXT("Converter", "Eng.");

/// A drop-down list: its entries and the text in its edit box, which need not be an entry.
struct ComboList {
  std::vector<std::string> items;
  std::string text;
  bool operator==(const ComboList&) const = default;
};

/// The panel's two drop-down lists.
enum class ConverterList { kFrom, kTo };

/// Everything the panel shows or remembers; the view redraws from it.
struct ConverterState {
  Value unit1;  ///< the From list's text at the last conversion
  Value unit2;  ///< the To list's text at the last conversion
  Value eq1;    ///< From value: factor, degrees Celsius or S.I. constant
  Value eq2;    ///< To value: factor or engineering constant
  std::optional<ConverterList> openedLast;  ///< the list dropped down last; none until one is
  bool constantsLibrary = false;            ///< the lists hold constants, not units
  ComboList fromList;
  ComboList toList;
  std::string convertCaption{kConvertCaption};  ///< the Convert button, or Use Constant
  std::string fromCaption{kFromCaption};        ///< label above the From list
  std::string toCaption{kToCaption};            ///< label above the To list
  bool fromMarkerVisible = false;               ///< marker frame around the From list
  bool toMarkerVisible = false;                 ///< marker frame around the To list
  bool operator==(const ConverterState&) const = default;
};

/// The panel's operations. None touches the calculator: convert receives the
/// display and returns the new display. After every operation the caller gives
/// the focus back to the "=" key.
class ConverterModel {
 public:
  const ConverterState& state() const { return s_; }
  /// For the undo history: the state changes places with `other`.
  void swapState(ConverterState& other) { std::swap(s_, other); }

  /// Back to unit conversion: hides the markers, restores the captions, empties both lists.
  void backToUnitConversion();

  /// A category button: backToUnitConversion, fill both lists, preselect the category's pair.
  void chooseCategory(Category c);
  /// The category button whose command-line name is `action` ("Length" ... "Temp");
  /// false (and nothing changes) when no category has that name.
  bool chooseCategory(std::string_view action);

  /// The constants library: S.I. and Eng. lists, nothing preselected.
  void showConstants();

  /// The user drops a list down: records it in openedLast and moves the marker.
  void dropDownFrom();
  void dropDownTo();

  /// Sets a list's text (choosing an entry or typing) without dropping it down.
  void setFromText(std::string text) { s_.fromList.text = std::move(text); }
  void setToText(std::string text) { s_.toList.text = std::move(text); }

  /// Hides both marker frames (the panel being shown by the Tools menu does this).
  void hideMarkers();

  /// In unit conversion, whether each list's text is one of its entries (a unit of the
  /// category shown); Convert with any other text is refused and changes nothing, so the
  /// caller beeps instead of calling convert. Always true in the constants library.
  bool canConvert() const;

  /// The Convert / Use Constant button, when canConvert. `display` is the main display after the
  /// calculator has put a fraction back into decimal form (restoreDecimalDisplay). Returns the
  /// display's new text, always: the converted value, a constant, or "ERROR" on
  /// any failure. Whatever the outcome, the caller then sets dot := 0 and
  /// switch := 1, so the next digit starts a new number.
  std::string convert(std::string_view display, const NumberLocale& loc);

 private:
  std::optional<std::string> conversion(std::string display, const NumberLocale& loc);
  std::optional<std::string> toTemperature(TemperatureScale scale, const NumberLocale& loc);

  ConverterState s_;
};

}  // namespace zova
