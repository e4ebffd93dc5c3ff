// Reading and writing the tape file through the settings file's storage.
#include "model/tape_file.h"

#include <filesystem>
#include <system_error>

namespace zova {

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
  if (read.outcome == ReadOutcome::kRead && tape.readFileText(read.text)) return TapeLoad::kRead;
  keepAsBackup(path);
  return TapeLoad::kSetAside;
}

WriteOutcome saveTapeFile(const TapeModel& tape, const std::string& path) {
  return replaceSettingsFile(path, tape.fileText());
}

}  // namespace zova
