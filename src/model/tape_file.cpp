// Reading and writing the tape file through the settings file's storage.
#include "model/tape_file.h"

#include <filesystem>
#include <system_error>

#include "converter/constant_table.h"
#include "converter/unit_table.h"
#include "stats/stats_register.h"

namespace zova {

Text tapePanelName(std::string_view name) {
  for (const StatKeyRow& r : statKeyTable())
    if (withoutAccessKey(r.caption) == name)
      return Text::caption("Statistics", std::string(r.caption));
  if (findUnit(name) || findTemperature(name) || findConstant(siConstants(), name) ||
      findConstant(engConstants(), name))
    return Text::caption("Converter", std::string(name));
  return Text::asWritten(std::string(name));
}

std::string tapeFileBeside(const std::string& settingsPath) {
  return (std::filesystem::path(settingsPath).parent_path() / kTapeFileName).string();
}

TapeLoad loadTapeFile(TapeModel& tape, const std::string& path) {
  // A huge file is set aside without being read.
  std::error_code ec;
  if (std::filesystem::is_regular_file(path, ec) &&
      std::filesystem::file_size(path, ec) > kMaxTapeFileBytes && !ec) {
    keepAsBackup(path);
    return TapeLoad::kSetAside;
  }
  const FileRead read = readSettingsBytes(path);
  if (read.outcome == ReadOutcome::kMissing) return TapeLoad::kMissing;
  if (read.outcome == ReadOutcome::kRead && tape.readFileText(read.text, tapePanelName))
    return TapeLoad::kRead;
  keepAsBackup(path);
  return TapeLoad::kSetAside;
}

WriteOutcome saveTapeFile(const TapeModel& tape, const std::string& path) {
  return replaceSettingsFile(path, tape.fileText());
}

}  // namespace zova
