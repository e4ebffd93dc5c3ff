// The number type of the calculator and every panel: an IEEE 754-2008 decimal128
// (34 significant digits), so that a typed 12.34 is exactly 12.34. This file and
// decimal.cpp are the only ones that know the decimal library underneath.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zova {

class Decimal {
 public:
  Decimal() = default;                               ///< zero
  Decimal(int n) : Decimal(std::int64_t{n}) {}       // NOLINT: whole numbers mix freely
  Decimal(std::int64_t n);                           // NOLINT
  Decimal(unsigned n) : Decimal(std::int64_t{n}) {}  // NOLINT
  Decimal(double) = delete;                          // a binary double is never a number here

  /// A number in C form: [-]digits[.digits][e[-]digits], at most 34 digits kept
  /// (correctly rounded). nullopt for any other text. Too large gives infinity.
  static std::optional<Decimal> read(std::string_view plain);

  /// The value's digits: sign, coefficient digits without leading zeros ("0" for zero)
  /// and the decimal exponent of the last one. Rounded half away from zero to at most
  /// `significant` digits first (1 to 34).
  struct Digits {
    bool negative = false;
    std::string coefficient;
    int exponent = 0;
  };
  Digits digits(int significant) const;
  /// The value rounded half away from zero to `significant` digits (1 to 34).
  Decimal rounded(int significant) const;

  friend Decimal operator+(Decimal a, Decimal b);
  friend Decimal operator-(Decimal a, Decimal b);
  friend Decimal operator*(Decimal a, Decimal b);
  friend Decimal operator/(Decimal a, Decimal b);  ///< infinite or NaN when b is 0
  Decimal operator-() const;
  Decimal& operator+=(Decimal b) { return *this = *this + b; }
  Decimal& operator-=(Decimal b) { return *this = *this - b; }
  Decimal& operator*=(Decimal b) { return *this = *this * b; }
  Decimal& operator/=(Decimal b) { return *this = *this / b; }
  friend bool operator==(Decimal a, Decimal b);
  friend std::partial_ordering operator<=>(Decimal a, Decimal b);

  bool isFinite() const;
  bool isZero() const;
  bool isNegative() const;  ///< below zero
  Decimal abs() const;
  Decimal floor() const;          ///< the largest whole number not above
  Decimal roundHalfEven() const;  ///< to a whole number, ties to even
  Decimal roundHalfAway() const;  ///< to a whole number, ties away from zero
  bool isWhole() const { return isFinite() && floor() == *this; }
  /// The whole number this is, when it is one and fits 64 bits.
  std::optional<std::int64_t> toInt64() const;
  /// The nearest double: only for searches whose result is checked in decimal again.
  double toDouble() const;

  /// The library's functions, to 34 digits; NaN outside the domain, infinite on overflow.
  Decimal sqrt() const;
  Decimal exp() const;
  Decimal expm1() const;
  Decimal log() const;
  Decimal log1p() const;
  Decimal log10() const;
  Decimal pow(Decimal y) const;
  Decimal sin() const;
  Decimal cos() const;
  Decimal tan() const;
  Decimal asin() const;
  Decimal acos() const;
  Decimal atan() const;
  Decimal sinh() const;
  Decimal cosh() const;
  Decimal tanh() const;
  Decimal asinh() const;
  Decimal acosh() const;
  Decimal atanh() const;
  Decimal tgamma() const;
  Decimal hypot(Decimal y) const;
  /// x - n·y with n the whole number nearest x / y (ties to even), exactly.
  Decimal remainder(Decimal y) const;

 private:
  friend struct DecimalBits;
  std::uint64_t bits_[2] = {0, 0};  // the library's 128 bits, in its order; all zero is a zero
};

/// π to 34 digits.
Decimal decimalPi();

/// A decimal literal read as written: 0.1_dec is exactly one tenth.
Decimal operator""_dec(const char* text);

}  // namespace zova
