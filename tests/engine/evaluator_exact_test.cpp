// Random keypad chains against an exact model of the evaluator's rules in rational
// arithmetic (GMP): every result is rounded to 15 significant digits, half away from
// zero, before the next key reads it, and every display must match digit for digit.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/key_runner.h"

namespace zova::testing {
namespace {

mpq_class power10(int k) {
  mpz_class p;
  mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(k < 0 ? -k : k));
  return k < 0 ? mpq_class(mpz_class(1), p) : mpq_class(p);
}

// A value as the display shows it: rounded to 15 significant digits, half away from
// zero; plain while the exponent is in -4..14, else as 1.5E-05 or 1E+15.
struct Shown {
  mpq_class value;
  std::string text = "0";
  int exp = 0;
};

Shown show(const mpq_class& q) {
  if (q == 0) return {};
  const mpq_class a = abs(q);
  int e = static_cast<int>(mpz_sizeinbase(a.get_num_mpz_t(), 10)) -
          static_cast<int>(mpz_sizeinbase(a.get_den_mpz_t(), 10));
  while (a >= power10(e + 1)) ++e;
  while (a < power10(e)) --e;
  const mpq_class scaled = a / power10(e - 14);
  mpz_class n = scaled.get_num() / scaled.get_den();
  if (scaled - n >= mpq_class(1, 2)) ++n;
  std::string d = n.get_str();
  if (d.size() > 15) d.pop_back(), ++e;  // 999... rounded up to the next power of ten
  const mpq_class value = (q < 0 ? -1 : 1) * mpq_class(mpz_class(d)) * power10(e - 14);
  while (d.back() == '0') d.pop_back();
  std::string t = q < 0 ? "-" : "";
  if (e < -4 || e > 14) {
    t += d.substr(0, 1) + (d.size() > 1 ? "." + d.substr(1) : "") + (e < 0 ? "E-" : "E+") +
         (std::abs(e) < 10 ? "0" : "") + std::to_string(std::abs(e));
  } else {  // zeros before the first digit or after the last, up to the point
    const std::size_t point = e < 0 ? 1 : static_cast<std::size_t>(e) + 1;
    d = std::string(static_cast<std::size_t>(e < 0 ? -e : 0), '0') + d;
    if (d.size() < point) d.resize(point, '0');
    t += d.substr(0, point) + (d.size() > point ? "." + d.substr(point) : "");
  }
  return {value, t, e};
}

// The rules: per bracket depth one waiting additive and one multiplicative operation
// (× and ÷ bind tighter); % takes that percentage of a waiting addend, else divides by
// 100; M+ and M− add to M exactly and MR shows it; "=" closes every bracket.
struct Model {
  struct Depth {
    char add = 0, mul = 0;
    mpq_class addend, factor;
  };
  std::vector<Depth> depths{1};
  Shown display;
  mpq_class memory;
  bool dropped = false;  // a division by zero or a value beyond 1E±99: drawn again

  void result(const mpq_class& q) {
    display = show(q);
    dropped = dropped || display.exp > 99 || display.exp < -99;
  }
  void apply(char op, const mpq_class& a) {
    const mpq_class b = display.value;
    if (op == '/' && b == 0) dropped = true;
    if (dropped) return;
    result(op == '+'   ? mpq_class(a + b)
           : op == '-' ? mpq_class(a - b)
           : op == 'X' ? mpq_class(a * b)
                       : mpq_class(a / b));
  }
  void reduce() {
    Depth& d = depths.back();
    if (d.mul) apply(d.mul, d.factor);
    if (d.add) apply(d.add, d.addend);
    d = {};
  }
  void press(const std::string& k) {
    Depth& d = depths.back();
    if (k == "+" || k == "-") {
      if (d.mul || d.add) reduce();
      d.add = k[0], d.addend = display.value;
    } else if (k == "X" || k == "/") {
      if (d.mul) apply(d.mul, d.factor);
      d.mul = k[0], d.factor = display.value;
    } else if (k == "%") {
      result(d.add ? mpq_class(d.addend * display.value / 100) : mpq_class(display.value / 100));
    } else if (k == "+/-") {
      result(-display.value);
    } else if (k == "M+" || k == "inv,M+") {
      memory += k == "M+" ? display.value : mpq_class(-display.value);
    } else if (k == "MR") {
      result(memory);
    } else if (k == "(") {
      depths.emplace_back();
      display.text = "( --  " + std::to_string(depths.size() - 1);
    } else if (k == ")") {
      reduce();
      depths.pop_back();
    } else if (k == "=") {
      for (reduce(); depths.size() > 1; reduce()) depths.pop_back();
    }
  }
};

TEST(ExactModel, RandomChainsShowEveryDigit) {
  std::mt19937 rng(33);
  auto pick = [&](unsigned n) { return rng() % n; };
  int chains = 0, wrong = 0;
  while (chains < 3000) {
    Model m;
    std::vector<std::pair<std::string, std::string>> steps;  // key and the display after it
    auto step = [&](const std::string& k) {
      m.press(k);
      steps.emplace_back(k, m.display.text);
    };
    // A typed number: up to six decimals, an amount, or a whole number up to 10^8.
    auto typed = [&] {
      mpq_class x;
      do {
        const unsigned kind = pick(3);
        x = kind == 0   ? mpq_class(pick(1000000000)) / power10(int(pick(7)))
            : kind == 1 ? mpq_class(pick(10000000)) / 100
                        : mpq_class(pick(100000001));
      } while (x != 0 && x < mpq_class(1, 10000));  // no exponent in what is typed
      m.display = show(x);
      steps.emplace_back(m.display.text, m.display.text);
    };
    const unsigned ops = 2 + pick(9);
    unsigned depth = 0;
    for (unsigned i = 0; i < ops; ++i) {
      for (; depth < 4 && pick(5) == 0; ++depth) step("(");
      pick(12) == 0 ? step("MR") : typed();
      if (pick(12) == 0) step("+/-");
      if (pick(8) == 0) step("%");
      if (pick(10) == 0) step(pick(3) ? "M+" : "inv,M+");
      for (; depth > 0 && pick(3) == 0; --depth) step(")");
      if (i + 1 == ops || pick(10) == 0) step("="), depth = 0;
      if (i + 1 < ops) step(std::string(1, "+-X/"[pick(4)]));
    }
    if (m.dropped) continue;
    ++chains;
    KeyRunner run;
    std::string keys;
    for (const auto& [key, shown] : steps) {
      keys += (keys.empty() ? "" : ",") + key;
      if (const std::string got = run.keys(key); got != shown) {
        if (++wrong <= 20) ADD_FAILURE() << keys << "\n  shows " << got << ", exact " << shown;
        break;
      }
    }
  }
  EXPECT_EQ(wrong, 0) << "chains of " << chains << " differ";
}

}  // namespace
}  // namespace zova::testing
