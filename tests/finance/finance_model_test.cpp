// The financial panel driven through its cells and keys: cells and display, the
// error message on every failure, amortization, and the settings lines.
#include "finance/finance_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/toolkit.h"

namespace zova {
namespace {

const NumberLocale kDot{".", ","};
const NumberLocale kComma{",", "."};

// Logs each message box: title, style, whether the window was on top meanwhile, text.
struct LoggingToolkit : HeadlessToolkit {
  MsgAnswer messageBox(const Text& text, MsgStyle style, const std::string& title) override {
    log.push_back(title + (style == MsgStyle::kStop ? " stop" : " other") +
                  (topmost ? " on top: " : " behind: ") + english(text));
    return MsgAnswer::kOk;
  }
  std::vector<std::string> log;
};

struct Case {
  std::string script;  // "|"-separated: CELL=TEXT (type TEXT, click the cell), "solve KEY",
                       // "load L1;L2;..." (restore settings lines), or a button of kButtons
  std::string expect;  // blank-separated NAME=TEXT or Display~NUMBER; NAME is a cell, Display,
                       // Timing, Restored, SavedK (settings line K) or Effect (the last
                       // action's display or "-", entry reset, and "=" for the focus)
  bool comma = false;
};

// Each case runs with the window on top and not; a failing case shows one message, with the
// window behind it meanwhile.
void runCases(std::span<const Case> cases, bool failing) {
  using F = FinanceModel;
  static const std::map<std::string, PanelEffect (F::*)()> kButtons{
      {"start", &F::toggleStartTiming},
      {"end", &F::toggleEndTiming},
      {"clear", &F::clearCells},
      {"amortize", &F::amortize},
      {"topv", &F::balanceToPresentValue}};
  for (const Case& c : cases) {
    for (const bool onTop : {false, true}) {
      SCOPED_TRACE(c.script);
      LoggingToolkit tk;
      tk.topmost = onTop;
      FinanceModel model{tk, [onTop] { return onTop; }, c.comma ? kComma : kDot};
      std::string display = "0";
      PanelEffect last;
      bool restored = false;
      std::istringstream in(c.script);
      for (std::string t; std::getline(in, t, '|');) {
        const auto eq = t.find('=');
        if (eq != std::string::npos) {
          last = model.click(findFinCell(t.substr(0, eq))->cell, display = t.substr(eq + 1));
        } else if (t.starts_with("solve ")) {
          last = model.solve(findFinKey(t.substr(6))->key);
        } else if (t.starts_with("load ")) {
          std::vector<std::string> lines;
          std::istringstream rest(t.substr(5));
          for (std::string line; std::getline(rest, line, ';');) lines.push_back(line);
          restored = model.restore(lines);
        } else {
          last = (model.*kButtons.at(t))();
        }
        if (last.display) display = *last.display;
      }
      const char* kReset[] = {"none", "switch", "end", "common"};
      const std::map<std::string, std::string> shown{
          {"Display", display},
          {"Timing", std::string(model.timing())},
          {"Restored", restored ? "yes" : "no"},
          {"Effect", last.display.value_or("-") + "," + kReset[static_cast<int>(last.reset)] +
                         (last.focusEquals ? ",=" : "")}};
      std::istringstream want(c.expect);
      for (std::string t; want >> t;) {
        const auto at = t.find_first_of("=~");
        const std::string name = t.substr(0, at), text = t.substr(at + 1);
        if (t[at] == '~') {
          EXPECT_NEAR(parseNumber(display).toDouble(), parseNumber(text).toDouble(),
                      1e-9 * std::max(1.0, std::abs(parseNumber(text).toDouble())));
        } else if (name.starts_with("Saved")) {
          EXPECT_EQ(model.savedLines().at(std::stoul(name.substr(5))), text) << name;
        } else {
          EXPECT_EQ(shown.contains(name) ? shown.at(name) : model.caption(findFinCell(name)->cell),
                    text)
              << name;
        }
      }
      const std::string kError =
          "Error stop behind: Calculation Error!  Either insufficient "
          "data has been provided or an overflow error has occurred.";
      EXPECT_EQ(tk.log, std::vector<std::string>(failing, kError));
      EXPECT_EQ(tk.topmost, onTop);
    }
  }
}

const std::string kLoan = "PV=1000|%/Yr=12|P/Yr=12|N=12";
const std::string kAmortized = "PV=1000|%/Yr=12|P/Yr=12|PMT=-88.85|Payments=6";

TEST(FinanceModelTest, KeysAndCells) {
  const Case kCases[] = {
      // PMT = -1000 * 0.01 / (1 - 1.01^-12); divided by 1.01 at the start
      {kLoan + "|solve PMT", "PMT=-88.85 Effect=-88.8487886783417,common,="},
      {kLoan + "|start|solve PMT", "PMT=-87.97 Display~-87.9690977013284"},
      {"N=4|PV=100|FV=20|solve PMT", "PMT=-30.00 Display~-30"},  // no interest
      {"solve PV|Rate=", "PV=0.00 Display=0"},                   // empty fields count as 0
      // the yearly rate as a fraction; the Rate cell without a grouping comma
      {"N=12|PMT=-88.85|PV=1000|solve %/Yr", "%/Yr=12.00% Display~0.120025893415803"},
      {"N=1|PV=1000|FV=-20000|solve %/Yr", "Rate=1900.0000% %/Yr=22,800.00% Display~228"},
      // each key shows the shortest number that solves the relation as well as its own result
      {"N=12|PV=1000|%/Yr=6|solve FV|solve %/Yr", "Display=0.06 %/Yr=6.00% Rate=0.5000%"},
      {"N=12|PV=1200|PMT=-100|solve %/Yr", "Display=0"},  // not 8.8E-18
      {"N=7|PV=1000|%/Yr=7.25|start|solve PMT|solve N", "Display=7"},
      {"N=2|PMT=-0.7|FV=-500|%/Yr=12|start|solve PV|solve PMT", "Display=-0.7"},
      {"N=13|PMT=-100|PV=0.1|%/Yr=2.5|start|solve FV|solve PV", "Display=0.1"},
      // % / Yr: 8 and 0.08 both mean 8 %; up to 1 it is a fraction
      {"%/Yr=8", "%/Yr=8.00% Rate=0.6667% Effect=8,common"},
      {"%/Yr=1", "%/Yr=100.00% Rate=8.3333%"},
      {"%/Yr=1.01", "%/Yr=1.01% Rate=0.0842%"},
      {"%/Yr=12|P/Yr=4", "P/Yr=4 Rate=3.0000% Payments=4 Saved1=4 Saved7=4"},
      // the cell shows the text rounded half away from zero, the field half to even
      {"%/Yr=12|P/Yr=2.5", "P/Yr=3 Rate=6.0000% Payments=3 Saved1=2"},
      {"%/Yr=12|Rate=", "Display=0,01 Effect=0,01,common", true},
      // entry cells take the display in its normal form
      {"N=1234.5", "N=1234.50 Effect=1234.5,common"},
      {"FV=-0.125", "FV=-0.13 Effect=-0.125,common"},
      {"PV=ERROR", "PV=ERROR Effect=ERROR,common"},
      {"Payments=6.5", "Payments=7 Effect=6.5,common"},
      {kLoan + "|solve PMT|PMT=-88.85|Payments=6|amortize|Rate=|solve PMT",
       "PMT=-88,85 Balance=514,91 Display=-88,8487886783417", true},
      // a decimal comma is read as the calculator writes it, and kept with "." in the file
      {"PV=-2,5|%/Yr=7,5", "PV=-2,50 %/Yr=7,50% Effect=7,5,common Saved5=-2.5 Saved0=0.075", true},
      {kAmortized + "|amortize", "Balance=514,91 Interest=48,01 Principal=485,09", true},
      {"load 0.075;12;0.00625;;;-2.5", "PV=-2,50 %/Yr=7,50% Rate=0,6250% Restored=yes", true},
      {"load 0.075;12;0,00625;;;-2.5|Rate=", "Display=0,00625", true},
      // the timing boxes act as one choice
      {"start|start", "Timing=End Effect=-,none,="},
      {"end", "Timing=Start Effect=-,none,="},
      {kLoan + "|P/Yr=4|Payments=8|solve PMT|amortize|start|clear",
       "N= PMT= PV= FV= %/Yr= Rate= Interest= Principal= Balance= P/Yr=4 Payments=8 "
       "Timing=Start Effect=-,common,= Saved0=0 Saved2=0 Saved3=0 Saved4=0 Saved5=0 Saved6=0 "
       "Saved9=0 Saved10=0"},
  };
  runCases(kCases, false);
}

TEST(FinanceModelTest, EveryFailureShowsOneMessageAndKeepsTheKeyCell) {
  const Case kCases[] = {
      {"PV=1000|%/Yr=12|PMT=-5|solve PMT", "PMT=-5.00 Display=-5 Effect=-,common,= Saved4=-5"},
      {"PV=ERROR|%/Yr=12|N=12|PMT=-5|solve PMT", "PMT=-5.00 Display=-5"},
      {"N=12|PMT=100|PV=1000|solve %/Yr", "%/Yr= Display=1000"},      // no rate solves it
      {"N=12|PMT=-5|PV=1000|%/Yr=12|solve N", "N=12.00 Display=12"},  // never paid off
      {"%/Yr=12|N=1E308|PV=5|PMT=-1|solve FV", "FV= Display=-1"},     // overflow
      {"N=12|PV=5|FV=X|solve %/Yr", "Rate= Display=X"},
      {"%/Yr=12|P/Yr=0", "Rate=1.0000%"},
      {"%/Yr=12|P/Yr=40000", "P/Yr=12"},
      {"%/Yr=12|P/Yr=ERROR", "P/Yr=12"},
      {"%/Yr=12|%/Yr=ERROR", "%/Yr=12.00%"},
      {"PV=1000|%/Yr=12|PMT=-88.85|Payments=ERROR|amortize", "Balance="},
      {"PV=1E15|%/Yr=12|PMT=-88.85|amortize", "Balance="},  // beyond the currency range
      {"PV=1000|%/Yr=12|PMT=-88.85|Payments=2000000|amortize", "Balance="},
  };
  runCases(kCases, true);
}

TEST(FinanceModelTest, Amortization) {
  const Case kCases[] = {
      {kAmortized + "|amortize",
       "Balance=514.91 Interest=48.01 Principal=485.09 Effect=-,common,="},
      // the first payment falls at once, then five periods
      {kAmortized + "|start|amortize", "Balance=504.40 Interest=37.50 Principal=495.60"},
      {kAmortized + "|Payments=0|amortize", "Balance=1,000.00 Interest=0.00 Principal=0.00"},
      // the second block starts from the first block's balance, as one long block would
      {kAmortized + "|amortize|topv|amortize", "Balance=-0.02 Interest=18.17 Principal=514.93"},
      // a fractional count runs the whole periods and charges all the payments
      {kAmortized + "|Payments=6.5|amortize", "Balance=514.91 Interest=92.44 Principal=485.09"},
      {"PV=100|PMT=-10|Payments=3|amortize", "Balance=70.00 Interest=0.00 Principal=30.00"},
      // the cells keep four decimals; only Balance leaves the entry alone
      {kAmortized + "|amortize|Balance=", "Effect=514.9137,none"},
      {kAmortized + "|amortize|Principal=", "Effect=485.0863,common"},
      {kAmortized + "|amortize|topv", "Effect=-,none,= PV=514.91 Saved5=514.9137"},
  };
  runCases(kCases, false);
}

TEST(FinanceModelTest, SettingsLines) {
  const Case kCases[] = {
      {"load 0.12;4;0.03;1234;-88.85;1000;0;6;485.0863;48.0137;514.9137",
       "Restored=yes %/Yr=12.00% P/Yr=4 Rate=3.0000% N=1,234.00 PMT=-88.85 PV=1,000.00 FV=0.00 "
       "Payments=6 Principal=485.09 Interest=48.01 Balance=514.91 Saved10=514.9137"},
      // a line that does not convert stops the restore; the lines before it stay
      {"load 0.12;x", "Restored=no P/Yr=12 %/Yr=12.00%"},
      {"load 0.12;70000", "Restored=no P/Yr=12 %/Yr=12.00%"},
      {"load 0.12;6;0.02;1;2;3;4;5;oops", "Restored=no P/Yr=6 %/Yr=12.00%"},
  };
  runCases(kCases, false);
}

}  // namespace
}  // namespace zova
