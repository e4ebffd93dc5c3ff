// zova: the calculator window, or with options of its own the command-line
// mode, which also stands in for the window where there is no display.
// The window lives in a module loaded only when needed, so the command line
// starts without loading the window toolkit.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ext/stdio_filebuf.h>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli.h"

namespace {

std::string programDir() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string p(path, static_cast<std::size_t>(n));
  return p.substr(0, p.rfind('/'));
}

struct WindowModule {
  int (*run)(int, char**) = nullptr;
  const char* (*unavailable)(int, char**) = nullptr;
};

/// The window module beside the program (the build tree) or in its library
/// folder; on failure run is null and errors says why.
WindowModule loadWindowModule(std::string& errors) {
  const std::string dir = programDir();
  for (const std::string& candidate :
       {dir + "/libzova-window.so", dir + "/../lib/zova/libzova-window.so"}) {
    if (void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      WindowModule m;
      m.run = reinterpret_cast<decltype(m.run)>(dlsym(module, "zova_run_window"));
      m.unavailable =
          reinterpret_cast<decltype(m.unavailable)>(dlsym(module, "zova_window_unavailable"));
      if (m.run && m.unavailable) return m;
    }
    errors += std::string("\n  ") + dlerror();
  }
  return {};
}

}  // namespace

// A signal that would end the command line ends its input instead: standard
// input becomes /dev/null, so the sequence or the --repl loop finishes and the
// --settings file is written as at a normal end.
namespace {

volatile sig_atomic_t endingSignal = 0;
int nullInput = -1;

extern "C" void endInput(int number) {
  endingSignal = number;
  if (nullInput >= 0) ::dup2(nullInput, STDIN_FILENO);
}

void endInputOnSignals() {
  nullInput = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  struct sigaction action {};
  action.sa_handler = endInput;
  sigemptyset(&action.sa_mask);
  for (int number : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(number, &action, nullptr);
}

}  // namespace

namespace {

/// True when standard input is a pipe or a file: something to read, not a terminal.
bool inputIsPipeOrFile() {
  struct stat st {};
  return ::fstat(STDIN_FILENO, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISREG(st.st_mode));
}

}  // namespace

namespace {

/// The command-line mode, or its stand-in for the window when none can open.
int runText(const std::vector<std::string>& args, bool commandLine) {
  // Streams over the standard descriptors, made only here: <iostream>'s own
  // objects would be set up at every start, the window's included.
  __gnu_cxx::stdio_filebuf<char> inBuf(STDIN_FILENO, std::ios::in);
  __gnu_cxx::stdio_filebuf<char> outBuf(STDOUT_FILENO, std::ios::out);
  __gnu_cxx::stdio_filebuf<char> errBuf(STDERR_FILENO, std::ios::out, 0);
  std::istream in(&inBuf);
  std::ostream out(&outBuf);
  std::ostream err(&errBuf);
  endInputOnSignals();
  int status = commandLine ? zova::runCommandLine(args, in, out, err)
                           : zova::runWithoutDisplay(inputIsPipeOrFile(), in, out, err);
  // Output that could not be written (a full disk, a closed pipe) is a failure.
  if (!out.flush()) {
    err << "zova: cannot write the output\n";
    if (status == 0) status = 1;
  }
  return endingSignal != 0 ? 128 + endingSignal : status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool commandLine = zova::wantsCommandLine(args);
  const zova::DisplayEnvironment env{std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                                     std::getenv("QT_QPA_PLATFORM")};
  if (commandLine || !zova::hasDisplay(args, env)) return runText(args, commandLine);
  std::string errors;
  const WindowModule window = loadWindowModule(errors);
  const char* why = window.run ? window.unavailable(argc, argv) : "its module does not load";
  if (why == nullptr) return window.run(argc, argv);
  // Piped input is calculated all the same, as where there is no display.
  if (inputIsPipeOrFile()) return runText(args, false);
  std::fprintf(stderr,
               "zova: cannot open the window: %s; use --keys SEQUENCE or --repl (see zova"
               " --help)%s\n",
               why, errors.c_str());
  return 1;
}
