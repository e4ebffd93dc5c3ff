// The financial panel of the fold-out area: time value of money and amortization cells and keys.
#include "shell/finance_panel.h"

namespace zova {

FinancePanel::FinancePanel(Model& model, std::function<void()> changed, QWidget* parent)
    : QWidget(parent), model_(model), changed_(std::move(changed)) {}

void FinancePanel::refresh() {}

}  // namespace zova
