// Fuzz target for the settings file reader: any bytes read as the settings
// file start the calculator without a crash or a hang, the keys still work on
// what was read, and the file the calculator then writes to disk reads back
// to the same state.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "model/model.h"
#include "model/sequence.h"

namespace {

const zova::NumberLocale kLocales[] = {{".", ","}, {",", "."}};

// Keys that read every register and setting the file restores.
constexpr std::string_view kKeys =
    "Kout,+,MR,=,b/c,Mode,stat:enter,stat:mean,stat:sample,stat:popul,fin:solve=PMT,"
    "fin:amortize,Base,Base,Base,Base";

/// Starts a calculator on `text` as its settings file and returns the file it writes.
std::string startOn(std::string_view text, const zova::NumberLocale& locale, bool pressKeys) {
  zova::HeadlessToolkit toolkit;
  zova::Model model(toolkit, locale);
  model.startUp();
  model.readSettingsText(text);
  std::string written = model.settingsText();
  if (pressKeys && zova::runSequence(model, kKeys)) std::abort();  // the sequence is valid
  return written;
}

/// The settings file every input goes through: one per fuzzing process.
const std::string& settingsPath() {
  static const std::string path = [] {
    std::string folder = "/tmp/zova-settings-fuzz-XXXXXX";
    if (!::mkdtemp(folder.data())) std::abort();
    return folder + "/dadidedo.dat";
  }();
  return path;
}

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

/// Starts a calculator on the file at path, which it then writes back.
std::string startAndWrite(const zova::NumberLocale& locale) {
  zova::HeadlessToolkit toolkit;
  zova::Model model(toolkit, locale);
  model.setSettingsFile(settingsPath());
  model.startUp();
  const std::string state = model.settingsText();
  if (!model.writeSettings()) std::abort();
  return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const zova::NumberLocale& locale : kLocales) {
    const std::string once = startOn(text, locale, true);
    // What was written is a settings file in its settled form.
    if (startOn(once, locale, false) != once) std::abort();

    // Through the file itself: the written file starts a calculator in the
    // same state, and writing that again changes no byte.
    const std::string& path = settingsPath();
    ::unlink((path + ".bak").c_str());
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    startAndWrite(locale);
    const std::string written = fileText(path);
    if (startAndWrite(locale) != written || fileText(path) != written) std::abort();
  }
  return 0;
}
