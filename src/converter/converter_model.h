// The converter panel's model: its fields, the two lists with their entries and
// texts, the captions and marker frames, and the conversion that turns the
// display's number into another unit or puts a constant on the display.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "converter/unit_table.h"
#include "engine/convert.h"
#include "engine/value.h"

namespace zova {

inline constexpr std::string_view kConvertCaption = "&Convert";
inline constexpr std::string_view kUseConstantCaption = "Use &Constant";
/// The keyboard equivalent of the Convert / Use Constant button.
inline constexpr KeyBinding kConvertKey{vk::kF1 + 10};
inline constexpr std::string_view kKonstantCaption = "C&onstants";
/// The keyboard equivalent of the constants button.
inline constexpr KeyBinding kKonstantKey{vk::kF1 + 8};
inline constexpr std::string_view kFromCaption = "From:";
inline constexpr std::string_view kToCaption = "To:";
inline constexpr std::string_view kSiCaption = "S.I.";
inline constexpr std::string_view kEngCaption = "Eng.";

/// A drop-down list: its entries and the text in its edit box, which need not be an entry.
struct ComboList {
  std::vector<std::string> items;
  std::string text;
  bool operator==(const ComboList&) const = default;
};

/// Everything the panel shows or remembers; the view redraws from it.
struct ConverterState {
  Value unit1;     ///< Combo1's text at the last conversion
  Value unit2;     ///< Combo2's text at the last conversion
  Value eq1;       ///< From value: factor, degrees Celsius or S.I. constant
  Value eq2;       ///< To value: factor or engineering constant
  Value cchoice;   ///< list opened last: 1 = Combo1, 2 = Combo2; empty until one opens
  Value ccchoice;  ///< 0 = unit conversion, 1 = constants library
  ComboList combo1;
  ComboList combo2;
  std::string okCaption{kConvertCaption};
  std::string frommCaption{kFromCaption};  ///< label above Combo1
  std::string tooCaption{kToCaption};      ///< label above Combo2
  bool constant1Visible = false;           ///< marker frame around Combo1
  bool constant2Visible = false;           ///< marker frame around Combo2
};

/// The panel's operations. None touches the calculator: OK_Click receives the
/// display and returns the new display. After every operation the caller gives
/// the focus back to the "=" key.
class ConverterModel {
 public:
  const ConverterState& state() const { return s_; }

  /// Back to unit conversion: hides the markers, restores the captions, empties both lists.
  void fixConvert();

  /// A category button: fixConvert, fill both lists, preselect the category's pair.
  void categoryClick(Category c);
  /// The category button whose command-line name is `action` ("Length" ... "Temp");
  /// false (and nothing changes) when no category has that name.
  bool categoryClick(std::string_view action);
  void Length_Click() { categoryClick(Category::kLength); }
  void Area_Click() { categoryClick(Category::kArea); }
  void Volume_Click() { categoryClick(Category::kVolume); }
  void Weight_Click() { categoryClick(Category::kWeight); }
  void Force_click() { categoryClick(Category::kForce); }
  void Pressure_click() { categoryClick(Category::kPressure); }
  void Energy_click() { categoryClick(Category::kEnergy); }
  void Power_click() { categoryClick(Category::kPower); }
  void Time_Click() { categoryClick(Category::kTime); }
  void Temperature_Click() { categoryClick(Category::kTemperature); }

  /// The constants library: S.I. and Eng. lists, nothing preselected.
  void Konstant_Click();

  /// The user drops a list down: records it in cchoice and moves the marker.
  void Combo1_dropdown();
  void Combo2_dropdown();

  /// Sets a list's text (choosing an entry or typing) without dropping it down.
  void setCombo1Text(std::string text) { s_.combo1.text = std::move(text); }
  void setCombo2Text(std::string text) { s_.combo2.text = std::move(text); }

  /// Hides both marker frames (the panel being shown by the Tools menu does this).
  void hideMarkers();

  /// The Convert / Use Constant button. `display` is the main display after the
  /// calculator has put a fraction back into decimal form (restoreDecimalDisplay). Returns the
  /// display's new text, always: the converted value, a constant, or "ERROR" on
  /// any failure. Whatever the outcome, the caller then sets dot := 0 and
  /// switch := 1, so the next digit starts a new number.
  std::string OK_Click(std::string_view display, const NumberLocale& loc);

 private:
  std::optional<std::string> convert(std::string display, const NumberLocale& loc);
  std::optional<std::string> toTemperature(TemperatureScale scale, const NumberLocale& loc);

  ConverterState s_;
};

}  // namespace zova
