// Test helper: the command-line mode run in process on given arguments and
// standard input, with its exit status and both outputs.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/cli.h"

namespace zova::testing {

struct CliResult {
  int status;
  std::string out, err;
};

inline CliResult runCli(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = runCommandLine(args, in, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace zova::testing
