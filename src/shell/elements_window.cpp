// The periodic table window.
#include "shell/elements_window.h"

namespace zova {

ElementsWindow::ElementsWindow(Model& model, std::function<void()> changed, QWidget* parent)
    : QWidget(parent), model_(model), changed_(std::move(changed)) {}

void ElementsWindow::refresh() {}

}  // namespace zova
