// The settings file as a whole: written by writeSettings at exit, read back at
// start-up (with the line table's fallback values when it cannot be read) and
// shown on the window, and copied to and from a chosen file by Save and Load
// Settings. The lines themselves are in settings_lines.cpp.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "model/model.h"
#include "model/settings_lines.h"
#include "model/window_geometry.h"

namespace zova {

namespace {

// The list box of the statistics panel is not meant for more; lines past it are ignored.
constexpr std::size_t kMaxStatItems = 100000;
// A real settings file is far smaller; a bigger one is not read at all.
constexpr off_t kMaxFileBytes = 64 << 20;

constexpr const char* kFilter = "Data Files (*.dat)|*.dat|";
constexpr const char* kOverwriteText =
    "This folder already contains a file with that name.  Do you want to overwrite it?";

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

// After the lines: the saved angle unit is put back through cycleAngleUnit, and
// the window shows what was read.
void finishReading(Model& m) {
  CalcState& s = m.calc().state();
  // One step back, so that cycleAngleUnit's step on brings the saved unit back.
  const AngleUnit saved = s.angleUnit.value_or(AngleUnit::kRadians);
  s.angleUnit = NextAngleUnit(NextAngleUnit(saved));
  runCycleAngleUnit(m.calc());
  s.startedUp = true;
  showLoaded(m);
}

}  // namespace

void Model::applyFallback() {
  for (const SettingsLine& line : settingsLines())
    if (line.fallback) line.fallback(*this);
  calc_.state().startedUp = false;
  finishReading(*this);
}

void Model::readSettings() {
  const FileText f = settingsFile_.empty() ? FileText{} : readWhole(settingsFile_);
  // A missing or unreadable file reads as an empty one: the fallback from line 1.
  readSettingsText(f.text);
}

void Model::readSettingsText(std::string_view text) {
  calc_.state().startedUp = false;
  SettingsLineReader reader(text);
  std::string_view line;
  // The lines before a missing or bad one stay applied.
  for (const SettingsLine& row : settingsLines()) {
    if (!reader.next(line) || !row.read(*this, line)) return applyFallback();
  }
  finishReading(*this);

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
  for (const SettingsLine& row : settingsLines()) put(row.write(*this));
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
