// The options dialog's load, control rules and unload.
#include "model/options_dialog.h"

namespace zova {

void OptionsDialog::load(const CalcState& s) {
  c_.radicals = s.fractionRadicals;
  if (s.fractionAccuracy == kLowAccuracy)
    c_.accuracy = Accuracy::kLow;
  else if (s.fractionAccuracy == kMediumAccuracy)
    c_.accuracy = Accuracy::kMedium;
  else if (s.fractionAccuracy == kHighAccuracy)
    c_.accuracy = Accuracy::kHigh;
  else
    c_.accuracy = Accuracy::kNone;
  selectFormat(s.format);
  const auto places = roundToInteger(s.decimalPlaces);
  c_.scroll = places && *places >= 0 && *places <= 15 ? *places : 2;
  c_.placesText = numberToText(s.decimalPlaces, loc_);
}

void OptionsDialog::selectFormat(NumberFormat f) {
  c_.format = f;
  c_.placesEnabled = f != NumberFormat::kStandard;
}

void OptionsDialog::setScroll(int value) {
  if (value < 0 || value > 15) return;
  c_.scroll = value;
  c_.placesText = std::to_string(value);
}

void OptionsDialog::setText(std::string text) {
  if (text.empty()) {
    c_.placesText = "0";
    c_.scroll = 0;
    return;
  }
  std::string pointed = text;
  if (loc_.decimal != ".")
    for (std::size_t at = 0; (at = pointed.find(loc_.decimal, at)) != std::string::npos;)
      pointed.replace(at, loc_.decimal.size(), ".");
  const auto v = roundToInteger(parseNumber(pointed));
  if (!v || *v < 0 || *v > 15) {
    c_.placesText = "2";
    c_.scroll = 2;
    return;
  }
  c_.placesText = std::move(text);
  c_.scroll = *v;
}

void OptionsDialog::unload(CalcState& s) const {
  s.fractionRadicals = c_.radicals;
  if (c_.accuracy == Accuracy::kLow) s.fractionAccuracy = kLowAccuracy;
  if (c_.accuracy == Accuracy::kMedium) s.fractionAccuracy = kMediumAccuracy;
  if (c_.accuracy == Accuracy::kHigh) s.fractionAccuracy = kHighAccuracy;
  s.format = c_.format;
  s.decimalPlaces = c_.scroll;
}

const char* formatName(NumberFormat f) {
  switch (f) {
    case NumberFormat::kFix:
      return "Fix";
    case NumberFormat::kScientific:
      return "Scientific";
    default:
      return "Standard";
  }
}

const char* accuracyName(Decimal threshold) {
  if (threshold == kLowAccuracy) return "low";
  if (threshold == kMediumAccuracy) return "medium";
  if (threshold == kHighAccuracy) return "high";
  return "";
}

}  // namespace zova
