// The options dialog.
#include "shell/options_window.h"

namespace zova {

OptionsWindow::OptionsWindow(Model& model, QWidget* parent) : QDialog(parent), model_(model) {}

}  // namespace zova
