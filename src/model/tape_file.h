// The tape file the window keeps beside its settings file: read at start,
// written at exit with the settings file's safe write. A damaged or huge tape
// file is set aside and the tape starts empty.
#pragma once

#include <string>
#include <string_view>

#include "model/settings_storage.h"
#include "tape/tape_model.h"

namespace zova {

inline constexpr const char* kTapeFileName = "zova-tape.txt";

/// The tape file in the folder of the settings file at settingsPath.
std::string tapeFileBeside(const std::string& settingsPath);

enum class TapeLoad {
  kRead,      ///< the tape holds the file's entries
  kMissing,   ///< no file: the tape is left as it was
  kSetAside,  ///< damaged, huge or unreadable: kept as path + ".bak", the tape left as it was
};

/// The text a panel writes on the tape under this name, and the tape file's
/// name is read back into: a statistics key, a unit or a constant, in the
/// context the window translates it in; any other name as it is.
Text tapePanelName(std::string_view name);

TapeLoad loadTapeFile(TapeModel& tape, const std::string& path);
WriteOutcome saveTapeFile(const TapeModel& tape, const std::string& path);

}  // namespace zova
