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
  sh.converterVisible = own == Panel::kConverter;
  sh.statisticsVisible = own == Panel::kStatistics;
  sh.financialVisible = own == Panel::kFinancial;
  // The view shows each panel's controls from these flags; the model's own part is
  // the converter's two marker frames.
  m.converter().hideMarkers();

  sh.foldOutOpen = !sh.foldOutOpen;
  for (Panel p : {Panel::kConverter, Panel::kStatistics, Panel::kFinancial})
    if (p != own && checkOf(sh, p)) sh.foldOutOpen = true;

  m.toolkit().focusEquals();
  if (sh.foldOutOpen) {
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
void recolour(Model& m, Colour ShellState::*row, const char* menuItem) {
  const ActionScope step(m.history(), {"Menu", menuItem}, kLookPart);
  ShellState& sh = m.shell();
  if (m.calc().state().startedUp) {
    sh.pickerColour = sh.*row;
    if (auto chosen = m.toolkit().colorDialog(sh.pickerColour)) sh.pickerColour = *chosen;
  }
  sh.*row = sh.pickerColour;
}

}  // namespace

void Model::toggleConverterPanel() { togglePanel(*this, Panel::kConverter); }
void Model::toggleStatisticsPanel() { togglePanel(*this, Panel::kStatistics); }
void Model::toggleFinancialPanel() { togglePanel(*this, Panel::kFinancial); }

void Model::closeFoldOut() {
  resize(*this, kClosedWidth, shell_.height);
  shell_.converterChecked = false;
  shell_.statisticsChecked = false;
  shell_.financialChecked = false;
  shell_.foldOutOpen = false;
  tk_.focusEquals();
}

void Model::toggleCompactSize() {
  shell_.compact = !shell_.compact;
  if (shell_.compact) {
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
    shell_.foldOutOpen = false;
  }
}

void Model::chooseScreenColour() { recolour(*this, &ShellState::screenColour, "Screen"); }
void Model::chooseDigitsColour() { recolour(*this, &ShellState::digitsColour, "Digits"); }
void Model::chooseShellColour() { recolour(*this, &ShellState::shellColour, "Calculator Shell"); }
void Model::chooseStandardColour() {
  recolour(*this, &ShellState::standardColour, "Standard Buttons");
}
void Model::chooseFunctionColour() {
  recolour(*this, &ShellState::functionColour, "Function Buttons");
}

void Model::editPersonalLabel() {
  const ActionScope step(history_, {"Menu", "Personal Label"}, kLookPart);
  tk_.setTopmost(false);
  std::string answer = tk_.inputBox("Enter a short title to personalize your calculator.", "Label");
  if (!answer.empty()) shell_.personalLabel = std::move(answer);
  onTopRestore();
}

void Model::hideToTray() {
  shell_.hidden = true;
  tk_.hideWindow();
}

void Model::toggleAlwaysOnTop() {
  shell_.onTop = !shell_.onTop;
  onTopRestore();
}

void Model::onTopRestore() { tk_.setTopmost(shell_.onTop); }

// The check mark and startupEntry follow the click even when the entry could not
// be written; the message says which way it failed.
void Model::toggleStartupEntry() {
  shell_.startupEntry = !shell_.startupEntry;
  shell_.startupEntryChecked = shell_.startupEntry;
  if (tk_.setStartupEntry(shell_.startupEntry)) return;
  tk_.messageInFront(shell_.startupEntry ? "The start-up entry could not be created."
                                         : "The start-up entry could not be removed.",
                     MsgStyle::kStop, "Error", shell_.onTop);
}

void Model::showHelpContents() { tk_.showHelp(kOverviewTopic); }
void Model::showKeyboardHelp() { tk_.showHelp(kKeyboardTopic); }

void Model::showFromTray() {
  shell_.hidden = false;
  tk_.showWindow();
}

void Model::hideFromTray() {
  shell_.hidden = true;
  tk_.hideWindow();
}

void Model::exitProgram() { unload(); }

}  // namespace zova
