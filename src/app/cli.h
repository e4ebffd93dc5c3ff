// The command-line mode: `zova --keys`, `--repl`, `--help`, `--version`.
// Runs the model headless and prints what the calculator shows.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zova {

/// True when the arguments ask for the command-line mode rather than the
/// window: any argument but Qt's own options (which go to the window), so that
/// a mistyped option is reported rather than opening a window.
bool wantsCommandLine(const std::vector<std::string>& args);

/// The environment variables that say where a window opens (null when unset).
struct DisplayEnvironment {
  const char* display = nullptr;         ///< DISPLAY
  const char* waylandDisplay = nullptr;  ///< WAYLAND_DISPLAY
  const char* platform = nullptr;        ///< QT_QPA_PLATFORM
};
/// False when the window would need an X11 or Wayland display and there is
/// none; a platform that needs none (offscreen, minimal) has a display.
/// args are the window's (Qt's) options: -platform and -display count too.
bool hasDisplay(const std::vector<std::string>& args, const DisplayEnvironment& env);
/// Instead of the window when there is no display: standard input read as
/// --repl reads it when it is a pipe or a file, otherwise a message naming
/// --keys and --repl and status 1.
int runWithoutDisplay(bool inputIsPipeOrFile, std::istream& in, std::ostream& out,
                      std::ostream& err);
/// Runs the command-line mode; returns the exit status.
int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);
/// The text of `zova --help`.
std::string helpText();

}  // namespace zova
