// Saving as the user goes: the settings file by its text, the tape by its counters.
#include "model/auto_save.h"

#include <utility>

#include "model/settings_storage.h"
#include "model/tape_file.h"

namespace zova {

AutoSave::AutoSave(Model& model, std::string tapePath)
    : model_(model), tapePath_(std::move(tapePath)) {}

void AutoSave::startFrom(bool tapeFileHolds) {
  savedSettings_ = model_.settingsText();
  const TapeModel& tape = model_.tape();
  tapeAdded_ = tape.added();
  tapeReplaced_ = tape.replaced();
  fileEntries_ = tape.size();
  rewriteTape_ = !tapeFileHolds;
}

void AutoSave::saveChanges() {
  Text problem, notice;
  bool wrote = false;
  const std::string text = model_.settingsText();
  if (text != savedSettings_ && !model_.settingsFile().empty()) {
    // What writing the file has to say goes here rather than into a message box.
    Text told;
    const auto keep = model_.settingsReport();
    model_.setSettingsReport([&told](const Text& t) { told = t; });
    wrote = model_.writeSettings();
    model_.setSettingsReport(keep);
    if (wrote) savedSettings_ = text;
    (wrote ? notice : problem) = told;  // a notice: an unreadable file was kept aside
  }
  if (!tapePath_.empty()) saveTape(problem, wrote);
  if (problem != Text()) {
    if (!failing_) tell(problem);
    failing_ = true;
    return;
  }
  failing_ = false;
  if (notice != Text())
    tell(notice);
  else if (wrote && shown_)
    tell({});
}

void AutoSave::tell(const Text& text) {
  shown_ = text != Text();
  if (report) report(text);
}

void AutoSave::saveTape(Text& problem, bool& wrote) {
  const TapeModel& tape = model_.tape();
  if (tape.added() == tapeAdded_ && tape.replaced() == tapeReplaced_) return;
  const std::uint64_t fresh = tape.added() - tapeAdded_;
  bool whole = rewriteTape_ || tape.replaced() != tapeReplaced_ || fresh > tape.size() ||
               fileEntries_ + fresh > kTapeCapacity + kTapeCapacity / 10;
  WriteOutcome w;
  if (!whole) {
    w = appendToFile(tapePath_, tape.fileLines(tape.size() - static_cast<std::size_t>(fresh)));
    // A file gone meanwhile is made anew; one that failed may end in a cut line.
    whole = !w.written;
  }
  if (whole) w = saveTapeFile(tape, tapePath_);
  if (!w.written) {
    rewriteTape_ = true;
    if (problem == Text())
      problem = {TextId::kTapeNotSaved, {Text::asWritten(tapePath_), w.reason}};
    return;
  }
  wrote = true;
  fileEntries_ = whole ? tape.size() : fileEntries_ + static_cast<std::size_t>(fresh);
  tapeAdded_ = tape.added();
  tapeReplaced_ = tape.replaced();
  rewriteTape_ = false;
}

}  // namespace zova
