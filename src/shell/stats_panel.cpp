// The statistics panel of the fold-out area: the data list, its keys and the Stack toggle.
#include "shell/stats_panel.h"

namespace zova {

StatsPanel::StatsPanel(Model& model, std::function<void()> changed, QWidget* parent)
    : QWidget(parent), model_(model), changed_(std::move(changed)) {}

void StatsPanel::refresh() {}

}  // namespace zova
