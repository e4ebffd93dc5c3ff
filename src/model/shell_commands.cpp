// The View, Tools and tray menus' commands: the fold-out panels, compact size,
// the colours and personal label, always on top, the start-up entry, help and
// showing, hiding and closing the window.
#include "model/model.h"
#include "model/window_geometry.h"

namespace zova {

namespace {

constexpr int kOverviewTopic = 100;
constexpr int kKeyboardTopic = 800;

enum class Panel { kConverter, kStatistics, kFinancial };

bool& checkOf(ShellState& sh, Panel p) {
  switch (p) {
    case Panel::kConverter:
      return sh.converterChecked;
    case Panel::kStatistics:
      return sh.statisticsChecked;
    case Panel::kFinancial:
      break;
  }
  return sh.financialChecked;
}

void resize(Model& m, int width, int height) {
  m.shell().width = width;
  m.shell().height = height;
  m.toolkit().setWindowSize(width, height);
}

// The one protocol of the three panel commands: a first click opens the
// fold-out with the panel, a second closes it, and a click while another panel
// shows switches to this one and keeps the fold-out open.
void togglePanel(Model& m, Panel own) {
  ShellState& sh = m.shell();
  m.calc().state().ignoreNextLetter = true;
  sh.ConvVis = own == Panel::kConverter;
  sh.StatVis = own == Panel::kStatistics;
  sh.FinVis = own == Panel::kFinancial;
  m.visibility();

  if (sh.flap == 0) sh.flap = 1;
  sh.flap = -sh.flap;
  bool otherShowing = false;
  for (Panel p : {Panel::kConverter, Panel::kStatistics, Panel::kFinancial})
    if (p != own && checkOf(sh, p)) otherShowing = true;
  if (otherShowing) sh.flap = -1;

  m.toolkit().focusEquals();
  if (sh.flap != 1) {
    resize(m, kOpenWidth, sh.height);
    for (Panel p : {Panel::kConverter, Panel::kStatistics, Panel::kFinancial})
      checkOf(sh, p) = p == own;
  } else {
    resize(m, kClosedWidth, sh.height);
    checkOf(sh, own) = false;
  }
}

// Steps of every colour command: while the user chooses it (not while start-up
// replays it) the dialog opens on the row's colour; then the row takes the
// picker's colour, which start-up has put there itself.
void recolour(Model& m, Colour ShellState::*row) {
  ShellState& sh = m.shell();
  if (m.calc().state().startedUp) {
    sh.pickerColour = sh.*row;
    if (auto chosen = m.toolkit().colorDialog(sh.pickerColour)) sh.pickerColour = *chosen;
  }
  sh.*row = sh.pickerColour;
}

}  // namespace

void Model::Converter_Click() { togglePanel(*this, Panel::kConverter); }
void Model::Statistics_Click() { togglePanel(*this, Panel::kStatistics); }
void Model::mnuFinancial_Click() { togglePanel(*this, Panel::kFinancial); }

// The view shows each panel's controls from StatVis, ConvVis and FinVis; what
// the model itself owns here are the converter's two marker frames.
void Model::visibility() { conv_.hideMarkers(); }

void Model::flapclose_Click() {
  resize(*this, kClosedWidth, shell_.height);
  shell_.converterChecked = false;
  shell_.statisticsChecked = false;
  shell_.financialChecked = false;
  shell_.flap = 1;
  tk_.focusEquals();
}

void Model::compact_Click() {
  shell_.size = !shell_.size;
  calc_.state().ignoreNextLetter = true;
  if (shell_.size) {
    shell_.compactCaption = "Normal &Size";
    resize(*this, kClosedWidth, kCompactHeight);
    shell_.converterChecked = false;
    shell_.statisticsChecked = false;
    shell_.financialChecked = false;
    shell_.panelItemsEnabled = false;
  } else {
    shell_.compactCaption = "Compact &Size";
    resize(*this, shell_.width, kNormalHeight);
    shell_.panelItemsEnabled = true;
    shell_.flap = 1;
  }
}

void Model::mnuscreen_Click() { recolour(*this, &ShellState::screenColour); }
void Model::mnudigits_Click() { recolour(*this, &ShellState::digitsColour); }
void Model::mnushell_Click() { recolour(*this, &ShellState::shellColour); }
void Model::mnustandard_Click() { recolour(*this, &ShellState::standardColour); }
void Model::mnufunction_Click() { recolour(*this, &ShellState::functionColour); }

void Model::mnulabel_Click() {
  tk_.setTopmost(false);
  std::string answer = tk_.inputBox("Enter a short title to personalize your calculator.", "Label");
  if (!answer.empty()) shell_.personalLabel = std::move(answer);
  onTopRestore();
}

void Model::mnuhide2_Click() {
  calc_.state().ignoreNextLetter = true;
  shell_.hidden = true;
  tk_.hideWindow();
}

void Model::mnuTopmost_Click() {
  calc_.state().ignoreNextLetter = true;
  shell_.onTop = !shell_.onTop;
  onTopRestore();
}

void Model::onTopRestore() {
  shell_.topmostChecked = shell_.onTop;
  tk_.setTopmost(shell_.onTop);
}

// The check mark and minStart follow the click even when the entry could not
// be written; the message says which way it failed.
void Model::mnuMinimize_Click() {
  calc_.state().ignoreNextLetter = true;
  shell_.minStart = !shell_.minStart;
  shell_.minimizeChecked = shell_.minStart;
  if (tk_.setStartupEntry(shell_.minStart)) return;
  tk_.setTopmost(false);
  tk_.messageBox(shell_.minStart ? "The start-up entry could not be created."
                                 : "The start-up entry could not be removed.",
                 MsgStyle::Stop, "Error");
  onTopRestore();
}

void Model::Contents_Click() { tk_.showHelp(kOverviewTopic); }
void Model::Equivalent_Click() { tk_.showHelp(kKeyboardTopic); }

void Model::mnuopen_Click() {
  shell_.hidden = false;
  tk_.showWindow();
}

void Model::mnuhide_Click() {
  shell_.hidden = true;
  tk_.hideWindow();
}

void Model::mnuexit_Click() { unload(); }

}  // namespace zova
