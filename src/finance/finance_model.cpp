// The financial panel's operations: entering cells from the display, solving the
// compound-interest relation for one quantity, and amortizing a loan period by
// period in ten-thousandths.
#include "finance/finance_model.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "engine/decimal_symbol.h"

namespace zova {

namespace {

constexpr std::string_view kMoney = "##,0.00";
constexpr std::string_view kPeriods = "0.00";
constexpr std::string_view kYearly = "##,0.00%";
constexpr std::string_view kPeriodic = "##,0.0000%";
constexpr std::string_view kPeriodicSolved = "##0.0000%";
constexpr std::string_view kCount = "0";

// More periods than any plan runs for; a longer amortization is refused like an
// overflow rather than keep the window busy.
constexpr std::int64_t kMaxPeriods = 1000000;

constexpr std::array<FinCellRow, kFinCellCount> kCells{{
    {FinCell::kN, "periodsCell", "N", "N"},
    {FinCell::kPmt, "paymentCell", "PMT", "PMT"},
    {FinCell::kPv, "presentValueCell", "PV", "PV"},
    {FinCell::kFv, "futureValueCell", "FV", "FV"},
    {FinCell::kInt, "interestRateCell", ZOVA_TEXT("Financial", "% / Yr"), "%/Yr"},
    {FinCell::kPpy, "paymentsPerYearCell", ZOVA_TEXT("Financial", "P/Yr"), "P/Yr"},
    {FinCell::kRate, "periodicRateCell", ZOVA_TEXT("Financial", "Rate"), "Rate"},
    {FinCell::kPayments, "paymentsCell", ZOVA_TEXT("Financial", "Payments"), "Payments"},
    {FinCell::kInterest, "interestPaidCell", ZOVA_TEXT("Financial", "Interest"), "Interest"},
    {FinCell::kPrincipal, "principalPaidCell", ZOVA_TEXT("Financial", "Principal"), "Principal"},
    {FinCell::kBalance, "balanceCell", ZOVA_TEXT("Financial", "Balance"), "Balance"},
}};

constexpr std::array<FinKeyRow, 5> kKeys{{
    {FinKey::kN, "periodsKey", "N", "N"},
    {FinKey::kPmt, "paymentKey", "PMT", "PMT"},
    {FinKey::kPv, "presentValueKey", "PV", "PV"},
    {FinKey::kFv, "futureValueKey", "FV", "FV"},
    {FinKey::kInt, "interestRateKey", ZOVA_TEXT("Financial", "% / Yr"), "%/Yr"},
}};

template <class... T>
bool allRead(const std::optional<T>&... o) {
  return (o.has_value() && ...);
}

PanelEffect commonStart(bool focusEquals) {
  return PanelEffect{std::nullopt, EntryReset::kCommonStart, focusEquals};
}

// The quantities of the relation, as the finance functions take them (the rate is
// the periodic one), and where each is kept.
struct Terms {
  Decimal rate, nper, pmt, pv, fv;
};
using Term = Decimal Terms::*;

struct TermField {
  Term term;
  Value FinanceState::*field;
};

constexpr TermField kTermFields[] = {
    {&Terms::rate, &FinanceState::finRate}, {&Terms::nper, &FinanceState::finNPer},
    {&Terms::pmt, &FinanceState::finPmt},   {&Terms::pv, &FinanceState::finPV},
    {&Terms::fv, &FinanceState::finFV},
};

Value FinanceState::*fieldOf(Term term) {
  return std::ranges::find(kTermFields, term, &TermField::term)->field;
}

// Every quantity but `unknown`, each field read with `read`; nullopt when one is no number.
std::optional<Terms> readTerms(const FinanceState& s, Term unknown,
                               const std::function<std::optional<Decimal>(const Value&)>& read) {
  Terms t;
  for (const TermField& r : kTermFields) {
    if (r.term == unknown) continue;
    const auto x = read(s.*r.field);
    if (!x) return std::nullopt;
    t.*r.term = *x;
  }
  return t;
}

// What is left over when the relation is evaluated at `t` with `term` set to x, the
// way the finance functions evaluate it: 0 for an exact solution.
std::optional<Decimal> leftOver(Terms t, Term term, Decimal x, Decimal type) {
  t.*term = x;
  const auto balance = futureValue(t.rate, t.nper, t.pmt, t.pv, type);
  if (!balance || !(t.fv - *balance).isFinite()) return std::nullopt;
  return t.fv - *balance;
}

// A solver's result as the display shows it: the shortest of 0 and x rounded to 1
// to 14 significant digits that leaves no more over than x itself (a rate of 6 %
// solves as 0.06, not 0.0600000000000001); x when none does. `at` evaluates the
// relation with the result replaced. 0 stands only for a result that is noise
// around zero, or that solves exactly: where a large rate grows the money enormously, the balance
// left at the exact rate, though tiny beside it, can exceed the whole balance at 0.
Decimal shortestSolution(Decimal x, const std::function<std::optional<Decimal>(Decimal)>& at) {
  const auto own = at(x);
  if (!own) return x;
  static const Decimal kNoise = 1e-9_dec;
  for (int digits = 0; digits < 15; ++digits) {
    const Decimal candidate = digits == 0 ? Decimal() : x.rounded(digits);
    const auto left = at(candidate);
    if (digits == 0 && left && !left->isZero() && x.abs() >= kNoise) continue;
    if (left && left->abs() <= own->abs()) return candidate;
  }
  return x;
}

// The keys N, PMT, PV and FV, in FinKey order: the quantity each solves for, the
// cell that shows it, and the formula that gives it from the other four.
struct TimeValueKey {
  Term unknown;
  FinCell cell;
  std::string_view pattern;
  std::optional<Decimal> (*formula)(const Terms& t, Decimal type);
};

constexpr TimeValueKey kTimeValueKeys[] = {
    {&Terms::nper, FinCell::kN, kPeriods,
     [](const Terms& t, Decimal type) { return periodCount(t.rate, t.pmt, t.pv, t.fv, type); }},
    {&Terms::pmt, FinCell::kPmt, kMoney,
     [](const Terms& t, Decimal type) { return payment(t.rate, t.nper, t.pv, t.fv, type); }},
    {&Terms::pv, FinCell::kPv, kMoney,
     [](const Terms& t, Decimal type) { return presentValue(t.rate, t.nper, t.pmt, t.fv, type); }},
    {&Terms::fv, FinCell::kFv, kMoney,
     [](const Terms& t, Decimal type) { return futureValue(t.rate, t.nper, t.pmt, t.pv, type); }},
};

}  // namespace

std::span<const FinCellRow> finCellTable() { return kCells; }

const FinCellRow& finCellRow(FinCell cell) { return kCells[static_cast<std::size_t>(cell)]; }

const FinCellRow* findFinCell(std::string_view name) {
  auto it = std::find_if(kCells.begin(), kCells.end(),
                         [name](const FinCellRow& r) { return r.name == name; });
  return it == kCells.end() ? nullptr : &*it;
}

std::span<const FinKeyRow> finKeyTable() { return kKeys; }

const FinKeyRow* findFinKey(std::string_view name) {
  auto it = std::find_if(kKeys.begin(), kKeys.end(),
                         [name](const FinKeyRow& r) { return r.name == name; });
  return it == kKeys.end() ? nullptr : &*it;
}

FinanceModel::FinanceModel(CalculatorToolkit& toolkit, std::function<bool()> onTop,
                           NumberLocale locale)
    : tk_(toolkit), onTop_(std::move(onTop)), loc_(std::move(locale)) {}

std::optional<Decimal> FinanceModel::read(const Value& v) const {
  if (v.isText() && v.text(loc_).empty()) return Decimal();
  const auto x = v.isText() ? displayNumber(v.text(loc_), loc_) : v.number(loc_);
  if (!x) return std::nullopt;
  return finiteOrNone(*x);
}

// The display holds a typed entry or a result, in the forms the calculator writes.
std::string FinanceModel::normalized(std::string_view display) const {
  if (const auto x = displayNumber(display, loc_)) return numberToText(*x, loc_);
  return withLocaleDecimal(std::string(display), loc_);
}

void FinanceModel::finError() {
  tk_.messageInFront(Text::phrase(std::string(kFinErrorText)), MsgStyle::kStop,
                     std::string(kFinErrorTitle), onTop_ && onTop_());
}

PanelEffect FinanceModel::failed(PanelEffect effect) {
  finError();
  return effect;
}

PanelEffect FinanceModel::click(FinCell c, std::string_view display) {
  switch (c) {
    case FinCell::kN:
      return enterPeriods(display);
    case FinCell::kPmt:
      return enterPayment(display);
    case FinCell::kPv:
      return enterPresentValue(display);
    case FinCell::kFv:
      return enterFutureValue(display);
    case FinCell::kInt:
      return enterYearlyRate(display);
    case FinCell::kPpy:
      return enterPaymentsPerYear(display);
    case FinCell::kRate:
      return showPeriodicRate();
    case FinCell::kPayments:
      return enterPaymentCount(display);
    case FinCell::kInterest:
      return showInterestPaid();
    case FinCell::kPrincipal:
      return showPrincipalPaid();
    case FinCell::kBalance:
      return showBalance();
  }
  return {};
}

PanelEffect FinanceModel::solve(FinKey key) {
  switch (key) {
    case FinKey::kN:
    case FinKey::kPmt:
    case FinKey::kPv:
    case FinKey::kFv:
      return solveTimeValue(key);
    case FinKey::kInt:
      return solveYearlyRate();
  }
  return {};
}

// A text that is no number is stored as it is and fails later, in the keys.
PanelEffect FinanceModel::enterCell(Value& field, FinCell c, std::string_view pattern,
                                    std::string_view display) {
  PanelEffect e = commonStart(false);
  e.display = normalized(display);
  field = *e.display;
  cell(c) = formatNumber(*e.display, pattern, loc_);
  return e;
}

PanelEffect FinanceModel::enterPeriods(std::string_view display) {
  return enterCell(s_.finNPer, FinCell::kN, kPeriods, display);
}
PanelEffect FinanceModel::enterPayment(std::string_view display) {
  return enterCell(s_.finPmt, FinCell::kPmt, kMoney, display);
}
PanelEffect FinanceModel::enterPresentValue(std::string_view display) {
  return enterCell(s_.finPV, FinCell::kPv, kMoney, display);
}
PanelEffect FinanceModel::enterFutureValue(std::string_view display) {
  return enterCell(s_.finFV, FinCell::kFv, kMoney, display);
}
PanelEffect FinanceModel::enterPaymentCount(std::string_view display) {
  return enterCell(s_.finPayments, FinCell::kPayments, kCount, display);
}

// The yearly rate is written before the periodic rate is worked out, so a P/Yr
// of 0 leaves the new % / Yr in place and only the Rate cell untouched.
PanelEffect FinanceModel::enterYearlyRate(std::string_view display) {
  PanelEffect e = commonStart(false);
  e.display = normalized(display);
  const std::string& entered = *e.display;
  const auto x = read(Value(entered));
  if (!x) return failed(e);
  const Value yearly = withDotDecimal(*x > 1 ? Value(*x / 100) : Value(entered), loc_);
  s_.finInt = yearly;
  cell(FinCell::kInt) = formatNumber(parse(yearly), kYearly, loc_);
  const auto rate = checkedDivide(parse(yearly), s_.finPPY);
  if (!rate) return failed(e);
  s_.finRate = *rate;
  cell(FinCell::kRate) = formatNumber(*rate, kPeriodic, loc_);
  return e;
}

PanelEffect FinanceModel::enterPaymentsPerYear(std::string_view display) {
  PanelEffect e = commonStart(false);
  e.display = normalized(display);
  const auto x = read(Value(*e.display));
  if (!x) return failed(e);
  const auto perYear = roundToInteger(*x);
  if (!perYear) return failed(e);
  s_.finPPY = *perYear;
  cell(FinCell::kPpy) = formatNumber(*e.display, kCount, loc_);
  const auto rate = checkedDivide(parse(s_.finInt), s_.finPPY);
  if (!rate) return failed(e);
  s_.finRate = *rate;
  cell(FinCell::kRate) = formatNumber(*rate, kPeriodic, loc_);
  s_.finPayments = Decimal(s_.finPPY);
  cell(FinCell::kPayments) = cell(FinCell::kPpy);
  return e;
}

// A rate that is no number is replaced by its numeric prefix. The field keeps its
// own form: a point text stored in a comma locale would no longer read as a number.
PanelEffect FinanceModel::showPeriodicRate() {
  PanelEffect e = commonStart(false);
  if (s_.finRate.isText() && !isNumber(s_.finRate.text(loc_), loc_))
    s_.finRate = parseNumber(s_.finRate.text(loc_));
  e.display = numberToText(parse(s_.finRate), loc_);
  return e;
}

PanelEffect FinanceModel::showInterestPaid() {
  PanelEffect e = commonStart(false);
  e.display = currencyText(s_.finIpmt, loc_);
  return e;
}

PanelEffect FinanceModel::showPrincipalPaid() {
  PanelEffect e = commonStart(false);
  e.display = currencyText(s_.finPPmt, loc_);
  return e;
}

PanelEffect FinanceModel::showBalance() {
  return PanelEffect{currencyText(s_.finBalance, loc_), EntryReset::kNone, false};
}

PanelEffect FinanceModel::solveTimeValue(FinKey k) {
  const TimeValueKey& key = kTimeValueKeys[static_cast<std::size_t>(k)];
  PanelEffect e = commonStart(true);
  const Decimal type = timingArgument();
  const auto t = readTerms(s_, key.unknown, [this](const Value& v) { return read(v); });
  auto x = t ? key.formula(*t, type) : std::nullopt;
  if (!x) return failed(e);
  x = shortestSolution(*x, [&](Decimal c) { return leftOver(*t, key.unknown, c, type); });
  s_.*fieldOf(key.unknown) = *x;
  cell(key.cell) = formatNumber(*x, key.pattern, loc_);
  e.display = numberToText(*x, loc_);
  return e;
}

PanelEffect FinanceModel::solveYearlyRate() {
  PanelEffect e = commonStart(true);
  const Decimal type = timingArgument(), perYear = s_.finPPY;
  const auto t = readTerms(s_, &Terms::rate, [this](const Value& v) { return read(v); });
  if (!t) return failed(e);
  const auto r = periodicRate(t->nper, t->pmt, t->pv, t->fv, type);
  if (!r) return failed(e);
  auto yearly = finiteOrNone(*r * s_.finPPY);
  if (!yearly) return failed(e);
  yearly = shortestSolution(
      *yearly, [&](Decimal c) { return leftOver(*t, &Terms::rate, c / perYear, type); });
  const auto rate = checkedDivide(*yearly, s_.finPPY);
  if (!rate) return failed(e);
  s_.finInt = *yearly;
  s_.finRate = *rate;
  cell(FinCell::kRate) = formatNumber(*rate, kPeriodicSolved, loc_);
  cell(FinCell::kInt) = formatNumber(*yearly, kYearly, loc_);
  e.display = numberToText(*yearly, loc_);
  return e;
}

PanelEffect FinanceModel::toggleStartTiming() {
  s_.paymentsAtStart = !s_.paymentsAtStart;
  return PanelEffect{std::nullopt, EntryReset::kNone, true};
}

PanelEffect FinanceModel::toggleEndTiming() {
  // Unchecking End checks Start, checking it unchecks Start: either way a toggle.
  s_.paymentsAtStart = !s_.paymentsAtStart;
  return PanelEffect{std::nullopt, EntryReset::kNone, true};
}

PanelEffect FinanceModel::clearCells() {
  for (FinCell c : {FinCell::kN, FinCell::kPmt, FinCell::kPv, FinCell::kFv, FinCell::kInt,
                    FinCell::kRate, FinCell::kInterest, FinCell::kPrincipal, FinCell::kBalance})
    cell(c).clear();
  s_.finNPer = s_.finPmt = s_.finPV = s_.finFV = s_.finInt = s_.finRate = 0;
  s_.finPPmt = s_.finIpmt = s_.finBalance = Currency{};
  return commonStart(true);
}

// Each period adds its interest, then the payment; the balance is rounded to
// ten-thousandths after every period, as money is.
PanelEffect FinanceModel::amortize() {
  const PanelEffect e = commonStart(true);
  const auto pv = read(s_.finPV), pmt = read(s_.finPmt), rate = read(s_.finRate),
             count = read(s_.finPayments);
  if (!allRead(pv, pmt, rate, count)) return failed(e);
  auto balance = toCurrency(*pv);
  if (!balance) return failed(e);
  if (s_.paymentsAtStart) {
    balance = toCurrency(balance->value() + *pmt);  // the first payment falls at once
    if (!balance) return failed(e);
  }
  const Decimal periods = *count - timingArgument();
  if (periods > kMaxPeriods) return failed(e);
  for (Decimal k = 1; k <= periods; k += 1) {
    const Decimal b = balance->value();
    balance = toCurrency(b + b * *rate + *pmt);
    if (!balance) return failed(e);
  }
  s_.finBalance = *balance;
  cell(FinCell::kBalance) = formatNumber(balance->value(), kMoney, loc_);
  const auto interest = toCurrency(balance->value() - *count * *pmt - *pv);
  if (!interest) return failed(e);
  s_.finIpmt = *interest;
  cell(FinCell::kInterest) = formatNumber(interest->value(), kMoney, loc_);
  const auto principal = toCurrency(*pv - balance->value());
  if (!principal) return failed(e);
  s_.finPPmt = *principal;
  cell(FinCell::kPrincipal) = formatNumber(principal->value(), kMoney, loc_);
  return e;
}

PanelEffect FinanceModel::balanceToPresentValue() {
  s_.finPV = s_.finBalance.value();
  cell(FinCell::kPv) = formatNumber(s_.finBalance.value(), kMoney, loc_);
  return PanelEffect{std::nullopt, EntryReset::kNone, true};
}

bool FinanceModel::restore(std::span<const std::string> lines) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!restoreLine(i, lines[i])) return false;
  return true;
}

namespace {

// The lines the settings file keeps for the panel, in the file's order. A cell
// typed or solved is kept as the text it holds; an amortization result as an
// amount of money; payments per year (the one row with neither) as a count.
struct SavedLine {
  Value FinanceState::*text;
  Currency FinanceState::*amount;
  FinCell cell;
  std::string_view pattern;
};

constexpr SavedLine kSavedLines[] = {
    {&FinanceState::finInt, nullptr, FinCell::kInt, kYearly},
    {nullptr, nullptr, FinCell::kPpy, kCount},
    {&FinanceState::finRate, nullptr, FinCell::kRate, kPeriodic},
    {&FinanceState::finNPer, nullptr, FinCell::kN, kMoney},
    {&FinanceState::finPmt, nullptr, FinCell::kPmt, kMoney},
    {&FinanceState::finPV, nullptr, FinCell::kPv, kMoney},
    {&FinanceState::finFV, nullptr, FinCell::kFv, kMoney},
    {&FinanceState::finPayments, nullptr, FinCell::kPayments, kCount},
    {nullptr, &FinanceState::finPPmt, FinCell::kPrincipal, kMoney},
    {nullptr, &FinanceState::finIpmt, FinCell::kInterest, kMoney},
    {nullptr, &FinanceState::finBalance, FinCell::kBalance, kMoney},
};

}  // namespace

bool FinanceModel::restoreLine(std::size_t index, const std::string& line) {
  if (index >= std::size(kSavedLines)) return true;
  const SavedLine& row = kSavedLines[index];
  // A text line keeps its text; the cell shows it in the start-up format.
  // The file keeps numbers with "." (files of earlier versions may have the locale's
  // symbol); a field holds them as the locale writes them.
  if (row.text) {
    s_.*row.text = localeNumberText(line, loc_);
    cell(row.cell) = formatNumber((s_.*row.text).text(loc_), row.pattern, loc_);
    return true;
  }
  const auto x = displayNumber(line, loc_);
  if (row.amount) {
    const auto m = x ? toCurrency(*x) : std::nullopt;
    if (!m) return false;
    s_.*row.amount = *m;
    cell(row.cell) = formatNumber(m->value(), row.pattern, loc_);
    return true;
  }
  const auto n = x ? roundToInteger(*x) : std::nullopt;
  if (!n) return false;
  s_.finPPY = *n;
  cell(row.cell) = formatNumber(Decimal(*n), row.pattern, loc_);
  return true;
}

std::vector<std::string> FinanceModel::savedLines() {
  s_.finInt = withLocaleDecimal(s_.finInt, loc_);
  const NumberLocale point{".", ""};
  std::vector<std::string> lines;
  for (const SavedLine& row : kSavedLines) {
    if (row.text)
      lines.push_back(pointNumberText((s_.*row.text).text(point), loc_));
    else if (row.amount)
      lines.push_back(currencyText(s_.*row.amount, point));
    else
      lines.push_back(numberToText(s_.finPPY, point));
  }
  return lines;
}

}  // namespace zova
