// The converter panel's operations: categories, the constants library, the
// list drop-downs, and the lookups and arithmetic behind the Convert button.
#include "converter/converter_model.h"

#include <algorithm>

#include "converter/constant_table.h"
#include "engine/decimal_symbol.h"

namespace zova {

namespace {

// A field shown as a number: empty shows as "", a text must read as a number.
std::optional<std::string> shownNumber(const Value& v, const NumberLocale& loc) {
  if (v.isEmpty()) return std::string();
  const std::optional<Decimal> n = v.number(loc);
  if (!n) return std::nullopt;
  return numberToText(*n, loc);
}

std::optional<std::string> finiteText(Decimal x, const NumberLocale& loc) {
  if (!finiteOrNone(x)) return std::nullopt;
  return numberToText(x, loc);
}

// (product / divisor) as shown, failing on overflow and division by zero.
std::optional<std::string> quotientText(Decimal product, Decimal divisor, const NumberLocale& loc) {
  if (!finiteOrNone(product)) return std::nullopt;
  const std::optional<Decimal> result = checkedDivide(product, divisor);
  if (!result) return std::nullopt;
  return numberToText(*result, loc);
}

// A display text or field read as a number in the form the calculator writes in this
// locale; a typed entry that still shows "." as its point reads as that point.
std::optional<Decimal> localeNumber(const Value& v, const NumberLocale& loc) {
  return withLocaleDecimal(v, loc).number(loc);
}

bool isEntry(const ComboList& list) {
  return std::ranges::find(list.items, list.text) != list.items.end();
}

}  // namespace

void ConverterModel::backToUnitConversion() {
  hideMarkers();
  s_.convertCaption = kConvertCaption;
  s_.constantsLibrary = false;
  s_.fromCaption = kFromCaption;
  s_.toCaption = kToCaption;
  s_.fromList = {};
  s_.toList = {};
}

void ConverterModel::chooseCategory(Category c) {
  backToUnitConversion();
  const CategoryRow& row = categoryRow(c);
  s_.fromList.items = categoryEntries(c);
  s_.toList.items = s_.fromList.items;
  s_.fromList.text = row.from;
  s_.toList.text = row.to;
}

bool ConverterModel::chooseCategory(std::string_view action) {
  const CategoryRow* row = findCategory(action);
  if (row == nullptr) return false;
  chooseCategory(row->category);
  return true;
}

void ConverterModel::showConstants() {
  s_.convertCaption = kUseConstantCaption;
  s_.constantsLibrary = true;
  s_.fromList = {};
  s_.toList = {};
  s_.fromCaption = kSiCaption;
  s_.toCaption = kEngCaption;
  for (const ConstantRow& row : siConstants()) s_.fromList.items.emplace_back(row.text);
  for (const ConstantRow& row : engConstants()) s_.toList.items.emplace_back(row.text);
}

void ConverterModel::dropDownFrom() {
  s_.openedLast = ConverterList::kFrom;
  s_.fromMarkerVisible = s_.constantsLibrary;
  s_.toMarkerVisible = false;
}

void ConverterModel::dropDownTo() {
  s_.openedLast = ConverterList::kTo;
  s_.fromMarkerVisible = false;
  s_.toMarkerVisible = s_.constantsLibrary;
}

void ConverterModel::hideMarkers() {
  s_.fromMarkerVisible = false;
  s_.toMarkerVisible = false;
}

bool ConverterModel::canConvert() const {
  if (s_.constantsLibrary) return true;
  return isEntry(s_.fromList) && isEntry(s_.toList);
}

std::string ConverterModel::convert(std::string_view display, const NumberLocale& loc) {
  return conversion(std::string(display), loc).value_or("ERROR");
}

// Each side is looked up by its list's exact text, units first, then
// temperatures, then that side's constants; in the constants library a text that
// names nothing leaves the side's value from before. Fields set before a failure
// keep their values. A unit's field holds its factor, the units in one base unit.
std::optional<std::string> ConverterModel::conversion(std::string display,
                                                      const NumberLocale& loc) {
  s_.unit1 = s_.fromList.text;
  s_.unit2 = s_.toList.text;

  const std::string& from = s_.fromList.text;
  const UnitRow* fromUnit = findUnit(from);
  if (fromUnit) {
    s_.eq1 = fromUnit->denominator() / fromUnit->numerator();
  } else if (const std::optional<TemperatureScale> scale = findTemperature(from)) {
    if (*scale == TemperatureScale::kCelsius) {
      s_.eq1 = display;  // kept as typed; read only when the arithmetic needs it
    } else {
      const std::optional<Decimal> x = localeNumber(display, loc);
      if (!x) return std::nullopt;
      Decimal celsius;
      switch (*scale) {
        case TemperatureScale::kFahrenheit:
          celsius = (*x - 32) * 5 / 9;
          break;
        case TemperatureScale::kKelvin:
          celsius = *x - 273.15_dec;
          break;
        case TemperatureScale::kRankine:
          celsius = (*x - 491.67_dec) / 1.8_dec;
          break;
        case TemperatureScale::kCelsius:
          break;
      }
      if (!finiteOrNone(celsius)) return std::nullopt;
      s_.eq1 = celsius;
    }
  } else if (const ConstantRow* constant = findConstant(siConstants(), from)) {
    s_.eq1 = constant->number();
    display = "1";
  }

  const std::string& to = s_.toList.text;
  const UnitRow* toUnit = findUnit(to);
  if (toUnit) {
    s_.eq2 = toUnit->denominator() / toUnit->numerator();
  } else if (const std::optional<TemperatureScale> scale = findTemperature(to)) {
    return toTemperature(*scale, loc);
  } else if (const ConstantRow* constant = findConstant(engConstants(), to)) {
    s_.eq2 = constant->number();
    display = "1";
  }

  Value shown(display);
  shown = withLocaleDecimal(shown, loc);
  s_.eq1 = withLocaleDecimal(s_.eq1, loc);
  s_.eq2 = withLocaleDecimal(s_.eq2, loc);

  // In the constants library the list opened last gives the value.
  if (s_.constantsLibrary && s_.openedLast)
    return shownNumber(s_.openedLast == ConverterList::kFrom ? s_.eq1 : s_.eq2, loc);
  const std::optional<Decimal> x = shown.number(loc);
  if (!x) return std::nullopt;
  // Between two units the exact sizes give the result, so that exact conversions show exactly.
  if (fromUnit && toUnit)
    return quotientText(*x * fromUnit->numerator() * toUnit->denominator(),
                        fromUnit->denominator() * toUnit->numerator(), loc);
  const std::optional<Decimal> toFactor = s_.eq2.number(loc);
  const std::optional<Decimal> fromFactor = s_.eq1.number(loc);
  if (!toFactor || !fromFactor) return std::nullopt;
  return quotientText(*x * *toFactor, *fromFactor, loc);
}

// eq1 holds degrees Celsius: a number, or the display's own text when the From
// side was degrees Celsius, in which case Celsius to Celsius shows that text as it is.
std::optional<std::string> ConverterModel::toTemperature(TemperatureScale scale,
                                                         const NumberLocale& loc) {
  if (scale == TemperatureScale::kCelsius) return s_.eq1.text(loc);
  const std::optional<Decimal> celsius = localeNumber(s_.eq1, loc);
  if (!celsius) return std::nullopt;
  switch (scale) {
    case TemperatureScale::kFahrenheit:
      return finiteText(*celsius * 1.8_dec + 32, loc);
    case TemperatureScale::kKelvin:
      return finiteText(*celsius + 273.15_dec, loc);
    case TemperatureScale::kRankine:
      return finiteText(*celsius * 1.8_dec + 491.67_dec, loc);
    case TemperatureScale::kCelsius:
      break;
  }
  return std::nullopt;
}

}  // namespace zova
