// The settings file's line table. Every number is written with "." and no
// grouping whatever the locale, so that a file reads the same in any locale;
// numbers a field holds as text come back in the locale's form.
#include "model/settings_lines.h"

#include <algorithm>
#include <array>
#include <optional>

#include "engine/decimal_symbol.h"
#include "model/model.h"
#include "model/window_geometry.h"

namespace zova {

namespace {

const NumberLocale kPoint{".", ""};

std::string_view trimmed(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
}

bool sameNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

/// "True" or "False" (any case), a number (true when not 0), or empty (false).
std::optional<bool> readBoolean(std::string_view line, const NumberLocale& loc) {
  const std::string_view t = trimmed(line);
  if (t.empty()) return false;
  if (sameNoCase(t, "True")) return true;
  if (sameNoCase(t, "False")) return false;
  if (const auto x = textToNumber(t, loc)) return *x != 0;
  return std::nullopt;
}

std::string boolean(bool b) { return b ? "True" : "False"; }

bool readBooleanInto(Model& m, std::string_view line, bool& field) {
  const auto b = readBoolean(line, m.locale());
  if (b) field = *b;
  return b.has_value();
}

bool readColour(Model& m, std::string_view line, void (Model::*command)()) {
  const auto x = textToNumber(line, m.locale());
  const auto c = x ? roundToLong(*x) : std::nullopt;
  if (!c) return false;
  // Before start-up has finished the command takes the picker's colour without showing it.
  m.shell().pickerColour = *c;
  (m.*command)();
  return true;
}

std::string colourText(Colour c) { return numberToText(c, {}); }

// Line 11 holds the angle unit as 1 radians, 2 grads, 3 degrees (0 before any was chosen).
int angleUnitNumber(std::optional<AngleUnit> unit) {
  if (!unit) return 0;
  switch (*unit) {
    case AngleUnit::kRadians:
      return 1;
    case AngleUnit::kGrads:
      return 2;
    case AngleUnit::kDegrees:
      break;
  }
  return 3;
}

// Any other whole number than 2 or 3 brings back radians.
AngleUnit angleUnitFromNumber(int n) {
  return n == 2 ? AngleUnit::kGrads : n == 3 ? AngleUnit::kDegrees : AngleUnit::kRadians;
}

// Line 12 holds the base as 1 decimal, 2 hexadecimal, 3 octal, 4 binary.
int baseNumber(Base base) {
  switch (base) {
    case Base::kHex:
      return 2;
    case Base::kOctal:
      return 3;
    case Base::kBinary:
      return 4;
    case Base::kDecimal:
      break;
  }
  return 1;
}

std::optional<Base> baseFromNumber(int n) {
  switch (n) {
    case 1:
      return Base::kDecimal;
    case 2:
      return Base::kHex;
    case 3:
      return Base::kOctal;
    case 4:
      return Base::kBinary;
    default:
      return std::nullopt;
  }
}

// Lines 13 to 17: a colour of the shell, written as its number and read back
// through its colour command.
template <Colour ShellState::*colour, void (Model::*choose)()>
constexpr SettingsLine colourLine() {
  return {[](Model& m) { return colourText(m.shell().*colour); },
          [](Model& m, std::string_view line) { return readColour(m, line, choose); }, nullptr};
}

// Lines 19 to 29: the financial panel's cells, in the order the panel keeps them.
template <std::size_t I>
std::string writeFinanceLine(Model& m) {
  return oneLine(m.finance().savedLines()[I]);
}
template <std::size_t I>
bool readFinanceLine(Model& m, std::string_view line) {
  return m.finance().restoreLine(I, std::string(line));
}
template <std::size_t I>
constexpr SettingsLine financeLine() {
  return {&writeFinanceLine<I>, &readFinanceLine<I>, nullptr};
}

const std::array<SettingsLine, 29> kLines{{
    // 1: K keeps its text, so that a hexadecimal K survives; only an empty K is "0".
    {[](Model& m) {
       std::string k = m.calc().state().kRegister.text(m.locale());
       return k.empty() ? std::string("0") : oneLine(pointNumberText(k, m.locale()));
     },
     [](Model& m, std::string_view line) {
       m.calc().state().kRegister = localeNumberText(line, m.locale());
       return true;
     },
     [](Model& m) { m.calc().state().kRegister = 0; }},
    // 2: M, with "." as M+ keeps it, a sum with all its digits. A line that is a
    // number exactly as "." or the locale writes it (files of earlier versions) is
    // held as that number, so that M adds up in a decimal-comma locale too.
    {[](Model& m) {
       const Value& mem = m.calc().state().memory;
       if (mem.parse().isZero()) return std::string("0");
       if (mem.isNumber()) return numberToText(mem.parse(), kPoint, DecimalDigits::kAll);
       return oneLine(withDotDecimal(mem, m.locale()).text(kPoint));
     },
     [](Model& m, std::string_view line) {
       for (const NumberLocale& loc : {kPoint, m.locale()}) {
         const auto x = textToNumber(line, loc);
         if (x && numberToText(*x, loc, DecimalDigits::kAll) == line) {
           m.calc().state().memory = *x;
           return true;
         }
       }
       m.calc().state().memory = std::string(line);
       return true;
     },
     [](Model& m) { m.calc().state().memory = 0; }},
    // 3: the window height; any height but the normal one means compact size.
    {[](Model& m) { return numberToText(m.shell().height(), kPoint); },
     [](Model& m, std::string_view line) {
       const auto x = textToNumber(line, m.locale());
       if (!x) return false;
       m.shell().compact = *x != kNormalHeight;
       return true;
     },
     [](Model& m) { m.shell().compact = false; }},
    // 4: always on top.
    {[](Model& m) { return boolean(m.shell().onTop); },
     [](Model& m, std::string_view line) { return readBooleanInto(m, line, m.shell().onTop); },
     [](Model& m) { m.shell().onTop = false; }},
    // 5: appear on start-up (start hidden).
    {[](Model& m) { return boolean(m.shell().startupEntry); },
     [](Model& m, std::string_view line) {
       return readBooleanInto(m, line, m.shell().startupEntry);
     },
     [](Model& m) { m.shell().startupEntry = false; }},
    // 6, 7: the number format, as two switches: fixed, and scientific. Fixed wins
    // when both are on.
    {[](Model& m) { return boolean(m.calc().state().format == NumberFormat::kFix); },
     [](Model& m, std::string_view line) {
       const auto fix = readBoolean(line, m.locale());
       if (fix) m.calc().state().format = *fix ? NumberFormat::kFix : NumberFormat::kStandard;
       return fix.has_value();
     },
     [](Model& m) { m.calc().state().format = NumberFormat::kStandard; }},
    {[](Model& m) { return boolean(m.calc().state().format == NumberFormat::kScientific); },
     [](Model& m, std::string_view line) {
       const auto sci = readBoolean(line, m.locale());
       NumberFormat& format = m.calc().state().format;
       if (sci && *sci && format != NumberFormat::kFix) format = NumberFormat::kScientific;
       return sci.has_value();
     },
     [](Model& m) { m.calc().state().format = NumberFormat::kStandard; }},
    // 8: decimal places; a line that is no number reads as 0.
    {[](Model& m) { return numberToText(m.calc().state().decimalPlaces, kPoint); },
     [](Model& m, std::string_view line) {
       m.calc().state().decimalPlaces = parseNumber(line);
       return true;
     },
     [](Model& m) { m.calc().state().decimalPlaces = 2; }},
    // 9: radicals in the fraction search.
    {[](Model& m) { return boolean(m.calc().state().fractionRadicals); },
     [](Model& m, std::string_view line) {
       return readBooleanInto(m, line, m.calc().state().fractionRadicals);
     },
     [](Model& m) { m.calc().state().fractionRadicals = false; }},
    // 10: the fraction accuracy; a line that is no number reads as 0.
    {[](Model& m) { return numberToText(m.calc().state().fractionAccuracy, kPoint); },
     [](Model& m, std::string_view line) {
       m.calc().state().fractionAccuracy = parseNumber(line);
       return true;
     },
     [](Model& m) { m.calc().state().fractionAccuracy = 1e-05_dec; }},
    // 11: the angle unit, 1 radians, 2 grads, 3 degrees; degrees when the file
    // cannot be read.
    {[](Model& m) { return numberToText(angleUnitNumber(m.calc().state().angleUnit), kPoint); },
     [](Model& m, std::string_view line) {
       // Any text reads: one that is no unit's number (0 included) gives radians.
       const auto f = roundToInteger(parseNumber(line));
       m.calc().state().angleUnit = angleUnitFromNumber(f.value_or(1));
       return true;
     },
     [](Model& m) { m.calc().state().angleUnit = AngleUnit::kDegrees; }},
    // 12: the number base, 1 to 4.
    {[](Model& m) { return numberToText(baseNumber(m.calc().state().base), kPoint); },
     [](Model& m, std::string_view line) {
       const auto x = textToNumber(line, kPoint);
       const auto n = x ? roundToInteger(*x) : std::nullopt;
       const auto b = n ? baseFromNumber(*n) : std::nullopt;
       if (b) m.calc().state().base = *b;
       return b.has_value();
     },
     [](Model& m) { m.calc().state().base = Base::kDecimal; }},
    // 13 to 17: the colours, replayed through the colour commands.
    colourLine<&ShellState::screenColour, &Model::chooseScreenColour>(),
    colourLine<&ShellState::digitsColour, &Model::chooseDigitsColour>(),
    colourLine<&ShellState::shellColour, &Model::chooseShellColour>(),
    colourLine<&ShellState::standardColour, &Model::chooseStandardColour>(),
    colourLine<&ShellState::functionColour, &Model::chooseFunctionColour>(),
    // 18: the personal label.
    {[](Model& m) { return oneLine(m.shell().personalLabel); },
     [](Model& m, std::string_view line) {
       m.shell().personalLabel = std::string(line);
       return true;
     },
     nullptr},
    financeLine<0>(),
    financeLine<1>(),
    financeLine<2>(),
    financeLine<3>(),
    financeLine<4>(),
    financeLine<5>(),
    financeLine<6>(),
    financeLine<7>(),
    financeLine<8>(),
    financeLine<9>(),
    financeLine<10>(),
}};

}  // namespace

std::span<const SettingsLine> settingsLines() { return kLines; }

SettingsLineReader::SettingsLineReader(std::string_view text) : rest_(text) {
  // A byte order mark some editors put at the start is not part of line 1.
  if (rest_.starts_with("\xEF\xBB\xBF")) rest_.remove_prefix(3);
}

bool SettingsLineReader::next(std::string_view& line) {
  if (rest_.empty()) return false;
  const std::size_t end = rest_.find_first_of("\r\n");
  if (end == std::string_view::npos) {
    line = rest_;
    rest_ = {};
    return true;
  }
  line = rest_.substr(0, end);
  std::size_t skip = 1;
  // CR LF, and LF CR of a damaged file, end one line each.
  if (end + 1 < rest_.size() && rest_[end + 1] != rest_[end] &&
      (rest_[end + 1] == '\r' || rest_[end + 1] == '\n'))
    skip = 2;
  rest_.remove_prefix(end + skip);
  return true;
}

std::string oneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

}  // namespace zova
