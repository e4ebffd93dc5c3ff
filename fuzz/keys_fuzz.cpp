// Fuzz target: random key presses, key releases and panel actions on a freshly
// started model. Any crash, sanitizer report or hang is a finding.
#include <cstddef>
#include <cstdint>

#include "engine/keys.h"
#include "model/model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zova;
  HeadlessToolkit tk;
  Model model(tk, {});
  model.startUp();
  const auto keys = keyTable();
  // The panel actions a byte of 0xF0 and up chooses by its low bits.
  void (*const actions[])(Model&) = {
      [](Model& m) { m.statPress(StatKey::kEnter); },
      [](Model& m) { m.statPress(StatKey::kSampleSd); },
      [](Model& m) { m.convCategory("Length"), m.convGo(); },
      [](Model& m) { m.finClick(FinCell::kPv); },
      [](Model& m) { m.finSolve(FinKey::kPmt); },
      [](Model& m) { m.finAmortize(); },
      [](Model& m) { m.statSelect(0), m.statPress(StatKey::kDelete); },
      [](Model& m) { m.molarDrop(1, "H"), m.molarResultClick(); },
  };
  for (std::size_t i = 0; i < size && i < 4096; ++i) {
    const std::uint8_t b = data[i];
    if (b < 0xC0) {
      model.press(keys[b % keys.size()].key);
    } else if (b < 0xF0 && i + 1 < size) {
      const int code = data[++i] % 128;
      if (code != vk::kEnd) model.keyDown(code, b & 7);
    } else if ((b & 0x0F) < std::size(actions)) {
      actions[b & 0x0F](model);
    } else {
      model.press(Key::kEquals);
    }
  }
  return 0;
}
