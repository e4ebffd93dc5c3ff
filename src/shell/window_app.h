// Starts the calculator window: the application object, the model, start-up
// and the main window, with the display font installed for the program's life.
#pragma once

namespace zova {
int runWindow(int argc, char** argv);
}

/// The entry point the zova program looks up in the window module.
extern "C" int zova_run_window(int argc, char** argv);
/// Asked before zova_run_window: null when the window can open, otherwise why
/// it cannot, in a few words.
extern "C" const char* zova_window_unavailable(int argc, char** argv);
