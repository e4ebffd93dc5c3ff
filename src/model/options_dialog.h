// The options dialog's model: the number format, decimal places, radicals and
// fraction accuracy controls, loaded from the calculator and written back on
// OK (or the close box), restored on Cancel.
#pragma once

#include <string>
#include <utility>

#include "engine/calculator.h"

namespace zova {

enum class Accuracy { kNone, kLow, kMedium, kHigh };

inline const Decimal kLowAccuracy = 1e-04_dec;
inline const Decimal kMediumAccuracy = 1e-05_dec;
inline const Decimal kHighAccuracy = 1e-06_dec;

/// What the dialog's controls show.
struct OptionsControls {
  NumberFormat format = NumberFormat::kStandard;
  bool placesEnabled = false;    ///< the Decimal Places caption, box and slider
  std::string placesText = "2";  ///< the decimal places box
  int scroll = 2;                ///< the scroll bar beside it, 0 to 15
  bool radicals = false;         ///< "Include Radicals" ticked
  Accuracy accuracy = Accuracy::kMedium;
  bool numberFormatTab = true;  ///< the Number Format tab shown; else Fraction Accuracy
};

class OptionsDialog {
 public:
  /// The places box shows and reads numbers as the locale writes them.
  explicit OptionsDialog(NumberLocale locale = {}) : loc_(std::move(locale)) {}
  const OptionsControls& controls() const { return c_; }

  /// On opening: every control from the calculator's settings.
  void load(const CalcState& s);
  void selectTab(bool numberFormat) { c_.numberFormatTab = numberFormat; }
  void selectFormat(NumberFormat f);
  void setScroll(int value);
  /// The places box edited: keeps the scroll bar in step, reading the text's numeric prefix with
  /// the locale's decimal symbol; outside 0..15 puts back "2".
  void setText(std::string text);
  void setRadicals(bool on) { c_.radicals = on; }
  void setAccuracy(Accuracy a) { c_.accuracy = a; }
  /// On closing (OK or the close box): writes the settings back.
  void unload(CalcState& s) const;
  /// Cancel: the controls show the calculator's settings again; nothing is written.
  void cancel(const CalcState& s) { load(s); }

 private:
  OptionsControls c_;
  NumberLocale loc_;
};

/// Command-line and JSON names.
const char* formatName(NumberFormat f);
const char* accuracyName(Decimal threshold);  ///< "low", "medium", "high" or ""

}  // namespace zova
