// The converter and constants panel of the fold-out area: category buttons, the two lists and
// Convert.
#include "shell/converter_panel.h"

namespace zova {

ConverterPanel::ConverterPanel(Model& model, std::function<void()> changed, QWidget* parent)
    : QWidget(parent), model_(model), changed_(std::move(changed)) {}

void ConverterPanel::refresh() {}

}  // namespace zova
