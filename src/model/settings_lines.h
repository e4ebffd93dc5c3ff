// The settings file's lines 1 to 29, one row each: how the line is written,
// how start-up reads it back, and the value the field takes when the file
// cannot be read. The statistics items follow these lines, one per line.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zova {

class Model;

struct SettingsLine {
  /// The line's text as the settings file keeps it.
  std::string (*write)(Model&);
  /// Applies the line; false when it does not convert (start-up then falls back).
  bool (*read)(Model&, std::string_view);
  /// Sets the field to its value for a file that cannot be read; nullptr when
  /// the field keeps its start value.
  void (*fallback)(Model&);
};

/// Lines 1 to 29 in file order.
std::span<const SettingsLine> settingsLines();

/// The lines of a settings file's text, each ended by CR LF, LF, CR or LF CR; a
/// last line without an end counts too. A UTF-8 byte order mark is skipped.
class SettingsLineReader {
 public:
  explicit SettingsLineReader(std::string_view text);
  bool next(std::string_view& line);

 private:
  std::string_view rest_;
};

/// Texts keep their lines: a line break inside one would split it.
std::string oneLine(std::string text);

}  // namespace zova
