// Desktop entries escape twice: an Exec argument is quoted with " and has
// " ` $ \ escaped inside the quotes; the line as a whole is a string value,
// whose own escapes (\\, \n, \t, \r) apply first when it is read. A "%" starts
// a field code, so a literal one is written "%%".
#include "model/desktop_entry.h"

#include "version.h"

namespace zova {

std::string desktopStringValue(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string execArgument(std::string_view argument) {
  std::string quoted = "\"";
  for (char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  return desktopStringValue(quoted);
}

std::string autostartEntry(std::string_view program, std::string_view folder) {
  return "[Desktop Entry]\nType=Application\nName=Zova\nComment=Scientific calculator\nExec=" +
         execArgument(program) + "\nPath=" + desktopStringValue(folder) +
         "\nIcon=" + kApplicationId + "\nTerminal=false\nX-GNOME-Autostart-enabled=true\n";
}

}  // namespace zova
