// The settings file: 29 fixed lines and then the statistics items, written by
// writeSettings at exit, read back at start-up with fallback values for what cannot be
// read, and copied to and from a chosen file by Save and Load Settings.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "model/model.h"
#include "model/window_geometry.h"

namespace zova {

namespace {

constexpr std::size_t kFinanceLines = 11;  // lines 19 to 29
// The list box of the statistics panel is not meant for more; lines past it are ignored.
constexpr std::size_t kMaxStatItems = 100000;
// A real settings file is far smaller; a bigger one is not read at all.
constexpr off_t kMaxFileBytes = 64 << 20;

constexpr const char* kFilter = "Data Files (*.dat)|*.dat|";
constexpr const char* kOverwriteText =
    "This folder already contains a file with that name.  Do you want to overwrite it?";

// Lines 8 and 10 to 12 are written with "." whatever the locale and read back
// the same way, without grouping symbols.
const NumberLocale kPoint{".", ""};

/// The lines of a text, each ended by CR LF, LF or CR; a last line without an
/// end counts too.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}
  bool next(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t end = rest_.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      line = rest_;
      rest_ = {};
      return true;
    }
    line = rest_.substr(0, end);
    std::size_t skip = 1;
    if (rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n') skip = 2;
    rest_.remove_prefix(end + skip);
    return true;
  }

 private:
  std::string_view rest_;
};

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
  if (const auto x = TextToNumber(t, loc)) return *x != 0;
  return std::nullopt;
}

std::string boolean(bool b) { return b ? "True" : "False"; }

/// Texts keep their lines: a line break inside one would split it.
std::string oneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

// One row per fixed line from 1 to 18: what writeSettings writes, and how start-up
// applies the line (false: the line does not convert).
struct LineRow {
  std::string (*write)(Model&);
  bool (*read)(Model&, std::string_view);
};

bool readBooleanInto(Model& m, std::string_view line, bool& field) {
  const auto b = readBoolean(line, m.locale());
  if (b) field = *b;
  return b.has_value();
}

bool readColour(Model& m, std::string_view line, void (Model::*command)()) {
  const auto x = TextToNumber(line, m.locale());
  const auto c = x ? RoundToLong(*x) : std::nullopt;
  if (!c) return false;
  // Before start-up has finished the command takes the picker's colour without showing it.
  m.shell().pickerColour = *c;
  (m.*command)();
  return true;
}

std::string colourText(Colour c) { return NumberToText(c, {}); }

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

const std::array<LineRow, 18> kFixedLines{{
    // 1: K keeps its text, so that a hexadecimal K survives; only an empty K is "0".
    {[](Model& m) {
       std::string k = m.calc().state().kRegister.text(m.locale());
       return k.empty() ? std::string("0") : oneLine(std::move(k));
     },
     [](Model& m, std::string_view line) {
       m.calc().state().kRegister = std::string(line);
       return true;
     }},
    // 2: M. A line that is a number exactly as the locale writes it is held as
    // that number, so that M adds up in a decimal-comma locale too.
    {[](Model& m) {
       const Value& mem = m.calc().state().memory;
       return mem.parse() == 0 ? std::string("0") : oneLine(mem.text(m.locale()));
     },
     [](Model& m, std::string_view line) {
       const auto x = TextToNumber(line, m.locale());
       if (x && NumberToText(*x, m.locale()) == line)
         m.calc().state().memory = *x;
       else
         m.calc().state().memory = std::string(line);
       return true;
     }},
    // 3: the window height; any height but the normal one means compact size.
    {[](Model& m) {
       const int h = m.shell().height;
       return h == 0 ? std::to_string(kNormalHeight) : NumberToText(h, m.locale());
     },
     [](Model& m, std::string_view line) {
       const auto x = TextToNumber(line, m.locale());
       if (!x) return false;
       m.shell().height = *x == kNormalHeight ? kNormalHeight : kCompactHeight;
       return true;
     }},
    // 4: always on top.
    {[](Model& m) { return boolean(m.shell().onTop); },
     [](Model& m, std::string_view line) { return readBooleanInto(m, line, m.shell().onTop); }},
    // 5: appear on start-up (start hidden).
    {[](Model& m) { return boolean(m.shell().startupEntry); },
     [](Model& m, std::string_view line) {
       return readBooleanInto(m, line, m.shell().startupEntry);
     }},
    // 6, 7: the number format, as two switches: fixed, and scientific. Fixed wins
    // when both are on.
    {[](Model& m) { return boolean(m.calc().state().format == NumberFormat::Fix); },
     [](Model& m, std::string_view line) {
       const auto fix = readBoolean(line, m.locale());
       if (fix) m.calc().state().format = *fix ? NumberFormat::Fix : NumberFormat::Standard;
       return fix.has_value();
     }},
    {[](Model& m) { return boolean(m.calc().state().format == NumberFormat::Scientific); },
     [](Model& m, std::string_view line) {
       const auto sci = readBoolean(line, m.locale());
       NumberFormat& format = m.calc().state().format;
       if (sci && *sci && format != NumberFormat::Fix) format = NumberFormat::Scientific;
       return sci.has_value();
     }},
    // 8: decimal places.
    {[](Model& m) { return NumberToText(m.calc().state().decimalPlaces, kPoint); },
     [](Model& m, std::string_view line) {
       const auto x = TextToNumber(line, kPoint);
       if (x) m.calc().state().decimalPlaces = *x;
       return x.has_value();
     }},
    // 9: radicals in the fraction search.
    {[](Model& m) { return boolean(m.calc().state().fractionRadicals); },
     [](Model& m, std::string_view line) {
       return readBooleanInto(m, line, m.calc().state().fractionRadicals);
     }},
    // 10: the fraction accuracy.
    {[](Model& m) { return NumberToText(m.calc().state().fractionAccuracy, kPoint); },
     [](Model& m, std::string_view line) {
       const auto x = TextToNumber(line, kPoint);
       if (x) m.calc().state().fractionAccuracy = *x;
       return x.has_value();
     }},
    // 11: the angle unit, 1 radians, 2 grads, 3 degrees.
    {[](Model& m) { return NumberToText(angleUnitNumber(m.calc().state().angleUnit), kPoint); },
     [](Model& m, std::string_view line) {
       const auto x = TextToNumber(line, kPoint);
       const auto f = x ? RoundToInteger(*x) : std::nullopt;
       if (f) m.calc().state().angleUnit = angleUnitFromNumber(*f);
       return f.has_value();
     }},
    // 12: the number base, 1 to 4.
    {[](Model& m) { return NumberToText(baseNumber(m.calc().state().base), kPoint); },
     [](Model& m, std::string_view line) {
       const auto x = TextToNumber(line, kPoint);
       const auto n = x ? RoundToInteger(*x) : std::nullopt;
       const auto b = n ? baseFromNumber(*n) : std::nullopt;
       if (b) m.calc().state().base = *b;
       return b.has_value();
     }},
    // 13 to 17: the colours, replayed through the colour commands.
    {[](Model& m) { return colourText(m.shell().screenColour); },
     [](Model& m, std::string_view line) {
       return readColour(m, line, &Model::chooseScreenColour);
     }},
    {[](Model& m) { return colourText(m.shell().digitsColour); },
     [](Model& m, std::string_view line) {
       return readColour(m, line, &Model::chooseDigitsColour);
     }},
    {[](Model& m) { return colourText(m.shell().shellColour); },
     [](Model& m, std::string_view line) {
       return readColour(m, line, &Model::chooseShellColour);
     }},
    {[](Model& m) { return colourText(m.shell().standardColour); },
     [](Model& m, std::string_view line) {
       return readColour(m, line, &Model::chooseStandardColour);
     }},
    {[](Model& m) { return colourText(m.shell().functionColour); },
     [](Model& m, std::string_view line) {
       return readColour(m, line, &Model::chooseFunctionColour);
     }},
    // 18: the personal label.
    {[](Model& m) { return oneLine(m.shell().personalLabel); },
     [](Model& m, std::string_view line) {
       m.shell().personalLabel = std::string(line);
       return true;
     }},
}};

// cycleAngleUnit steps the unit on and sets angle and the three indicators. It does
// nothing outside decimal, and it may convert the display, so it runs here in
// decimal on a plain "0" and the base and display are put back after it.
void runCycleAngleUnit(Calculator& calc) {
  CalcState& s = calc.state();
  const Base base = s.base;
  std::string shown = std::move(s.display);
  s.base = Base::kDecimal;
  s.display = "0";
  calc.cycleAngleUnit();
  s.base = base;
  s.display = std::move(shown);
}

// What start-up shows of the values it has just set: the memory and base
// indicators, the window size with its menu items as compact size leaves them,
// the on-top placement and the start-up hiding.
void showLoaded(Model& m) {
  CalcState& s = m.calc().state();
  ShellState& sh = m.shell();
  s.memoryCaption = s.memory.parse() != 0 ? " M" : "";

  if (sh.height == kNormalHeight) {
    if (sh.compact) {
      sh.compact = false;
      sh.panelItemsEnabled = true;
      sh.flap = 1;
    }
    sh.compactCaption = "Compact &Size";
  } else {
    sh.compact = true;
    sh.compactCaption = "Normal &Size";
    sh.width = kClosedWidth;
    sh.height = kCompactHeight;
    sh.converterChecked = false;
    sh.statisticsChecked = false;
    sh.financialChecked = false;
    sh.panelItemsEnabled = false;
  }
  m.toolkit().setWindowSize(sh.width, sh.height);

  m.onTopRestore();
  sh.startupEntryChecked = sh.startupEntry;
  if (sh.startupEntry) {
    sh.hidden = true;
    m.toolkit().hideWindow();
  }

  switch (s.base) {
    case Base::kDecimal:
      s.baseCaption.clear();
      break;
    case Base::kHex:
      s.baseCaption = "h";
      break;
    case Base::kOctal:
      s.baseCaption = "o";
      break;
    case Base::kBinary:
      s.baseCaption = "b";
      break;
  }
}

enum class ReadEnd { kRead, kNotFound, kFailed };
struct FileText {
  ReadEnd end = ReadEnd::kFailed;
  std::string text;
};

/// The whole content of a regular file of at most kMaxFileBytes.
FileText readWhole(const std::string& path) {
  FileText f;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) f.end = ReadEnd::kNotFound;
    return f;
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxFileBytes) {
    f.text.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    bool ok = true;
    while (ok) {
      // One byte more than the file had: a file that grew meanwhile is read to its end.
      if (got == f.text.size()) f.text.resize(got + 4096);
      const ssize_t n = ::read(fd, f.text.data() + got, f.text.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ok = n == 0;
        break;
      }
      got += static_cast<std::size_t>(n);
      if (got > static_cast<std::size_t>(kMaxFileBytes)) ok = false;
    }
    f.text.resize(got);
    if (ok) f.end = ReadEnd::kRead;
  }
  ::close(fd);
  if (f.end != ReadEnd::kRead) f.text.clear();
  return f;
}

bool writeAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    content.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

/// Replaces the file at `path` by `content` in one step: the content goes to a
/// new file in the same folder, which is then renamed over the old one. On any
/// failure the old file stays as it was and the new one is removed.
bool writeWhole(const std::string& path, std::string_view content) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target(path);
  // A link stays a link: the file it points to is replaced.
  if (fs::is_symlink(target, ec)) {
    const fs::path real = fs::weakly_canonical(target, ec);
    if (!ec) target = real;
  }
  const fs::path folder = target.parent_path();
  int fd = -1;
  std::string temp;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    const std::string name = "." + target.filename().string() + "." + std::to_string(::getpid()) +
                             "-" + std::to_string(attempt) + ".tmp";
    temp = (folder / name).string();
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
  bool ok = writeAll(fd, content) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

std::string bareName(const FileChoice& c) {
  return c.name.empty() ? std::filesystem::path(c.path).filename().string() : c.name;
}

}  // namespace

void Model::applyFallback() {
  CalcState& s = calc_.state();
  s.kRegister = 0;
  s.memory = 0;
  shell_.height = kNormalHeight;
  shell_.onTop = false;
  shell_.startupEntry = false;
  s.format = NumberFormat::Standard;
  s.decimalPlaces = 2;
  s.fractionRadicals = false;
  s.fractionAccuracy = 1e-05;
  s.startedUp = false;
  s.angleUnit = AngleUnit::kGrads;
  s.base = Base::kDecimal;
  runCycleAngleUnit(calc_);  // degrees
  s.startedUp = true;
  showLoaded(*this);
}

void Model::readSettings() {
  const FileText f = settingsFile_.empty() ? FileText{} : readWhole(settingsFile_);
  // A missing or unreadable file reads as an empty one: the fallback from line 1.
  readSettingsText(f.text);
}

void Model::readSettingsText(std::string_view text) {
  CalcState& s = calc_.state();
  s.startedUp = false;
  LineReader reader(text);
  std::string_view line;
  for (const LineRow& row : kFixedLines) {
    if (!reader.next(line) || !row.read(*this, line)) return applyFallback();
  }
  std::vector<std::string> finance;
  while (finance.size() < kFinanceLines && reader.next(line)) finance.emplace_back(line);
  // The lines before a missing or bad one stay applied.
  if (!fin_.restore(finance) || finance.size() < kFinanceLines) return applyFallback();

  // One step back, so that cycleAngleUnit's step on brings the saved unit back.
  const AngleUnit saved = s.angleUnit.value_or(AngleUnit::kRadians);
  s.angleUnit = NextAngleUnit(NextAngleUnit(saved));
  runCycleAngleUnit(calc_);
  s.startedUp = true;
  showLoaded(*this);

  std::vector<std::string> items;
  while (items.size() < kMaxStatItems && reader.next(line)) items.emplace_back(line);
  // Items whose sums would overflow are left out.
  stats_.restore(items);
}

std::string Model::settingsText() {
  std::string out;
  const auto put = [&out](const std::string& line) {
    out += line;
    out += "\r\n";
  };
  for (const LineRow& row : kFixedLines) put(row.write(*this));
  for (const std::string& line : fin_.savedLines()) put(oneLine(line));
  for (const std::string& item : stats_.statlist()) put(oneLine(item));
  return out;
}

bool Model::writeSettings() {
  if (settingsFile_.empty()) return true;
  if (writeWhole(settingsFile_, settingsText())) return true;
  tk_.setTopmost(false);
  tk_.messageBox("The settings could not be saved to " + settingsFile_ + ".", MsgStyle::Stop,
                 "Error");
  onTopRestore();
  return false;
}

void Model::saveSettingsAs() {
  const bool written = writeSettings();
  const auto chosen = tk_.fileDialog("Save Settings", kFilter, true);
  if (!chosen) return;
  std::error_code ec;
  const auto length = std::filesystem::file_size(chosen->path, ec);
  if (!ec && length > 0) {
    tk_.setTopmost(false);
    const MsgAnswer answer = tk_.messageBox(kOverwriteText, MsgStyle::Question, "Confirm Save");
    onTopRestore();
    if (answer == MsgAnswer::No) return;
  }
  if (bareName(*chosen) == kSettingsFileName) return;
  // The copy of the file just written; when it could not be written, the
  // settings as they are now.
  FileText saved;
  if (written && !settingsFile_.empty()) saved = readWhole(settingsFile_);
  writeWhole(chosen->path, saved.end == ReadEnd::kRead ? saved.text : settingsText());
}

void Model::loadSettingsFrom() {
  const auto chosen = tk_.fileDialog("Load Settings", kFilter, false);
  if (!chosen) return;
  const FileText f = readWhole(chosen->path);
  if (f.end == ReadEnd::kNotFound) {
    tk_.setTopmost(false);
    tk_.messageBox("The file \"" + chosen->path + "\" could not be found.", MsgStyle::Exclamation,
                   "Load Settings");
    onTopRestore();
    return;
  }
  if (bareName(*chosen) == kSettingsFileName) return;
  // Nothing changes unless the chosen file was read and has replaced the settings file.
  if (f.end != ReadEnd::kRead) return;
  if (settingsFile_.empty()) {
    // No settings file of its own (the command line without --settings): the
    // start-up reads the chosen file in its place.
    stats_.clearItems();
    settingsFile_ = chosen->path;
    startUp();
    settingsFile_.clear();
    return;
  }
  if (!writeWhole(settingsFile_, f.text)) return;
  stats_.clearItems();
  startUp();
}

}  // namespace zova
