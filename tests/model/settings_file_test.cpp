// The settings file: its lines read with their fallback values, written back,
// round trips, bad files kept as backups, special files left alone, and Save and
// Load Settings.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <random>
#include <tuple>

#include "model/model.h"
#include "model/sequence.h"
#include "support/key_runner.h"
#include "support/temp_dir.h"

namespace zova {
namespace {

using testing::kEnglish;
using testing::kGerman;
using testing::slurp;
using testing::spit;
using testing::Started;
using testing::TempDir;
using Lines = std::vector<std::string>;

std::string crlf(const Lines& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

// K 7, M 12.5, normal size, Fix with 4 places, radicals, low accuracy, radians,
// decimal, five colours, a label with blanks, a loan, and three statistics items.
Lines sampleWith(std::size_t line = 0, const std::string& text = "") {
  Lines lines = {
      "7",        "12.5",    "5340",    "False",      "False", "True",   "False",
      "4",        "True",    "0.0001",  "1",          "1",     "255",    "-2147483633",
      "16777215", "0",       "8421504", " My  calc ", "0.08",  "12",     "0.00666666666666667",
      "360",      "-733.76", "100000",  "0",          "360",   "-67.09", "-666.67",
      "99932.91", "1.5",     "-2",      "4"};
  if (line > 0) lines[line - 1] = text;
  return lines;
}

/// What the file holds, as the calculator shows it.
auto held(Started& r) {
  const CalcState& s = r.s();
  const ShellState& sh = r.sh();
  return std::make_tuple(s.memory.parse(), sh.compact, sh.onTop, sh.startupEntry, s.format,
                         s.decimalPlaces, s.fractionRadicals, s.fractionAccuracy, s.angleUnit,
                         s.base,
                         Lines{std::to_string(sh.screenColour), std::to_string(sh.digitsColour),
                               std::to_string(sh.shellColour), std::to_string(sh.standardColour),
                               std::to_string(sh.functionColour)},
                         sh.personalLabel, r.model.finance().savedLines(), r.model.stats().items());
}

/// Start values and fallback values as a first start without a file gives them.
void expectFallback(Started& r) {
  const CalcState& s = r.s();
  const ShellState& sh = r.sh();
  EXPECT_EQ(std::tie(s.display, s.memoryCaption, s.degCaption, s.radCaption, s.baseCaption),
            std::make_tuple("0", "", "d", "", ""));
  EXPECT_EQ((std::vector<bool>{sh.compact, sh.onTop, r.tk.topmost, sh.startupEntry, sh.hidden,
                               s.format != NumberFormat::kStandard, s.fractionRadicals}),
            std::vector<bool>(7, false));
  EXPECT_EQ(std::make_tuple(s.kRegister.text(kEnglish), s.memory.parse(), sh.height(),
                            s.decimalPlaces, s.fractionAccuracy, s.angleUnit, s.radiansPerUnit,
                            s.base, r.model.stats().count()),
            std::make_tuple("0", Decimal(), 5340, Decimal(2), 1e-05_dec, AngleUnit::kDegrees,
                            decimalPi() / 180, Base::kDecimal, 0u));
}

void expectMessage(const HeadlessToolkit& tk, const std::string& text, MsgStyle style,
                   const char* title) {
  ASSERT_EQ(tk.messages.size(), 1u);
  EXPECT_EQ(std::tie(tk.messages[0].text, tk.messages[0].style, tk.messages[0].title),
            std::make_tuple(text, style, title));
}

// Every line applied, with any line end (LF CR of a damaged file too) and a byte order
// mark, and written back byte for byte with CR LF, "." in M in every locale.
TEST(SettingsFile, ACompleteFileAppliesEveryLineAndIsWrittenBackTheSame) {
  for (const std::string end : {"\r\n", "\n", "\r", "\n\r", "BOM"}) {
    SCOPED_TRACE(end);
    std::string text = end == "BOM" ? "\xEF\xBB\xBF" : "";
    for (const std::string& l : sampleWith()) text += l + (end == "BOM" ? "\r\n" : end);
    if (end == "\n" || end == "\r") text.pop_back();  // the last line may end without one
    TempDir dir;
    spit(dir.file("dadidedo.dat"), text);
    Started r(dir.file("dadidedo.dat"), end == "BOM" ? kGerman : kEnglish);
    const Lines sample = sampleWith();
    EXPECT_EQ(held(r),
              std::make_tuple(12.5_dec, false, false, false, NumberFormat::kFix, Decimal(4), true,
                              1e-04_dec, AngleUnit::kRadians, Base::kDecimal,
                              Lines(sample.begin() + 12, sample.begin() + 17), " My  calc ",
                              Lines(sample.begin() + 18, sample.begin() + 29),
                              Lines{end == "BOM" ? "1,5" : "1.5", "-2", "4"}));
    EXPECT_EQ(std::make_tuple(r.s().kRegister.text(kEnglish), r.s().memoryCaption, r.s().radCaption,
                              r.s().degCaption, r.s().radiansPerUnit),
              std::make_tuple("7", " M", "r", "", Decimal(1)));
    EXPECT_EQ(r.model.stats().sumOfSquares().parse(), 2.25_dec + 4 + 16);
    EXPECT_TRUE(r.tk.messages.empty());
    EXPECT_EQ(r.model.settingsText(), crlf(sample));
  }
}

// An empty K and an M that is no number are written as 0, a line break in the label as a blank; a
// new statistics item comes first.
TEST(SettingsFile, LinesWithTheirOwnForm) {
  Started r;
  r.model.readSettingsText(crlf(sampleWith()));
  r.s().kRegister = Value();
  r.s().memory = "abc";
  r.sh().personalLabel = "two\r\nlines";
  r.model.stats().enterItem("5");
  Lines expected = sampleWith(18, "two  lines");
  expected.insert(expected.begin() + 29, "5");
  std::tie(expected[0], expected[1]) = std::make_tuple("0", "0");
  EXPECT_EQ(r.model.settingsText(), crlf(expected));
}

// Odd forms of a line read as its value; a line that does not convert, or the end
// of the file before it, falls back after the lines before it, silently.
TEST(SettingsRead, EachLineTakesItsFormsOrFallsBack) {
  struct Case {
    std::size_t line;
    const char* text;               // nullptr: the file ends before the line
    const char* written = nullptr;  // nullptr: the fallback
  };
  const Case cases[] = {
      {2, "2,5", "2.5"},   {3, " 5340 ", "5340"}, {3, "&H14DC", "5340"}, {3, "5339", "1410"},
      {4, "true", "True"}, {4, "2.5", "True"},    {4, "", "False"},      {11, " 2.4 ", "2"},
      {8, "abc", "0"},     {10, "1,5E-05", "1"},  {11, "abc", "1"},  // lenient, never fail
      {1, nullptr},        {3, "tall"},           {4, "maybe"},          {12, "5"},
      {13, nullptr},       {14, "4294967296"},    {17, "1.5.5"},         {18, nullptr},
      {20, "twelve"},      {20, "40000"},         {25, nullptr},         {29, "1E30"},
  };
  const ShellState start;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.line) + ": " + (c.text ? c.text : "end of file"));
    Lines lines = sampleWith();
    if (c.text)
      lines[c.line - 1] = c.text;
    else
      lines.resize(c.line - 1);
    TempDir dir;
    spit(dir.file("dadidedo.dat"), crlf(lines));
    Started r(dir.file("dadidedo.dat"));
    EXPECT_TRUE(r.tk.messages.empty());
    if (c.written) {
      EXPECT_EQ(r.model.settingsText(), crlf(sampleWith(c.line, c.written)));
      continue;
    }
    expectFallback(r);
    EXPECT_EQ(r.sh().screenColour, c.line > 13 ? 255 : start.screenColour);
    EXPECT_EQ(r.sh().personalLabel, c.line > 18 ? " My  calc " : "");
    EXPECT_EQ(r.model.finance().caption(FinCell::kPv), c.line > 24 ? "100,000.00" : "");
  }
}

TEST(SettingsRead, MissingAndBadFilesFallBack) {
  TempDir dir;
  Started missing(dir.file("none.dat"));
  expectFallback(missing);
  std::mt19937 rng(20240611);
  std::string garbage(1 << 16, '\0');
  for (char& c : garbage) c = static_cast<char>(rng());
  for (const std::string& text : {garbage, std::string(50u << 20, 'x'), std::string(200, '\0'),
                                  crlf(sampleWith(3, std::string(1 << 20, '7')))}) {
    spit(dir.file("dadidedo.dat"), text);
    Started r(dir.file("dadidedo.dat"));
    expectFallback(r);
  }
  EXPECT_EQ(dir.entries(), Lines{"dadidedo.dat"});  // reading creates nothing
}

// A file with as many items as the register takes is read whole; one with more is
// not read at all, and is kept as NAME.bak at the first write. Texts of 1 MB and an
// item whose square is beyond the range of results are kept and written back whole.
TEST(SettingsRead, BigFilesAreReadWholeOrNotAtAll) {
  TempDir dir;
  std::string text = crlf(sampleWith());
  for (std::size_t i = 3; i < kMaxStatItems; ++i) text += "1\r\n";
  spit(dir.file("full.dat"), text);
  Started full(dir.file("full.dat"));
  EXPECT_EQ(full.model.stats().sum().parse(), 3.5_dec + static_cast<int>(kMaxStatItems - 3));
  ASSERT_FALSE(runSequence(full.model, "7,stat:enter"));  // Enter Data beeps and refuses more
  EXPECT_EQ(std::make_tuple(full.model.stats().count(), full.tk.beeps),
            std::make_tuple(kMaxStatItems, 1));
  ASSERT_TRUE(full.model.writeSettings());
  EXPECT_EQ(slurp(dir.file("full.dat")), text);
  text += "1\r\n";
  spit(dir.file("over.dat"), text);
  Started over(dir.file("over.dat"));
  expectFallback(over);
  ASSERT_TRUE(over.model.writeSettings());
  EXPECT_EQ(slurp(dir.file("over.dat.bak")), text);

  Lines lines = sampleWith(1, std::string(1 << 20, 'F'));
  lines[17] = std::string(1 << 20, ' ') + "label";
  lines.resize(29);
  lines.insert(lines.end(), {"1E200", "0,5", std::string(1 << 20, '9')});
  spit(dir.file("long.dat"), crlf(lines));
  Started longLines(dir.file("long.dat"));
  EXPECT_EQ(std::make_tuple(longLines.s().kRegister.text(kEnglish), longLines.sh().personalLabel),
            std::make_tuple(lines[0], lines[17]));
  lines[30] = "0.5";  // a decimal comma comes back as the locale's point
  EXPECT_EQ(longLines.model.stats().items(), Lines(lines.begin() + 29, lines.end()));
  EXPECT_EQ(longLines.model.stats().sum().parse(), 1e200_dec + 0.5_dec);
  EXPECT_EQ(longLines.model.settingsText(), crlf(lines));
}

// Random states the program can reach, written and read back: registers of every kind,
// texts with blanks, negative colours, a loan and up to a thousand statistics items.
TEST(SettingsRoundTrip, RandomStatesComeBackTheSame) {
  TempDir dir;
  const std::string path = dir.file("dadidedo.dat");
  std::mt19937 rng(7);
  auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  for (const NumberLocale& loc : {kEnglish, kGerman}) {
    auto number = [&] {
      const std::string digits = std::to_string(rng()) + std::to_string(rng());
      const std::string x = (pick(2) ? "-" : "") + digits.substr(0, 1 + pick(20)) + "e" +
                            std::to_string(pick(4) == 0 ? pick(120) - 60 : -pick(8));
      return numberToText(*Decimal::read(x), loc);
    };
    for (int round = 0; round < 20; ++round) {
      SCOPED_TRACE("round " + std::to_string(round) + " decimal " + loc.decimal);
      Started a("", loc);
      CalcState& s = a.s();
      ShellState& sh = a.sh();
      std::string text(static_cast<std::size_t>(pick(20)), ' ');
      for (char& c : text) c = " abcXYZ0123456789.,-+&'\"\t()=\xC3\xA9"[pick(30)];
      s.kRegister = std::array<Value, 4>{Value(), "FF", text, number()}[pick(4)];
      // M as the display shows numbers, or a sum with more digits.
      s.memory = pick(3) == 0 ? Value() : Value(*textToNumber(number(), loc) / 7);
      if (pick(2) == 0) a.model.toggleCompactSize();
      std::tie(sh.onTop, sh.startupEntry, s.fractionRadicals) =
          std::make_tuple(pick(2) == 0, pick(2) == 0, pick(2) == 0);
      std::tie(s.format, s.decimalPlaces, s.angleUnit, s.base) =
          std::make_tuple(NumberFormat(pick(3)), pick(16), AngleUnit(pick(3)), Base(pick(4)));
      s.fractionAccuracy = std::array{1e-04_dec, 1e-05_dec, 1e-06_dec}[pick(3)];
      for (Colour* c : {&sh.screenColour, &sh.digitsColour, &sh.shellColour, &sh.standardColour,
                        &sh.functionColour})
        *c = static_cast<Colour>(rng());
      sh.personalLabel = text;
      if (pick(4) != 0) {
        for (auto [cell, x] : {std::pair(FinCell::kN, 1 + pick(480)),
                               {FinCell::kInt, 1 + pick(20)},
                               {FinCell::kPv, 1000 + pick(1000000)},
                               {FinCell::kFv, 0}})
          a.model.finance().click(cell, numberToText(x, loc));
        a.model.finance().solve(FinKey::kPmt);
        if (pick(2) == 0) a.model.finance().amortize();
      }
      const int items = round == 0 ? 1000 : round % 3 == 0 ? 0 : pick(40);
      for (int i = 0; i < items; ++i) a.model.stats().enterItem(number());
      a.model.setSettingsFile(path);
      ASSERT_TRUE(a.model.writeSettings());
      Started b(path, loc);
      const std::string k = a.s().kRegister.text(loc);
      EXPECT_EQ(b.s().kRegister.text(loc), k.empty() ? "0" : k);
      EXPECT_EQ(held(b), held(a));
      // What start-up shows of the size and placement it read.
      EXPECT_EQ((std::vector<bool>{b.tk.topmost, b.sh().onTop, b.sh().hidden, b.tk.hidden}),
                (std::vector<bool>{sh.onTop, sh.onTop, sh.startupEntry, sh.startupEntry}));
      EXPECT_EQ(b.tk.height, sh.height());
      EXPECT_EQ(b.model.settingsText(), slurp(path));  // written again, the same byte for byte
      if (::testing::Test::HasFailure()) return;
    }
  }
}

// The new file is written beside the old one and renamed over it: when writing stops
// at a file size limit the old file stays and the temporary file is gone.
TEST(SettingsWrite, ReplacesTheFileWholeOrNotAtAll) {
  TempDir dir;
  const std::string path = dir.file("dadidedo.dat");
  Started r(path);
  spit(path, "old settings\r\n");
  r.sh().onTop = true;
  for (int i = 0; i < 1000; ++i) r.model.stats().enterItem(std::to_string(i));
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 4096;
  const auto previous = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = r.model.writeSettings();
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, previous);
  EXPECT_FALSE(written);
  EXPECT_EQ(slurp(path), "old settings\r\n");
  EXPECT_EQ(dir.entries(), Lines{"dadidedo.dat"});
  expectMessage(r.tk, "The settings could not be saved to " + path + ": File too large.",
                MsgStyle::kStop, "Error");
  EXPECT_TRUE(r.tk.topmost);  // placed on top again after the message
  ASSERT_TRUE(r.model.writeSettings());
  EXPECT_EQ(slurp(path), r.model.settingsText());
  EXPECT_EQ(dir.entries(), Lines{"dadidedo.dat"});
}

// One row per outcome of the Save and Load Settings dialogs; a message box is shown
// with the window off top, which is placed on top again after it.
TEST(SettingsDialogs, SaveAndLoadOutcomes) {
  const std::string overwrite =
      "This folder already contains a file with that name.  Do you want to overwrite it?";
  const std::string fifo = "The file \"TARGET\" could not be read: it is not a regular file.";
  struct Case {
    bool load;
    const char* chosen;  // the bare name in the other folder; "" cancels
    const char* there;   // what the chosen name already holds: nullptr none, "|" a FIFO
    std::optional<MsgAnswer> answer;  // to the overwrite question, when it is asked
    bool copied;                      // Save: the settings file is copied there
    std::string message;              // TARGET: the chosen path
  };
  const Case cases[] = {
      {false, "", nullptr, {}, false, ""},
      {false, "copy.dat", nullptr, {}, true, ""},
      {false, "copy.dat", "old\r\n", MsgAnswer::kYes, true, overwrite},
      {false, "copy.dat", "old\r\n", MsgAnswer::kNo, false, overwrite},
      {false, "copy.dat", "", {}, true, ""},
      {false, "dadidedo.dat", nullptr, {}, false, ""},  // the settings file's own name
      {false, "dadidedo.dat", "old\r\n", MsgAnswer::kYes, false, overwrite},
      {false, "no/copy.dat", nullptr, {}, false, "The settings could not be saved to TARGET: "},
      {true, "", nullptr, {}, false, ""},
      {true, "gone.dat", nullptr, {}, false, "The file \"TARGET\" could not be found."},
      {true, "dadidedo.dat", "old\r\n", {}, false, ""},
      {true, "fifo.dat", "|", {}, false, fifo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.load ? "load " : "save ") + c.chosen);
    TempDir home, other;
    const std::string path = home.file("dadidedo.dat"), target = other.file(c.chosen);
    const std::string there = c.there ? c.there : "";
    if (there == "|") {
      ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0);
    } else if (c.there) {
      spit(target, there);
    }
    Started r(path);
    r.sh().onTop = true;
    r.model.onTopRestore();
    r.s().kRegister = "FF";
    r.model.stats().enterItem("8");
    ASSERT_TRUE(!c.load || r.model.writeSettings());
    const std::string before = slurp(path);
    if (*c.chosen) r.tk.fileAnswers.push_back({target, c.chosen});
    if (c.answer) r.tk.messageAnswers = {*c.answer};
    ::alarm(20);  // a FIFO must not make Load Settings wait for a writer
    c.load ? r.model.loadSettingsFrom() : r.model.saveSettingsAs();
    ::alarm(0);
    std::string message = c.message;
    if (const auto at = message.find("TARGET"); at != std::string::npos)
      message.replace(at, 6, target);
    ASSERT_EQ(r.tk.messages.size(), message.empty() ? 0u : 1u);
    if (!message.empty()) {
      EXPECT_EQ(r.tk.messages[0].text.substr(0, message.size()), message);
    }
    EXPECT_TRUE(r.tk.topmost);
    if (c.load) {
      EXPECT_EQ(slurp(path), before);
      EXPECT_EQ(std::make_tuple(r.s().kRegister.text(kEnglish), r.model.stats().items()),
                std::make_tuple("FF", Lines{"8"}));
      continue;
    }
    EXPECT_EQ(slurp(path).substr(0, 4), "FF\r\n");  // the settings file is written first
    if (!*c.chosen) continue;
    EXPECT_EQ(slurp(target), c.copied ? slurp(path) : there);
  }
}

TEST(SettingsLoad, ReplacesTheSettingsAndStartsAgain) {
  TempDir home, other;
  const std::string path = home.file("dadidedo.dat");
  Lines lines = sampleWith();  // K 9, no M, compact size, hexadecimal
  std::tie(lines[0], lines[1], lines[2], lines[11]) = std::make_tuple("9", "0", "1410", "2");
  const std::string loaded = crlf(lines);
  spit(other.file("three.dat"), loaded);
  spit(other.file("normal.dat"), crlf(sampleWith()));
  Started r(path);
  const ShellState& sh = r.sh();
  const auto load = [&](const std::string& name) {
    r.tk.fileAnswers.push_back({other.file(name), name});
    r.model.loadSettingsFrom();
  };
  for (const char* x : {"1", "2", "3", "4", "5"}) r.model.stats().enterItem(x);
  r.s().memory = 5;  // M before, none in the file
  r.s().memoryCaption = " M";
  r.model.toggleStatisticsPanel();  // the fold-out is open
  load("three.dat");
  EXPECT_EQ(slurp(path), loaded);
  EXPECT_EQ(std::make_tuple(r.s().kRegister.text(kEnglish), r.s().memoryCaption, r.s().baseCaption,
                            r.model.stats().items()),
            std::make_tuple("9", "", "h", Lines{"1.5", "-2", "4"}));
  EXPECT_EQ(std::make_tuple(sh.compact, sh.height(), sh.width(), sh.foldOut),
            std::make_tuple(true, 1410, 3300, FoldOut::kNone));
  const std::string once = r.model.settingsText();
  load("three.dat");
  EXPECT_EQ(r.model.settingsText(), once);
  load("normal.dat");
  EXPECT_EQ(std::make_tuple(sh.compact, sh.height(), sh.foldOut),
            std::make_tuple(false, 5340, FoldOut::kNone));
  // Undo puts back the state read before, not the file; redo the state loaded.
  const std::string normal = r.model.settingsText();
  r.model.undo();
  EXPECT_EQ(std::make_tuple(r.model.settingsText(), slurp(path), r.tk.height),
            std::make_tuple(once, crlf(sampleWith()), 1410));
  r.model.redo();
  EXPECT_EQ(r.model.settingsText(), normal);
}

// Without a settings file of its own (the command line without --settings) writeSettings
// writes nothing, Save writes the current settings and Load applies the chosen file.
TEST(SettingsLoad, WithoutASettingsFile) {
  TempDir other;
  spit(other.file("k.dat"), crlf(sampleWith(1, "123")));
  Started r;
  EXPECT_TRUE(r.model.writeSettings());  // nothing to write
  r.s().kRegister = "12";
  r.tk.fileAnswers = {{other.file("mine.dat"), "mine.dat"}, {other.file("k.dat"), "k.dat"}};
  r.model.saveSettingsAs();
  EXPECT_EQ(slurp(other.file("mine.dat")), r.model.settingsText());
  r.model.statPress(StatKey::kEnter);  // replaced by the file's three items
  r.model.loadSettingsFrom();
  EXPECT_EQ(std::make_tuple(r.s().kRegister.text(kEnglish), r.model.settingsFile(),
                            r.model.stats().count()),
            std::make_tuple("123", "", 3u));
  EXPECT_EQ(other.entries(), (Lines{"k.dat", "mine.dat"}));
}

// A file that is there but falls back is renamed to NAME.bak before the first write,
// and the user is told once; a good or an empty file leaves none. What is not a regular
// file the user may write is never renamed, replaced or written; it is reported.
TEST(SettingsKeep, BadFilesAreKeptAsBackupAndSpecialOnesLeftAlone) {
  const std::string kept =
      "could not be read. It has been kept as PATH.bak, and the settings "
      "are saved anew.";
  const std::tuple<std::optional<std::string>, bool, std::string> cases[] = {
      // the file's text (none: a FIFO), read-only, the message (PATH: the file)
      {crlf(sampleWith(4, "maybe")), false, kept},
      {"\x01\xff\r\n", false, kept},
      {crlf(sampleWith()), false, ""},
      {"", false, ""},
      {std::nullopt, false, "could not be read, and it is not a file"},
      {crlf(sampleWith()), true, ": the file is read-only."},
      {crlf(sampleWith(12, "9")), true, "could not be read, and it is not a file"},
  };
  for (auto [text, readOnly, message] : cases) {
    SCOPED_TRACE(message + " " + std::to_string(text ? text->size() : 0));
    TempDir dir;
    const std::string path = dir.file("dadidedo.dat");
    if (!text) {
      ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    } else {
      spit(path, *text);
      if (readOnly) ::chmod(path.c_str(), 0444);
    }
    Started r(path);
    r.s().kRegister = "5";
    const bool special = !text || readOnly;
    EXPECT_NE(r.model.writeSettings(), special);
    EXPECT_TRUE(special || r.model.writeSettings());  // told once; a backup stays
    if (const auto at = message.find("PATH"); at != std::string::npos) message.replace(at, 4, path);
    ASSERT_EQ(r.tk.messages.size(), message.empty() ? 0u : 1u);
    if (!message.empty()) {
      EXPECT_NE(r.tk.messages[0].text.find(path), std::string::npos);
      EXPECT_NE(r.tk.messages[0].text.find(message), std::string::npos) << r.tk.messages[0].text;
    }
    const bool backup = message.find(".bak") != std::string::npos;
    Lines files{"dadidedo.dat"};
    if (backup) {
      files.push_back("dadidedo.dat.bak");
      EXPECT_EQ(slurp(path + ".bak"), *text);
    }
    EXPECT_EQ(dir.entries(), files);
    if (text) {
      EXPECT_EQ(slurp(path).substr(0, special ? std::string::npos : 3), special ? *text : "5\r\n");
    }
  }
}

}  // namespace
}  // namespace zova
