// The settings file: the lines EndIt writes, start-up reading them back with
// its fallback values, round trips over random states, bad files, and the
// Save Settings and Load Settings commands with their dialogs.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <sstream>

#include "model/model.h"
#include "support/temp_dir.h"

namespace zova {
namespace {

namespace fs = std::filesystem;
using testing::slurp;
using testing::spit;
using testing::TempDir;

std::string crlf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

/// The lines of a text whose every line ends with CR LF.
std::vector<std::string> splitCrlf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "a line without CR LF at the end";
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

const NumberLocale kEnglish{".", ","};
const NumberLocale kGerman{",", "."};

/// A calculator started as the program starts, reading `path` as its settings file.
struct Started {
  explicit Started(const std::string& path = "", NumberLocale loc = kEnglish)
      : model(tk, std::move(loc)) {
    model.setSettingsFile(path);
    model.startUp();
  }
  CalcState& s() { return model.calc().state(); }
  ShellState& sh() { return model.shell(); }

  HeadlessToolkit tk;
  Model model;
};

// A complete file, written out by hand: K 7, M 12.5, normal size, Fix with 4
// places, radicals, low accuracy, radians, decimal, five colours, a label with
// blanks, a loan, and three statistics items.
std::vector<std::string> sampleLines() {
  return {"7",        "12.5",    "5340",    "False",      "False", "True",   "False",
          "4",        "True",    "0.0001",  "1",          "1",     "255",    "-2147483633",
          "16777215", "0",       "8421504", " My  calc ", "0.08",  "12",     "0.00666666666666667",
          "360",      "-733.76", "100000",  "0",          "360",   "-67.09", "-666.67",
          "99932.91", "1.5",     "-2",      "4"};
}

/// Start values and fallback values as a first start without a file gives them.
void expectFallback(Started& r) {
  const CalcState& s = r.s();
  EXPECT_EQ(s.window, "0");
  EXPECT_EQ(s.constant.text(kEnglish), "0");
  EXPECT_EQ(s.stack.parse(), 0);
  EXPECT_EQ(s.Memory, "");
  EXPECT_EQ(r.sh().height, 5340);
  EXPECT_FALSE(r.sh().size);
  EXPECT_TRUE(r.sh().panelItemsEnabled);
  EXPECT_FALSE(r.sh().onTop);
  EXPECT_FALSE(r.tk.topmost);
  EXPECT_FALSE(r.sh().minStart);
  EXPECT_FALSE(r.sh().hidden);
  EXPECT_FALSE(s.OptionFix);
  EXPECT_FALSE(s.OptionSci);
  EXPECT_EQ(s.zeroes, 2);
  EXPECT_FALSE(s.rootpart);
  EXPECT_EQ(s.threshold, 1e-05);
  EXPECT_EQ(s.flag, 3);  // degrees
  EXPECT_EQ(s.angle, kPi / 180);
  EXPECT_EQ(s.deglabel, "d");
  EXPECT_EQ(s.radlabel, "");
  EXPECT_EQ(s.numBase, 1);
  EXPECT_EQ(s.LblBase, "");
  EXPECT_EQ(s.starter, 1);
  EXPECT_EQ(r.model.stats().n(), 0u);
}

TEST(SettingsRead, FirstStartWithoutAFileGivesTheStartValues) {
  TempDir dir;
  Started missing(dir.file("dadidedo.dat"));
  expectFallback(missing);
  Started none("");
  expectFallback(none);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{});  // reading creates nothing
}

TEST(SettingsRead, ACompleteFileAppliesEveryLine) {
  TempDir dir;
  spit(dir.file("dadidedo.dat"), crlf(sampleLines()));
  Started r(dir.file("dadidedo.dat"));
  const CalcState& s = r.s();
  EXPECT_EQ(s.constant.text(kEnglish), "7");
  EXPECT_EQ(s.stack.parse(), 12.5);
  EXPECT_EQ(s.Memory, " M");
  EXPECT_FALSE(r.sh().size);
  EXPECT_TRUE(s.OptionFix);
  EXPECT_FALSE(s.OptionSci);
  EXPECT_EQ(s.zeroes, 4);
  EXPECT_TRUE(s.rootpart);
  EXPECT_EQ(s.threshold, 1e-04);
  EXPECT_EQ(s.flag, 1);
  EXPECT_EQ(s.angle, 1.0);
  EXPECT_EQ(s.radlabel, "r");
  EXPECT_EQ(s.deglabel, "");
  EXPECT_EQ(s.numBase, 1);
  EXPECT_EQ(s.window, "0");
  EXPECT_EQ(s.starter, 1);
  EXPECT_EQ(r.sh().screenColour, 255);
  EXPECT_EQ(r.sh().digitsColour, -2147483633);
  EXPECT_EQ(r.sh().shellColour, 16777215);
  EXPECT_EQ(r.sh().standardColour, 0);
  EXPECT_EQ(r.sh().functionColour, 8421504);
  EXPECT_EQ(r.sh().personalLabel, " My  calc ");
  const FinanceModel& fin = r.model.finance();
  EXPECT_EQ(fin.caption(FinCell::kInt), "8.00%");
  EXPECT_EQ(fin.caption(FinCell::kPpy), "12");
  EXPECT_EQ(fin.caption(FinCell::kPv), "100,000.00");
  EXPECT_EQ(fin.caption(FinCell::kPmt), "-733.76");
  EXPECT_EQ(fin.caption(FinCell::kBalance), "99,932.91");
  EXPECT_EQ(r.model.stats().statlist(), (std::vector<std::string>{"1.5", "-2", "4"}));
  EXPECT_EQ(r.model.stats().statsums().parse(), 3.5);
  EXPECT_EQ(r.model.stats().statsquare().parse(), 2.25 + 4 + 16);
  EXPECT_TRUE(r.tk.messages.empty());
}

TEST(SettingsRead, LineEndsMayBeCrLfLfOrCr) {
  for (const std::string end : {"\r\n", "\n", "\r"}) {
    std::string text;
    for (const std::string& l : sampleLines()) text += l + end;
    text.erase(text.size() - end.size());  // the last line ends without one
    Started r;
    r.model.readSettingsText(text);
    EXPECT_EQ(r.s().zeroes, 4) << "line end of " << end.size();
    EXPECT_EQ(r.model.stats().statlist(), (std::vector<std::string>{"1.5", "-2", "4"}));
  }
}

TEST(SettingsRead, TheSavedAngleUnitReturnsInEveryBase) {
  struct Case {
    const char* flag;
    const char* base;
    int unit;
    const char* lblBase;
  };
  const Case cases[] = {
      {"0", "1", 1, ""},  {"1", "1", 1, ""},  {"2", "1", 2, ""},    {"3", "1", 3, ""},
      {"9", "1", 1, ""},  {"2", "2", 2, "h"}, {"1", "3", 1, "o"},   {"3", "4", 3, "b"},
      {"2", "4", 2, "b"}, {"3", "2", 3, "h"}, {" 2 ", "3", 2, "o"}, {"2.4", "1", 2, ""},
  };
  const double angles[] = {0, 1.0, kPi / 200, kPi / 180};
  const char* labels[][3] = {{}, {"r", "", ""}, {"", "g", ""}, {"", "", "d"}};
  for (const Case& c : cases) {
    std::vector<std::string> lines = sampleLines();
    lines[10] = c.flag;
    lines[11] = c.base;
    Started r;
    r.model.readSettingsText(crlf(lines));
    const CalcState& s = r.s();
    SCOPED_TRACE(std::string(c.flag) + " in base " + c.base);
    EXPECT_EQ(s.flag, c.unit);
    EXPECT_EQ(s.angle, angles[c.unit]);
    EXPECT_EQ(s.radlabel, labels[c.unit][0]);
    EXPECT_EQ(s.gradlabel, labels[c.unit][1]);
    EXPECT_EQ(s.deglabel, labels[c.unit][2]);
    EXPECT_EQ(s.numBase, ParseNumber(c.base));
    EXPECT_EQ(s.LblBase, c.lblBase);
    EXPECT_EQ(s.window, "0");
  }
}

TEST(SettingsRead, AnyHeightButTheNormalOneMeansCompactSize) {
  struct Case {
    const char* line;
    bool compact;
  };
  const Case cases[] = {{"5340", false},   {" 5340 ", false}, {"5340.0", false},
                        {"&H14DC", false}, {"1410", true},    {"5339", true},
                        {"0", true},       {"-5340", true},   {"1E300", true}};
  for (const Case& c : cases) {
    std::vector<std::string> lines = sampleLines();
    lines[2] = c.line;
    Started r;
    r.model.readSettingsText(crlf(lines));
    SCOPED_TRACE(c.line);
    EXPECT_EQ(r.sh().size, c.compact);
    EXPECT_EQ(r.sh().height, c.compact ? 1410 : 5340);
    EXPECT_EQ(r.tk.height, c.compact ? 1410 : 5340);
    EXPECT_EQ(r.sh().compactCaption, c.compact ? "Normal &Size" : "Compact &Size");
    EXPECT_EQ(r.sh().panelItemsEnabled, !c.compact);
    EXPECT_EQ(r.s().zeroes, 4);  // no fallback
  }
}

TEST(SettingsRead, BooleanLinesTakeTrueFalseAndNumbers) {
  struct Case {
    const char* line;
    bool value;
  };
  const Case cases[] = {{"True", true},   {"False", false}, {"true", true},
                        {"FALSE", false}, {"-1", true},     {"0", false},
                        {"2.5", true},    {"", false},      {" True ", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    std::vector<std::string> lines = sampleLines();
    lines[3] = c.line;  // always on top
    lines[4] = c.line;  // appear on start-up
    lines[6] = c.line;  // Scientific
    Started r;
    r.model.readSettingsText(crlf(lines));
    EXPECT_EQ(r.sh().onTop, c.value);
    EXPECT_EQ(r.sh().topmostChecked, c.value);
    EXPECT_EQ(r.tk.topmost, c.value);
    EXPECT_EQ(r.sh().minStart, c.value);
    EXPECT_EQ(r.sh().minimizeChecked, c.value);
    EXPECT_EQ(r.sh().hidden, c.value);
    EXPECT_EQ(r.tk.hidden, c.value);
    EXPECT_EQ(r.s().OptionSci, c.value);
  }
}

TEST(SettingsRead, ALineThatDoesNotConvertFallsBackAfterTheLinesBeforeIt) {
  struct Case {
    int line;
    const char* text;
  };
  const Case cases[] = {
      {3, "tall"},   {3, ""},         {4, "maybe"},       {5, "Yes"},    {6, "1x"},
      {8, "two"},    {8, ""},         {8, "1E400"},       {9, "nope"},   {10, "1,5E-05"},
      {10, "0.1x"},  {11, "radians"}, {11, "1E9"},        {12, "5"},     {12, "0"},
      {12, "hex"},   {13, "red"},     {14, "4294967296"}, {17, "1.5.5"}, {20, "twelve"},
      {20, "40000"}, {27, "x"},       {29, "1E30"},
  };
  const ShellState start;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.line) + ": " + c.text);
    std::vector<std::string> lines = sampleLines();
    lines[static_cast<std::size_t>(c.line - 1)] = c.text;
    Started r;
    r.model.readSettingsText(crlf(lines));
    expectFallback(r);
    EXPECT_EQ(r.sh().screenColour, c.line > 13 ? 255 : start.screenColour);
    EXPECT_EQ(r.sh().functionColour, c.line > 17 ? 8421504 : start.functionColour);
    EXPECT_EQ(r.sh().personalLabel, c.line > 18 ? " My  calc " : "");
    EXPECT_EQ(r.model.finance().caption(FinCell::kInt), c.line > 19 ? "8.00%" : "");
    EXPECT_EQ(r.model.finance().caption(FinCell::kPv), c.line > 24 ? "100,000.00" : "");
    EXPECT_TRUE(r.tk.messages.empty());  // nothing is reported
  }
}

TEST(SettingsRead, AShortFileAppliesTheLinesItHasThenFallsBack) {
  const ShellState start;
  for (std::size_t count : {0u, 1u, 2u, 12u, 13u, 17u, 18u, 19u, 24u, 28u}) {
    SCOPED_TRACE(count);
    std::vector<std::string> lines = sampleLines();
    lines.resize(count);
    TempDir dir;
    spit(dir.file("dadidedo.dat"), crlf(lines));
    Started r(dir.file("dadidedo.dat"));
    expectFallback(r);
    EXPECT_EQ(r.sh().screenColour, count >= 13 ? 255 : start.screenColour);
    EXPECT_EQ(r.sh().personalLabel, count >= 18 ? " My  calc " : "");
    EXPECT_EQ(r.model.finance().caption(FinCell::kInt), count >= 19 ? "8.00%" : "");
    EXPECT_EQ(r.model.finance().caption(FinCell::kPv), count >= 24 ? "100,000.00" : "");
  }
}

TEST(SettingsRead, ExactlyTwentyNineLinesGiveAnEmptyRegister) {
  std::vector<std::string> lines = sampleLines();
  lines.resize(29);
  Started r;
  r.model.readSettingsText(crlf(lines));
  EXPECT_EQ(r.s().zeroes, 4);
  EXPECT_EQ(r.model.stats().n(), 0u);
}

TEST(SettingsRead, StatisticsItemsComeBackInOrderWithTheirSums) {
  struct Case {
    std::vector<std::string> items;
    std::vector<std::string> kept;
    double sum, square;
  };
  const Case cases[] = {
      {{"1", "2", "3"}, {"1", "2", "3"}, 6, 14},
      {{"0,5", "abc", ""}, {"0,5", "abc", ""}, 0.5, 0.25},  // commas read as points
      {{"1E200", "7"}, {"7"}, 7, 49},                       // a square beyond the double range
      {{"1E154", "1E154", "3"}, {"1E154", "3"}, 1e154, 1e308},
      // An item of 1 MB is kept; a number too large to read counts as 0.
      {{std::string(1 << 20, '9'), "2"}, {std::string(1 << 20, '9'), "2"}, 2, 4},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = sampleLines();
    lines.resize(29);
    lines.insert(lines.end(), c.items.begin(), c.items.end());
    Started r;
    r.model.readSettingsText(crlf(lines));
    EXPECT_EQ(r.model.stats().statlist(), c.kept);
    EXPECT_DOUBLE_EQ(r.model.stats().statsums().parse(), c.sum);
    EXPECT_DOUBLE_EQ(r.model.stats().statsquare().parse(), c.square);
  }
}

TEST(SettingsRead, BadFilesNeverCrashAndFallBack) {
  TempDir dir;
  std::mt19937 rng(20240611);
  std::string garbage(1 << 16, '\0');
  for (char& c : garbage) c = static_cast<char>(rng());
  const std::string fiftyMegabytes(50u << 20, 'x');
  std::string oneMegabyteLine8 = crlf(sampleLines());
  {
    std::vector<std::string> lines = sampleLines();
    lines[7] = std::string(1 << 20, '7');
    oneMegabyteLine8 = crlf(lines);
  }
  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"binary garbage", garbage},
      {"50 MB without a line end", fiftyMegabytes},
      {"a number line of 1 MB", oneMegabyteLine8},
      {"only line ends", std::string(1000, '\r')},
      {"NUL bytes", std::string(200, '\0')},
      {"empty", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    spit(dir.file("dadidedo.dat"), c.text);
    Started r(dir.file("dadidedo.dat"));
    expectFallback(r);
  }
  // A folder where the file should be cannot be read either.
  fs::create_directory(dir.file("folder.dat"));
  Started folder(dir.file("folder.dat"));
  expectFallback(folder);
}

TEST(SettingsRead, BigFilesApplyWhatTheyHold) {
  TempDir dir;
  // 50 MB: the fixed lines, then items of "1" far beyond what the register keeps.
  std::string text = crlf(sampleLines());
  const std::string item = "1\r\n";
  text.reserve(50u << 20);
  while (text.size() < (50u << 20)) text += item;
  spit(dir.file("big.dat"), text);
  Started big(dir.file("big.dat"));
  EXPECT_EQ(big.s().zeroes, 4);
  const std::size_t n = big.model.stats().n();
  EXPECT_GT(n, 1000u);
  EXPECT_LT(n, 1000000u);
  // Every item but the three of the sample is 1.
  EXPECT_DOUBLE_EQ(big.model.stats().statsums().parse(), 3.5 + static_cast<double>(n - 3));

  // Texts of 1 MB are kept whole and written back whole.
  std::vector<std::string> lines = sampleLines();
  lines[0] = std::string(1 << 20, 'F');
  lines[17] = std::string(1 << 20, ' ') + "label";
  spit(dir.file("long.dat"), crlf(lines));
  Started longLines(dir.file("long.dat"));
  EXPECT_EQ(longLines.s().constant.text(kEnglish), lines[0]);
  EXPECT_EQ(longLines.sh().personalLabel, lines[17]);
  EXPECT_EQ(longLines.model.settingsText(), crlf(lines));
}

TEST(SettingsWrite, LinesFollowTheFieldsOfTheState) {
  struct Case {
    const char* name;
    std::function<void(Model&)> set;
    std::size_t line;
    std::string expected;
  };
  const Case cases[] = {
      {"empty K", [](Model& m) { m.calc().state().constant = Value(); }, 1, "0"},
      {"blank K", [](Model& m) { m.calc().state().constant = ""; }, 1, "0"},
      {"hexadecimal K", [](Model& m) { m.calc().state().constant = "FF"; }, 1, "FF"},
      {"K not a number", [](Model& m) { m.calc().state().constant = "abc"; }, 1, "abc"},
      {"K with blanks", [](Model& m) { m.calc().state().constant = " 1 2 "; }, 1, " 1 2 "},
      {"K as a number", [](Model& m) { m.calc().state().constant = -2.5; }, 1, "-2.5"},
      {"empty M", [](Model& m) { m.calc().state().stack = Value(); }, 2, "0"},
      {"M not a number", [](Model& m) { m.calc().state().stack = "abc"; }, 2, "0"},
      {"hexadecimal M", [](Model& m) { m.calc().state().stack = "FF"; }, 2, "0"},
      {"M", [](Model& m) { m.calc().state().stack = 1e20; }, 2, "1E+20"},
      {"no height", [](Model& m) { m.shell().height = 0; }, 3, "5340"},
      {"compact", [](Model& m) { m.shell().height = 1410; }, 3, "1410"},
      {"on top", [](Model& m) { m.shell().onTop = true; }, 4, "True"},
      {"not on top", [](Model& m) { m.shell().onTop = false; }, 4, "False"},
      {"start hidden", [](Model& m) { m.shell().minStart = true; }, 5, "True"},
      {"Fix", [](Model& m) { m.calc().state().OptionFix = true; }, 6, "True"},
      {"Scientific", [](Model& m) { m.calc().state().OptionSci = true; }, 7, "True"},
      {"places", [](Model& m) { m.calc().state().zeroes = 15; }, 8, "15"},
      {"radicals", [](Model& m) { m.calc().state().rootpart = true; }, 9, "True"},
      {"accuracy", [](Model& m) { m.calc().state().threshold = 1e-06; }, 10, "1E-06"},
      {"low accuracy", [](Model& m) { m.calc().state().threshold = 1e-04; }, 10, "0.0001"},
      {"grads", [](Model& m) { m.calc().state().flag = 2; }, 11, "2"},
      {"octal", [](Model& m) { m.calc().state().numBase = 3; }, 12, "3"},
      {"system colour", [](Model& m) { m.shell().screenColour = -2147483633; }, 13, "-2147483633"},
      {"white digits", [](Model& m) { m.shell().digitsColour = 0xFFFFFF; }, 14, "16777215"},
      {"shell", [](Model& m) { m.shell().shellColour = 0; }, 15, "0"},
      {"standard keys", [](Model& m) { m.shell().standardColour = 0x808080; }, 16, "8421504"},
      {"function keys", [](Model& m) { m.shell().functionColour = 1; }, 17, "1"},
      {"label", [](Model& m) { m.shell().personalLabel = "  Ada's  "; }, 18, "  Ada's  "},
      {"label over lines", [](Model& m) { m.shell().personalLabel = "two\r\nlines"; }, 18,
       "two  lines"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Started r;
    c.set(r.model);
    const std::vector<std::string> lines = splitCrlf(r.model.settingsText());
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[c.line - 1], c.expected);
  }
}

TEST(SettingsWrite, NumbersKeepTheirPointInADecimalCommaLocale) {
  Started r("", kGerman);
  r.s().threshold = 1e-04;
  r.s().zeroes = 3;
  r.s().stack = 0.5;
  const std::vector<std::string> lines = splitCrlf(r.model.settingsText());
  ASSERT_EQ(lines.size(), 29u);
  EXPECT_EQ(lines[1], "0,5");  // M as the locale shows it
  EXPECT_EQ(lines[7], "3");
  EXPECT_EQ(lines[9], "0.0001");
  // ...and read back, M still adds up.
  Started back("", kGerman);
  back.model.readSettingsText(r.model.settingsText());
  EXPECT_EQ(back.s().stack.parse(), 0.5);
  EXPECT_EQ(back.s().threshold, 1e-04);
}

TEST(SettingsWrite, StatisticsItemsFollowTheFixedLinesTopFirst) {
  Started r;
  for (const char* x : {"1", "2", "3"}) r.model.stats().statdatain_Click(x);
  const std::vector<std::string> lines = splitCrlf(r.model.settingsText());
  ASSERT_EQ(lines.size(), 32u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 29, lines.end()),
            (std::vector<std::string>{"3", "2", "1"}));
}

// Random states that the program can reach: registers of every kind, texts with
// blanks, negative colours, a loan and up to a thousand statistics items.
void randomState(Model& m, std::mt19937& rng, std::size_t items) {
  const NumberLocale& loc = m.locale();
  auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto number = [&]() {
    std::uniform_real_distribution<double> d(-1e6, 1e6);
    double x = d(rng);
    if (pick(4) == 0) x = std::ldexp(x, pick(400) - 200);
    return x;
  };
  auto text = [&]() {
    const std::string chars = " abcXYZ0123456789.,-+&'\"\t()=é";
    std::string t;
    const int n = pick(20);
    for (int i = 0; i < n; ++i) t += chars[static_cast<std::size_t>(pick(30))];
    return t;
  };
  CalcState& s = m.calc().state();
  ShellState& sh = m.shell();
  switch (pick(5)) {
    case 0:
      s.constant = Value();
      break;
    case 1:
      s.constant = "FF";
      break;
    case 2:
      s.constant = text();
      break;
    default:
      s.constant = NumberToText(number(), loc);
  }
  // M as the display shows numbers: 15 significant digits.
  s.stack = pick(3) == 0 ? Value() : Value(*TextToNumber(NumberToText(number(), loc), loc));
  if (pick(2) == 0) m.compact_Click();
  sh.onTop = pick(2) == 0;
  sh.minStart = pick(2) == 0;
  const int format = pick(3);
  s.OptionFix = format == 1;
  s.OptionSci = format == 2;
  s.zeroes = pick(16);
  s.rootpart = pick(2) == 0;
  const double accuracies[] = {1e-04, 1e-05, 1e-06};
  s.threshold = accuracies[pick(3)];
  s.flag = 1 + pick(3);
  s.numBase = 1 + pick(4);
  for (Colour ShellState::*c :
       {&ShellState::screenColour, &ShellState::digitsColour, &ShellState::shellColour,
        &ShellState::standardColour, &ShellState::functionColour})
    sh.*c = static_cast<Colour>(rng());
  sh.personalLabel = text();

  FinanceModel& fin = m.finance();
  if (pick(4) != 0) {
    fin.click(FinCell::kN, NumberToText(1 + pick(480), loc));
    fin.click(FinCell::kInt, NumberToText(1 + pick(20), loc));
    fin.click(FinCell::kPv, NumberToText(1000 + pick(1000000), loc));
    fin.click(FinCell::kFv, "0");
    fin.solve(FinKey::kPmt);
    if (pick(2) == 0) fin.finAmortize_Click();
  }
  for (std::size_t i = 0; i < items; ++i) m.stats().statdatain_Click(NumberToText(number(), loc));
}

TEST(SettingsRoundTrip, RandomStatesComeBackTheSame) {
  TempDir dir;
  const std::string path = dir.file("dadidedo.dat");
  std::mt19937 rng(7);
  for (const NumberLocale& loc : {kEnglish, kGerman}) {
    for (int round = 0; round < 60; ++round) {
      SCOPED_TRACE("round " + std::to_string(round) + " decimal " + loc.decimal);
      Started a("", loc);
      const std::size_t items = round == 0 ? 1000 : round % 3 == 0 ? 0 : rng() % 40;
      randomState(a.model, rng, items);
      a.model.setSettingsFile(path);
      ASSERT_TRUE(a.model.EndIt());
      const std::string written = slurp(path);

      Started b(path, loc);
      const CalcState& x = a.s();
      const CalcState& y = b.s();
      const std::string k = x.constant.text(loc);
      EXPECT_EQ(y.constant.text(loc), k.empty() ? "0" : k);
      EXPECT_EQ(y.stack.parse(), x.stack.parse());
      EXPECT_EQ(y.Memory, x.stack.parse() != 0 ? " M" : "");
      EXPECT_EQ(b.sh().size, a.sh().size);
      EXPECT_EQ(b.sh().height, a.sh().height);
      EXPECT_EQ(b.sh().onTop, a.sh().onTop);
      EXPECT_EQ(b.tk.topmost, a.sh().onTop);
      EXPECT_EQ(b.sh().minStart, a.sh().minStart);
      EXPECT_EQ(b.sh().hidden, a.sh().minStart);
      EXPECT_EQ(y.OptionFix, x.OptionFix);
      EXPECT_EQ(y.OptionSci, x.OptionSci);
      EXPECT_EQ(y.zeroes, x.zeroes);
      EXPECT_EQ(y.rootpart, x.rootpart);
      EXPECT_EQ(y.threshold, x.threshold);
      EXPECT_EQ(y.flag, x.flag);
      EXPECT_EQ(y.numBase, x.numBase);
      EXPECT_EQ(b.sh().screenColour, a.sh().screenColour);
      EXPECT_EQ(b.sh().digitsColour, a.sh().digitsColour);
      EXPECT_EQ(b.sh().shellColour, a.sh().shellColour);
      EXPECT_EQ(b.sh().standardColour, a.sh().standardColour);
      EXPECT_EQ(b.sh().functionColour, a.sh().functionColour);
      EXPECT_EQ(b.sh().personalLabel, a.sh().personalLabel);
      EXPECT_EQ(b.model.finance().savedLines(), a.model.finance().savedLines());
      EXPECT_EQ(b.model.stats().statlist(), a.model.stats().statlist());
      // The sums are taken in another order: equal up to rounding.
      double size = 1, squares = 1;
      for (const std::string& item : a.model.stats().statlist()) {
        const double v = ParseNumber(commafix(item));
        size += std::abs(v);
        squares += v * v;
      }
      EXPECT_NEAR(b.model.stats().statsums().parse(), a.model.stats().statsums().parse(),
                  1e-12 * size);
      EXPECT_NEAR(b.model.stats().statsquare().parse(), a.model.stats().statsquare().parse(),
                  1e-12 * squares);
      // Written again, the file is the same byte for byte.
      EXPECT_EQ(b.model.settingsText(), written);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

// The fuzzer's seed corpus and the inputs it once failed on: each file starts
// the calculator, and the file then written reads back to itself.
TEST(SettingsRoundTrip, FuzzCorpusFilesSettleAfterOneWrite) {
  const fs::path corpus = fs::path(__FILE__).parent_path() / "../../fuzz/corpus/settings";
  ASSERT_TRUE(fs::is_directory(corpus)) << corpus;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    SCOPED_TRACE(entry.path().filename().string());
    const std::string text = slurp(entry.path().string());
    for (const NumberLocale& loc : {kEnglish, kGerman}) {
      Started once("", loc);
      once.model.readSettingsText(text);
      const std::string written = once.model.settingsText();
      Started twice("", loc);
      twice.model.readSettingsText(written);
      EXPECT_EQ(twice.model.settingsText(), written);
      EXPECT_GE(twice.s().numBase, 1);
      EXPECT_LE(twice.s().numBase, 4);
      EXPECT_GE(twice.s().flag, 1);
      EXPECT_LE(twice.s().flag, 3);
    }
    ++files;
  }
  EXPECT_GE(files, 5);
}

TEST(SettingsEndIt, WritesTheFileWholeAndLeavesNothingElse) {
  TempDir dir;
  const std::string path = dir.file("dadidedo.dat");
  Started r(path);
  r.s().constant = "42";
  for (int i = 0; i < 1000; ++i) r.model.stats().statdatain_Click(std::to_string(i));
  EXPECT_TRUE(r.model.EndIt());
  EXPECT_EQ(slurp(path), r.model.settingsText());
  EXPECT_EQ(splitCrlf(slurp(path)).size(), 29u + 1000u);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"dadidedo.dat"});
  EXPECT_TRUE(r.tk.messages.empty());

  // Replacing keeps the file's permissions.
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(r.model.EndIt());
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);

  // A link to the file stays a link; the file it points to is replaced.
  const std::string link = dir.file("link.dat");
  fs::create_symlink(path, link);
  r.model.setSettingsFile(link);
  r.s().constant = "43";
  EXPECT_TRUE(r.model.EndIt());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(splitCrlf(slurp(path))[0], "43");
}

TEST(SettingsEndIt, WithoutASettingsFileNothingIsWritten) {
  TempDir dir;
  const fs::path before = fs::current_path();
  fs::current_path(dir.path());
  Started r;
  EXPECT_TRUE(r.model.EndIt());
  r.model.unload();
  fs::current_path(before);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{});
}

TEST(SettingsEndIt, AFailureKeepsTheOldFileAndIsReportedOnce) {
  TempDir dir;
  // Writing stops at a file size limit part of the way through the new file.
  const std::string path = dir.file("dadidedo.dat");
  spit(path, "old settings\r\n");
  Started r(path);
  r.sh().onTop = true;
  for (int i = 0; i < 1000; ++i) r.model.stats().statdatain_Click(std::to_string(i));
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 4096;
  const auto previous = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = r.model.EndIt();
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, previous);
  EXPECT_FALSE(written);
  EXPECT_EQ(slurp(path), "old settings\r\n");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"dadidedo.dat"});
  ASSERT_EQ(r.tk.messages.size(), 1u);
  EXPECT_EQ(r.tk.messages[0].text, "The settings could not be saved to " + path + ".");
  EXPECT_EQ(r.tk.messages[0].style, MsgStyle::Stop);
  EXPECT_EQ(r.tk.messages[0].title, "Error");
  EXPECT_TRUE(r.tk.topmost);  // placed on top again after the message

  // A folder in the file's place cannot be replaced.
  const std::string folder = dir.file("folder.dat");
  fs::create_directories(fs::path(folder) / "inside");
  Started f(folder);
  EXPECT_FALSE(f.model.EndIt());
  EXPECT_EQ(f.tk.messages.size(), 1u);
  EXPECT_TRUE(fs::is_directory(fs::path(folder) / "inside"));
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"dadidedo.dat", "folder.dat"}));
}

TEST(SettingsEndIt, UnloadWritesTheFileThatStartUpReads) {
  TempDir dir;
  const std::string path = dir.file("dadidedo.dat");
  {
    Started r(path);
    r.model.press(Key::Mode);  // degrees to radians
    r.model.press(Key::Mode);  // grads
    r.model.unload();
  }
  Started again(path);
  EXPECT_EQ(again.s().flag, 2);
  EXPECT_EQ(again.s().gradlabel, "g");
}

constexpr const char* kOverwrite =
    "This folder already contains a file with that name.  Do you want to overwrite it?";

TEST(SettingsSave, CopiesTheSettingsToTheChosenFile) {
  struct Case {
    const char* name;
    const char* chosen;  // the bare name in the other folder; "" cancels
    std::optional<std::string> existing;
    std::vector<MsgAnswer> answers;
    bool asked;
    bool copied;
  };
  const Case cases[] = {
      {"cancel", "", std::nullopt, {}, false, false},
      {"new file", "copy.dat", std::nullopt, {}, false, true},
      {"overwrite yes", "copy.dat", "old\r\n", {MsgAnswer::Yes}, true, true},
      {"overwrite no", "copy.dat", "old\r\n", {MsgAnswer::No}, true, false},
      {"empty file", "copy.dat", "", {}, false, true},
      {"the settings file's name", "dadidedo.dat", std::nullopt, {}, false, false},
      {"the settings file's name, existing",
       "dadidedo.dat",
       "old\r\n",
       {MsgAnswer::Yes},
       true,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir home, other;
    const std::string path = home.file("dadidedo.dat");
    const std::string target = other.file(c.chosen);
    Started r(path);
    r.sh().onTop = true;
    r.model.onTopRestore();
    r.s().constant = "FF";
    if (c.existing) spit(target, *c.existing);
    if (*c.chosen) r.tk.fileAnswers.push_back({target, c.chosen});
    r.tk.messageAnswers = c.answers;
    r.model.save_Click();

    // The settings file is written first, whatever follows.
    EXPECT_EQ(splitCrlf(slurp(path))[0], "FF");
    ASSERT_EQ(r.tk.messages.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(r.tk.messages[0].text, kOverwrite);
      EXPECT_EQ(r.tk.messages[0].style, MsgStyle::Question);
      EXPECT_EQ(r.tk.messages[0].title, "Confirm Save");
    }
    EXPECT_TRUE(r.tk.topmost);
    if (!*c.chosen) continue;
    if (c.copied)
      EXPECT_EQ(slurp(target), slurp(path));
    else if (c.existing)
      EXPECT_EQ(slurp(target), *c.existing);
    else
      EXPECT_FALSE(fs::exists(target));
  }
}

TEST(SettingsSave, WithoutASettingsFileSavesTheCurrentSettings) {
  TempDir other;
  Started r;
  r.s().constant = "12";
  r.tk.fileAnswers.push_back({other.file("mine.dat"), "mine.dat"});
  r.model.save_Click();
  EXPECT_EQ(slurp(other.file("mine.dat")), r.model.settingsText());
}

/// A settings file as the program writes it, with K, the base and statistics items.
std::string fileWith(const std::string& k, int base, const std::vector<std::string>& items,
                     bool compact = false) {
  Started r;
  r.s().constant = k;
  r.s().numBase = base;
  if (compact) r.sh().height = 1410;
  for (const std::string& i : items) r.model.stats().statdatain_Click(i);
  return r.model.settingsText();
}

TEST(SettingsLoad, ReplacesTheSettingsAndStartsAgain) {
  TempDir home, other;
  const std::string path = home.file("dadidedo.dat");
  const std::string chosen = other.file("three.dat");
  const std::string loaded = fileWith("9", 2, {"10", "20", "30"});
  spit(chosen, loaded);
  Started r(path);
  for (const char* x : {"1", "2", "3", "4", "5"}) r.model.stats().statdatain_Click(x);
  r.s().stack = 5;  // M before, none in the file
  r.s().Memory = " M";
  r.tk.fileAnswers.push_back({chosen, "three.dat"});
  r.model.load_Click();

  EXPECT_EQ(slurp(path), loaded);
  EXPECT_EQ(r.s().constant.text(kEnglish), "9");
  EXPECT_EQ(r.s().Memory, "");
  EXPECT_EQ(r.s().LblBase, "h");
  EXPECT_EQ(r.model.stats().statlist(), (std::vector<std::string>{"30", "20", "10"}));
  EXPECT_EQ(r.model.stats().statsums().parse(), 60);
  EXPECT_EQ(r.model.stats().statsquare().parse(), 1400);
  EXPECT_TRUE(r.tk.messages.empty());

  // Loading the same file again gives the same state as loading it once.
  const std::string once = r.model.settingsText();
  r.tk.fileAnswers.push_back({chosen, "three.dat"});
  r.model.load_Click();
  EXPECT_EQ(r.model.settingsText(), once);
}

TEST(SettingsLoad, ChoicesThatChangeNothing) {
  enum class Kind { kNone, kFile, kFolder };
  struct Case {
    const char* name;
    const char* chosen;  // "" cancels
    Kind kind;
    bool notFound;
  };
  const Case cases[] = {
      {"cancel", "", Kind::kNone, false},
      {"missing file", "gone.dat", Kind::kNone, true},
      {"the settings file's name", "dadidedo.dat", Kind::kFile, false},
      {"a folder", "folder.dat", Kind::kFolder, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir home, other;
    const std::string path = home.file("dadidedo.dat");
    const std::string target = other.file(c.chosen);
    if (c.kind == Kind::kFile) spit(target, fileWith("1", 1, {}));
    if (c.kind == Kind::kFolder) fs::create_directory(target);
    Started r(path);
    r.sh().onTop = true;
    r.model.onTopRestore();
    r.s().constant = "77";
    r.model.stats().statdatain_Click("8");
    ASSERT_TRUE(r.model.EndIt());
    const std::string before = slurp(path);
    if (*c.chosen) r.tk.fileAnswers.push_back({target, c.chosen});
    r.model.load_Click();

    EXPECT_EQ(slurp(path), before);
    EXPECT_EQ(r.s().constant.text(kEnglish), "77");
    EXPECT_EQ(r.model.stats().statlist(), std::vector<std::string>{"8"});
    ASSERT_EQ(r.tk.messages.size(), c.notFound ? 1u : 0u);
    if (c.notFound) {
      EXPECT_EQ(r.tk.messages[0].text, "The file \"" + target + "\" could not be found.");
      EXPECT_EQ(r.tk.messages[0].style, MsgStyle::Exclamation);
      EXPECT_EQ(r.tk.messages[0].title, "Load Settings");
    }
    EXPECT_TRUE(r.tk.topmost);
  }
}

TEST(SettingsLoad, SizeAndMenusFollowTheLoadedHeight) {
  TempDir home, other;
  spit(other.file("compact.dat"), fileWith("1", 1, {}, true));
  spit(other.file("normal.dat"), fileWith("1", 1, {}, false));
  Started r(home.file("dadidedo.dat"));
  r.model.Statistics_Click();  // the fold-out is open
  r.tk.fileAnswers.push_back({other.file("compact.dat"), "compact.dat"});
  r.model.load_Click();
  EXPECT_TRUE(r.sh().size);
  EXPECT_EQ(r.sh().height, 1410);
  EXPECT_EQ(r.sh().width, 3300);
  EXPECT_EQ(r.sh().compactCaption, "Normal &Size");
  EXPECT_FALSE(r.sh().panelItemsEnabled);
  EXPECT_FALSE(r.sh().statisticsChecked);

  r.tk.fileAnswers.push_back({other.file("normal.dat"), "normal.dat"});
  r.model.load_Click();
  EXPECT_FALSE(r.sh().size);
  EXPECT_EQ(r.sh().height, 5340);
  EXPECT_EQ(r.sh().compactCaption, "Compact &Size");
  EXPECT_TRUE(r.sh().panelItemsEnabled);
  EXPECT_EQ(r.sh().flap, 1);
  // Compact size chosen twice from here is back where it started.
  r.model.compact_Click();
  r.model.compact_Click();
  EXPECT_EQ(r.sh().height, 5340);
  EXPECT_TRUE(r.sh().panelItemsEnabled);
}

TEST(SettingsLoad, WithoutASettingsFileAppliesTheChosenFile) {
  TempDir other;
  spit(other.file("k.dat"), fileWith("123", 3, {"4"}));
  Started r;
  r.tk.fileAnswers.push_back({other.file("k.dat"), "k.dat"});
  r.model.load_Click();
  EXPECT_EQ(r.s().constant.text(kEnglish), "123");
  EXPECT_EQ(r.s().LblBase, "o");
  EXPECT_EQ(r.model.stats().statlist(), std::vector<std::string>{"4"});
  EXPECT_EQ(r.model.settingsFile(), "");
  EXPECT_EQ(other.entries(), std::vector<std::string>{"k.dat"});
}

}  // namespace
}  // namespace zova
