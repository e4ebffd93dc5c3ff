// The calculator window's menus, the menu bar's and the tray icon's, built
// from one table of items.
#include <QMenuBar>
#include <map>
#include <string_view>

#include "shell/about_box.h"
#include "shell/main_window.h"

namespace zova {

// The menus and their items in menu order. A row without a command is a menu
// (at the menu bar when it names no menu to go in); one without a name, a
// separator. Shortcuts are Ctrl and a letter.
struct MainWindow::MenuRow {
  const char* menu;     ///< the object name of the menu it goes in
  const char* name;     ///< its object name; nullptr for a separator
  const char* caption;  ///< "&" marks the access letter
  char ctrlKey;         ///< the letter of its Ctrl shortcut; 0 for none
  bool checkable;
  void (*command)(MainWindow& w);
};

std::span<const MainWindow::MenuRow> MainWindow::menuRows() {
  using W = MainWindow;
  static const MenuRow kRows[] = {
      {"", "fileMenu", "&File", 0, false, nullptr},
      {"fileMenu", "load", "&Load Settings...", 0, false,
       [](W& w) { w.model_.loadSettingsFrom(); }},
      {"fileMenu", "save", "&Save Settings...", 0, false, [](W& w) { w.model_.saveSettingsAs(); }},
      {"fileMenu", nullptr, "", 0, false, nullptr},
      {"fileMenu", "exit", "E&xit", 'Q', false, [](W& w) { w.close(); }},
      {"", "editMenu", "&Edit", 0, false, nullptr},
      {"editMenu", "copy", "&Copy", 'C', false, [](W& w) { w.model_.menuCopy(); }},
      {"editMenu", "paste", "&Paste", 'V', false, [](W& w) { w.model_.menuPaste(); }},
      {"", "viewMenu", "&View", 0, false, nullptr},
      {"viewMenu", "hide", "&Hide    [ Esc ]", 0, false, [](W& w) { w.model_.hideToTray(); }},
      {"viewMenu", nullptr, "", 0, false, nullptr},
      {"viewMenu", "alwaysOnTop", "Always on &Top", 'T', true,
       [](W& w) { w.model_.toggleAlwaysOnTop(); }},
      {"viewMenu", "appearOnStartup", "&Appear on Startup", 0, true,
       [](W& w) { w.model_.toggleStartupEntry(); }},
      {"viewMenu", nullptr, "", 0, false, nullptr},
      {"viewMenu", "compact", "Compact &Size", 'M', false,
       [](W& w) { w.model_.toggleCompactSize(); }},
      {"viewMenu", nullptr, "", 0, false, nullptr},
      {"viewMenu", "appearanceMenu", "Appearance", 0, false, nullptr},
      {"appearanceMenu", "coloursMenu", "Colours", 0, false, nullptr},
      {"coloursMenu", "screenColour", "Screen", 0, false,
       [](W& w) { w.model_.chooseScreenColour(); }},
      {"coloursMenu", "digitsColour", "Digits", 0, false,
       [](W& w) { w.model_.chooseDigitsColour(); }},
      {"coloursMenu", "shellColour", "Calculator Shell", 0, false,
       [](W& w) { w.model_.chooseShellColour(); }},
      {"coloursMenu", "standardColour", "Standard Buttons", 0, false,
       [](W& w) { w.model_.chooseStandardColour(); }},
      {"coloursMenu", "functionColour", "Function Buttons", 0, false,
       [](W& w) { w.model_.chooseFunctionColour(); }},
      {"appearanceMenu", nullptr, "", 0, false, nullptr},
      {"appearanceMenu", "personalLabel", "Personal Label", 0, false,
       [](W& w) { w.model_.editPersonalLabel(); }},
      {"", "toolsMenu", "&Tools", 0, false, nullptr},
      {"toolsMenu", "Converter", "&Converter/Constants Library", 'L', true,
       [](W& w) { w.model_.toggleConverterPanel(); }},
      {"toolsMenu", "Statistics", "&Statistical Functions", 'S', true,
       [](W& w) { w.model_.toggleStatisticsPanel(); }},
      {"toolsMenu", "Financial", "&Financial Calculations", 'F', true,
       [](W& w) { w.model_.toggleFinancialPanel(); }},
      {"toolsMenu", "periodicTable", "Periodic Table of the &Elements", 'E', false,
       [](W& w) { w.openElements(); }},
      {"toolsMenu", "paperTape", "Paper &Tape", 'P', false, [](W& w) { w.openTape(); }},
      {"toolsMenu", nullptr, "", 0, false, nullptr},
      {"toolsMenu", "options", "&Options...", 'O', false, [](W& w) { w.openOptions(); }},
      {"", "helpMenu", "&?", 0, false, nullptr},
      {"helpMenu", "Contents", "&Overview", 0, false, [](W& w) { w.model_.showHelpContents(); }},
      {"helpMenu", "Equivalent", "&Keyboard Equivalents", 0, false,
       [](W& w) { w.model_.showKeyboardHelp(); }},
      {"helpMenu", nullptr, "", 0, false, nullptr},
      {"helpMenu", "About", "&About Zova", 0, false, [](W& w) { AboutBox::open(&w); }},
      // The tray icon's menu, which the window builds before this table.
      {"trayMenu", "trayAbout", "About Zova", 0, false, [](W& w) { AboutBox::open(&w); }},
      {"trayMenu", nullptr, "", 0, false, nullptr},
      {"trayMenu", "trayHide", "&Hide", 0, false, [](W& w) { w.model_.hideFromTray(); }},
      {"trayMenu", "trayExit", "E&xit", 0, false, [](W& w) { w.exitFromTray(); }},
      {"trayMenu", nullptr, "", 0, false, nullptr},
      {"trayMenu", "trayOpen", "&Open", 0, false, [](W& w) { w.model_.showFromTray(); }},
  };
  return kRows;
}

void MainWindow::buildMenus() {
  tasks_ = new QMenu(QStringLiteral("Tasks"), this);
  tasks_->setObjectName(QStringLiteral("trayMenu"));
  std::map<std::string_view, QMenu*> menus = {{"trayMenu", tasks_}};
  for (const MenuRow& row : menuRows()) {
    const QString caption = QString::fromUtf8(row.caption);
    if (!row.name) {
      menus.at(row.menu)->addSeparator();
    } else if (!row.command) {
      const bool inBar = !*row.menu;
      QMenu* menu = inBar ? menuBar()->addMenu(caption) : menus.at(row.menu)->addMenu(caption);
      menu->setObjectName(QLatin1String(row.name));
      if (!inBar) actions_[menu->objectName()] = menu->menuAction();
      menus[row.name] = menu;
    } else {
      QAction* item = menus.at(row.menu)->addAction(caption);
      item->setObjectName(QLatin1String(row.name));
      if (row.ctrlKey) item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(row.ctrlKey)));
      item->setCheckable(row.checkable);
      connect(item, &QAction::triggered, this,
              [this, command = row.command] { run([this, command] { command(*this); }); });
      actions_[item->objectName()] = item;
    }
  }
  // F1, the desktop's help key, opens the overview; a window action of its own
  // leaves the menu item as it reads.
  auto* helpKey = new QAction(this);
  helpKey->setObjectName(QStringLiteral("helpKey"));
  helpKey->setShortcut(QKeySequence::HelpContents);
  addAction(helpKey);
  connect(helpKey, &QAction::triggered, this,
          [this] { run([this] { model_.showHelpContents(); }); });
  actions_[helpKey->objectName()] = helpKey;
}

}  // namespace zova
