// Test helper: a freshly started headless calculator that runs key sequences
// in the command-line notation and reports the display, and one started from a
// settings file.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <span>
#include <string>

#include "model/model.h"
#include "model/sequence.h"

namespace zova::testing {

struct KeyRunner {
  explicit KeyRunner(NumberLocale locale = {}) : model(tk, std::move(locale)) { model.startUp(); }

  /// Runs the sequence and returns the display; a bad sequence fails the test.
  std::string keys(std::string_view sequence) {
    if (auto e = runSequence(model, sequence)) ADD_FAILURE() << e->message();
    return model.calc().display();
  }
  CalcState& state() { return model.calc().state(); }

  HeadlessToolkit tk;
  Model model;
};

inline const NumberLocale kEnglish{".", ","};
inline const NumberLocale kGerman{",", "."};

/// A calculator started as the program starts, reading `path` as its settings file.
struct Started {
  explicit Started(const std::string& path = "", NumberLocale loc = kEnglish)
      : model(tk, std::move(loc)) {
    model.setSettingsFile(path);
    ::alarm(20);  // reading must never wait (a FIFO without a writer)
    model.startUp();
    ::alarm(0);
  }
  CalcState& s() { return model.calc().state(); }
  ShellState& sh() { return model.shell(); }
  HeadlessToolkit tk;
  Model model;
};

/// The display after running the sequence on a fresh calculator.
inline std::string display(std::string_view sequence, NumberLocale locale = {}) {
  KeyRunner run(std::move(locale));
  return run.keys(sequence);
}

/// A table row: a key sequence on a fresh calculator and the display it leaves.
struct Case {
  const char* keys;
  const char* shown;
};

/// Checks every row's display, naming the sequence of each that differs.
inline void expectDisplays(std::span<const Case> cases, const NumberLocale& locale = {}) {
  for (const Case& c : cases) EXPECT_EQ(display(c.keys, locale), c.shown) << c.keys;
}

}  // namespace zova::testing
