// Saving as the user goes: what the window holds reaches its settings file and
// tape file moments after each change, so that a killed program loses nothing.
// It owns the record of what is on disk; when to save is the window's choice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "model/model.h"

namespace zova {

/// The settings file, which is small, is replaced whole when its text changed.
/// The tape, which may be megabytes, has only its new lines appended; it is
/// replaced whole after a Clear, an undo or a load, and when the file has grown
/// a tenth past the entries the tape keeps.
class AutoSave {
 public:
  AutoSave(Model& model, std::string tapePath);
  /// Takes the files as start-up left them as saved; tapeFileHolds: the tape
  /// file holds the tape's entries and nothing else.
  void startFrom(bool tapeFileHolds);
  /// Writes what changed since the last save. The first failure is told through
  /// report; a failure is not told again until a save has succeeded, which is
  /// told as an empty text. What failed is tried again at the next call. A notice (an
  /// unreadable settings file kept aside) is told too, and an empty text after the next write.
  void saveChanges();
  std::function<void(const Text&)> report;

 private:
  void saveTape(Text& problem, bool& wrote);
  void tell(const Text& text);

  Model& model_;
  std::string tapePath_;
  std::string savedSettings_;    ///< the settings file's text as last written or read
  std::uint64_t tapeAdded_ = 0;  ///< the tape's counters when its file was last written
  std::uint64_t tapeReplaced_ = 0;
  std::size_t fileEntries_ = 0;  ///< the entries the tape file holds
  bool rewriteTape_ = false;     ///< the tape file must be replaced whole
  bool failing_ = false;         ///< the last save failed and was told
  bool shown_ = false;           ///< the last text told was not ""
};

}  // namespace zova
