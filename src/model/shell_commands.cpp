// The View, Tools and tray menus' commands: the fold-out panels, compact size,
// the colours and personal label, always on top, the start-up entry, help and
// showing, hiding and closing the window.
#include "model/model.h"
#include "model/window_geometry.h"

namespace zova {

namespace {

// The window is told its size whenever a command may have changed it.
void resize(Model& m) { m.toolkit().setWindowSize(m.shell().width(), m.shell().height()); }

// The one protocol of the three panel commands: a first click opens the
// fold-out with the panel, a second closes it, and a click while another panel
// shows switches to this one and keeps the fold-out open.
void togglePanel(Model& m, FoldOut own) {
  ShellState& sh = m.shell();
  // The window shows each panel's controls; the model's own part is the
  // converter's two marker frames.
  m.converter().hideMarkers();
  sh.foldOut = sh.foldOut == own ? FoldOut::kNone : own;
  m.toolkit().focusEquals();
  resize(m);
}

// Steps of every colour command: while the user chooses it (not while start-up
// replays it) the dialog opens on the row's colour; then the row takes the
// picker's colour, which start-up has put there itself.
void recolour(Model& m, Colour ShellState::*row, const char* menuItem) {
  const ActionScope step(m.history(), Text::caption("Menu", menuItem), kLookPart);
  ShellState& sh = m.shell();
  if (m.calc().state().startedUp) {
    sh.pickerColour = sh.*row;
    if (auto chosen = m.toolkit().colorDialog(sh.pickerColour)) sh.pickerColour = *chosen;
  }
  sh.*row = sh.pickerColour;
}

}  // namespace

void Model::toggleConverterPanel() { togglePanel(*this, FoldOut::kConverter); }
void Model::toggleStatisticsPanel() { togglePanel(*this, FoldOut::kStatistics); }
void Model::toggleFinancialPanel() { togglePanel(*this, FoldOut::kFinancial); }

void Model::closeFoldOut() {
  shell_.foldOut = FoldOut::kNone;
  resize(*this);
  tk_.focusEquals();
}

void Model::toggleCompactSize() {
  shell_.compact = !shell_.compact;
  shell_.foldOut = FoldOut::kNone;
  resize(*this);
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
  const ActionScope step(history_, Text::caption("Menu", "Personal Label"), kLookPart);
  tk_.setTopmost(false);
  std::string answer =
      tk_.inputBox(ZOVA_TEXT("Messages", "Enter a short title to personalize your calculator."),
                   ZOVA_TEXT("Messages", "Label"));
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

// startupEntry, and with it the check mark, follows the click even when the entry could not
// be written; the message says which way it failed.
void Model::toggleStartupEntry() {
  shell_.startupEntry = !shell_.startupEntry;
  if (tk_.setStartupEntry(shell_.startupEntry)) return;
  tk_.messageInFront(
      Text::phrase(shell_.startupEntry
                       ? ZOVA_TEXT("Messages", "The start-up entry could not be created.")
                       : ZOVA_TEXT("Messages", "The start-up entry could not be removed.")),
      MsgStyle::kStop, "Error", shell_.onTop);
}

void Model::showHelpContents() { tk_.showHelp(HelpTopic::kOverview); }
void Model::showKeyboardHelp() { tk_.showHelp(HelpTopic::kKeyboard); }

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
