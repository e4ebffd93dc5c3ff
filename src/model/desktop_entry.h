// The text of the XDG autostart entry that "Appear on Startup" writes: a
// desktop entry that starts this program in the folder it was started in.
#pragma once

#include <string>
#include <string_view>

namespace zova {

/// One argument of an Exec line: quoted, with the characters the quoting
/// reserves escaped, then escaped again as the string value it is part of.
std::string execArgument(std::string_view argument);
/// A string value of a desktop entry (backslash and control characters escaped).
std::string desktopStringValue(std::string_view text);
/// The whole autostart entry for program, started in folder.
std::string autostartEntry(std::string_view program, std::string_view folder);

}  // namespace zova
