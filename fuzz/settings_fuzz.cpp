// Fuzz target for the settings file reader: any bytes read as the settings file
// start the calculator without a crash or a hang, the keys still work on what was
// read, and the file the calculator then writes reads back to the same state.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "model/model.h"
#include "model/sequence.h"

namespace {

// Keys that read every register and setting the file restores.
constexpr std::string_view kKeys =
    "Kout,+,MR,=,b/c,Mode,stat:enter,stat:mean,stat:sample,stat:popul,fin:solve=PMT,"
    "fin:amortize,Base,Base,Base,Base";

/// Starts a calculator on `path` (or on `text` when path is empty) as its settings file,
/// presses kKeys when asked, writes the file back and returns what it wrote.
std::string startOn(const std::string& path, std::string_view text,
                    const zova::NumberLocale& locale, bool pressKeys) {
  zova::HeadlessToolkit toolkit;
  zova::Model model(toolkit, locale);
  model.setSettingsFile(path);
  model.startUp();
  if (path.empty()) model.readSettingsText(text);
  const std::string written = model.settingsText();
  if (!path.empty() && !model.writeSettings()) std::abort();
  if (pressKeys && zova::runSequence(model, kKeys)) std::abort();  // the sequence is valid
  return written;
}

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // The settings file every input goes through: one per fuzzing process.
  static const std::string path = [] {
    std::string folder = "/tmp/zova-settings-fuzz-XXXXXX";
    if (!::mkdtemp(folder.data())) std::abort();
    return folder + "/dadidedo.dat";
  }();
  for (const zova::NumberLocale& locale : {zova::NumberLocale{".", ","}, {",", "."}}) {
    // What was written is a settings file in its settled form.
    const std::string once = startOn("", text, locale, true);
    if (startOn("", once, locale, false) != once) std::abort();
    // Through the file itself: the written file starts a calculator in the same
    // state, and writing that again changes no byte.
    ::unlink((path + ".bak").c_str());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    startOn(path, "", locale, false);
    const std::string written = fileText(path);
    if (startOn(path, "", locale, false) != written || fileText(path) != written) std::abort();
  }
  return 0;
}
