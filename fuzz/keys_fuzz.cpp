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
  for (std::size_t i = 0; i < size && i < 4096; ++i) {
    const std::uint8_t b = data[i];
    if (b < 0xC0) {
      model.press(keys[b % keys.size()].key);
    } else if (b < 0xF0 && i + 1 < size) {
      const int code = data[++i] % 128;
      if (code != vk::kEnd) model.keyDown(code, b & 7);
    } else {
      switch (b & 0x0F) {
        case 0:
          model.statPress(StatKey::kEnter);
          break;
        case 1:
          model.statPress(StatKey::kSampleSd);
          break;
        case 2:
          model.convCategory("Length");
          model.convGo();
          break;
        case 3:
          model.finClick(FinCell::kPv);
          break;
        case 4:
          model.finSolve(FinKey::kPmt);
          break;
        case 5:
          model.finAmortize();
          break;
        case 6:
          model.statSelect(0);
          model.statPress(StatKey::kDelete);
          break;
        case 7:
          model.molarDrop(1, "H");
          model.molarResultClick();
          break;
        default:
          model.press(Key::kEquals);
          break;
      }
    }
  }
  return 0;
}
