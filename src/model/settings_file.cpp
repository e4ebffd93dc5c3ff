// The settings file as a whole: written by writeSettings at exit, read back at
// start-up (with the line table's fallback values when it cannot be read) and
// shown on the window, and copied to and from a chosen file by Save and Load
// Settings. The lines themselves are in settings_lines.cpp.
#include <filesystem>
#include <vector>

#include "engine/decimal_symbol.h"
#include "model/model.h"
#include "model/settings_lines.h"
#include "model/settings_storage.h"
#include "model/window_geometry.h"

namespace zova {

namespace {

namespace fs = std::filesystem;

constexpr const char* kFiles = ZOVA_TEXT("Messages", "Data Files (*.dat)");
constexpr const char* kExtension = "dat";
constexpr const char* kOverwriteText =
    ZOVA_TEXT("Messages",
              "This folder already contains a file with that name.  Do you want to overwrite it?");

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

  if (sh.compact) sh.foldOut = FoldOut::kNone;
  m.toolkit().setWindowSize(sh.width(), sh.height());

  m.onTopRestore();
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

std::string bareName(const FileChoice& c) {
  return c.name.empty() ? fs::path(c.path).filename().string() : c.name;
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
  keepUnreadFile_ = false;
  if (settingsFile_.empty()) {
    readSettingsText({});
    return;
  }
  const FileRead f = readSettingsBytes(settingsFile_);
  // A missing or unreadable file reads as an empty one: the fallback from line 1.
  const bool applied = readSettingsText(f.text);
  // An empty file holds nothing to keep.
  keepUnreadFile_ = f.outcome == ReadOutcome::kUnreadable ||
                    (f.outcome == ReadOutcome::kRead && !applied && !f.text.empty());
}

bool Model::readSettingsText(std::string_view text) {
  calc_.state().startedUp = false;
  // A file with more items than the register takes is not read at all.
  SettingsLineReader counter(text);
  std::string_view line;
  std::size_t lines = 0;
  const std::size_t maxLines = settingsLines().size() + kMaxStatItems;
  while (lines <= maxLines && counter.next(line)) ++lines;
  if (lines > maxLines) {
    applyFallback();
    return false;
  }

  SettingsLineReader reader(text);
  // The lines before a missing or bad one stay applied.
  for (const SettingsLine& row : settingsLines()) {
    if (!reader.next(line) || !row.read(*this, line)) {
      applyFallback();
      return false;
    }
  }
  finishReading(*this);

  std::vector<std::string> items;
  items.reserve(lines - settingsLines().size());
  while (reader.next(line)) items.push_back(localeNumberText(line, locale()));
  stats_.restore(items);
  return true;
}

std::string Model::settingsText() {
  std::string out;
  const auto put = [&out](const std::string& line) {
    out += line;
    out += "\r\n";
  };
  for (const SettingsLine& row : settingsLines()) put(row.write(*this));
  for (const std::string& item : stats_.items()) put(oneLine(pointNumberText(item, locale())));
  return out;
}

void Model::reportSettings(const Text& text, bool failed) {
  if (settingsReport_) return settingsReport_(text);
  if (failed)
    tk_.messageInFront(text, MsgStyle::kStop, ZOVA_TEXT("Messages", "Error"), shell_.onTop);
  else
    tk_.messageInFront(text, MsgStyle::kExclamation, ZOVA_TEXT("Messages", "Settings"),
                       shell_.onTop);
}

bool Model::replaceSettings(std::string_view content) {
  if (keepUnreadFile_) {
    std::error_code ec;
    if (keepAsBackup(settingsFile_)) {
      reportSettings({TextId::kSettingsKeptAsBackup, {Text::asWritten(settingsFile_)}}, false);
    } else if (fs::exists(fs::symlink_status(settingsFile_, ec))) {
      reportSettings({TextId::kSettingsLeftAsIs, {Text::asWritten(settingsFile_)}}, true);
      return false;
    }
    keepUnreadFile_ = false;
  }
  const WriteOutcome w = replaceSettingsFile(settingsFile_, content);
  if (!w.written)
    reportSettings({TextId::kSettingsNotSaved, {Text::asWritten(settingsFile_), w.reason}}, true);
  return w.written;
}

bool Model::writeSettings() {
  if (settingsFile_.empty()) return true;
  settingsSaved_ = replaceSettings(settingsText());
  return settingsSaved_;
}

void Model::saveSettingsAs() {
  const bool written = writeSettings();
  const auto chosen =
      tk_.fileDialog(ZOVA_TEXT("Messages", "Save Settings"), kFiles, kExtension, true);
  if (!chosen) return;
  std::error_code ec;
  const auto length = fs::file_size(chosen->path, ec);
  if (!ec && length > 0) {
    const MsgAnswer answer =
        tk_.messageInFront(Text::phrase(kOverwriteText), MsgStyle::kQuestion,
                           ZOVA_TEXT("Messages", "Confirm Save"), shell_.onTop);
    if (answer == MsgAnswer::kNo) return;
  }
  if (bareName(*chosen) == kSettingsFileName) return;
  // The copy of the file just written; when it could not be written, the
  // settings as they are now.
  FileRead saved;
  if (written && !settingsFile_.empty()) saved = readSettingsBytes(settingsFile_);
  const WriteOutcome w = replaceSettingsFile(
      chosen->path, saved.outcome == ReadOutcome::kRead ? saved.text : settingsText());
  if (w.written) return;
  tk_.messageInFront({TextId::kSettingsNotSaved, {Text::asWritten(chosen->path), w.reason}},
                     MsgStyle::kExclamation, ZOVA_TEXT("Messages", "Save Settings"), shell_.onTop);
}

void Model::loadSettingsFrom() {
  const auto chosen =
      tk_.fileDialog(ZOVA_TEXT("Messages", "Load Settings"), kFiles, kExtension, false);
  if (!chosen) return;
  const FileRead f = readSettingsBytes(chosen->path);
  if (f.outcome == ReadOutcome::kMissing) {
    tk_.messageInFront({TextId::kFileNotFound, {Text::asWritten(chosen->path)}},
                       MsgStyle::kExclamation, ZOVA_TEXT("Messages", "Load Settings"),
                       shell_.onTop);
    return;
  }
  if (bareName(*chosen) == kSettingsFileName) return;
  if (f.outcome != ReadOutcome::kRead) {
    tk_.messageInFront({TextId::kFileNotRead, {Text::asWritten(chosen->path), f.reason}},
                       MsgStyle::kExclamation, ZOVA_TEXT("Messages", "Load Settings"),
                       shell_.onTop);
    return;
  }
  // Nothing changes unless the chosen file has replaced the settings file. The
  // step restores the state read, not the file.
  const ActionScope step(history_, Text::caption("Menu", "&Load Settings..."), kAllParts);
  if (settingsFile_.empty()) {
    // No settings file of its own (the command line without --settings): the
    // start-up reads the chosen file in its place.
    stats_.clearItems();
    settingsFile_ = chosen->path;
    startUp();
    settingsFile_.clear();
    keepUnreadFile_ = false;
    return;
  }
  if (!replaceSettings(f.text)) return;
  stats_.clearItems();
  startUp();
}

}  // namespace zova
