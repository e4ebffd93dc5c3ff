// The dynamic value held by the calculator's loosely typed fields (memory,
// operands, panel cells): empty, a number, a text or a boolean, with the
// conversions the rest of the program reads them through.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "engine/convert.h"

namespace zova {

class Value {
 public:
  Value() = default;
  Value(Decimal x) : v_(x) {}                   // NOLINT: implicit by design
  Value(int x) : v_(Decimal(x)) {}              // NOLINT
  Value(std::string s) : v_(std::move(s)) {}    // NOLINT
  Value(const char* s) : v_(std::string(s)) {}  // NOLINT
  static Value boolean(bool b) {
    Value v;
    v.v_ = b;
    return v;
  }

  bool isEmpty() const { return std::holds_alternative<std::monostate>(v_); }
  bool isNumber() const { return std::holds_alternative<Decimal>(v_); }
  bool isText() const { return std::holds_alternative<std::string>(v_); }
  bool isBool() const { return std::holds_alternative<bool>(v_); }

  /// The text as shown: "" when empty, numberToText of a number, "True"/"False".
  std::string text(const NumberLocale& loc) const;
  /// Read leniently (parseNumber of a text); empty is 0, true is -1.
  Decimal parse() const;
  /// As parse, but nullopt for a text that is a number beyond the range.
  std::optional<Decimal> parseInRange() const;
  /// Read strictly (textToNumber of a text); empty is 0, true is -1.
  std::optional<Decimal> number(const NumberLocale& loc) const;

  bool operator==(const Value&) const = default;

 private:
  std::variant<std::monostate, Decimal, std::string, bool> v_;
};

}  // namespace zova
