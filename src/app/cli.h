// The command-line mode: `zova --keys`, `--repl`, `--help`, `--version`.
// Runs the model headless and prints what the calculator shows.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zova {

/// True when the arguments ask for the command-line mode rather than the window.
bool wantsCommandLine(const std::vector<std::string>& args);
/// Runs the command-line mode; returns the exit status.
int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);
/// The text of `zova --help`.
std::string helpText();

}  // namespace zova
