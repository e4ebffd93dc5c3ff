// Reading and replacing the settings file without ever blocking on, replacing
// or damaging anything that is not the user's own regular file: FIFOs and
// devices are refused, read-only files respected, and a new content reaches
// the disk whole or not at all.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/text.h"

namespace zova {

/// A settings file is never larger than this; a bigger one is not read, and
/// settings that would make one are not written.
inline constexpr std::size_t kMaxSettingsBytes = std::size_t{256} << 20;

enum class ReadOutcome {
  kRead,        ///< the whole file is in text
  kMissing,     ///< there is no file (nor a dangling link) at the path
  kUnreadable,  ///< something is there that could not be read as a settings file
};

struct FileRead {
  ReadOutcome outcome = ReadOutcome::kMissing;
  std::string text;
  Text reason;  ///< why it could not be read, for a message
};

/// The whole content of the regular file at path, up to kMaxSettingsBytes.
/// Never blocks: a FIFO or device is refused without being read.
FileRead readSettingsBytes(const std::string& path);

struct WriteOutcome {
  bool written = false;
  Text reason;  ///< why not, for a message ("the file is read-only", ...)
};

/// Replaces the file at path by content in one step. Only a regular file the
/// user may write, or a link the user owns to such a file (the link is kept
/// and its target replaced), is replaced; a missing file is created. A failure
/// leaves what was there untouched.
WriteOutcome replaceSettingsFile(const std::string& path, std::string_view content);

/// Adds content at the end of the regular file at path and puts it on the disk.
/// A missing file is not created; on a failure the file keeps its old length.
WriteOutcome appendToFile(const std::string& path, std::string_view content);

/// Keeps a settings file that could not be read out of the way of the next
/// write: renames it to path + ".bak" (replacing an older one), but only when it
/// is a regular file the user may read and write. False when it was left.
bool keepAsBackup(const std::string& path);

}  // namespace zova
