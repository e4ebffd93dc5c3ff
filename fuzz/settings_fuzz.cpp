// Fuzz target for the settings file reader: any bytes read as the settings
// file start the calculator without a crash or a hang, the keys still work on
// what was read, and the file the calculator then writes reads back to itself.
#include <cstdint>
#include <cstdlib>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const zova::NumberLocale& locale : kLocales) {
    const std::string once = startOn(text, locale, true);
    // What was written is a settings file in its settled form.
    if (startOn(once, locale, false) != once) std::abort();
  }
  return 0;
}
