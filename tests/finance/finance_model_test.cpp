// The financial panel driven through its cells and keys: what the cells and the
// display show, the error message on every failure, amortization in currency
// arithmetic, and the settings lines written and read back.
#include "finance/finance_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zova {
namespace {

const NumberLocale kDot{".", ","};
const NumberLocale kComma{",", "."};

// Remembers whether the window was on top while each message box was up.
class PlacementToolkit : public HeadlessToolkit {
 public:
  MsgAnswer messageBox(const std::string& text, MsgStyle style, const std::string& title) override {
    topmostDuringMessage.push_back(topmost);
    return HeadlessToolkit::messageBox(text, style, title);
  }
  std::vector<bool> topmostDuringMessage;
};

struct Panel {
  explicit Panel(NumberLocale loc = kDot)
      : model(
            tk, [this] { return onTop; }, std::move(loc)) {}

  // Runs "|"-separated actions: "CELL=TEXT" types TEXT on the display and clicks
  // the cell; "click CELL", "solve KEY", "start", "end", "clear", "amortize" and
  // "topv". Returns the display afterwards.
  std::string run(const std::string& script) {
    std::istringstream in(script);
    std::string token;
    while (std::getline(in, token, '|')) {
      PanelEffect e;
      if (const auto eq = token.find('='); eq != std::string::npos) {
        display = token.substr(eq + 1);
        e = model.click(cellNamed(token.substr(0, eq)), display);
      } else if (token.rfind("click ", 0) == 0) {
        e = model.click(cellNamed(token.substr(6)), display);
      } else if (token.rfind("solve ", 0) == 0) {
        const FinKeyRow* key = findFinKey(token.substr(6));
        if (!key) ADD_FAILURE() << "no key " << token;
        if (key) e = model.solve(key->key);
      } else if (token == "start") {
        e = model.ChkStart_Click();
      } else if (token == "end") {
        e = model.ChkEnd_Click();
      } else if (token == "clear") {
        e = model.finClear_Click();
      } else if (token == "amortize") {
        e = model.finAmortize_Click();
      } else if (token == "topv") {
        e = model.fintopv_Click();
      } else {
        ADD_FAILURE() << "unknown action " << token;
      }
      if (e.display) display = *e.display;
    }
    return display;
  }
  static FinCell cellNamed(const std::string& name) {
    const FinCellRow* row = findFinCell(name);
    if (!row) ADD_FAILURE() << "no cell " << name;
    return row ? row->cell : FinCell::kN;
  }
  const std::string& cell(const std::string& name) const { return model.caption(cellNamed(name)); }

  PlacementToolkit tk;
  bool onTop = false;
  FinanceModel model;
  std::string display = "0";
};

const std::string kLoan = "PV=1000|%/Yr=12|P/Yr=12|N=12";
const std::string kAmortized = "PV=1000|%/Yr=12|P/Yr=12|PMT=-88.85|Payments=6";

TEST(FinanceModelTest, ComputingKeysFillTheirCellAndTheDisplay) {
  struct Case {
    std::string script;
    std::string cell, caption;
    double value;  // the display, read back
  } const kCases[] = {
      // PMT = -1000 * 0.01 / (1 - 1.01^-12) = -88.84878867834170(7); divided by 1.01 at the start
      {kLoan + "|solve PMT", "PMT", "-88.85", -88.8487886783417},
      {kLoan + "|start|solve PMT", "PMT", "-87.97", -87.9690977013284},
      {kLoan + "|solve PMT|solve PV", "PV", "1,000.00", 1000},
      {kLoan + "|solve PMT|solve N", "N", "12.00", 12},
      {kLoan + "|PMT=-88.85|solve FV", "FV", "0.02", 0.0153625905816},
      // N = ln(88.85 / 78.85) / ln(1.01)
      {kLoan + "|PMT=-88.85|FV=0|solve N", "N", "12.00", 11.9998262322701},
      // no interest: pv + pmt * n + fv = 0
      {"N=4|PV=100|solve FV", "FV", "-100.00", -100},
      {"N=4|PV=100|FV=20|solve PMT", "PMT", "-30.00", -30},
      {"N=2000000|PV=1|PMT=-1|solve FV", "FV", "1,999,999.00", 1999999},
      // the yearly rate as a fraction; the Rate cell without a grouping comma
      {"N=12|PMT=-88.85|PV=1000|solve %/Yr", "%/Yr", "12.00%", 0.120025893415803},
      {"N=12|PMT=-88.85|PV=1000|solve %/Yr", "Rate", "1.0002%", 0.120025893415803},
      {"N=1|PV=1000|FV=-20000|solve %/Yr", "Rate", "1900.0000%", 228},
      {"N=1|PV=1000|FV=-20000|solve %/Yr", "%/Yr", "22,800.00%", 228},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.script);
    Panel p;
    const std::string shown = p.run(c.script);
    EXPECT_EQ(p.cell(c.cell), c.caption);
    EXPECT_NEAR(ParseNumber(shown), c.value, 1e-9 * std::max(1.0, std::abs(c.value)));
    EXPECT_TRUE(p.tk.messages.empty());
  }
}

TEST(FinanceModelTest, ComputedDisplayIsTheFullValue) {
  Panel p;
  EXPECT_EQ(p.run(kLoan + "|solve PMT"), "-88.8487886783417");
  EXPECT_EQ(p.model.state().finPmt.parse(), ParseNumber("-88.8487886783417"));
}

TEST(FinanceModelTest, YearlyRateEntry) {
  struct Case {
    std::string entered;
    std::string yearly, rate;  // the % / Yr and Rate cells with 12 payments a year
  } const kCases[] = {
      {"8", "8.00%", "0.6667%"},       {"0.08", "8.00%", "0.6667%"},
      {"1", "100.00%", "8.3333%"},     {"12", "12.00%", "1.0000%"},
      {"0.5", "50.00%", "4.1667%"},    {"150", "150.00%", "12.5000%"},
      {"1.01", "1.01%", "0.0842%"},    {"0", "0.00%", "0.0000%"},
      {"-5", "-500.00%", "-41.6667%"}, {"24000", "24,000.00%", "2,000.0000%"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.entered);
    Panel p;
    const PanelEffect e = p.model.finfInt_Click(c.entered);
    EXPECT_EQ(e.reset, EntryReset::kCommonStart);
    EXPECT_EQ(p.cell("%/Yr"), c.yearly);
    EXPECT_EQ(p.cell("Rate"), c.rate);
    EXPECT_TRUE(p.tk.messages.empty());
  }
}

TEST(FinanceModelTest, PaymentsPerYear) {
  struct Case {
    std::string script;
    std::string ppy, rate, payments;
    std::int16_t finPPY;
  } const kCases[] = {
      {"%/Yr=12|P/Yr=4", "4", "3.0000%", "4", 4},
      {"P/Yr=4|%/Yr=12", "4", "3.0000%", "4", 4},
      {"%/Yr=6|P/Yr=1", "1", "6.0000%", "1", 1},
      {"%/Yr=12|P/Yr=365", "365", "0.0329%", "365", 365},
      // the cell shows the entered text rounded half away from zero, the field
      // holds it rounded half to even
      {"%/Yr=12|P/Yr=2.5", "3", "6.0000%", "3", 2},
      {"P/Yr=12", "12", "0.0000%", "12", 12},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.script);
    Panel p;
    p.run(c.script);
    EXPECT_EQ(p.cell("P/Yr"), c.ppy);
    EXPECT_EQ(p.cell("Rate"), c.rate);
    EXPECT_EQ(p.cell("Payments"), c.payments);
    EXPECT_EQ(p.model.state().finPPY, c.finPPY);
    EXPECT_TRUE(p.tk.messages.empty());
  }
}

TEST(FinanceModelTest, CellEntryNormalisesTheDisplay) {
  struct Case {
    NumberLocale loc;
    std::string cell, typed;
    std::string display, caption;
  } const kCases[] = {
      {kDot, "N", "12", "12", "12.00"},
      {kDot, "N", "1234.5", "1234.5", "1234.50"},
      {kDot, "PV", "1234.5", "1234.5", "1,234.50"},
      {kDot, "PMT", "5.", "5", "5.00"},
      {kDot, "FV", "-0.125", "-0.125", "-0.13"},
      {kDot, "PV", "1E3", "1000", "1,000.00"},
      {kDot, "PV", "ERROR", "ERROR", "ERROR"},
      {kDot, "Payments", "6", "6", "6"},
      {kDot, "Payments", "6.5", "6.5", "7"},
      {kComma, "PV", "2.5", "2,5", "2,50"},
      {kComma, "PV", "1234.5", "1234,5", "1.234,50"},
      {kComma, "%/Yr", "8", "8", "8,00%"},
      {kComma, "%/Yr", "0.5", "0,5", "50,00%"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.cell + " " + c.typed);
    Panel p(c.loc);
    const PanelEffect e = p.model.click(Panel::cellNamed(c.cell), c.typed);
    EXPECT_EQ(e, (PanelEffect{c.display, EntryReset::kCommonStart, false}));
    EXPECT_EQ(p.cell(c.cell), c.caption);
  }
}

TEST(FinanceModelTest, EveryFailureShowsOneMessageAndKeepsTheKeyCell) {
  struct Case {
    std::string setup, failing;
    std::string cell, caption;  // a cell that keeps its caption through the failure
  } const kCases[] = {
      {"PV=1000|%/Yr=12|PMT=-5", "solve PMT", "PMT", "-5.00"},  // N empty: 0 periods
      {"PV=ERROR|%/Yr=12|N=12|PMT=-5", "solve PMT", "PMT", "-5.00"},
      {"N=12|PMT=100|PV=1000", "solve %/Yr", "%/Yr", ""},        // no rate solves it
      {"N=12|PMT=-5|PV=1000|%/Yr=12", "solve N", "N", "12.00"},  // never paid off
      {"N=12|PMT=0|PV=1000|%/Yr=12", "solve N", "N", "12.00"},
      {"%/Yr=12|N=1E308|PV=5|PMT=-1", "solve FV", "FV", ""},  // overflow
      {"%/Yr=12|N=ABC|PV=5", "solve PV", "PV", "5.00"},
      {"N=12|PV=5|FV=X", "solve %/Yr", "Rate", ""},
      {"%/Yr=12", "P/Yr=0", "Rate", "1.0000%"},
      {"%/Yr=12", "P/Yr=40000", "P/Yr", "12"},
      {"%/Yr=12", "P/Yr=ERROR", "P/Yr", "12"},
      {"%/Yr=12", "%/Yr=ERROR", "%/Yr", "12.00%"},
      {"PV=1000|%/Yr=12|PMT=-88.85", "Payments=ERROR|amortize", "Balance", ""},
      {"PV=1E15|%/Yr=12|PMT=-88.85", "amortize", "Balance", ""},  // beyond the currency range
      {"PV=1000|%/Yr=12|PMT=-88.85", "Payments=2000000|amortize", "Balance", ""},
  };
  for (const auto& c : kCases) {
    for (const bool onTop : {false, true}) {
      SCOPED_TRACE(c.setup + " then " + c.failing);
      Panel p;
      p.onTop = onTop;
      p.tk.topmost = onTop;
      p.run(c.setup);
      ASSERT_TRUE(p.tk.messages.empty());
      const std::string before = p.display;
      const std::string shown = p.run(c.failing);
      ASSERT_EQ(p.tk.messages.size(), 1u);
      EXPECT_EQ(p.tk.messages[0].text,
                "Calculation Error!  Either insufficient data has been provided or an overflow "
                "error has occurred.");
      EXPECT_EQ(p.tk.messages[0].title, "Error");
      EXPECT_EQ(p.tk.messages[0].style, MsgStyle::Stop);
      EXPECT_EQ(p.tk.topmostDuringMessage, std::vector<bool>{false});
      EXPECT_EQ(p.tk.topmost, onTop);
      EXPECT_EQ(p.cell(c.cell), c.caption);
      if (c.failing.rfind("solve", 0) == 0) {
        EXPECT_EQ(shown, before);
      }
    }
  }
}

TEST(FinanceModelTest, FailedKeyKeepsItsField) {
  Panel p;
  p.run("PV=1000|%/Yr=12|PMT=-5");
  const PanelEffect e = p.model.finPaym_Click();
  EXPECT_EQ(e, (PanelEffect{std::nullopt, EntryReset::kCommonStart, true}));
  EXPECT_EQ(p.model.state().finPmt, Value("-5"));
  EXPECT_EQ(p.tk.messages.size(), 1u);
}

TEST(FinanceModelTest, EmptyFieldsCountAsZero) {
  Panel p;
  // rate, N, PMT and FV all empty: PV = -(0 + 0) = 0
  EXPECT_EQ(p.run("solve PV"), "0");
  EXPECT_EQ(p.cell("PV"), "0.00");
  EXPECT_EQ(p.run("click Rate"), "0");
  EXPECT_TRUE(p.tk.messages.empty());
}

TEST(FinanceModelTest, Amortization) {
  struct Case {
    std::string script;
    std::string balance, interest, principal;
  } const kCases[] = {
      {kAmortized + "|amortize", "514.91", "48.01", "485.09"},
      // the first payment falls at once, then five periods
      {kAmortized + "|start|amortize", "504.40", "37.50", "495.60"},
      {"PV=1000|%/Yr=12|P/Yr=12|PMT=-88.85|Payments=0|amortize", "1,000.00", "0.00", "0.00"},
      {"PV=1000|%/Yr=12|P/Yr=12|PMT=-88.85|Payments=12|amortize", "-0.02", "66.18", "1,000.02"},
      // the second block starts from the first block's balance
      {kAmortized + "|amortize|topv|amortize", "-0.02", "18.17", "514.93"},
      // a fractional count runs the whole periods and charges all the payments
      {"PV=1000|%/Yr=12|P/Yr=12|PMT=-88.85|Payments=6.5|amortize", "514.91", "92.44", "485.09"},
      {"PV=100|PMT=-10|Payments=3|amortize", "70.00", "0.00", "30.00"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.script);
    Panel p;
    p.run(c.script);
    EXPECT_EQ(p.cell("Balance"), c.balance);
    EXPECT_EQ(p.cell("Interest"), c.interest);
    EXPECT_EQ(p.cell("Principal"), c.principal);
    EXPECT_TRUE(p.tk.messages.empty());
  }
}

TEST(FinanceModelTest, AmortizeLeavesTheDisplayAndKeepsFourDecimals) {
  Panel p;
  p.run(kAmortized);
  EXPECT_EQ(p.model.finAmortize_Click(),
            (PanelEffect{std::nullopt, EntryReset::kCommonStart, true}));
  EXPECT_EQ(p.model.finfBalance_Click(), (PanelEffect{"514.9137", EntryReset::kNone, false}));
  EXPECT_EQ(p.model.finfIpmt_Click(), (PanelEffect{"48.0137", EntryReset::kCommonStart, false}));
  EXPECT_EQ(p.model.finfPPmt_Click(), (PanelEffect{"485.0863", EntryReset::kCommonStart, false}));
  EXPECT_EQ(p.model.fintopv_Click(), (PanelEffect{std::nullopt, EntryReset::kNone, true}));
  EXPECT_EQ(p.cell("PV"), "514.91");
  EXPECT_EQ(p.model.state().finPV.text(kDot), "514.9137");
}

TEST(FinanceModelTest, ChainedBlocksEqualOneLongBlock) {
  struct Case {
    std::string pv, yearly, pmt;
  } const kCases[] = {
      {"1000", "12", "-88.85"}, {"250000", "6.5", "-1580.17"}, {"5000", "3", "-100"},
      {"-2000", "4", "-150"},   {"777.77", "0.1", "12.34"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.pv + " " + c.yearly + " " + c.pmt);
    const std::string setup = "PV=" + c.pv + "|%/Yr=" + c.yearly + "|PMT=" + c.pmt;
    Panel whole, parts;
    whole.run(setup + "|Payments=24|amortize");
    parts.run(setup + "|Payments=12|amortize|topv|Payments=12|amortize");
    EXPECT_EQ(parts.model.state().finBalance, whole.model.state().finBalance);
    EXPECT_EQ(parts.cell("Balance"), whole.cell("Balance"));
  }
}

TEST(FinanceModelTest, ClearEmptiesAllButPaymentsPerYearAndCount) {
  Panel p;
  p.run(kLoan + "|P/Yr=4|Payments=8|solve PMT|amortize|start|clear");
  EXPECT_TRUE(p.tk.messages.empty());
  for (const FinCellRow& row : finCellTable()) {
    SCOPED_TRACE(row.name);
    const bool kept = row.cell == FinCell::kPpy || row.cell == FinCell::kPayments;
    EXPECT_EQ(p.model.caption(row.cell).empty(), !kept);
  }
  EXPECT_EQ(p.cell("P/Yr"), "4");
  EXPECT_EQ(p.cell("Payments"), "8");
  EXPECT_EQ(p.model.timing(), "Start");
  const FinanceState& s = p.model.state();
  for (const Value* v : {&s.finNPer, &s.finPmt, &s.finPV, &s.finFV, &s.finInt, &s.finRate})
    EXPECT_EQ(*v, Value(0.0));
  EXPECT_EQ(s.finBalance, Currency{});
  EXPECT_EQ(p.run("click Interest"), "0");
  EXPECT_EQ(p.run("click Rate"), "0");
}

TEST(FinanceModelTest, TimingBoxesActAsOneChoice) {
  struct Case {
    std::string clicks;
    std::string timing;
  } const kCases[] = {
      {"", "End"},      {"start", "Start"},   {"start|start", "End"},
      {"end", "Start"}, {"start|end", "End"}, {"end|end|start", "Start"},
  };
  for (const auto& c : kCases) {
    Panel p;
    if (!c.clicks.empty()) p.run(c.clicks);
    EXPECT_EQ(p.model.timing(), c.timing) << c.clicks;
    EXPECT_EQ(p.model.state().finType, c.timing == "Start" ? 1 : 0);
  }
}

TEST(FinanceModelTest, RateCellShowsThePeriodicRate) {
  struct Case {
    std::string script;
    NumberLocale loc;
    std::string display;
  } const kCases[] = {
      {"%/Yr=12", kDot, "0.01"},
      {"%/Yr=6|P/Yr=4", kDot, "0.015"},
      {"%/Yr=12", kComma, "0,01"},
      {"", kDot, "0"},
  };
  for (const auto& c : kCases) {
    Panel p(c.loc);
    if (!c.script.empty()) p.run(c.script);
    const PanelEffect e = p.model.finfRate_Click();
    EXPECT_EQ(e, (PanelEffect{c.display, EntryReset::kCommonStart, false})) << c.script;
  }
}

TEST(FinanceModelTest, CommaLocaleComputesWithTheLocaleTexts) {
  Panel p(kComma);
  p.run("PV=1000|%/Yr=12|P/Yr=12|N=12|solve PMT");
  EXPECT_EQ(p.cell("PMT"), "-88,85");
  EXPECT_EQ(p.display, "-88,8487886783417");
  p.run("PMT=-88.85|Payments=6|amortize");
  EXPECT_EQ(p.cell("Balance"), "514,91");
  EXPECT_EQ(p.run("click Rate|solve PMT"), "-88,8487886783417");
  EXPECT_TRUE(p.tk.messages.empty());
}

TEST(FinanceModelTest, SettingsLinesRoundTrip) {
  for (const NumberLocale& loc : {kDot, kComma}) {
    Panel p(loc);
    p.run(kAmortized + "|P/Yr=4|%/Yr=8|N=20|solve FV|amortize");
    const std::vector<std::string> lines = p.model.savedLines();
    ASSERT_EQ(lines.size(), 11u);
    Panel q(loc);
    EXPECT_TRUE(q.model.restore(lines));
    EXPECT_EQ(q.model.savedLines(), lines);
    for (const FinCellRow& row : finCellTable()) {
      if (row.cell == FinCell::kN) continue;  // restored with grouping, see below
      EXPECT_EQ(q.model.caption(row.cell), p.model.caption(row.cell)) << row.name;
    }
    EXPECT_EQ(q.model.state().finBalance, p.model.state().finBalance);
    EXPECT_NEAR(ParseNumber(commafix(q.run("solve PMT"))),
                ParseNumber(commafix(p.run("solve PMT"))), 1e-9);
  }
}

TEST(FinanceModelTest, RestoreShowsTheSavedCells) {
  Panel p;
  const std::vector<std::string> lines{"0.12", "4", "0.03",     "1234",    "-88.85",  "1000",
                                       "0",    "6", "485.0863", "48.0137", "514.9137"};
  EXPECT_TRUE(p.model.restore(lines));
  EXPECT_EQ(p.cell("%/Yr"), "12.00%");
  EXPECT_EQ(p.cell("P/Yr"), "4");
  EXPECT_EQ(p.cell("Rate"), "3.0000%");
  EXPECT_EQ(p.cell("N"), "1,234.00");
  EXPECT_EQ(p.cell("PMT"), "-88.85");
  EXPECT_EQ(p.cell("FV"), "0.00");
  EXPECT_EQ(p.cell("Payments"), "6");
  EXPECT_EQ(p.cell("Principal"), "485.09");
  EXPECT_EQ(p.cell("Interest"), "48.01");
  EXPECT_EQ(p.cell("Balance"), "514.91");
  EXPECT_EQ(p.model.state().finBalance, Currency{5149137});
}

TEST(FinanceModelTest, RestoreStopsAtALineThatDoesNotConvert) {
  struct Case {
    std::vector<std::string> lines;
    bool ok;
    std::string ppy;
  } const kCases[] = {
      {{"0.12", "x"}, false, "12"},
      {{"0.12", "70000"}, false, "12"},
      {{"0.12", "6", "0.02", "1", "2", "3", "4", "5", "oops"}, false, "6"},
      {{"0.12", " 6 "}, true, "6"},
      {{}, true, "12"},
  };
  for (const auto& c : kCases) {
    Panel p;
    EXPECT_EQ(p.model.restore(c.lines), c.ok);
    EXPECT_EQ(p.cell("P/Yr"), c.ppy);
    EXPECT_EQ(p.cell("%/Yr"), c.lines.empty() ? "" : "12.00%");
  }
}

TEST(FinanceModelTest, CellAndKeyTablesWalk) {
  std::set<std::string_view> names, controls;
  std::size_t i = 0;
  for (const FinCellRow& row : finCellTable()) {
    EXPECT_EQ(static_cast<std::size_t>(row.cell), i++);
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    EXPECT_TRUE(controls.insert(row.control).second) << row.control;
    EXPECT_EQ(findFinCell(row.name), &row);
    EXPECT_EQ(&finCellRow(row.cell), &row);
  }
  EXPECT_EQ(i, kFinCellCount);
  for (const FinKeyRow& row : finKeyTable()) {
    EXPECT_TRUE(controls.insert(row.control).second) << row.control;
    EXPECT_EQ(findFinKey(row.name), &row);
    EXPECT_NE(findFinCell(row.name), nullptr) << "each key fills the cell of its name";
  }
  EXPECT_EQ(findFinCell("Amortize"), nullptr);
  EXPECT_EQ(findFinKey("Rate"), nullptr);
}

TEST(FinanceModelTest, StartValues) {
  Panel p;
  EXPECT_EQ(p.model.timing(), "End");
  EXPECT_EQ(p.model.state().finPPY, 12);
  EXPECT_EQ(p.model.state().finPayments, Value(12));
  EXPECT_EQ(p.cell("P/Yr"), "12");
  EXPECT_EQ(p.cell("Payments"), "12");
  EXPECT_EQ(p.cell("PMT"), "");
}

}  // namespace
}  // namespace zova
